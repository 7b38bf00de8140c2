// SPDX-License-Identifier: MIT
#include "listaccessible.h"

#include "markedaccessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace kolvane {
namespace {

// Reads as Qt's combo box interface does (value, children, actions), with the name set.
class NamedListAccessible : public QAccessibleWidget {
public:
    explicit NamedListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }

    int childCount() const override { return list()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->isEditable())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        if (child->object() == list()->view())
            return 0;
        if (list()->isEditable() && child->object() == list()->lineEdit())
            return 1;
        return -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& actionName) override
    {
        if (actionName != showMenuAction() && actionName != pressAction())
            return;
        // Opening the list runs no loop of its own, but every action the program offers
        // returns before what it opens is on screen.
        RunAfterCall(list(), [target = list()] {
            if (target->view()->isVisible())
                target->hidePopup();
            else
                target->showPopup();
        });
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

} // namespace

void NameList(QComboBox* list, const QString& name)
{
    list->setAccessibleName(name);
    UseAccessible(list, &MakeAccessible<NamedListAccessible, QComboBox>);
}

} // namespace kolvane
