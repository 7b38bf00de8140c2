// SPDX-License-Identifier: MIT
#include "resultmenu.h"

#include "markedaccessible.h"

#include "focusmark.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>

namespace kolvane {
namespace {

// Opens the label's menu as the keyboard's menu key does.
void OpenMenu(QWidget* label)
{
    const QPoint centre = label->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, label->mapToGlobal(centre));
    QApplication::sendEvent(label, &event);
}

// The menu key and Shift+F10 open the menu of a focused label. On X11 Qt turns the
// menu key into a context-menu event of its own as well, delivered right after the key:
// the opening waits for the events already queued, and that event, if it comes, opens
// the menu instead, so it opens once.
class MenuKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ContextMenu) {
            m_pending = false;
            return QObject::eventFilter(watched, event);
        }
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        const bool menuKey = key->key() == Qt::Key_Menu && modifiers == Qt::NoModifier;
        const bool shiftF10 = key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier;
        if (!menuKey && !shiftF10)
            return QObject::eventFilter(watched, event);
        if (!key->isAutoRepeat() && !m_pending) {
            m_pending = true;
            QMetaObject::invokeMethod(
                this,
                [this, label = QPointer<QWidget>(static_cast<QWidget*>(watched))] {
                    if (!m_pending || !label)
                        return;
                    m_pending = false;
                    OpenMenu(label);
                },
                Qt::QueuedConnection);
        }
        return true;
    }

private:
    bool m_pending = false;
};

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
        RunAfterCall(widget(), [label = widget()] { OpenMenu(label); });
    }
};

} // namespace

ResultMenu::ResultMenu(QLabel* label, Texts texts, std::function<void()> lookUp, QObject* parent)
    : QObject(parent), m_menu(new QMenu(label))
{
    UseAccessible(label, &MakeAccessible<ResultLabelAccessible, QLabel>);
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
    // Tab reaches the label, a click does not focus it; the keyboard opens its menu.
    label->setFocusPolicy(Qt::TabFocus);
    label->installEventFilter(new MenuKeys(label));
    FocusMarkPainter::install(label);
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
