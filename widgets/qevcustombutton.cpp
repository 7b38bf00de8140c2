// The button's state and what writing each property does; the click operation with
// the stock kinds' actions.
#include "qevcustombutton.h"

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

struct KindInfo
{
    const char *caption;
    const char *normalGlyph;
    const char *hotGlyph;
    int modalResult;  // 0: none
};

// Indexed by TKind. Modal results follow the usual dialog numbering: 1 OK, 2 Cancel,
// 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No, 8 All.
constexpr std::array<KindInfo, 12> kKinds{{
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

// Windows hints break lines at a carriage return; Qt's tool tips break at a line feed,
// so the second hint line is joined with the platform's own break.
constexpr QChar kHintLineBreak = u'\n';

const QString kVersion = QStringLiteral("Version 4.01, Kolvane owner-drawn button");

} // namespace

TQevCustomButton::HelpHandler TQevCustomButton::s_helpHandler = nullptr;

TQevCustomButton::TQevCustomButton(QWidget *parent)
    : QWidget(parent)
{
    setGeometry(0, 0, 75, 25);
    FrameLeftTop = m_colorMarginLeftTop = qev::buttonHighlight(this);
    FrameRightBottom = m_colorMarginRightBottom = qev::buttonShadow(this);
    m_hotTrackColor = QColor(0, 0, 255);
    m_color = qev::windowColor(this);

    RepeatTimer = new QTimer(this);
    RepeatTimer->setInterval(50);
    connect(RepeatTimer, &QTimer::timeout, this, &TQevCustomButton::RepeatTick);
    StartTimer = new QTimer(this);
    StartTimer->setInterval(50);
    connect(StartTimer, &QTimer::timeout, this, &TQevCustomButton::StartTick);

    // Every pixel of the face is painted, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Not a tab stop unless asked for; the framed styles still take the focus by code.
    setFocusPolicy(Qt::NoFocus);
    installDialogFilter();
    // Qt's application-wide focus signal stands in for the form telling each of its
    // controls which one is focused now.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now->window() == window())
            FocusChanged(now);
    });
}

TQevCustomButton::~TQevCustomButton() = default;

int TQevCustomButton::RepeatInterval() const { return RepeatTimer->interval(); }
void TQevCustomButton::setRepeatInterval(int ms) { setRepeatTimerInterval(RepeatTimer, ms); }
int TQevCustomButton::RepeatStartInterval() const { return StartTimer->interval(); }
void TQevCustomButton::setRepeatStartInterval(int ms) { setRepeatTimerInterval(StartTimer, ms); }

void TQevCustomButton::setRepeatTimerInterval(QTimer *timer, int ms)
{
    if (ms < 0)
        return;
    timer->setInterval(ms);
    // QTimer runs a zero interval as "whenever the event loop is idle", which would
    // fire OnClick as fast as the machine can; a zero interval means no repeat.
    if (ms == 0)
        timer->stop();
}

void TQevCustomButton::startRepeatTimer(QTimer *timer)
{
    if (timer->interval() > 0)
        timer->start();
}

void TQevCustomButton::setButtonKind(TKind kind)
{
    if (kind < skCustom || kind > skSilly)
        return;
    if (kind != m_kind) {
        m_kind = kind;
        m_glyph = m_glyphHot = QImage();
        m_glyphPixmap = m_glyphHotPixmap = QPixmap();
        CellBitmap = MaskBitmap = QImage();
    }
    if (kind != skCustom) {
        loadKindGlyphs();
        // While a form file is read, an empty caption is kept: the caption stored in
        // the file follows the kind and has the last word.
        if (!(m_loading && m_caption.isEmpty()))
            setCaption(QString::fromLatin1(kKinds[kind].caption));
        m_numGlyphs = m_numGlyphsHot = 1;
    }
    requestRepaint();
    m_cancel = kind == skCancel || kind == skNo;
    m_default = kind == skOK || kind == skYes;
}

void TQevCustomButton::loadKindGlyphs()
{
    const KindInfo &info = kKinds[m_kind];
    m_glyph = qev::loadBitmap(QString::fromLatin1(info.normalGlyph)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_glyphHot = qev::loadBitmap(QString::fromLatin1(info.hotGlyph)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_glyphPixmap = m_glyph.isNull() ? QPixmap() : QPixmap::fromImage(m_glyph);
    m_glyphHotPixmap = m_glyphHot.isNull() ? QPixmap() : QPixmap::fromImage(m_glyphHot);
}

void TQevCustomButton::setGlyph(const QPixmap &glyph) { setGlyphImage(glyph, false); }
void TQevCustomButton::setGlyphHot(const QPixmap &glyph) { setGlyphImage(glyph, true); }

void TQevCustomButton::setGlyphImage(const QPixmap &glyph, bool hot)
{
    QPixmap &ownPixmap = hot ? m_glyphHotPixmap : m_glyphPixmap;
    QImage &own = hot ? m_glyphHot : m_glyph;
    int &cells = hot ? m_numGlyphsHot : m_numGlyphs;
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
        requestRepaint();
    }
    m_kind = skCustom;
}

QColor TQevCustomButton::styleDefaultColor(int side) const
{
    switch (m_style) {
    case stDefault:
        return side == 1 ? qev::buttonHighlight(this) : QColor(0, 0, 0);
    case stFrameLowered:
        return side == 1 ? qev::buttonShadow(this) : qev::buttonHighlight(this);
    default:
        return side == 1 ? qev::buttonHighlight(this) : qev::buttonShadow(this);
    }
}

void TQevCustomButton::setMarginColor(int side, const QColor &c)
{
    QColor &stored = side == 1 ? m_colorMarginLeftTop : m_colorMarginRightBottom;
    if (stored.rgba() == c.rgba())
        return;
    stored = c;
    (side == 1 ? FrameLeftTop : FrameRightBottom) = c;
    if (m_style != stNone && m_colorMarginStyle == cmDefault && c.rgba() != styleDefaultColor(side).rgba())
        m_colorMarginStyle = cmCustom;
    requestRepaint();
}

void TQevCustomButton::applyStyleColors()
{
    if (m_style == stNone)
        return;
    if (m_colorMarginStyle == cmDefault) {
        FrameLeftTop = m_colorMarginLeftTop = styleDefaultColor(1);
        FrameRightBottom = m_colorMarginRightBottom = styleDefaultColor(2);
    } else {
        FrameLeftTop = m_colorMarginLeftTop;
        FrameRightBottom = m_colorMarginRightBottom;
    }
}

void TQevCustomButton::setColorMarginStyle(TColorMarginDefault style)
{
    if (style != cmDefault && style != cmCustom)
        return;
    m_colorMarginStyle = style;
    if (style == cmDefault)
        applyStyleColors();
    requestRepaint();
}

QString TQevCustomButton::Version() const { return kVersion; }

void TQevCustomButton::setPopupMenuMark(bool on)
{
    m_popupMenuMark = on;
    requestRepaint();
}

void TQevCustomButton::setPopupMenuMarkGap(int gap)
{
    if (gap < 1 || gap > 5 || gap == m_popupMenuMarkGap)
        return;
    m_popupMenuMarkGap = gap;
    requestRepaint();
}

QMenu *TQevCustomButton::PopupMenu() const { return m_popupMenu.data(); }

void TQevCustomButton::setPopupMenu(QMenu *menu)
{
    // QPointer forgets a menu that is destroyed while attached, so the button never
    // reaches a dead one.
    m_popupMenu = menu;
    if (menu)
        requestRepaint();
}

void TQevCustomButton::setSpacing(int spacing)
{
    if (spacing < 1 || spacing > 5 || spacing == m_spacing)
        return;
    m_spacing = spacing;
    requestRepaint();
}

void TQevCustomButton::setSpacingLayout(int margin)
{
    if (margin < -5 || margin > 5 || margin == m_spacingLayout)
        return;
    m_spacingLayout = margin;
    requestRepaint();
}

void TQevCustomButton::setNumGlyphs(int cells)
{
    if (cells < 1 || cells > 4 || cells == m_numGlyphs)
        return;
    m_numGlyphs = cells;
    requestRepaint();
}

void TQevCustomButton::setNumGlyphsHot(int cells)
{
    if (cells < 1 || cells > 4 || cells == m_numGlyphsHot)
        return;
    m_numGlyphsHot = cells;
    requestRepaint();
}

void TQevCustomButton::setLayout(TLayout layout)
{
    if (layout < blGlyphLeft || layout > blGlyphTop)
        return;
    m_layout = layout;
    requestRepaint();
}

void TQevCustomButton::setButtonStyle(TStyle style)
{
    if (style < stFlat || style > stFrameRaised)
        return;
    m_style = style;
    switch (style) {
    case stFlat:
    case stFlatDot:
        NormalFrameWidth = 0;
        HotFrameWidth = 1;
        DottedFramePen = style == stFlatDot;
        break;
    case stNone:
        NormalFrameWidth = HotFrameWidth = 0;
        break;
    case stRaised:
    case stRaisedDot:
        NormalFrameWidth = HotFrameWidth = 2;
        DottedFramePen = style == stRaisedDot;
        break;
    case stDefault:
    case stFrameLowered:
    case stFrameRaised:
        m_parentColor = false;
        m_color = qev::buttonFace(this);
        NormalFrameWidth = HotFrameWidth = 1;
        DottedFramePen = false;
        break;
    }
    applyStyleColors();
    requestRepaint();
}

void TQevCustomButton::setHintSecondLine(const QString &line)
{
    m_hintSecondLine = line;
    if (!m_inDesigner && !toolTip().isEmpty() && !line.isEmpty())
        setToolTip(toolTip() + kHintLineBreak + line);
}

void TQevCustomButton::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    requestRepaint();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void TQevCustomButton::setParentColor(bool on)
{
    if (on == m_parentColor)
        return;
    m_parentColor = on;
    requestRepaint();
}

QColor TQevCustomButton::Color() const
{
    if (m_parentColor) {
        if (auto *button = qobject_cast<const TQevCustomButton *>(parentWidget()))
            return button->Color();
        if (const QWidget *p = parentWidget())
            return p->palette().color(QPalette::Active, p->backgroundRole());
    }
    return m_color;
}

void TQevCustomButton::setColor(const QColor &c)
{
    m_color = c;
    m_parentColor = false;
    // The framed styles keep the button-face colour whatever is written.
    if (isFramedStyle())
        m_color = qev::buttonFace(this);
    requestRepaint();
}

bool TQevCustomButton::TabStop() const { return focusPolicy() & Qt::TabFocus; }

void TQevCustomButton::setTabStop(bool on)
{
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

bool TQevCustomButton::isFramedStyle() const
{
    return m_style == stDefault || m_style == stFrameLowered || m_style == stFrameRaised;
}

void TQevCustomButton::setHelpHandler(HelpHandler handler) { s_helpHandler = handler; }

void TQevCustomButton::UpdateDefaultStyle(bool active) { Q_UNUSED(active); }

void TQevCustomButton::Click()
{
    // OnClick may close or delete the form and this button with it.
    QPointer<TQevCustomButton> self(this);
    if (m_action && !isSignalConnected(QMetaMethod::fromSignal(&TQevCustomButton::OnClick)))
        m_action->trigger();
    else
        Q_EMIT OnClick();
    if (!self)
        return;

    // The parent form is the top-level window of a button that has a parent at all.
    QWidget *form = parentWidget() ? window() : nullptr;
    const KindInfo &info = kKinds[m_kind];
    if (info.modalResult != 0) {
        // Only a dialog run modally closes on its result; any other just records it.
        if (auto *dialog = qobject_cast<QDialog *>(form)) {
            if (dialog->isModal())
                dialog->done(info.modalResult);
            else
                dialog->setResult(info.modalResult);
        }
    } else if (m_kind == skHelp) {
        for (QObject *o = this; o; o = o->parent()) {
            const int context = o->property("HelpContext").toInt();
            if (context != 0) {
                if (s_helpHandler)
                    s_helpHandler(context);
                break;
            }
        }
    } else if (m_kind == skClose) {
        if (form)
            form->close();
    }
    if (!self)
        return;

    if (m_popupMenu && isEnabled()) {
        StartPressedLook();
        PopupFromPressedLook();
    }
}

void TQevCustomButton::StartPressedLook()
{
    if (m_repeatAction)
        startRepeatTimer(StartTimer);
    CaptionPlain = 0;
    PressOffset = 1;
    showLook(lkPressed);
}

bool TQevCustomButton::PopupFromPressedLook()
{
    QPointer<TQevCustomButton> self(this);
    ShowPopup();
    // A menu command may delete the button; then nothing of it is touched again.
    if (!self)
        return false;
    PressOffset = 0;
    CaptionPlain = 1;
    showLook(lkAfterPopup);
    if (m_repeatAction) {
        StartTimer->stop();
        RepeatTimer->stop();
    }
    return true;
}
