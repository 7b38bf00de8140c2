// SPDX-License-Identifier: MIT
#include "qevdialogkeyrouter.h"

#include "qevcustombutton_p.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace {

// The accelerator of a caption: the character after a single "&", or none.
QChar Accelerator(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption.at(i + 1);
    }
    return {};
}

// Enter, Escape and accelerators reach a form's buttons the way Qt propagates a key
// that the focused widget left unhandled: up the parent chain to the window. One
// filter on the application sees the key when it gets there, before the window's own
// key handling (a QDialog would otherwise reject on Escape), and asks the window for
// its buttons at that moment. A filter fixed on the window a button had when it was
// made would miss every button built on a page that joins its window later, as uic
// and QUiLoader build tab, stacked and scroll-area pages.
class DialogKeyRouter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::WindowActivate && type != QEvent::Show)
            return false;
        if (!watched->isWidgetType() || !static_cast<QWidget*>(watched)->isWindow())
            return false;
        return TQevCustomButtonPrivate::routeWindowEvent(static_cast<QWidget*>(watched), event);
    }
};

} // namespace

void qev::InstallDialogKeyRouter()
{
    // One router per application object; a program (or a test) may make a new one.
    static QPointer<DialogKeyRouter> router;
    if (!router && qApp) {
        router = new DialogKeyRouter(qApp);
        qApp->installEventFilter(router);
    }
}

bool TQevCustomButtonPrivate::routeWindowEvent(QWidget* window, QEvent* event)
{
    // A click may delete any of the buttons, or the window itself.
    QList<QPointer<TQevCustomButton>> buttons;
    for (TQevCustomButton* b : window->findChildren<TQevCustomButton*>())
        if (b->window() == window)
            buttons.append(b);
    for (const QPointer<TQevCustomButton>& b : std::as_const(buttons))
        if (b && get(b)->windowEvent(window, event))
            return true;
    return false;
}

bool TQevCustomButtonPrivate::windowEvent(QWidget* window, QEvent* event)
{
    // A form that becomes active (or is shown, where no window manager activates it)
    // focuses itself or one of its controls; either way every button learns of it, so a
    // Default button answers Enter on a form whose buttons take no focus.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) {
        focusChanged(window->focusWidget());
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (dialogKey(key->key(), key->modifiers())) {
        key->accept();
        return true;
    }
    // A typed character, plain or with Alt, may be this caption's accelerator.
    if (!(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        QChar c;
        if (key->text().size() == 1 && key->text().at(0).isPrint())
            c = key->text().at(0);
        else if ((key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) ||
                 (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9))
            c = QChar(key->key());
        if (!c.isNull() && dialogChar(c)) {
            key->accept();
            return true;
        }
    }
    return false;
}

bool TQevCustomButtonPrivate::canFocus() const
{
    // isVisible and isEnabled already look at every parent.
    return q_func()->isVisible() && q_func()->isEnabled();
}

bool TQevCustomButtonPrivate::dialogKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool escape = key == Qt::Key_Escape;
    if (!((enter && m_activeDefault) || (escape && m_cancel)))
        return false;
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (!canFocus())
        return false;
    q_func()->Click();
    return true;
}

bool TQevCustomButtonPrivate::dialogChar(QChar character)
{
    const QChar accel = Accelerator(m_caption);
    if (accel.isNull() || accel.toCaseFolded() != character.toCaseFolded() || !canFocus())
        return false;
    q_func()->Click();
    return true;
}
