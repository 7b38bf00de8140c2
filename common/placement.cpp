// SPDX-License-Identifier: MIT
#include "placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#if KOLVANE_HAVE_XCB && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace kolvane {
namespace {

QMargins FrameMargins(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

#if KOLVANE_HAVE_XCB && QT_CONFIG(xcb)
// The window manager's own record of the frame it drew round `window`, where it keeps
// one (_NET_FRAME_EXTENTS: left, right, top, bottom); nothing while there is none yet.
std::optional<QMargins> FrameExtentsOnX(const QWidget* window, xcb_connection_t* connection)
{
    constexpr char Name[] = "_NET_FRAME_EXTENTS";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, std::strlen(Name), Name), nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, id, atom->atom, XCB_ATOM_CARDINAL, 0, 4),
                               nullptr),
        &std::free);
    if (!property || property->format != 32 || xcb_get_property_value_length(property.get()) != 16)
        return std::nullopt;
    const auto* e = static_cast<const quint32*>(xcb_get_property_value(property.get()));
    return QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3]));
}
#endif

// A shown window's frame margins, once the window manager has framed it. Under X the
// window manager's own record is read: Qt hears of a new frame late, and while it does
// may report margins that are plainly wrong (a frame as wide as the window on one side,
// or a title bar at the bottom) for longer than any wait would cover.
std::optional<QMargins> KnownFrameMargins(const QWidget* window)
{
#if KOLVANE_HAVE_XCB && QT_CONFIG(xcb)
    // Only the X platform's windows are X windows; others may still hold a connection.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (x11 && x11->connection())
            return FrameExtentsOnX(window, x11->connection());
    }
#endif
    const QMargins margins = FrameMargins(window);
    if (margins.isNull())
        return std::nullopt;
    return margins;
}

} // namespace

CentredOverParent::CentredOverParent(QWidget* dialog, When when, Where where)
    : QObject(dialog), m_dialog(dialog), m_when(when), m_where(where)
{
    m_settle.setInterval(25);
    connect(&m_settle, &QTimer::timeout, this, &CentredOverParent::lookAtFrame);
}

void CentredOverParent::install(QWidget* dialog, When when, Where where)
{
    dialog->installEventFilter(new CentredOverParent(dialog, when, where));
}

// A window manager frames a window only once it is mapped, so at its first showing a
// dialog knows nothing of its frame, and Qt's own placement guesses it wrong by about a
// title bar. Even after mapping, Qt learns a dialog's frame late and at times wrongly.
// The parent's frame, long settled, is the better measure: the same window manager
// draws both, though a window the user may resize can get a wider edge to grip: for
// such a window, when its own frame, once known, differs, it is placed again by it.
void CentredOverParent::place(const std::optional<QMargins>& own)
{
    const QWidget* parent = m_dialog->parentWidget() ? m_dialog->parentWidget()->window() : nullptr;
    if (!parent)
        return;
    const QMargins margins = own.value_or(FrameMargins(parent));
    if (own && *own == FrameMargins(parent))
        return;
    const QSize frameSize = m_dialog->size().grownBy(margins);
    const QRect over = parent->frameGeometry();
    const QScreen* screen = parent->screen();
    const QPoint frameTopLeft =
        m_where == Beside && screen
            ? BesideOrOver(over, frameSize, screen->availableGeometry())
            : over.topLeft() + QPoint((over.width() - frameSize.width()) / 2, (over.height() - frameSize.height()) / 2);
    // The client area is placed, not the frame: a window manager takes a frame
    // position of a window it has not framed yet as the client's.
    const QRect client(frameTopLeft + QPoint(margins.left(), margins.top()), m_dialog->size());
    if (m_dialog->geometry() != client)
        m_dialog->setGeometry(client);
}

bool CentredOverParent::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_dialog)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Show && !m_placed) {
        // Qt's own placement has run by now; the window is not mapped yet.
        place(std::nullopt);
        if (m_when == FirstShowing) {
            // Placed once: Qt's own placement stays away at later showings too.
            m_dialog->setAttribute(Qt::WA_Moved);
            m_placed = true;
        }
        // A window of fixed size gets the frame the fixed main window has.
        if (m_dialog->minimumSize() != m_dialog->maximumSize()) {
            m_seenFrame.reset();
            m_looks = 0;
            m_settle.start();
        }
    } else if (event->type() == QEvent::Hide) {
        m_settle.stop();
    }
    return QObject::eventFilter(watched, event);
}

void CentredOverParent::lookAtFrame()
{
    // The frame comes with no event of its own, and may first be told wrong: it counts
    // once two looks in a row agree.
    constexpr int MostLooks = 120; // three seconds: a busy window manager frames late
    const std::optional<QMargins> own = KnownFrameMargins(m_dialog);
    if (++m_looks >= MostLooks)
        m_settle.stop();
    if (!own || m_seenFrame != own) {
        m_seenFrame = own;
        return;
    }
    m_settle.stop();
    place(own);
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

} // namespace kolvane
