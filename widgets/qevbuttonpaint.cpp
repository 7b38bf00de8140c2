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
    m_look = look;
    relayout();
    if (q->isVisible() && q->updatesEnabled())
        q->repaint();
    m_look = lkNormal;
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
    const int normalFrame = flat ? (m_inDesigner ? 1 : 0) : m_normalFrameWidth;
    m_faceFrameWidth = normalFrame;
    m_faceTop = m_frameLeftTop;
    m_faceBottom = m_frameRightBottom;
    switch (m_look) {
    case lkNormal:
    case lkLeave: break;
    case lkHot: m_faceFrameWidth = m_hotFrameWidth; break;
    case lkPressed:
        m_faceFrameWidth = m_hotFrameWidth;
        std::swap(m_faceTop, m_faceBottom);
        break;
    case lkAfterPopup:
        m_faceFrameWidth = (flat || m_style == Q::stNone)                          ? 0
                           : (m_style == Q::stRaised || m_style == Q::stRaisedDot) ? 2
                                                                                   : 1;
        break;
    }
    const int f = m_faceFrameWidth;
    m_faceRect = {f, f, q->width() - f, q->height() - f};
    m_workRect = m_faceRect;
    if (m_style == Q::stFrameRaised)
        m_workRect = {m_workRect.left + 1, m_workRect.top + 1, m_workRect.right - 1, m_workRect.bottom - 1};

    // Under the pointer the hot strip replaces the normal one, unless the button is
    // disabled or has no normal glyph at all.
    m_drawnStrip = nullptr;
    m_markShown = false;
    const bool enabled = q->isEnabled();
    const bool hotLook = m_look == lkHot || m_look == lkPressed;
    if (hotLook && !m_glyphHot.isNull()) {
        if (!m_glyph.isNull() && enabled) {
            m_drawnStrip = &m_glyphHot;
            m_drawnCells = m_numGlyphsHot;
            m_drawnSecondCell = false;
            m_drawnTransparent = true;
        } else if (!m_glyph.isNull()) {
            m_drawnStrip = &m_glyph;
        }
    } else if (!m_glyph.isNull()) {
        m_drawnStrip = &m_glyph;
    }
    if (m_drawnStrip == &m_glyph) {
        m_drawnCells = m_numGlyphs;
        m_drawnSecondCell = m_numGlyphs == 2 && !enabled;
        m_drawnTransparent = enabled || m_numGlyphs == 2;
    }
    if (m_drawnStrip) {
        const int cw = m_drawnStrip->width() / m_drawnCells;
        placeGlyph(cw, m_drawnStrip->height());
        const bool besideCaption = (m_layout == Q::blGlyphLeft || m_layout == Q::blGlyphRight) && !m_caption.isEmpty();
        const QImage& mark = MarkImage();
        if (m_popupMenuMark && !besideCaption && !mark.isNull()) {
            placeMark(cw, mark.width(), mark.height());
            m_markShown = true;
        }
    }
    placeCaption();
}

void TQevCustomButtonPrivate::drawFace(QPainter& p) const
{
    const Q* q = q_func();
    drawFrame3D(p, {0, 0, q->width(), q->height()}, m_faceTop, m_faceBottom, m_faceFrameWidth, m_dottedFramePen);
    p.fillRect(ToQRect(m_faceRect.left, m_faceRect.top, m_faceRect.right, m_faceRect.bottom), faceColor());
    if (isFramedStyle()) {
        // A one-pixel 3-D edge around a middle filled in button face.
        p.fillRect(ToQRect(m_workRect.left, m_workRect.top, m_workRect.right, m_workRect.bottom), qev::ButtonFace(q));
        const QColor light = qev::ButtonHighlight(q);
        const QColor dark = qev::ButtonShadow(q);
        if (m_look == lkPressed)
            drawFrame3D(p, m_workRect, dark, light, 1, false);
        else
            drawFrame3D(p, m_workRect, light, dark, 1, false);
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
    r.right -= 1;
    r.bottom -= 1;
    for (int i = 0; i < width; ++i) {
        if (r.right >= r.left && r.bottom >= r.top) {
            int step = 0;
            if (r.bottom > r.top)
                Run(p, r.left, r.bottom, r.left, r.top + 1, top, dotted, step);
            if (r.right > r.left)
                Run(p, r.left, r.top, r.right - 1, r.top, top, dotted, step);
            step = 0;
            if (r.bottom > r.top)
                Run(p, r.right, r.top, r.right, r.bottom - 1, bottom, dotted, step);
            Run(p, r.right, r.bottom, r.left, r.bottom, bottom, dotted, step);
        }
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
}

void TQevCustomButtonPrivate::drawGlyphCell(QPainter& p) const
{
    if (!m_drawnStrip)
        return;
    const QImage& strip = *m_drawnStrip;
    const int cw = strip.width() / m_drawnCells;
    const int sx = m_drawnSecondCell ? strip.width() / 2 : 0;
    QImage cell = strip.copy(sx, 0, cw, strip.height());
    if (m_drawnTransparent) {
        ReplaceTransparent(cell, faceColor());
        p.drawImage(m_glyphRect.left, m_glyphRect.top, cell);
    } else {
        drawDisabledImage(p, cell, m_glyphRect.left, m_glyphRect.top);
    }
    if (!m_markShown)
        return;
    if (q_func()->isEnabled()) {
        QImage copy = MarkImage();
        ReplaceTransparent(copy, faceColor());
        p.drawImage(m_markRect.left, m_markRect.top, copy);
    } else {
        drawDisabledImage(p, MarkImage(), m_markRect.left, m_markRect.top);
    }
}

void TQevCustomButtonPrivate::placeGlyph(int cw, int ch)
{
    const int L = m_workRect.left, T = m_workRect.top;
    const int W = m_workRect.right - m_workRect.left, H = m_workRect.bottom - m_workRect.top;
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
    const int p = m_pressOffset;
    m_glyphRect = {x + p, y + p, x + cw + p, y + ch + p};
}

void TQevCustomButtonPrivate::placeMark(int cw, int mw, int mh)
{
    const int ym = m_glyphRect.top + ((m_glyphRect.bottom - m_glyphRect.top) - mh) / 2;
    const int xm = cw + m_glyphRect.left + m_popupMenuMarkGap;
    m_markRect = {xm, ym, xm + mw, ym + mh};
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
    if (m_hotTrack && m_captionPlain == 0)
        color = m_hotTrackColor;
    if (!q->isEnabled()) {
        drawDisabledCaption(p);
        color = qev::ButtonShadow(q);
    }
    if (m_caption.isEmpty())
        return;
    p.setPen(color);
    p.drawText(ToQRect(m_captionRect.left, m_captionRect.top, m_captionRect.right, m_captionRect.bottom),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextExpandTabs, m_caption);
}

void TQevCustomButtonPrivate::drawDisabledCaption(QPainter& p) const
{
    if (m_caption.isEmpty())
        return;
    const Q* q = q_func();
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextExpandTabs;
    const QRect r = ToQRect(m_captionRect.left, m_captionRect.top, m_captionRect.right, m_captionRect.bottom);
    p.setFont(q->font());
    p.setPen(qev::FontColor(q));
    p.drawText(r, flags, m_caption);
    p.setPen(qev::ButtonHighlight(q));
    p.drawText(r.translated(1, 1), flags, m_caption);
}

void TQevCustomButtonPrivate::placeCaption()
{
    const int L = m_workRect.left, T = m_workRect.top;
    const int W = m_workRect.right - m_workRect.left, H = m_workRect.bottom - m_workRect.top;
    const QFontMetrics fm(q_func()->font());
    const int tw = fm.horizontalAdvance(m_caption);
    const int th = fm.height();
    const int S = m_spacing;
    const int gl = m_glyphRect.left, gt = m_glyphRect.top, gr = m_glyphRect.right, gb = m_glyphRect.bottom;
    if (m_glyph.isNull()) {
        const int x = L + (W - tw) / 2;
        const int y = T + (H - th) / 2;
        const int p = m_pressOffset;
        m_captionRect = {x + p, y + p, x + tw + p, y + th + p};
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
    m_captionRect = {x, y, x + tw, y + th};
}

void TQevCustomButtonPrivate::drawFocusMark(QPainter& p) const
{
    if (!isFramedStyle() || !m_showFocused || !m_focusShown)
        return;
    // A dotted rectangle drawn by inverting every other pixel, so it shows on any face.
    const int l = m_workRect.left + 3, t = m_workRect.top + 3, r = m_workRect.right - 3 - 1,
              b = m_workRect.bottom - 3 - 1;
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
