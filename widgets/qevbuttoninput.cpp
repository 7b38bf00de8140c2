// SPDX-License-Identifier: MIT
// The button in use: pointer enter and leave, press, release and click, the popup
// menu, auto-repeat, the hand cursor and hover sound, focus, and the reactions to the
// widget's change notifications. The keys a window routes to its buttons are in
// qevdialogkeyrouter.cpp, what assistive tools see in qevbuttonaccessible.cpp.
#include "qevcustombutton_p.h"

#include "qevbuttonaccessible.h"
#include "qevdialogkeyrouter.h"
#include "qevresources.h"
#include "qevsystemcolors.h"
#include "soundplayer.h"

#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QTimer>

namespace {

const std::optional<QCursor>& HandCursor()
{
    static const std::optional<QCursor> cursor = qev::LoadCursor(QStringLiteral("HANDqevb"));
    return cursor;
}

} // namespace

void TQevCustomButtonPrivate::installApplicationHooks()
{
    qev::InstallButtonAccessibility();
    qev::InstallDialogKeyRouter();
}

bool TQevCustomButton::event(QEvent* e)
{
    Q_D(TQevCustomButton);
    switch (e->type()) {
    case QEvent::DynamicPropertyChange:
        if (static_cast<QDynamicPropertyChangeEvent*>(e)->propertyName() == FormDesignerMark) {
            d->m_inDesigner = property(FormDesignerMark).toBool();
            d->changed();
        }
        break;
    case QEvent::Polish:
        // A loader has applied every stored property by the time the widget is polished.
        d->m_loading = false;
        break;
    case QEvent::Show:
    case QEvent::Hide: update(); break;
    default: break;
    }
    return QWidget::event(e);
}

void TQevCustomButton::changeEvent(QEvent* e)
{
    Q_D(TQevCustomButton);
    QWidget::changeEvent(e);
    switch (e->type()) {
    case QEvent::EnabledChange:
        if (!isEnabled()) {
            // A disabled button receives no release or leave that would stop the repeat.
            d->m_startTimer->stop();
            d->m_repeatTimer->stop();
            if (!d->m_inDesigner) {
                d->m_pressOffset = 0;
                d->m_captionPlain = 1;
                d->showLook(TQevCustomButtonPrivate::lkHot);
            }
        }
        d->changed();
        break;
    case QEvent::PaletteChange:
        // The palette holds the system colours: the framed styles keep button face and
        // the style's default frame colours follow the new scheme.
        if (d->isFramedStyle())
            d->m_color = qev::ButtonFace(this);
        if (d->m_colorMarginStyle == cmDefault)
            d->applyStyleColors();
        d->changed();
        break;
    case QEvent::FontChange: d->changed(); break;
    default: break;
    }
}

void TQevCustomButton::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    d_func()->relayout();
}

// Qt sends Enter and Leave to a widget, but while a mouse button is held it keeps
// them back until the release. The button needs them at once (the leave look and the
// stopped repeat while held outside), so a held pointer's moves are turned into the
// same two handlers; m_pointerInside keeps each crossing from being reported twice.
void TQevCustomButton::enterEvent(QEnterEvent* event)
{
    Q_D(TQevCustomButton);
    QWidget::enterEvent(event);
    if (d->m_pointerInside || d->m_popupOpen)
        return;
    d->m_pointerInside = true;
    d->pointerEnter();
}

void TQevCustomButton::leaveEvent(QEvent* event)
{
    Q_D(TQevCustomButton);
    QWidget::leaveEvent(event);
    if (!d->m_pointerInside || d->m_popupOpen)
        return;
    d->m_pointerInside = false;
    d->pointerLeave();
}

void TQevCustomButton::mouseMoveEvent(QMouseEvent* event)
{
    Q_D(TQevCustomButton);
    if (event->buttons() != Qt::NoButton) {
        const bool inside = rect().contains(event->position().toPoint());
        if (inside != d->m_pointerInside) {
            d->m_pointerInside = inside;
            if (inside)
                d->pointerEnter();
            else
                d->pointerLeave();
        }
    }
    QWidget::mouseMoveEvent(event);
}

void TQevCustomButtonPrivate::pointerEnter()
{
    Q_Q(TQevCustomButton);
    if (!q->isEnabled())
        return;
    QPointer<TQevCustomButton> self(q);
    Q_EMIT q->OnMouseOver(q);
    if (!self)
        return;
    m_pressOffset = 0;
    if (isFramedStyle() && m_popupMenu)
        q->setFocus(Qt::MouseFocusReason);
    // The widget's own cursor is Qt's counterpart of the application's cursor table:
    // set on each entry, removed on leave.
    if (m_cursorHandCustom) {
        if (HandCursor())
            q->setCursor(*HandCursor());
        else
            q->unsetCursor();
    }
    m_captionPlain = 0;
    if (m_playMusic)
        playResourceSound(QStringLiteral("PREKO"));
    if (m_style == Q::stFlat) {
        m_normalFrameWidth = 0;
        m_hotFrameWidth = 1;
        m_dottedFramePen = false;
        if (m_colorMarginStyle == Q::cmDefault) {
            m_frameLeftTop = m_colorMarginLeftTop = qev::ButtonHighlight(q);
            m_frameRightBottom = m_colorMarginRightBottom = qev::ButtonShadow(q);
        } else {
            m_frameLeftTop = m_colorMarginLeftTop;
            m_frameRightBottom = m_colorMarginRightBottom;
        }
    }
    showLook(lkHot);
    m_pointerOut = 0;
}

void TQevCustomButtonPrivate::pointerLeave()
{
    Q_Q(TQevCustomButton);
    if (!q->isEnabled())
        return;
    QPointer<TQevCustomButton> self(q);
    Q_EMIT q->OnMouseOut(q);
    if (!self)
        return;
    m_pressOffset = 0;
    if (m_cursorHandCustom)
        q->unsetCursor();
    if (m_repeatAction) {
        m_startTimer->stop();
        m_repeatTimer->stop();
    }
    m_captionPlain = 1;
    showLook(lkLeave);
    m_pointerOut = 1;
}

void TQevCustomButton::mousePressEvent(QMouseEvent* event)
{
    Q_D(TQevCustomButton);
    // Qt grabs the mouse for the pressed widget itself; a left press marks a click that
    // a release inside the button completes.
    if (event->button() == Qt::LeftButton)
        d->m_clickPending = true;
    d->m_lastPressTime = event->timestamp();
    const QPoint pos = event->position().toPoint();
    d->press(event->button(), event->modifiers(), pos.x(), pos.y());
}

void TQevCustomButton::mouseReleaseEvent(QMouseEvent* event)
{
    Q_D(TQevCustomButton);
    QPointer<TQevCustomButton> self(this);
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && d->m_clickPending) {
        d->m_clickPending = false;
        if (rect().contains(pos))
            Click();
        if (!self)
            return;
    }
    d->release(event->button(), event->modifiers(), pos.x(), pos.y());
}

void TQevCustomButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_D(TQevCustomButton);
    // Qt 6 delivers the second press of a double click as a press and then this event
    // with the same time stamp; a synthesized double click may come alone. Either way
    // the press handler runs once, no click is left pending, and this adds the click.
    const QPoint pos = event->position().toPoint();
    const bool pressSeen = d->m_lastPressTime != 0 && event->timestamp() == d->m_lastPressTime;
    if (event->button() != Qt::LeftButton) {
        if (!pressSeen)
            d->press(event->button(), event->modifiers(), pos.x(), pos.y());
        return;
    }
    QPointer<TQevCustomButton> self(this);
    d->m_clickPending = false;
    Q_EMIT OnDblClick();
    if (!self)
        return;
    if (!pressSeen) {
        d->press(event->button(), event->modifiers(), pos.x(), pos.y());
        if (!self)
            return;
    }
    Click();
}

void TQevCustomButtonPrivate::press(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)
{
    Q_Q(TQevCustomButton);
    if (button != Qt::LeftButton || !q->isEnabled())
        return;
    startPressedLook();
    if (!m_popupMenu)
        return;
    if (!popupFromPressedLook())
        return;
    Q_EMIT q->OnMouseDown(button, shift, x, y);
}

void TQevCustomButtonPrivate::release(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)
{
    Q_Q(TQevCustomButton);
    if (button != Qt::LeftButton || !q->isEnabled() || m_pointerOut == 1)
        return;
    if (m_repeatAction) {
        m_startTimer->stop();
        m_repeatTimer->stop();
    }
    m_pressOffset = 0;
    showLook(lkHot);
    if (isFramedStyle())
        q->setFocus(Qt::MouseFocusReason);
    Q_EMIT q->OnMouseUp(button, shift, x, y);
}

QPoint TQevCustomButtonPrivate::popupPoint() const
{
    const Q* q = q_func();
    const QPoint p = q->mapToGlobal(QPoint(0, 0));
    switch (m_positionPopup) {
    case Q::puLeft: return {p.x() - 1, p.y()};
    case Q::puRight: return {p.x() + q->width() + 1, p.y()};
    case Q::puDown:
    default: return {p.x() - 1, p.y() + q->height()};
    }
}

void TQevCustomButtonPrivate::showPopup()
{
    QMenu* menu = m_popupMenu;
    if (!menu)
        return;
    QPoint at = popupPoint();
    // puLeft puts the menu's right edge at the point; QMenu places its top-left corner.
    if (m_positionPopup == Q::puLeft)
        at.rx() -= menu->sizeHint().width();
    // exec() runs a nested event loop until the menu closes; the repeat timers go on
    // ticking in it. Qt tells the button that the pointer left when the menu grabs the
    // mouse; the pressed look and the repeat stay, so those notices are not handlers'
    // business while the menu is open. Once the handler is done, the pointer is looked
    // at afresh, as an idle-time check would.
    QPointer<TQevCustomButton> self(q_func());
    m_popupOpen = true;
    menu->exec(at);
    if (!self)
        return;
    m_popupOpen = false;
    QMetaObject::invokeMethod(
        self, [this] { syncPointer(); }, Qt::QueuedConnection);
}

void TQevCustomButtonPrivate::syncPointer()
{
    Q_Q(TQevCustomButton);
    if (m_popupOpen)
        return;
    const bool inside = q->isVisible() && q->rect().contains(q->mapFromGlobal(QCursor::pos()));
    if (inside == m_pointerInside)
        return;
    m_pointerInside = inside;
    if (inside)
        pointerEnter();
    else
        pointerLeave();
}

void TQevCustomButtonPrivate::startTick()
{
    m_startTimer->stop();
    if (m_repeatAction)
        armTimer(m_repeatTimer);
}

void TQevCustomButtonPrivate::repeatTick()
{
    Q_Q(TQevCustomButton);
    if (!m_repeatAction) {
        // Turned off while held: nothing will stop this timer any more.
        m_repeatTimer->stop();
        return;
    }
    if (q->isSignalConnected(QMetaMethod::fromSignal(&TQevCustomButton::OnClick)))
        Q_EMIT q->OnClick();
}

void TQevCustomButton::focusInEvent(QFocusEvent* event)
{
    Q_D(TQevCustomButton);
    QWidget::focusInEvent(event);
    if (d->isFramedStyle()) {
        d->m_focusShown = true;
        d->relayout();
    }
}

void TQevCustomButton::focusOutEvent(QFocusEvent* event)
{
    Q_D(TQevCustomButton);
    QWidget::focusOutEvent(event);
    if (d->isFramedStyle()) {
        d->m_focusShown = false;
        d->relayout();
        if (d->m_showFocused)
            update();
    }
}

void TQevCustomButtonPrivate::focusChanged(QWidget* now)
{
    Q_Q(TQevCustomButton);
    if (auto* button = qobject_cast<TQevCustomButton*>(now))
        m_activeDefault = button == q;
    else
        m_activeDefault = m_default;
    q->UpdateDefaultStyle(m_activeDefault);
    if (isFramedStyle() && m_focusShown && m_showFocused)
        q->update();
}

void TQevCustomButtonPrivate::playResourceSound(const QString& name)
{
    const QByteArray wave = qev::LoadWave(name);
    if (!wave.isEmpty())
        qev::PlayWaveSync(wave);
}
