// Drawing the button's face: frame, face colour, inner edge, glyph cell, popup mark,
// caption and focus mark, in one of five looks.
#include "qevcustombutton.h"

#include "qevresources.h"
#include "qevsystemcolors.h"

#include <QPainter>
#include <QPaintEvent>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace {

QRect toQRect(int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); }

// A straight run of pixels from (x0, y0) towards (x1, y1), both ends included. The
// dotted pen paints every other pixel, counting on from `step` along the polyline.
void run(QPainter &p, int x0, int y0, int x1, int y1, const QColor &c, bool dotted, int &step)
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
const QImage &markImage()
{
    static const QImage image = qev::loadBitmap(QStringLiteral("Strela")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

// Paints every pixel of `image` that has the colour of its bottom-left pixel in `fill`.
void replaceTransparent(QImage &image, const QColor &fill)
{
    if (image.isNull())
        return;
    const QRgb key = image.pixel(0, image.height() - 1);
    const QRgb with = fill.rgba();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == key)
                line[x] = with;
    }
}

} // namespace

void TQevCustomButton::paintEvent(QPaintEvent *)
{
    // A flat button shows an outline while it sits on a form in the designer.
    if (m_style == stFlat || m_style == stFlatDot)
        NormalFrameWidth = m_inDesigner ? 1 : 0;
    const TLook look = m_lookRequested ? m_requestedLook : lkNormal;
    m_lookRequested = false;
    QPainter p(this);
    DrawFace(p, look);
}

void TQevCustomButton::showLook(TLook look)
{
    // repaint() paints at once, so the look a handler asks for is on screen before the
    // handler goes on; it then stays until anything repaints the button, which draws
    // the normal look again.
    m_requestedLook = look;
    m_lookRequested = true;
    if (isVisible() && updatesEnabled())
        repaint();
    m_lookRequested = false;
}

QColor TQevCustomButton::faceColor() const
{
    return isFramedStyle() ? qev::buttonFace(this) : Color();
}

void TQevCustomButton::DrawFace(QPainter &p, TLook look)
{
    m_lastLook = look;
    ++m_facesDrawn;
    WorkRect = {0, 0, width(), height()};
    const QColor face = faceColor();

    int frame = NormalFrameWidth;
    QColor top = FrameLeftTop;
    QColor bottom = FrameRightBottom;
    switch (look) {
    case lkNormal:
    case lkLeave:
        break;
    case lkHot:
        frame = HotFrameWidth;
        break;
    case lkPressed:
        frame = HotFrameWidth;
        std::swap(top, bottom);
        break;
    case lkAfterPopup:
        frame = (m_style == stFlat || m_style == stNone || m_style == stFlatDot) ? 0
                : (m_style == stRaised || m_style == stRaisedDot)               ? 2
                                                                                : 1;
        break;
    }
    DrawFrame3D(p, WorkRect, top, bottom, frame, DottedFramePen);
    p.fillRect(toQRect(WorkRect.Left, WorkRect.Top, WorkRect.Right, WorkRect.Bottom), face);
    if (m_style == stFrameRaised)
        WorkRect = {WorkRect.Left + 1, WorkRect.Top + 1, WorkRect.Right - 1, WorkRect.Bottom - 1};
    if (isFramedStyle()) {
        // A one-pixel 3-D edge around a middle filled in button face; WorkRect stays.
        TRect edge = WorkRect;
        p.fillRect(toQRect(edge.Left, edge.Top, edge.Right, edge.Bottom), qev::buttonFace(this));
        const QColor light = qev::buttonHighlight(this);
        const QColor dark = qev::buttonShadow(this);
        if (look == lkPressed)
            DrawFrame3D(p, edge, dark, light, 1, false);
        else
            DrawFrame3D(p, edge, light, dark, 1, false);
    }

    if (look == lkHot || look == lkPressed) {
        if (m_glyphHot.isNull())
            DrawGlyph(p);
        else if (!m_glyph.isNull()) {
            if (isEnabled())
                DrawHotGlyph(p);
            else
                DrawGlyph(p);
        }
    } else {
        DrawGlyph(p);
    }
    if (isFramedStyle())
        DrawFocusMark(p);
    DrawCaption(p);
}

void TQevCustomButton::DrawFrame3D(QPainter &p, TRect &r, const QColor &top, const QColor &bottom, int width, bool dotted)
{
    // Two polylines per ring, each leaving out its last point, as a classic 3-D frame:
    // the top-right and bottom-left corners belong to the bottom colour.
    r.Right -= 1;
    r.Bottom -= 1;
    for (int i = 0; i < width; ++i) {
        if (r.Right >= r.Left && r.Bottom >= r.Top) {
            int step = 0;
            if (r.Bottom > r.Top)
                run(p, r.Left, r.Bottom, r.Left, r.Top + 1, top, dotted, step);
            if (r.Right > r.Left)
                run(p, r.Left, r.Top, r.Right - 1, r.Top, top, dotted, step);
            step = 0;
            if (r.Bottom > r.Top)
                run(p, r.Right, r.Top, r.Right, r.Bottom - 1, bottom, dotted, step);
            run(p, r.Right, r.Bottom, r.Left, r.Bottom, bottom, dotted, step);
        }
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
    r.Right += 1;
    r.Bottom += 1;
}

void TQevCustomButton::drawCell(QPainter &p, const QImage &strip, int cells, bool secondCell, bool transparent)
{
    const int cw = strip.width() / cells;
    const int h = strip.height();
    const int sx = secondCell ? strip.width() / 2 : 0;
    // The scratch cell is reused from face to face; it is only reallocated on a new size.
    if (CellBitmap.size() != QSize(cw, h) || CellBitmap.format() != QImage::Format_ARGB32_Premultiplied)
        CellBitmap = QImage(cw, h, QImage::Format_ARGB32_Premultiplied);
    const int copyWidth = std::min(cw, strip.width() - sx);
    for (int y = 0; y < h; ++y)
        std::memcpy(CellBitmap.scanLine(y), strip.constScanLine(y) + std::ptrdiff_t(sx) * 4, std::size_t(copyWidth) * 4);
    PlaceGlyph(cw, h);
    if (transparent) {
        replaceTransparent(CellBitmap, faceColor());
        p.drawImage(GlyphRect.Left, GlyphRect.Top, CellBitmap);
    } else {
        DrawDisabledImage(p, CellBitmap, GlyphRect.Left, GlyphRect.Top);
    }
}

void TQevCustomButton::DrawGlyph(QPainter &p)
{
    if (m_glyph.isNull())
        return;
    const bool second = m_numGlyphs == 2 && !isEnabled();
    drawCell(p, m_glyph, m_numGlyphs, second, isEnabled() || m_numGlyphs == 2);
    DrawPopupMark(p);
}

void TQevCustomButton::DrawHotGlyph(QPainter &p)
{
    if (m_glyphHot.isNull())
        return;
    drawCell(p, m_glyphHot, m_numGlyphsHot, false, true);
    DrawPopupMark(p);
}

void TQevCustomButton::PlaceGlyph(int cw, int ch)
{
    const int L = WorkRect.Left, T = WorkRect.Top;
    const int W = WorkRect.Right - WorkRect.Left, H = WorkRect.Bottom - WorkRect.Top;
    // Measured as stored: an "&" counts although it is not drawn.
    const QFontMetrics fm(font());
    const int tw = fm.horizontalAdvance(m_caption);
    const int th = fm.height();
    const int SL = m_spacingLayout;
    int x = 0, y = 0;
    if (m_caption.isEmpty()) {
        x = L + (W - cw) / 2 - (m_popupMenuMark ? 5 : 0);
        y = T + (H - ch) / 2;
    } else {
        switch (m_layout) {
        case blGlyphLeft:
            x = L + (W - (tw + cw)) / 2 - SL;
            y = T + (H - ch) / 2;
            break;
        case blGlyphBottom:
            x = L + (W - cw) / 2;
            y = T + (H - ch) / 2 + th / 2 + SL;
            break;
        case blGlyphRight:
            x = L + (W - cw + tw) / 2 + SL;
            y = T + (H - ch) / 2;
            break;
        case blGlyphTop:
            x = L + (W - cw) / 2;
            y = T + (H - ch) / 2 - th / 2 - SL;
            break;
        }
    }
    const int p = PressOffset;
    GlyphRect = {x + p, y + p, x + cw + p, y + ch + p};
}

void TQevCustomButton::DrawPopupMark(QPainter &p)
{
    if (m_glyph.isNull() || !m_popupMenuMark)
        return;
    if ((m_layout == blGlyphLeft || m_layout == blGlyphRight) && !m_caption.isEmpty())
        return;
    const QImage &mark = markImage();
    if (mark.isNull())
        return;
    PlaceMark(mark.width(), mark.height());
    if (isEnabled()) {
        QImage copy = mark;
        replaceTransparent(copy, faceColor());
        p.drawImage(MarkRect.Left, MarkRect.Top, copy);
    } else {
        DrawDisabledImage(p, mark, MarkRect.Left, MarkRect.Top);
    }
}

void TQevCustomButton::PlaceMark(int mw, int mh)
{
    const int ym = GlyphRect.Top + ((GlyphRect.Bottom - GlyphRect.Top) - mh) / 2;
    const int xm = CellBitmap.width() + GlyphRect.Left + m_popupMenuMarkGap;
    MarkRect = {xm, ym, xm + mw, ym + mh};
}

void TQevCustomButton::DrawDisabledImage(QPainter &p, const QImage &image, int x, int y)
{
    // The exactly black pixels of the image form the mask; it is painted in highlight
    // one pixel right and down, then in shadow on top: an engraved shape on the face.
    if (MaskBitmap.size() != image.size() || MaskBitmap.format() != QImage::Format_ARGB32_Premultiplied)
        MaskBitmap = QImage(image.size(), QImage::Format_ARGB32_Premultiplied);
    const auto paintMask = [&](const QColor &c, int px, int py) {
        const QRgb on = c.rgba();
        for (int row = 0; row < image.height(); ++row) {
            const auto *src = reinterpret_cast<const QRgb *>(image.constScanLine(row));
            auto *dst = reinterpret_cast<QRgb *>(MaskBitmap.scanLine(row));
            for (int col = 0; col < image.width(); ++col)
                dst[col] = (src[col] & 0x00FFFFFF) == 0 && qAlpha(src[col]) == 255 ? on : 0;
        }
        p.drawImage(px, py, MaskBitmap);
    };
    paintMask(qev::buttonHighlight(this), x + 1, y + 1);
    paintMask(qev::buttonShadow(this), x, y);
}

void TQevCustomButton::DrawCaption(QPainter &p)
{
    p.setFont(font());
    QColor color = qev::fontColor(this);
    if (m_hotTrack && CaptionPlain == 0)
        color = m_hotTrackColor;
    PlaceCaption();
    if (!isEnabled()) {
        DrawDisabledCaption(p);
        color = qev::buttonShadow(this);
    }
    if (m_caption.isEmpty())
        return;
    p.setPen(color);
    p.drawText(toQRect(CaptionRect.Left, CaptionRect.Top, CaptionRect.Right, CaptionRect.Bottom),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextExpandTabs, m_caption);
}

void TQevCustomButton::DrawDisabledCaption(QPainter &p)
{
    if (m_caption.isEmpty())
        return;
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextExpandTabs;
    const QRect r = toQRect(CaptionRect.Left, CaptionRect.Top, CaptionRect.Right, CaptionRect.Bottom);
    p.setFont(font());
    p.setPen(qev::fontColor(this));
    p.drawText(r, flags, m_caption);
    p.setPen(qev::buttonHighlight(this));
    p.drawText(r.translated(1, 1), flags, m_caption);
}

void TQevCustomButton::PlaceCaption()
{
    const int L = WorkRect.Left, T = WorkRect.Top;
    const int W = WorkRect.Right - WorkRect.Left, H = WorkRect.Bottom - WorkRect.Top;
    const QFontMetrics fm(font());
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
    case blGlyphLeft:
        x = gr + S;
        y = gt + ((gb - gt) - th) / 2;
        break;
    case blGlyphBottom:
        x = gl + (gr - gl) / 2 - tw / 2;
        y = gt - 8 - S - th / 2;
        break;
    case blGlyphRight:
        x = gl - tw - S;
        y = gt + ((gb - gt) - th) / 2;
        break;
    case blGlyphTop:
        x = gl + (gr - gl) / 2 - tw / 2;
        y = gb + S;
        break;
    }
    CaptionRect = {x, y, x + tw, y + th};
}

void TQevCustomButton::DrawFocusMark(QPainter &p)
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
