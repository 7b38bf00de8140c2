// The button in use: pointer enter and leave, press, release and click, the popup
// menu, auto-repeat, the hand cursor and hover sound, Enter/Escape/accelerator keys,
// focus, and the reactions to the widget's change notifications.
#include "qevcustombutton.h"

#include "qevresources.h"
#include "qevsystemcolors.h"
#include "soundplayer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QTimer>

namespace {

// The press action of assistive tools is this toolkit's counterpart of the button's
// "clicked" command notification: both run the click operation.
class QevButtonAccessible : public QAccessibleWidget
{
public:
    explicit QevButtonAccessible(QWidget *w)
        : QAccessibleWidget(w, QAccessible::Button)
    {
    }

    TQevCustomButton *button() const { return static_cast<TQevCustomButton *>(widget()); }

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

    void doAction(const QString &action) override
    {
        if (action == pressAction() && widget()->isEnabled())
            button()->Click();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TQevCustomButton") && object && object->isWidgetType())
        return new QevButtonAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

// The accelerator of a caption: the character after a single "&", or none.
QChar accelerator(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption.at(i + 1);
    }
    return {};
}

const std::optional<QCursor> &handCursor()
{
    static const std::optional<QCursor> cursor = qev::loadCursor(QStringLiteral("HANDqevb"));
    return cursor;
}

} // namespace

// Enter, Escape and accelerators reach a form's buttons the way Qt propagates a key
// that the focused widget left unhandled: up the parent chain to the window. One
// filter on the application sees the key when it gets there, before the window's own
// key handling (a QDialog would otherwise reject on Escape), and asks the window for
// its buttons at that moment. A filter fixed on the window a button had when it was
// made would miss every button built on a page that joins its window later, as uic
// and QUiLoader build tab, stacked and scroll-area pages.
class QevDialogKeyRouter : public QObject
{
public:
    using QObject::QObject;

    static void ensureInstalled()
    {
        static QPointer<QevDialogKeyRouter> router;
        if (!router && qApp) {
            router = new QevDialogKeyRouter(qApp);
            qApp->installEventFilter(router);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::WindowActivate && type != QEvent::Show)
            return false;
        if (!watched->isWidgetType() || !static_cast<QWidget *>(watched)->isWindow())
            return false;
        return TQevCustomButton::routeWindowEvent(static_cast<QWidget *>(watched), event);
    }
};

void TQevCustomButton::installDialogFilter()
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    QevDialogKeyRouter::ensureInstalled();
}

bool TQevCustomButton::routeWindowEvent(QWidget *window, QEvent *event)
{
    // A click may delete any of the buttons, or the window itself.
    QList<QPointer<TQevCustomButton>> buttons;
    for (TQevCustomButton *b : window->findChildren<TQevCustomButton *>())
        if (b->window() == window)
            buttons.append(b);
    for (const QPointer<TQevCustomButton> &b : std::as_const(buttons))
        if (b && b->windowEvent(window, event))
            return true;
    return false;
}

bool TQevCustomButton::windowEvent(QWidget *window, QEvent *event)
{
    // A form that becomes active (or is shown, where no window manager activates it)
    // focuses itself or one of its controls; either way every button learns of it, so a
    // Default button answers Enter on a form whose buttons take no focus.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) {
        FocusChanged(window->focusWidget());
        return false;
    }
    auto *key = static_cast<QKeyEvent *>(event);
    if (DialogKey(key->key(), key->modifiers())) {
        key->accept();
        return true;
    }
    // A typed character, plain or with Alt, may be this caption's accelerator.
    if (!(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        QChar c;
        if (key->text().size() == 1 && key->text().at(0).isPrint())
            c = key->text().at(0);
        else if ((key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) || (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9))
            c = QChar(key->key());
        if (!c.isNull() && DialogChar(c)) {
            key->accept();
            return true;
        }
    }
    return false;
}

bool TQevCustomButton::canFocus() const
{
    // isVisible and isEnabled already look at every parent.
    return isVisible() && isEnabled();
}

bool TQevCustomButton::DialogKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool escape = key == Qt::Key_Escape;
    if (!((enter && ActiveDefault) || (escape && m_cancel)))
        return false;
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (!canFocus())
        return false;
    Click();
    return true;
}

bool TQevCustomButton::DialogChar(QChar character)
{
    const QChar accel = accelerator(m_caption);
    if (accel.isNull() || accel.toCaseFolded() != character.toCaseFolded() || !canFocus())
        return false;
    Click();
    return true;
}

bool TQevCustomButton::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::DynamicPropertyChange:
        if (static_cast<QDynamicPropertyChangeEvent *>(e)->propertyName() == FormDesignerMark)
            m_inDesigner = property(FormDesignerMark).toBool();
        break;
    case QEvent::Polish:
        // A loader has applied every stored property by the time the widget is polished.
        m_loading = false;
        break;
    case QEvent::Show:
    case QEvent::Hide:
        update();
        break;
    default:
        break;
    }
    return QWidget::event(e);
}

void TQevCustomButton::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    switch (e->type()) {
    case QEvent::EnabledChange:
        if (!isEnabled()) {
            // A disabled button receives no release or leave that would stop the repeat.
            StartTimer->stop();
            RepeatTimer->stop();
            if (!m_inDesigner) {
                PressOffset = 0;
                CaptionPlain = 1;
                showLook(lkHot);
            }
        }
        update();
        break;
    case QEvent::PaletteChange:
        // The palette holds the system colours: the framed styles keep button face and
        // the style's default frame colours follow the new scheme.
        if (isFramedStyle())
            m_color = qev::buttonFace(this);
        if (m_colorMarginStyle == cmDefault)
            applyStyleColors();
        update();
        break;
    case QEvent::FontChange:
        update();
        break;
    default:
        break;
    }
}

// Qt sends Enter and Leave to a widget, but while a mouse button is held it keeps
// them back until the release. The button needs them at once (the leave look and the
// stopped repeat while held outside), so a held pointer's moves are turned into the
// same two handlers; m_pointerInside keeps each crossing from being reported twice.
void TQevCustomButton::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    if (m_pointerInside || m_popupOpen)
        return;
    m_pointerInside = true;
    PointerEnter();
}

void TQevCustomButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (!m_pointerInside || m_popupOpen)
        return;
    m_pointerInside = false;
    PointerLeave();
}

void TQevCustomButton::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton) {
        const bool inside = rect().contains(event->position().toPoint());
        if (inside != m_pointerInside) {
            m_pointerInside = inside;
            if (inside)
                PointerEnter();
            else
                PointerLeave();
        }
    }
    QWidget::mouseMoveEvent(event);
}

void TQevCustomButton::PointerEnter()
{
    if (!isEnabled())
        return;
    QPointer<TQevCustomButton> self(this);
    Q_EMIT OnMouseOver(this);
    if (!self)
        return;
    PressOffset = 0;
    if (isFramedStyle() && m_popupMenu)
        setFocus(Qt::MouseFocusReason);
    // The widget's own cursor is Qt's counterpart of the application's cursor table:
    // set on each entry, removed on leave.
    if (m_cursorHandCustom) {
        if (handCursor())
            setCursor(*handCursor());
        else
            unsetCursor();
    }
    CaptionPlain = 0;
    if (m_playMusic)
        PlayResourceSound(QStringLiteral("PREKO"));
    if (m_style == stFlat) {
        NormalFrameWidth = 0;
        HotFrameWidth = 1;
        DottedFramePen = false;
        if (m_colorMarginStyle == cmDefault) {
            FrameLeftTop = m_colorMarginLeftTop = qev::buttonHighlight(this);
            FrameRightBottom = m_colorMarginRightBottom = qev::buttonShadow(this);
        } else {
            FrameLeftTop = m_colorMarginLeftTop;
            FrameRightBottom = m_colorMarginRightBottom;
        }
    }
    showLook(lkHot);
    PointerOut = 0;
}

void TQevCustomButton::PointerLeave()
{
    if (!isEnabled())
        return;
    QPointer<TQevCustomButton> self(this);
    Q_EMIT OnMouseOut(this);
    if (!self)
        return;
    PressOffset = 0;
    if (m_cursorHandCustom)
        unsetCursor();
    if (m_repeatAction) {
        StartTimer->stop();
        RepeatTimer->stop();
    }
    CaptionPlain = 1;
    showLook(lkLeave);
    PointerOut = 1;
}

void TQevCustomButton::mousePressEvent(QMouseEvent *event)
{
    // Qt grabs the mouse for the pressed widget itself; like the classic toolkit, a left
    // press marks a click that a release inside the button completes.
    if (event->button() == Qt::LeftButton)
        m_clickPending = true;
    m_lastPressTime = event->timestamp();
    const QPoint pos = event->position().toPoint();
    Press(event->button(), event->modifiers(), pos.x(), pos.y());
}

void TQevCustomButton::mouseReleaseEvent(QMouseEvent *event)
{
    QPointer<TQevCustomButton> self(this);
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && m_clickPending) {
        m_clickPending = false;
        if (rect().contains(pos))
            Click();
        if (!self)
            return;
    }
    Release(event->button(), event->modifiers(), pos.x(), pos.y());
}

void TQevCustomButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Qt 6 delivers the second press of a double click as a press and then this event
    // with the same time stamp; a synthesized double click may come alone. Either way
    // the press handler runs once, no click is left pending, and this adds the click.
    const QPoint pos = event->position().toPoint();
    const bool pressSeen = m_lastPressTime != 0 && event->timestamp() == m_lastPressTime;
    if (event->button() != Qt::LeftButton) {
        if (!pressSeen)
            Press(event->button(), event->modifiers(), pos.x(), pos.y());
        return;
    }
    QPointer<TQevCustomButton> self(this);
    m_clickPending = false;
    Q_EMIT OnDblClick();
    if (!self)
        return;
    if (!pressSeen) {
        Press(event->button(), event->modifiers(), pos.x(), pos.y());
        if (!self)
            return;
    }
    Click();
}

void TQevCustomButton::Press(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)
{
    if (button != Qt::LeftButton || !isEnabled())
        return;
    StartPressedLook();
    if (!m_popupMenu)
        return;
    if (!PopupFromPressedLook())
        return;
    Q_EMIT OnMouseDown(button, shift, x, y);
}

void TQevCustomButton::Release(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)
{
    if (button != Qt::LeftButton || !isEnabled() || PointerOut == 1)
        return;
    if (m_repeatAction) {
        StartTimer->stop();
        RepeatTimer->stop();
    }
    PressOffset = 0;
    showLook(lkHot);
    if (isFramedStyle())
        setFocus(Qt::MouseFocusReason);
    Q_EMIT OnMouseUp(button, shift, x, y);
}

QPoint TQevCustomButton::popupPoint() const
{
    const QPoint p = mapToGlobal(QPoint(0, 0));
    switch (m_positionPopup) {
    case puLeft:
        return {p.x() - 1, p.y()};
    case puRight:
        return {p.x() + width() + 1, p.y()};
    case puDown:
    default:
        return {p.x() - 1, p.y() + height()};
    }
}

void TQevCustomButton::ShowPopup()
{
    QMenu *menu = m_popupMenu;
    if (!menu)
        return;
    QPoint at = popupPoint();
    // puLeft puts the menu's right edge at the point; QMenu places its top-left corner.
    if (m_positionPopup == puLeft)
        at.rx() -= menu->sizeHint().width();
    // exec() runs a nested event loop until the menu closes; the repeat timers go on
    // ticking in it. Qt tells the button that the pointer left when the menu grabs the
    // mouse; the pressed look and the repeat stay, so those notices are not handlers'
    // business while the menu is open. Once the handler is done, the pointer is looked
    // at afresh, as an idle-time check would.
    QPointer<TQevCustomButton> self(this);
    m_popupOpen = true;
    menu->exec(at);
    if (!self)
        return;
    m_popupOpen = false;
    QMetaObject::invokeMethod(this, &TQevCustomButton::syncPointer, Qt::QueuedConnection);
}

void TQevCustomButton::syncPointer()
{
    if (m_popupOpen)
        return;
    const bool inside = isVisible() && rect().contains(mapFromGlobal(QCursor::pos()));
    if (inside == m_pointerInside)
        return;
    m_pointerInside = inside;
    if (inside)
        PointerEnter();
    else
        PointerLeave();
}

void TQevCustomButton::StartTick()
{
    StartTimer->stop();
    if (m_repeatAction)
        startRepeatTimer(RepeatTimer);
}

void TQevCustomButton::RepeatTick()
{
    if (!m_repeatAction) {
        // Turned off while held: nothing will stop this timer any more.
        RepeatTimer->stop();
        return;
    }
    if (isSignalConnected(QMetaMethod::fromSignal(&TQevCustomButton::OnClick)))
        Q_EMIT OnClick();
}

void TQevCustomButton::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (isFramedStyle())
        FocusShown = true;
}

void TQevCustomButton::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (isFramedStyle()) {
        FocusShown = false;
        if (m_showFocused)
            update();
    }
}

void TQevCustomButton::FocusChanged(QWidget *now)
{
    if (auto *button = qobject_cast<TQevCustomButton *>(now))
        ActiveDefault = button == this;
    else
        ActiveDefault = m_default;
    UpdateDefaultStyle(ActiveDefault);
    if (isFramedStyle() && FocusShown && m_showFocused)
        update();
}

void TQevCustomButton::PlayResourceSound(const QString &name)
{
    const QByteArray wave = qev::loadWave(name);
    if (!wave.isEmpty())
        qev::playWaveSync(wave);
}
