// SPDX-License-Identifier: MIT
// Drawing the button's face: frame, face colour, inner edge, glyph cell, popup mark,
// caption and focus mark, in one of five looks. The layout is worked out whenever the
// state changes; painting only reads it.
#include "qevcustombutton_p.h"

#include "qevresources.h"
#include "qevsystemcolors.h"

#include <QPainter>
#include <QPaintEvent>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace {

QRect ToQRect(int l, int t, int r, int b)
{
    return QRect(l, t, r - l, b - t);
}

// A straight run of pixels from (x0, y0) towards (x1, y1), both ends included. The
// dotted pen paints every other pixel, counting on from `step` along the polyline.
void Run(QPainter& p, int x0, int y0, int x1, int y1, const QColor& c, bool dotted, int& step)
{
    const int dx = x1 > x0 ? 1 : (x1 < x0 ? -1 : 0);
    const int dy = y1 > y0 ? 1 : (y1 < y0 ? -1 : 0);
    if (!dotted) {
        p.fillRect(QRect(QPoint(std::min(x0, x1), std::min(y0, y1)), QPoint(std::max(x0, x1), std::max(y0, y1))), c);
        step += std::max(std::abs(x1 - x0), std::abs(y1 - y0)) + 1;
        return;
    }
    for (int x = x0, y = y0;; x += dx, y += dy) {
        if (step++ % 2 == 0)
            p.fillRect(x, y, 1, 1, c);
        if (x == x1 && y == y1)
            break;
    }
}

// The arrow beside the glyph never changes, so it is read once.
const QImage& MarkImage()
{
    static const QImage image =
        qev::LoadBitmap(QStringLiteral("Strela")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

// Paints every pixel of `image` that has the colour of its bottom-left pixel in `fill`.
void ReplaceTransparent(QImage& image, const QColor& fill)
{
    if (image.isNull())
        return;
    const QRgb key = image.pixel(0, image.height() - 1);
    const QRgb with = fill.rgba();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == key)
                line[x] = with;
    }
}

} // namespace

void TQevCustomButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    d_func()->drawFace(p);
}

void TQevCustomButtonPrivate::showLook(TLook look)
{
    // repaint() paints at once, so the look a handler asks for is on screen before the
    // handler goes on; it then stays until anything repaints the button, which draws
    // the normal look again.
    Q_Q(TQevCustomButton);
    Look = look;
    relayout();
    if (q->isVisible() && q->updatesEnabled())
        q->repaint();
    Look = lkNormal;
    relayout();
}

QColor TQevCustomButtonPrivate::faceColor() const
{
    return isFramedStyle() ? qev::ButtonFace(q_func()) : q_func()->Color();
}

void TQevCustomButtonPrivate::relayout()
{
    const Q* q = q_func();
    const bool flat = m_style == Q::stFlat || m_style == Q::stFlatDot;
    // A flat button shows an outline while it sits on a form in the designer.
    const int normalFrame = flat ? (m_inDesigner ? 1 : 0) : NormalFrameWidth;
    FaceFrameWidth = normalFrame;
    FaceTop = FrameLeftTop;
    FaceBottom = FrameRightBottom;
    switch (Look) {
    case lkNormal:
    case lkLeave: break;
    case lkHot: FaceFrameWidth = HotFrameWidth; break;
    case lkPressed:
        FaceFrameWidth = HotFrameWidth;
        std::swap(FaceTop, FaceBottom);
        break;
    case lkAfterPopup:
        FaceFrameWidth = (flat || m_style == Q::stNone)                          ? 0
                         : (m_style == Q::stRaised || m_style == Q::stRaisedDot) ? 2
                                                                                 : 1;
        break;
    }
    const int f = FaceFrameWidth;
    FaceRect = {f, f, q->width() - f, q->height() - f};
    WorkRect = FaceRect;
    if (m_style == Q::stFrameRaised)
        WorkRect = {WorkRect.Left + 1, WorkRect.Top + 1, WorkRect.Right - 1, WorkRect.Bottom - 1};

    // Under the pointer the hot strip replaces the normal one, unless the button is
    // disabled or has no normal glyph at all.
    DrawnStrip = nullptr;
    MarkShown = false;
    const bool enabled = q->isEnabled();
    const bool hotLook = Look == lkHot || Look == lkPressed;
    if (hotLook && !m_glyphHot.isNull()) {
        if (!m_glyph.isNull() && enabled) {
            DrawnStrip = &m_glyphHot;
            DrawnCells = m_numGlyphsHot;
            DrawnSecondCell = false;
            DrawnTransparent = true;
        } else if (!m_glyph.isNull()) {
            DrawnStrip = &m_glyph;
        }
    } else if (!m_glyph.isNull()) {
        DrawnStrip = &m_glyph;
    }
    if (DrawnStrip == &m_glyph) {
        DrawnCells = m_numGlyphs;
        DrawnSecondCell = m_numGlyphs == 2 && !enabled;
        DrawnTransparent = enabled || m_numGlyphs == 2;
    }
    if (DrawnStrip) {
        const int cw = DrawnStrip->width() / DrawnCells;
        placeGlyph(cw, DrawnStrip->height());
        const bool besideCaption = (m_layout == Q::blGlyphLeft || m_layout == Q::blGlyphRight) && !m_caption.isEmpty();
        const QImage& mark = MarkImage();
        if (m_popupMenuMark && !besideCaption && !mark.isNull()) {
            placeMark(cw, mark.width(), mark.height());
            MarkShown = true;
        }
    }
    placeCaption();
}

void TQevCustomButtonPrivate::drawFace(QPainter& p) const
{
    const Q* q = q_func();
    drawFrame3D(p, {0, 0, q->width(), q->height()}, FaceTop, FaceBottom, FaceFrameWidth, DottedFramePen);
    p.fillRect(ToQRect(FaceRect.Left, FaceRect.Top, FaceRect.Right, FaceRect.Bottom), faceColor());
    if (isFramedStyle()) {
        // A one-pixel 3-D edge around a middle filled in button face.
        p.fillRect(ToQRect(WorkRect.Left, WorkRect.Top, WorkRect.Right, WorkRect.Bottom), qev::ButtonFace(q));
        const QColor light = qev::ButtonHighlight(q);
        const QColor dark = qev::ButtonShadow(q);
        if (Look == lkPressed)
            drawFrame3D(p, WorkRect, dark, light, 1, false);
        else
            drawFrame3D(p, WorkRect, light, dark, 1, false);
    }
    drawGlyphCell(p);
    if (isFramedStyle())
        drawFocusMark(p);
    drawCaption(p);
}

void TQevCustomButtonPrivate::drawFrame3D(QPainter& p, TRect r, const QColor& top, const QColor& bottom, int width,
                                          bool dotted) const
{
    // Two polylines per ring, each leaving out its last point: the top-right and
    // bottom-left corners belong to the bottom colour.
    r.Right -= 1;
    r.Bottom -= 1;
    for (int i = 0; i < width; ++i) {
        if (r.Right >= r.Left && r.Bottom >= r.Top) {
            int step = 0;
            if (r.Bottom > r.Top)
                Run(p, r.Left, r.Bottom, r.Left, r.Top + 1, top, dotted, step);
            if (r.Right > r.Left)
                Run(p, r.Left, r.Top, r.Right - 1, r.Top, top, dotted, step);
            step = 0;
            if (r.Bottom > r.Top)
                Run(p, r.Right, r.Top, r.Right, r.Bottom - 1, bottom, dotted, step);
            Run(p, r.Right, r.Bottom, r.Left, r.Bottom, bottom, dotted, step);
        }
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
}

void TQevCustomButtonPrivate::drawGlyphCell(QPainter& p) const
{
    if (!DrawnStrip)
        return;
    const QImage& strip = *DrawnStrip;
    const int cw = strip.width() / DrawnCells;
    const int sx = DrawnSecondCell ? strip.width() / 2 : 0;
    QImage cell = strip.copy(sx, 0, cw, strip.height());
    if (DrawnTransparent) {
        ReplaceTransparent(cell, faceColor());
        p.drawImage(GlyphRect.Left, GlyphRect.Top, cell);
    } else {
        drawDisabledImage(p, cell, GlyphRect.Left, GlyphRect.Top);
    }
    if (!MarkShown)
        return;
    if (q_func()->isEnabled()) {
        QImage copy = MarkImage();
        ReplaceTransparent(copy, faceColor());
        p.drawImage(MarkRect.Left, MarkRect.Top, copy);
    } else {
        drawDisabledImage(p, MarkImage(), MarkRect.Left, MarkRect.Top);
    }
}

void TQevCustomButtonPrivate::placeGlyph(int cw, int ch)
{
    const int L = WorkRect.Left, T = WorkRect.Top;
    const int W = WorkRect.Right - WorkRect.Left, H = WorkRect.Bottom - WorkRect.Top;
    // Measured as stored: an "&" counts although it is not drawn.
    const QFontMetrics fm(q_func()->font());
    const int tw = fm.horizontalAdvance(m_caption);
    const int th = fm.height();
    const int SL = m_spacingLayout;
    int x = 0, y = 0;
    if (m_caption.isEmpty()) {
        x = L + (W - cw) / 2 - (m_popupMenuMark ? 5 : 0);
        y = T + (H - ch) / 2;
    } else {
        switch (m_layout) {
        case Q::blGlyphLeft:
            x = L + (W - (tw + cw)) / 2 - SL;
            y = T + (H - ch) / 2;
            break;
        case Q::blGlyphBottom:
            x = L + (W - cw) / 2;
            y = T + (H - ch) / 2 + th / 2 + SL;
            break;
        case Q::blGlyphRight:
            x = L + (W - cw + tw) / 2 + SL;
            y = T + (H - ch) / 2;
            break;
        case Q::blGlyphTop:
            x = L + (W - cw) / 2;
            y = T + (H - ch) / 2 - th / 2 - SL;
            break;
        }
    }
    const int p = PressOffset;
    GlyphRect = {x + p, y + p, x + cw + p, y + ch + p};
}

void TQevCustomButtonPrivate::placeMark(int cw, int mw, int mh)
{
    const int ym = GlyphRect.Top + ((GlyphRect.Bottom - GlyphRect.Top) - mh) / 2;
    const int xm = cw + GlyphRect.Left + m_popupMenuMarkGap;
    MarkRect = {xm, ym, xm + mw, ym + mh};
}

void TQevCustomButtonPrivate::drawDisabledImage(QPainter& p, const QImage& image, int x, int y) const
{
    // The exactly black pixels of the image form the mask; it is painted in highlight
    // one pixel right and down, then in shadow on top: an engraved shape on the face.
    QImage mask(image.size(), QImage::Format_ARGB32_Premultiplied);
    const auto paintMask = [&](const QColor& c, int px, int py) {
        const QRgb on = c.rgba();
        for (int row = 0; row < image.height(); ++row) {
            const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(row));
            auto* dst = reinterpret_cast<QRgb*>(mask.scanLine(row));
            for (int col = 0; col < image.width(); ++col)
                dst[col] = (src[col] & 0x00FFFFFF) == 0 && qAlpha(src[col]) == 255 ? on : 0;
        }
        p.drawImage(px, py, mask);
    };
    paintMask(qev::ButtonHighlight(q_func()), x + 1, y + 1);
    paintMask(qev::ButtonShadow(q_func()), x, y);
}

void TQevCustomButtonPrivate::drawCaption(QPainter& p) const
{
    const Q* q = q_func();
    p.setFont(q->font());
    QColor color = qev::FontColor(q);
    if (m_hotTrack && CaptionPlain == 0)
        color = m_hotTrackColor;
    if (!q->isEnabled()) {
        drawDisabledCaption(p);
        color = qev::ButtonShadow(q);
    }
    if (m_caption.isEmpty())
        return;
    p.setPen(color);
    p.drawText(ToQRect(CaptionRect.Left, CaptionRect.Top, CaptionRect.Right, CaptionRect.Bottom),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextExpandTabs, m_caption);
}

void TQevCustomButtonPrivate::drawDisabledCaption(QPainter& p) const
{
    if (m_caption.isEmpty())
        return;
    const Q* q = q_func();
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextExpandTabs;
    const QRect r = ToQRect(CaptionRect.Left, CaptionRect.Top, CaptionRect.Right, CaptionRect.Bottom);
    p.setFont(q->font());
    p.setPen(qev::FontColor(q));
    p.drawText(r, flags, m_caption);
    p.setPen(qev::ButtonHighlight(q));
    p.drawText(r.translated(1, 1), flags, m_caption);
}

void TQevCustomButtonPrivate::placeCaption()
{
    const int L = WorkRect.Left, T = WorkRect.Top;
    const int W = WorkRect.Right - WorkRect.Left, H = WorkRect.Bottom - WorkRect.Top;
    const QFontMetrics fm(q_func()->font());
    const int tw = fm.horizontalAdvance(m_caption);
    const int th = fm.height();
    const int S = m_spacing;
    const int gl = GlyphRect.Left, gt = GlyphRect.Top, gr = GlyphRect.Right, gb = GlyphRect.Bottom;
    if (m_glyph.isNull()) {
        const int x = L + (W - tw) / 2;
        const int y = T + (H - th) / 2;
        const int p = PressOffset;
        CaptionRect = {x + p, y + p, x + tw + p, y + th + p};
        return;
    }
    int x = 0, y = 0;
    switch (m_layout) {
    case Q::blGlyphLeft:
        x = gr + S;
        y = gt + ((gb - gt) - th) / 2;
        break;
    case Q::blGlyphBottom:
        x = gl + (gr - gl) / 2 - tw / 2;
        y = gt - 8 - S - th / 2;
        break;
    case Q::blGlyphRight:
        x = gl - tw - S;
        y = gt + ((gb - gt) - th) / 2;
        break;
    case Q::blGlyphTop:
        x = gl + (gr - gl) / 2 - tw / 2;
        y = gb + S;
        break;
    }
    CaptionRect = {x, y, x + tw, y + th};
}

void TQevCustomButtonPrivate::drawFocusMark(QPainter& p) const
{
    if (!isFramedStyle() || !m_showFocused || !FocusShown)
        return;
    // A dotted rectangle drawn by inverting every other pixel, so it shows on any face.
    const int l = WorkRect.Left + 3, t = WorkRect.Top + 3, r = WorkRect.Right - 3 - 1, b = WorkRect.Bottom - 3 - 1;
    if (r < l || b < t)
        return;
    p.save();
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
    const auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            p.fillRect(x, y, 1, 1, Qt::black);
    };
    for (int x = l; x <= r; ++x) {
        dot(x, t);
        if (b != t)
            dot(x, b);
    }
    for (int y = t + 1; y < b; ++y) {
        dot(l, y);
        if (r != l)
            dot(r, y);
    }
    p.restore();
}
