// SPDX-License-Identifier: MIT
#include "contextmenu.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>

#include <memory>

namespace kolvane {
namespace {

// The menu key and Shift+F10 open the menu of a focused control. On X11 Qt turns the
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
                [this, control = QPointer<QWidget>(static_cast<QWidget*>(watched))] {
                    if (!m_pending || !control)
                        return;
                    m_pending = false;
                    RequestContextMenu(control);
                },
                Qt::QueuedConnection);
        }
        return true;
    }

private:
    bool m_pending = false;
};

} // namespace

ContextMenu::ContextMenu(QWidget* control) : QObject(control), m_control(control), m_menu(new QMenu(control))
{
    CloseAfterItems(m_menu);
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(control, &QWidget::customContextMenuRequested, this, &ContextMenu::open);
}

QAction* ContextMenu::addItem(const QString& text, std::function<void()> run)
{
    QAction* item = m_menu->addAction(text);
    connect(item, &QAction::triggered, this, [run = std::move(run)] {
        if (run)
            run();
    });
    return item;
}

QAction* ContextMenu::addCopyItem(const QString& text, std::function<QString()> source)
{
    return addItem(text, [source = std::move(source)] {
        if (const QString copied = source(); !copied.isEmpty())
            QGuiApplication::clipboard()->setText(copied);
    });
}

void ContextMenu::addSeparator()
{
    m_menu->addSeparator();
}

void ContextMenu::setOpeningItems(std::function<QMenu*()> make)
{
    m_makeOpeningItems = std::move(make);
    connect(m_menu, &QMenu::aboutToShow, this, &ContextMenu::takeOpeningItems, Qt::UniqueConnection);
}

void ContextMenu::takeOpeningItems()
{
    qDeleteAll(m_openingItems);
    m_openingItems.clear();
    const std::unique_ptr<QMenu> made(m_makeOpeningItems());
    if (!made)
        return;
    QAction* before = m_menu->actions().value(0);
    for (QAction* item : made->actions()) {
        // The kept menu owns the item and any menu it opens from now on.
        item->setParent(m_menu);
        if (QMenu* sub = item->menu(); sub && sub->parent() == made.get())
            sub->setParent(m_menu, sub->windowFlags());
        m_menu->insertAction(before, item);
        m_openingItems << item;
    }
}

void ContextMenu::openOnMenuKeys()
{
    m_control->installEventFilter(new MenuKeys(m_control));
}

void ContextMenu::open(const QPoint& at)
{
    // Scroll areas report the point in their viewport.
    auto* area = qobject_cast<QAbstractScrollArea*>(m_control);
    const QWidget* surface = area ? area->viewport() : m_control;
    m_menu->exec(surface->mapToGlobal(at));
}

void CloseAfterItems(QMenu* menu)
{
    // The menu hears of an item's run before the handlers connected after it was added
    // (every item ContextMenu adds), so it is gone before a window the item opens.
    QObject::connect(menu, &QMenu::triggered, menu, [menu] {
        if (menu->isVisible())
            menu->close();
    });
}

void RequestContextMenu(QWidget* control)
{
    const QPoint centre = control->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, control->mapToGlobal(centre));
    QApplication::sendEvent(control, &event);
}

} // namespace kolvane
