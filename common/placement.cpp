// SPDX-License-Identifier: MIT
#include "placement.h"

#include <QEvent>
#include <QMargins>
#include <QWidget>

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

CentredOverParent::CentredOverParent(QWidget* dialog, When when) : QObject(dialog), m_dialog(dialog), m_when(when) {}

void CentredOverParent::install(QWidget* dialog, When when)
{
    dialog->installEventFilter(new CentredOverParent(dialog, when));
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
    if (watched == m_dialog && event->type() == QEvent::Show) {
        place();
        if (m_when == When::FirstShowing) {
            m_dialog->removeEventFilter(this);
            deleteLater();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kolvane
