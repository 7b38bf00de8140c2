// SPDX-License-Identifier: MIT
#include "keyfilters.h"

#include "feedback.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

namespace kolvane {
namespace {

// The character a key press types, or nothing for keys that are not typing: focus
// moves and editing shortcuts (Ctrl+V pastes, Ctrl+C copies) keep working.
QString TypedText(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return {};
    const auto* key = static_cast<QKeyEvent*>(event);
    // X11 reports Delete with the text "\x7f", yet it edits like the arrows and is no
    // typed character.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete)
        return {};
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return {};
    return key->text();
}

// Whether a typed character passes the digit filter.
bool DigitKeyPasses(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QChar(8) || c == QChar(13);
}

} // namespace

TypedKeyFilter::TypedKeyFilter(QWidget* widget, Mode mode) : QObject(widget), m_mode(mode) {}

void TypedKeyFilter::install(QWidget* widget, Mode mode)
{
    widget->installEventFilter(new TypedKeyFilter(widget, mode));
}

bool TypedKeyFilter::textPasses(const QString& text) const
{
    if (m_mode == Nothing)
        return false;
    // Qt reports Backspace and Enter with their control characters as text; Enter
    // may come as "\r" or as the keypad's "\n", which is the same key to the user.
    for (const QChar c : text) {
        if (!DigitKeyPasses(c == QChar(10) ? QChar(13) : c))
            return false;
    }
    return true;
}

bool TypedKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::InputMethod)
        return filterComposed(watched, static_cast<QInputMethodEvent*>(event));
    const QString text = TypedText(event);
    if (text.isEmpty() || textPasses(text))
        return QObject::eventFilter(watched, event);
    if (m_mode == Digits)
        SystemBeep();
    return true;
}

// A dead key or the Compose key types through the input method, not as a key press:
// "é", "½" or "²" arrive as the commit string of an input-method event. What it commits
// is typing like any other and follows the same rule, as one unit: one beep, nothing
// committed. The composition shown meanwhile is left to the field, so it is cleared
// as usual when the commit is dropped.
bool TypedKeyFilter::filterComposed(QObject* watched, QInputMethodEvent* event)
{
    if (event->commitString().isEmpty() || textPasses(event->commitString()))
        return false;
    if (m_mode == Digits)
        SystemBeep();
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QCoreApplication::sendEvent(watched, &withoutCommit);
    event->accept();
    return true;
}

void MenuShortcutsFirst::install(QWidget* window)
{
    auto* filter = new MenuShortcutsFirst(window);
    filter->m_window = window;
    for (QLineEdit* edit : window->findChildren<QLineEdit*>())
        edit->installEventFilter(filter);
    // An editable list hands the override straight to its editor, past the editor's
    // filters, so the list itself is watched too.
    for (QComboBox* list : window->findChildren<QComboBox*>())
        list->installEventFilter(filter);
}

bool MenuShortcutsFirst::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QAction* action : m_window->findChildren<QAction*>()) {
        // Swallowing the override unaccepted hands the key to the shortcut.
        if (!action->shortcut().isEmpty() && action->shortcut().matches(pressed) == QKeySequence::ExactMatch)
            return true;
    }
    return false;
}

bool IsPressKey(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void ShiftF10OpensMenus::install()
{
    auto* app = QCoreApplication::instance();
    const QString name = QStringLiteral("kolvane-shift-f10");
    if (!app || app->findChild<ShiftF10OpensMenus*>(name, Qt::FindDirectChildrenOnly))
        return;
    auto* filter = new ShiftF10OpensMenus(app);
    filter->setObjectName(name);
    app->installEventFilter(filter);
}

bool ShiftF10OpensMenus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F10 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::ShiftModifier)
        return QObject::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    // As the menu key's event: at the text cursor where there is one, else mid-control.
    const QRect cursor = widget->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QPoint at =
        cursor.isValid() && widget->rect().contains(cursor.center()) ? cursor.center() : widget->rect().center();
    if (!key->isAutoRepeat()) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at), key->modifiers());
        QCoreApplication::sendEvent(widget, &menu);
    }
    return true;
}

void TabEntersCheckedRadios(QWidget* window)
{
    // A group is the radio buttons of one parent, as the toolkit makes them exclusive.
    const auto follow = [](QRadioButton* checked) {
        for (auto* sibling : checked->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            if (sibling->autoExclusive())
                sibling->setFocusPolicy(sibling == checked ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (auto* radio : window->findChildren<QRadioButton*>()) {
        if (!radio->autoExclusive())
            continue;
        if (radio->isChecked())
            follow(radio);
        QObject::connect(radio, &QRadioButton::toggled, radio, [radio, follow](bool on) {
            if (on)
                follow(radio);
        });
    }
}

} // namespace kolvane
