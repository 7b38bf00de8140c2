// SPDX-License-Identifier: MIT
// Every copy or context menu of the program comes from here: one menu kept for the
// control's whole life, so assistive tools list the items of the menu on screen at
// every opening, and closed after any of its items has run, however it was chosen.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace kolvane {

class ContextMenu : public QObject {
    Q_OBJECT
public:
    // Gives `control` this menu, opened by a right click and by the context-menu event
    // a keyboard sends; the menu lives as long as the control.
    explicit ContextMenu(QWidget* control);

    // An item that runs `run` when chosen.
    QAction* addItem(const QString& text, std::function<void()> run);
    // An item that puts `source()` on the clipboard, unless it is empty. The text is
    // asked for when the item is chosen, so a menu never copies a stale value.
    QAction* addCopyItem(const QString& text, std::function<QString()> source);
    void addSeparator();
    // Items the control makes anew for each opening (a field's own editing items,
    // enabled as its selection allows): `make` returns a menu holding them, whose items
    // come first in the kept menu until the next opening replaces them.
    void setOpeningItems(std::function<QMenu*()> make);
    // The menu key and Shift+F10 open the menu while the control has the focus.
    void openOnMenuKeys();

    QMenu* menu() const { return m_menu; }

private:
    void open(const QPoint& at);
    void takeOpeningItems();

    QWidget* m_control;
    QMenu* m_menu;
    std::function<QMenu*()> m_makeOpeningItems;
    QList<QAction*> m_openingItems;
};

// Closes `menu` once any of its items has run. Chosen by mouse or key, a menu closes by
// itself; an assistive tool's press runs the item and leaves the menu open, its loop
// still running, so the next opening would go unannounced.
void CloseAfterItems(QMenu* menu);

// Asks `control` for its context menu as the keyboard's menu key does, at its centre.
void RequestContextMenu(QWidget* control);

} // namespace kolvane
