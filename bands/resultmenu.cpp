// SPDX-License-Identifier: MIT
#include "resultmenu.h"

#include "contextmenu.h"
#include "focusmark.h"
#include "markedaccessible.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QLabel>

namespace kolvane {
namespace {

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
        // The menu runs until the user closes it: the call returns first, so an
        // assistive tool never waits on it.
        RunAfterCall(widget(), [label = widget()] { RequestContextMenu(label); });
    }
};

} // namespace

ResultMenu::ResultMenu(QLabel* label, Texts texts, std::function<void()> lookUp, QObject* parent) : QObject(parent)
{
    UseAccessible(label, &MakeAccessible<ResultLabelAccessible, QLabel>);
    auto* menu = new ContextMenu(label);
    m_items << menu->addCopyItem(QStringLiteral("Copy value"), std::move(texts.value))
            << menu->addCopyItem(QStringLiteral("Copy code letters"), std::move(texts.letters))
            << menu->addCopyItem(QStringLiteral("Copy colours"), std::move(texts.colours));
    menu->addSeparator();
    m_items << menu->addItem(QStringLiteral("Look up\u2026"), std::move(lookUp));
    // Tab reaches the label, a click does not focus it; the keyboard opens its menu.
    label->setFocusPolicy(Qt::TabFocus);
    menu->openOnMenuKeys();
    FocusMarkPainter::install(label);
    setAvailable(false);
}

void ResultMenu::setAvailable(bool available)
{
    for (QAction* item : m_items)
        item->setEnabled(available);
}

} // namespace kolvane
