// SPDX-License-Identifier: MIT
// Opens a value label's copy menu as a user (right click, the menu key) or an assistive
// tool (the label's menu action) does, records its items and chooses one with the
// keyboard.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QTest>

namespace kolvane::test {

struct SeenMenu {
    bool opened = false;
    QStringList items;
    QList<bool> enabled;
};

enum class MenuOpener { RightClick, AssistiveTool, MenuKey, ShiftF10 };

// `item` counts from 0; -1 closes the menu with Escape.
inline SeenMenu ChooseFromMenu(QLabel* label, int item, MenuOpener opener = MenuOpener::RightClick)
{
    SeenMenu seen;
    bool answered = false;
    // Polls until the menu is up: a right click opens it at once, an assistive tool's
    // action opens it after the call has returned.
    QTimer answer;
    answer.setInterval(0);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || answered)
            return;
        answered = true;
        answer.stop();
        seen.opened = true;
        for (const QAction* action : menu->actions()) {
            seen.items << action->text();
            seen.enabled << action->isEnabled();
        }
        for (int i = 0; i <= item; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, item >= 0 ? Qt::Key_Return : Qt::Key_Escape);
    });
    answer.start();
    if (opener == MenuOpener::AssistiveTool) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
        if (iface && iface->actionInterface() &&
            iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction())) {
            iface->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
            // The menu runs after the call: wait for it to be answered and closed. A menu
            // that never came up, or never closed, counts as not opened.
            if (!QTest::qWaitFor([&] { return answered && !QApplication::activePopupWidget(); }))
                seen.opened = false;
        }
    } else if (opener == MenuOpener::MenuKey || opener == MenuOpener::ShiftF10) {
        label->setFocus(Qt::TabFocusReason);
        if (opener == MenuOpener::MenuKey)
            QTest::keyClick(label, Qt::Key_Menu);
        else
            QTest::keyClick(label, Qt::Key_F10, Qt::ShiftModifier);
        // The key opens the menu once the events queued with it have run.
        if (!QTest::qWaitFor([&] { return answered && !QApplication::activePopupWidget(); }))
            seen.opened = false;
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
