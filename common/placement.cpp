// SPDX-License-Identifier: MIT
#include "placement.h"

#include <QEvent>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace kolvane {
namespace {

QMargins FrameMargins(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

} // namespace

CentredOverParent::CentredOverParent(QWidget* dialog) : QObject(dialog), m_dialog(dialog) {}

void CentredOverParent::install(QWidget* dialog)
{
    dialog->installEventFilter(new CentredOverParent(dialog));
}

// A window manager frames a window only once it is mapped, so at its first showing a
// dialog knows nothing of its frame, and Qt's own placement guesses it wrong by about a
// title bar. Even after mapping, Qt learns a dialog's frame late and at times wrongly.
// The parent's frame, long settled, is the better measure: the same window manager
// draws both.
void CentredOverParent::place()
{
    const QWidget* parent = m_dialog->parentWidget() ? m_dialog->parentWidget()->window() : nullptr;
    if (!parent)
        return;
    const QMargins margins = FrameMargins(parent);
    const QSize frameSize = m_dialog->size().grownBy(margins);
    const QRect over = parent->frameGeometry();
    const QPoint frameTopLeft =
        over.topLeft() + QPoint((over.width() - frameSize.width()) / 2, (over.height() - frameSize.height()) / 2);
    // The client area is placed, not the frame: a window manager takes a frame
    // position of a window it has not framed yet as the client's.
    const QRect client(frameTopLeft + QPoint(margins.left(), margins.top()), m_dialog->size());
    if (m_dialog->geometry() != client)
        m_dialog->setGeometry(client);
}

bool CentredOverParent::eventFilter(QObject* watched, QEvent* event)
{
    // Qt's own placement has run by now; the window is not mapped yet.
    if (watched == m_dialog && event->type() == QEvent::Show)
        place();
    return QObject::eventFilter(watched, event);
}

QPoint BesideOrOver(const QRect& mainFrame, const QSize& frameSize, const QRect& available)
{
    QPoint at;
    if (mainFrame.right() + frameSize.width() <= available.right())
        at = QPoint(mainFrame.right() + 1, mainFrame.top());
    else if (mainFrame.left() - frameSize.width() >= available.left())
        at = QPoint(mainFrame.left() - frameSize.width(), mainFrame.top());
    else
        at = mainFrame.center() - QPoint(frameSize.width() / 2, frameSize.height() / 2);
    // Kept on the screen: its title bar first, should it be taller or wider.
    at.setX(std::max(available.left(), std::min(at.x(), available.right() + 1 - frameSize.width())));
    at.setY(std::max(available.top(), std::min(at.y(), available.bottom() + 1 - frameSize.height())));
    return at;
}

void PlaceBesideParent(QWidget* window)
{
    const QWidget* parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (!parent)
        return;
    const QScreen* screen = parent->screen();
    const QMargins margins = FrameMargins(parent);
    const QRect available = screen ? screen->availableGeometry() : parent->frameGeometry();
    const QPoint frameTopLeft = BesideOrOver(parent->frameGeometry(), window->size().grownBy(margins), available);
    // As above, the client area is placed, not the frame.
    window->setGeometry(QRect(frameTopLeft + QPoint(margins.left(), margins.top()), window->size()));
}

} // namespace kolvane
