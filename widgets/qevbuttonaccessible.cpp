// SPDX-License-Identifier: MIT
#include "qevbuttonaccessible.h"

#include "qevcustombutton.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// An assistive tool's press runs the click operation, as a click does.
class QevButtonAccessible : public QAccessibleWidget {
public:
    explicit QevButtonAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}

    TQevCustomButton* button() const { return static_cast<TQevCustomButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            // QAccessibleWidget would fall back on a buddy label, and inside a group box
            // on the box's title; a button is named by its own caption, as QPushButton is.
            QString name = widget()->accessibleName();
            if (name.isEmpty()) {
                name = button()->Caption();
                name.replace(QLatin1String("&&"), QLatin1String("\x01"));
                name.remove(QLatin1Char('&'));
                name.replace(QLatin1Char('\x01'), QLatin1Char('&'));
            }
            return name;
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            button()->Click();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TQevCustomButton") && object && object->isWidgetType())
        return new QevButtonAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void qev::InstallButtonAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(AccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
