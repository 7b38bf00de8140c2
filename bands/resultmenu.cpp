// SPDX-License-Identifier: MIT
#include "resultmenu.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>

namespace kolvane {
namespace {

const char* const MenuProperty = "kolvaneResultMenu";

// Qt's own label interface has no actions; this one reads like it (static text named
// by the label's text) and adds the menu action, which opens the same menu a right
// click opens.
class ResultLabelAccessible : public QAccessibleWidget {
public:
    explicit ResultLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }

    void doAction(const QString& actionName) override
    {
        if (actionName != showMenuAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        QWidget* label = widget();
        const QPoint centre = label->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, label->mapToGlobal(centre));
        QApplication::sendEvent(label, &event);
    }
};

QAccessibleInterface* ResultLabelFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QLabel") && object && object->isWidgetType() &&
        object->property(MenuProperty).toBool())
        return new ResultLabelAccessible(static_cast<QLabel*>(object));
    return nullptr;
}

} // namespace

ResultMenu::ResultMenu(QLabel* label, Texts texts, std::function<void()> lookUp, QObject* parent)
    : QObject(parent), m_menu(new QMenu(label))
{
    static const bool installed = [] {
        QAccessible::installFactory(ResultLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
    label->setProperty(MenuProperty, true);
    // An interface made for the label before it had a menu (when assistive tools
    // first looked at the window) is dropped, so the next one asked for has the action.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(label);
    if (made && !dynamic_cast<ResultLabelAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    addCopyItem(QStringLiteral("Copy value"), std::move(texts.value));
    addCopyItem(QStringLiteral("Copy code letters"), std::move(texts.letters));
    addCopyItem(QStringLiteral("Copy colours"), std::move(texts.colours));
    m_menu->addSeparator();
    QAction* lookUpItem = m_menu->addAction(QStringLiteral("Look up\u2026"));
    connect(lookUpItem, &QAction::triggered, this, [lookUp = std::move(lookUp)] {
        if (lookUp)
            lookUp();
    });
    m_items << lookUpItem;
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(label, &QWidget::customContextMenuRequested, m_menu,
            [this, label](const QPoint& at) { m_menu->exec(label->mapToGlobal(at)); });
    setAvailable(false);
}

QAction* ResultMenu::addCopyItem(const QString& text, std::function<QString()> source)
{
    auto* action = m_menu->addAction(text);
    connect(action, &QAction::triggered, this, [source = std::move(source)] {
        const QString copied = source();
        if (!copied.isEmpty())
            QGuiApplication::clipboard()->setText(copied);
    });
    m_items << action;
    return action;
}

void ResultMenu::setAvailable(bool available)
{
    for (QAction* item : m_items)
        item->setEnabled(available);
}

} // namespace kolvane
