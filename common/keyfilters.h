// SPDX-License-Identifier: MIT
// Keystroke hooks of the value fields and the lists. They see typed characters only,
// whether a key press or the input method (dead keys, Compose) typed them: keys without
// text (arrows, Delete, Home, Tab) and pasting pass untouched.
#pragma once

#include <QObject>

class QInputMethodEvent;
class QKeyEvent;

namespace kolvane {

// Enter, Return or Space with no modifier but the keypad's: the keys that press a control
// that is no button (a band, a swatch, a link), as they press a button.
bool IsPressKey(const QKeyEvent* key);

// The keystroke hook of a value field or a list.
class TypedKeyFilter : public QObject {
    Q_OBJECT
public:
    enum Mode {
        Digits,  // digits, Backspace and Enter pass; any other character beeps and is dropped
        Nothing, // every typed character is dropped silently: typing never selects an item
    };
    // Installs a filter on the widget; the filter lives as long as the widget.
    static void install(QWidget* widget, Mode mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TypedKeyFilter(QWidget* widget, Mode mode);
    bool textPasses(const QString& text) const;
    bool filterComposed(QObject* watched, QInputMethodEvent* event);
    Mode m_mode;
};

// Lets the window's menu shortcuts win over a field's own editing keys: Ctrl+A opens
// the About dialog even while the focus is in a field that would select all.
class MenuShortcutsFirst : public QObject {
    Q_OBJECT
public:
    // Installs the filter on every line edit and list below `window`.
    static void install(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    QWidget* m_window = nullptr;
};

// Tab enters each group of radio buttons below `window` at its checked button, so that
// Space there changes nothing unasked; the arrows still move within the group.
void TabEntersCheckedRadios(QWidget* window);

// Shift+F10 opens the focused control's context menu wherever the menu key does: the
// desktop's other key for it, which the toolkit leaves to each control.
class ShiftF10OpensMenus : public QObject {
    Q_OBJECT
public:
    // Installs one filter for the whole application; again is harmless.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace kolvane
