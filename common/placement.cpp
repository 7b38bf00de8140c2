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

bool IsFramed(const QWidget* window)
{
    return !FrameMargins(window).isNull();
}

} // namespace

CentredOverParent::CentredOverParent(QWidget* dialog) : QObject(dialog), m_dialog(dialog) {}

void CentredOverParent::Install(QWidget* dialog)
{
    dialog->installEventFilter(new CentredOverParent(dialog));
}

// A window manager frames a window only once it is mapped, so at its first showing a
// dialog knows nothing of its frame, and Qt's own placement then guesses it. The
// parent's frame is the better guess: the same window manager draws both. Once the
// dialog's own frame is known, it is placed again if the guess was wrong.
void CentredOverParent::Place()
{
    const QWidget* parent = m_dialog->parentWidget() ? m_dialog->parentWidget()->window() : nullptr;
    if (!parent)
        return;
    const QMargins margins = IsFramed(m_dialog) ? FrameMargins(m_dialog) : FrameMargins(parent);
    const QSize frameSize = m_dialog->size().grownBy(margins);
    const QRect over = parent->frameGeometry();
    const QPoint topLeft =
        over.topLeft() + QPoint((over.width() - frameSize.width()) / 2, (over.height() - frameSize.height()) / 2);
    // The client area is placed, not the frame: a window manager takes a frame
    // position of a window it has not framed yet as the client's.
    const QRect client(topLeft + QPoint(margins.left(), margins.top()), m_dialog->size());
    if (m_dialog->geometry() != client)
        m_dialog->setGeometry(client);
}

bool CentredOverParent::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_dialog)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Show:
        Place();
        m_awaitingFrame = !IsFramed(m_dialog);
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Paint:
        // The frame comes before the first paint, which needs the window mapped and
        // framed. Only until then: after that the dialog is the user's to move.
        if (m_awaitingFrame && IsFramed(m_dialog)) {
            m_awaitingFrame = false;
            Place();
        }
        break;
    case QEvent::Hide: m_awaitingFrame = false; break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kolvane
