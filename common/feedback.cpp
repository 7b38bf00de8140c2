#include "feedback.h"

#include <QApplication>
#include <QMessageBox>

namespace kolvane {
namespace {

std::function<void()>& BeepHook()
{
    static std::function<void()> hook;
    return hook;
}

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, ApplicationTitle, text, QMessageBox::Ok, parent);
    // Pasted markup is shown as typed, never as rich text.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void SystemBeep()
{
    if (BeepHook())
        BeepHook()();
    else
        QApplication::beep();
}

void SetBeepHook(std::function<void()> hook)
{
    BeepHook() = std::move(hook);
}

void ShowMessage(QWidget* parent, const QString& text)
{
    ShowBox(parent, QMessageBox::NoIcon, text);
}

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorBox(QWidget* parent, const QString& message)
{
    ShowBox(parent, QMessageBox::Critical, ErrorBoxText(message));
}

} // namespace kolvane
