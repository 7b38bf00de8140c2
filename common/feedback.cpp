// SPDX-License-Identifier: MIT
#include "feedback.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
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
    // The box sizes itself to its layout, so a strut in the layout sets its least width.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(TitleBarWidth(ApplicationTitle), 0), grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}

} // namespace

int TitleBarWidth(const QString& title)
{
    // The window manager draws the title in its own font, which Qt cannot ask for:
    // the desktop's title font, bold as most window managers draw it, errs on the
    // wide side.
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    // Beside the title: the window menu icon and up to three buttons, each about as
    // wide as the bar is high, and the gaps around them.
    const int button = metrics.height() + 6;
    return metrics.horizontalAdvance(title) + 4 * button + 4 * metrics.averageCharWidth();
}

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
