// Keystroke hooks of the value fields and the lists. They see typed characters only:
// keys without text (arrows, Delete, Home, Tab) pass untouched.
#pragma once

#include <QObject>

namespace kolvane {

// Digits, Backspace and Enter pass; any other character is dropped with a beep.
class DigitKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Installs one shared filter on the widget; the filter lives as long as the widget.
    static void Install(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Every typed character is dropped silently, so typing never selects a list item.
class SilentKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    static void Install(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Lets the window's menu shortcuts win over a field's own editing keys: Ctrl+A opens
// the About dialog even while the focus is in a field that would select all.
class MenuShortcutsFirst : public QObject {
    Q_OBJECT
public:
    // Installs the filter on every line edit and list below `window`.
    static void Install(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    QWidget* m_window = nullptr;
};

// Whether a typed character passes the digit filter.
bool DigitKeyPasses(QChar c);

} // namespace kolvane
