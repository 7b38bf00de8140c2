// SPDX-License-Identifier: MIT
// Opens a value label's copy menu as a user (right click) or an assistive tool (the
// label's menu action) does, records its items and chooses one with the keyboard.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QtTest>

namespace kolvane::test {

struct SeenMenu {
    bool opened = false;
    QStringList items;
    QList<bool> enabled;
};

enum class MenuOpener { RightClick, AssistiveTool };

// `item` counts from 0; -1 closes the menu with Escape.
inline SeenMenu ChooseFromMenu(QLabel* label, int item, MenuOpener opener = MenuOpener::RightClick)
{
    SeenMenu seen;
    QTimer answer;
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        seen.opened = true;
        for (const QAction* action : menu->actions()) {
            seen.items << action->text();
            seen.enabled << action->isEnabled();
        }
        for (int i = 0; i <= item; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, item >= 0 ? Qt::Key_Return : Qt::Key_Escape);
    });
    answer.start(0);
    if (opener == MenuOpener::AssistiveTool) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
        if (iface && iface->actionInterface() &&
            iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()))
            iface->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    } else {
        const QPoint centre = label->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, centre, label->mapToGlobal(centre));
        QApplication::sendEvent(label, &event);
    }
    return seen;
}

// The copy items, a separator and "Look up…".
inline const QStringList LabelMenuItems = {QStringLiteral("Copy value"), QStringLiteral("Copy code letters"),
                                           QStringLiteral("Copy colours"), QString(), QStringLiteral("Look up\u2026")};

} // namespace kolvane::test
