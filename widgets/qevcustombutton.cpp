// SPDX-License-Identifier: MIT
// The button's state and what writing each property does; the click operation with
// the stock kinds' actions.
#include "qevcustombutton_p.h"

#include "qevresources.h"
#include "qevsystemcolors.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QAction>
#include <QMenu>
#include <QMetaMethod>
#include <QTimer>

#include <array>

namespace {

struct KindInfo {
    const char* caption;
    const char* normalGlyph;
    const char* hotGlyph;
    int modalResult; // 0: none
};

// Indexed by TKind. Modal results follow the usual dialog numbering: 1 OK, 2 Cancel,
// 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No, 8 All.
constexpr std::array<KindInfo, 12> Kinds{{
    {nullptr, nullptr, nullptr, 0},
    {"OK", "dagqevb", "daqevb", 1},
    {"Cancel", "iksicgqevb", "iksicqevb", 2},
    {"&Help", "pomocgqevb", "pomocqevb", 0},
    {"&Yes", "dagqevb", "daqevb", 6},
    {"&No", "negqevb", "neqevb", 7},
    {"&Close", "exitgqevb", "exitqevb", 0},
    {"Abort", "iksicgqevb", "iksicqevb", 3},
    {"&Retry", "Retrigqevb", "Retriqevb", 4},
    {"&Ignore", "ignogqevb", "ignoqevb", 5},
    {"&All", "svegqevb", "sveqevb", 8},
    {"&Silly", "glupigqevb", "glupiqevb", 0},
}};

// Qt's tool tips break lines at a line feed: the second hint line is joined below the
// first with one.
constexpr QChar HintLineBreak = u'\n';

const QString VersionText = QStringLiteral("Version 4.01, Kolvane owner-drawn button");

} // namespace

TQevCustomButton::HelpHandler TQevCustomButtonPrivate::s_helpHandler = nullptr;

TQevCustomButtonPrivate::TQevCustomButtonPrivate(TQevCustomButton* q) : q_ptr(q) {}

void TQevCustomButtonPrivate::init()
{
    Q_Q(TQevCustomButton);
    q->setGeometry(0, 0, 75, 25);
    m_frameLeftTop = m_colorMarginLeftTop = qev::ButtonHighlight(q);
    m_frameRightBottom = m_colorMarginRightBottom = qev::ButtonShadow(q);
    m_hotTrackColor = QColor(0, 0, 255);
    m_color = qev::WindowColor(q);

    m_repeatTimer = new QTimer(q);
    m_repeatTimer->setInterval(50);
    QObject::connect(m_repeatTimer, &QTimer::timeout, q, [this] { repeatTick(); });
    m_startTimer = new QTimer(q);
    m_startTimer->setInterval(50);
    QObject::connect(m_startTimer, &QTimer::timeout, q, [this] { startTick(); });

    // Every pixel of the face is painted, so Qt need not clear the background first.
    q->setAttribute(Qt::WA_OpaquePaintEvent);
    // Not a tab stop unless asked for; the framed styles still take the focus by code.
    q->setFocusPolicy(Qt::NoFocus);
    installApplicationHooks();
    // Qt's application-wide focus signal stands in for the form telling each of its
    // controls which one is focused now.
    QObject::connect(qApp, &QApplication::focusChanged, q, [this](QWidget*, QWidget* now) {
        if (now && now->window() == q_func()->window())
            focusChanged(now);
    });
    relayout();
}

TQevCustomButton::TQevCustomButton(QWidget* parent)
    : QWidget(parent), d_ptr(std::make_unique<TQevCustomButtonPrivate>(this))
{
    d_func()->init();
}

TQevCustomButton::~TQevCustomButton() = default;

void TQevCustomButtonPrivate::changed()
{
    relayout();
    q_func()->update();
}

int TQevCustomButton::HelpContext() const
{
    return d_func()->m_helpContext;
}
void TQevCustomButton::setHelpContext(int context)
{
    d_func()->m_helpContext = context;
}
bool TQevCustomButton::RepeatAction() const
{
    return d_func()->m_repeatAction;
}
void TQevCustomButton::setRepeatAction(bool on)
{
    d_func()->m_repeatAction = on;
}
bool TQevCustomButton::ShowFocused() const
{
    return d_func()->m_showFocused;
}
void TQevCustomButton::setShowFocused(bool on)
{
    d_func()->m_showFocused = on;
}
bool TQevCustomButton::CursorHandCustom() const
{
    return d_func()->m_cursorHandCustom;
}
void TQevCustomButton::setCursorHandCustom(bool on)
{
    d_func()->m_cursorHandCustom = on;
}
TQevCustomButton::TKind TQevCustomButton::ButtonKind() const
{
    return d_func()->m_kind;
}
QColor TQevCustomButton::ColorMarginLeftTop() const
{
    return d_func()->m_colorMarginLeftTop;
}
void TQevCustomButton::setColorMarginLeftTop(const QColor& c)
{
    d_func()->setMarginColor(1, c);
}
QColor TQevCustomButton::ColorMarginRightBottom() const
{
    return d_func()->m_colorMarginRightBottom;
}
void TQevCustomButton::setColorMarginRightBottom(const QColor& c)
{
    d_func()->setMarginColor(2, c);
}
TQevCustomButton::TColorMarginDefault TQevCustomButton::ColorMarginStyle() const
{
    return d_func()->m_colorMarginStyle;
}
void TQevCustomButton::setVersion(const QString&) {}
bool TQevCustomButton::PopupMenuMark() const
{
    return d_func()->m_popupMenuMark;
}
int TQevCustomButton::PopupMenuMarkGap() const
{
    return d_func()->m_popupMenuMarkGap;
}
TQevCustomButton::TPositionPopup TQevCustomButton::PositionPopup() const
{
    return d_func()->m_positionPopup;
}

void TQevCustomButton::setPositionPopup(TPositionPopup position)
{
    if (position >= puDown && position <= puRight)
        d_func()->m_positionPopup = position;
}

bool TQevCustomButton::PlayMusic() const
{
    return d_func()->m_playMusic;
}
void TQevCustomButton::setPlayMusic(bool on)
{
    d_func()->m_playMusic = on;
}
QColor TQevCustomButton::HotTrackColor() const
{
    return d_func()->m_hotTrackColor;
}
void TQevCustomButton::setHotTrackColor(const QColor& c)
{
    d_func()->m_hotTrackColor = c;
}
bool TQevCustomButton::HotTrack() const
{
    return d_func()->m_hotTrack;
}
void TQevCustomButton::setHotTrack(bool on)
{
    d_func()->m_hotTrack = on;
}
int TQevCustomButton::Spacing() const
{
    return d_func()->m_spacing;
}
int TQevCustomButton::SpacingLayout() const
{
    return d_func()->m_spacingLayout;
}
int TQevCustomButton::NumGlyphs() const
{
    return d_func()->m_numGlyphs;
}
int TQevCustomButton::NumGlyphsHot() const
{
    return d_func()->m_numGlyphsHot;
}
QPixmap TQevCustomButton::Glyph() const
{
    return d_func()->m_glyphPixmap;
}
QPixmap TQevCustomButton::GlyphHot() const
{
    return d_func()->m_glyphHotPixmap;
}
TQevCustomButton::TLayout TQevCustomButton::Layout() const
{
    return d_func()->m_layout;
}
TQevCustomButton::TStyle TQevCustomButton::ButtonStyle() const
{
    return d_func()->m_style;
}
bool TQevCustomButton::Cancel() const
{
    return d_func()->m_cancel;
}
void TQevCustomButton::setCancel(bool on)
{
    d_func()->m_cancel = on;
}
bool TQevCustomButton::Default() const
{
    return d_func()->m_default;
}
void TQevCustomButton::setDefault(bool on)
{
    d_func()->m_default = on;
}
QString TQevCustomButton::HintSecondLine() const
{
    return d_func()->m_hintSecondLine;
}
QString TQevCustomButton::Caption() const
{
    return d_func()->m_caption;
}
bool TQevCustomButton::ParentColor() const
{
    return d_func()->m_parentColor;
}
QAction* TQevCustomButton::Action() const
{
    return d_func()->m_action;
}
void TQevCustomButton::setAction(QAction* action)
{
    d_func()->m_action = action;
}
void TQevCustomButton::beginLoading()
{
    d_func()->m_loading = true;
}
void TQevCustomButton::endLoading()
{
    d_func()->m_loading = false;
}
bool TQevCustomButton::isLoading() const
{
    return d_func()->m_loading;
}
bool TQevCustomButton::inFormDesigner() const
{
    return d_func()->m_inDesigner;
}
QSize TQevCustomButton::sizeHint() const
{
    return {75, 25};
}

int TQevCustomButton::RepeatInterval() const
{
    return d_func()->m_repeatTimer->interval();
}
void TQevCustomButton::setRepeatInterval(int ms)
{
    d_func()->setTimerInterval(d_func()->m_repeatTimer, ms);
}
int TQevCustomButton::RepeatStartInterval() const
{
    return d_func()->m_startTimer->interval();
}
void TQevCustomButton::setRepeatStartInterval(int ms)
{
    d_func()->setTimerInterval(d_func()->m_startTimer, ms);
}

void TQevCustomButtonPrivate::setTimerInterval(QTimer* timer, int ms)
{
    if (ms < 0)
        return;
    timer->setInterval(ms);
    // QTimer runs a zero interval as "whenever the event loop is idle", which would
    // fire OnClick as fast as the machine can; a zero interval means no repeat.
    if (ms == 0)
        timer->stop();
}

void TQevCustomButtonPrivate::armTimer(QTimer* timer)
{
    if (timer->interval() > 0)
        timer->start();
}

void TQevCustomButton::setButtonKind(TKind kind)
{
    Q_D(TQevCustomButton);
    if (kind < skCustom || kind > skSilly)
        return;
    if (kind != d->m_kind) {
        d->m_kind = kind;
        d->m_glyph = d->m_glyphHot = QImage();
        d->m_glyphPixmap = d->m_glyphHotPixmap = QPixmap();
    }
    if (kind != skCustom) {
        d->loadKindGlyphs();
        // While a form file is read, an empty caption is kept: the caption stored in
        // the file follows the kind and has the last word.
        if (!(d->m_loading && d->m_caption.isEmpty()))
            setCaption(QString::fromLatin1(Kinds[kind].caption));
        d->m_numGlyphs = d->m_numGlyphsHot = 1;
    }
    d->changed();
    d->m_cancel = kind == skCancel || kind == skNo;
    d->m_default = kind == skOK || kind == skYes;
}

void TQevCustomButtonPrivate::loadKindGlyphs()
{
    const KindInfo& info = Kinds[m_kind];
    m_glyph =
        qev::LoadBitmap(QString::fromLatin1(info.normalGlyph)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_glyphHot =
        qev::LoadBitmap(QString::fromLatin1(info.hotGlyph)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_glyphPixmap = m_glyph.isNull() ? QPixmap() : QPixmap::fromImage(m_glyph);
    m_glyphHotPixmap = m_glyphHot.isNull() ? QPixmap() : QPixmap::fromImage(m_glyphHot);
}

void TQevCustomButton::setGlyph(const QPixmap& glyph)
{
    d_func()->setGlyphImage(glyph, false);
}
void TQevCustomButton::setGlyphHot(const QPixmap& glyph)
{
    d_func()->setGlyphImage(glyph, true);
}

void TQevCustomButtonPrivate::setGlyphImage(const QPixmap& glyph, bool hot)
{
    QPixmap& ownPixmap = hot ? m_glyphHotPixmap : m_glyphPixmap;
    QImage& own = hot ? m_glyphHot : m_glyph;
    int& cells = hot ? m_numGlyphsHot : m_numGlyphs;
    // Handing the button its own glyph back changes nothing but the kind.
    const bool same = !ownPixmap.isNull() && glyph.cacheKey() == ownPixmap.cacheKey();
    if (!same) {
        ownPixmap = glyph;
        own = glyph.isNull() ? QImage() : glyph.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (!own.isNull()) {
            const int w = own.width();
            const int h = own.height();
            if (w / h < 2)
                cells = 1;
            else if (w % h == 0)
                cells = w / h > 4 ? 1 : w / h;
            // A strip at least twice as wide as high but not whole cells keeps its count.
        }
        changed();
    }
    m_kind = Q::skCustom;
}

QColor TQevCustomButtonPrivate::styleDefaultColor(int side) const
{
    const Q* q = q_func();
    switch (m_style) {
    case Q::stDefault: return side == 1 ? qev::ButtonHighlight(q) : QColor(0, 0, 0);
    case Q::stFrameLowered: return side == 1 ? qev::ButtonShadow(q) : qev::ButtonHighlight(q);
    default: return side == 1 ? qev::ButtonHighlight(q) : qev::ButtonShadow(q);
    }
}

void TQevCustomButtonPrivate::setMarginColor(int side, const QColor& c)
{
    QColor& stored = side == 1 ? m_colorMarginLeftTop : m_colorMarginRightBottom;
    if (stored.rgba() == c.rgba())
        return;
    stored = c;
    (side == 1 ? m_frameLeftTop : m_frameRightBottom) = c;
    if (m_style != Q::stNone && m_colorMarginStyle == Q::cmDefault && c.rgba() != styleDefaultColor(side).rgba())
        m_colorMarginStyle = Q::cmCustom;
    changed();
}

void TQevCustomButtonPrivate::applyStyleColors()
{
    if (m_style == Q::stNone)
        return;
    if (m_colorMarginStyle == Q::cmDefault) {
        m_frameLeftTop = m_colorMarginLeftTop = styleDefaultColor(1);
        m_frameRightBottom = m_colorMarginRightBottom = styleDefaultColor(2);
    } else {
        m_frameLeftTop = m_colorMarginLeftTop;
        m_frameRightBottom = m_colorMarginRightBottom;
    }
}

void TQevCustomButton::setColorMarginStyle(TColorMarginDefault style)
{
    Q_D(TQevCustomButton);
    if (style != cmDefault && style != cmCustom)
        return;
    d->m_colorMarginStyle = style;
    if (style == cmDefault)
        d->applyStyleColors();
    d->changed();
}

QString TQevCustomButton::Version() const
{
    return VersionText;
}

void TQevCustomButton::setPopupMenuMark(bool on)
{
    Q_D(TQevCustomButton);
    d->m_popupMenuMark = on;
    d->changed();
}

void TQevCustomButton::setPopupMenuMarkGap(int gap)
{
    Q_D(TQevCustomButton);
    if (gap < 1 || gap > 5 || gap == d->m_popupMenuMarkGap)
        return;
    d->m_popupMenuMarkGap = gap;
    d->changed();
}

QMenu* TQevCustomButton::PopupMenu() const
{
    return d_func()->m_popupMenu.data();
}

void TQevCustomButton::setPopupMenu(QMenu* menu)
{
    Q_D(TQevCustomButton);
    // QPointer forgets a menu that is destroyed while attached, so the button never
    // reaches a dead one.
    d->m_popupMenu = menu;
    if (menu)
        d->changed();
}

void TQevCustomButton::setSpacing(int spacing)
{
    Q_D(TQevCustomButton);
    if (spacing < 1 || spacing > 5 || spacing == d->m_spacing)
        return;
    d->m_spacing = spacing;
    d->changed();
}

void TQevCustomButton::setSpacingLayout(int margin)
{
    Q_D(TQevCustomButton);
    if (margin < -5 || margin > 5 || margin == d->m_spacingLayout)
        return;
    d->m_spacingLayout = margin;
    d->changed();
}

void TQevCustomButton::setNumGlyphs(int cells)
{
    Q_D(TQevCustomButton);
    if (cells < 1 || cells > 4 || cells == d->m_numGlyphs)
        return;
    d->m_numGlyphs = cells;
    d->changed();
}

void TQevCustomButton::setNumGlyphsHot(int cells)
{
    Q_D(TQevCustomButton);
    if (cells < 1 || cells > 4 || cells == d->m_numGlyphsHot)
        return;
    d->m_numGlyphsHot = cells;
    d->changed();
}

void TQevCustomButton::setLayout(TLayout layout)
{
    Q_D(TQevCustomButton);
    if (layout < blGlyphLeft || layout > blGlyphTop)
        return;
    d->m_layout = layout;
    d->changed();
}

void TQevCustomButton::setButtonStyle(TStyle style)
{
    Q_D(TQevCustomButton);
    if (style < stFlat || style > stFrameRaised)
        return;
    d->m_style = style;
    switch (style) {
    case stFlat:
    case stFlatDot:
        d->m_normalFrameWidth = 0;
        d->m_hotFrameWidth = 1;
        d->m_dottedFramePen = style == stFlatDot;
        break;
    case stNone: d->m_normalFrameWidth = d->m_hotFrameWidth = 0; break;
    case stRaised:
    case stRaisedDot:
        d->m_normalFrameWidth = d->m_hotFrameWidth = 2;
        d->m_dottedFramePen = style == stRaisedDot;
        break;
    case stDefault:
    case stFrameLowered:
    case stFrameRaised:
        d->m_parentColor = false;
        d->m_color = qev::ButtonFace(this);
        d->m_normalFrameWidth = d->m_hotFrameWidth = 1;
        d->m_dottedFramePen = false;
        break;
    }
    d->applyStyleColors();
    d->changed();
}

void TQevCustomButton::setHintSecondLine(const QString& line)
{
    Q_D(TQevCustomButton);
    d->m_hintSecondLine = line;
    if (!d->m_inDesigner && !toolTip().isEmpty() && !line.isEmpty())
        setToolTip(toolTip() + HintLineBreak + line);
}

void TQevCustomButton::setCaption(const QString& caption)
{
    Q_D(TQevCustomButton);
    if (caption == d->m_caption)
        return;
    d->m_caption = caption;
    d->changed();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void TQevCustomButton::setParentColor(bool on)
{
    Q_D(TQevCustomButton);
    if (on == d->m_parentColor)
        return;
    d->m_parentColor = on;
    d->changed();
}

QColor TQevCustomButton::Color() const
{
    Q_D(const TQevCustomButton);
    if (d->m_parentColor) {
        if (auto* button = qobject_cast<const TQevCustomButton*>(parentWidget()))
            return button->Color();
        if (const QWidget* p = parentWidget())
            return p->palette().color(QPalette::Active, p->backgroundRole());
    }
    return d->m_color;
}

void TQevCustomButton::setColor(const QColor& c)
{
    Q_D(TQevCustomButton);
    d->m_color = c;
    d->m_parentColor = false;
    // The framed styles keep the button-face colour whatever is written.
    if (d->isFramedStyle())
        d->m_color = qev::ButtonFace(this);
    d->changed();
}

bool TQevCustomButton::TabStop() const
{
    return focusPolicy() & Qt::TabFocus;
}

void TQevCustomButton::setTabStop(bool on)
{
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

bool TQevCustomButtonPrivate::isFramedStyle() const
{
    return m_style == Q::stDefault || m_style == Q::stFrameLowered || m_style == Q::stFrameRaised;
}

void TQevCustomButton::setHelpHandler(HelpHandler handler)
{
    TQevCustomButtonPrivate::s_helpHandler = handler;
}

void TQevCustomButton::UpdateDefaultStyle(bool active)
{
    Q_UNUSED(active);
}

void TQevCustomButton::Click()
{
    Q_D(TQevCustomButton);
    // OnClick may close or delete the form and this button with it.
    QPointer<TQevCustomButton> self(this);
    if (d->m_action && !isSignalConnected(QMetaMethod::fromSignal(&TQevCustomButton::OnClick)))
        d->m_action->trigger();
    else
        Q_EMIT OnClick();
    if (!self)
        return;

    // The parent form is the top-level window of a button that has a parent at all.
    QWidget* form = parentWidget() ? window() : nullptr;
    const KindInfo& info = Kinds[d->m_kind];
    if (info.modalResult != 0) {
        // Only a dialog run modally closes on its result; any other just records it.
        if (auto* dialog = qobject_cast<QDialog*>(form)) {
            if (dialog->isModal())
                dialog->done(info.modalResult);
            else
                dialog->setResult(info.modalResult);
        }
    } else if (d->m_kind == skHelp) {
        for (QObject* o = this; o; o = o->parent()) {
            const int context = o->property("HelpContext").toInt();
            if (context != 0) {
                if (TQevCustomButtonPrivate::s_helpHandler)
                    TQevCustomButtonPrivate::s_helpHandler(context);
                break;
            }
        }
    } else if (d->m_kind == skClose) {
        if (form)
            form->close();
    }
    if (!self)
        return;

    if (d->m_popupMenu && isEnabled()) {
        d->startPressedLook();
        d->popupFromPressedLook();
    }
}

void TQevCustomButtonPrivate::startPressedLook()
{
    if (m_repeatAction)
        armTimer(m_startTimer);
    m_captionPlain = 0;
    m_pressOffset = 1;
    showLook(lkPressed);
}

bool TQevCustomButtonPrivate::popupFromPressedLook()
{
    QPointer<TQevCustomButton> self(q_func());
    showPopup();
    // A menu command may delete the button; then nothing of it is touched again.
    if (!self)
        return false;
    m_pressOffset = 0;
    m_captionPlain = 1;
    showLook(lkAfterPopup);
    if (m_repeatAction) {
        m_startTimer->stop();
        m_repeatTimer->stop();
    }
    return true;
}
