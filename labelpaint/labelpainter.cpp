// SPDX-License-Identifier: MIT
#include "labelpainter.h"

#include <QFontMetricsF>
#include <QIODevice>
#include <QPageSize>
#include <QPdfWriter>

#include <cmath>

namespace kolvane {

namespace {

// Painting happens in hundredths of a millimetre: fonts take whole pixel sizes, and a
// hundredth keeps the sizes the layout asks for.
constexpr double Units = 100.0;

QRectF Scaled(const QRectF& r)
{
    return {r.x() * Units, r.y() * Units, r.width() * Units, r.height() * Units};
}

QColor ColourOf(BandColour c)
{
    return QColor::fromRgb(ToArgb(c));
}

// The layout sized the text by an estimate; the real font decides. A text wider than
// its box is set smaller, never cut and never spilling into its neighbour.
void PaintText(QPainter& painter, const LabelText& t)
{
    QFont font(LabelFontFamily());
    font.setBold(t.bold);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(t.size * Units))));
    const QRectF box = Scaled(t.box);
    const double width = QFontMetricsF(font).horizontalAdvance(t.text);
    if (width > box.width() && width > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::floor(font.pixelSize() * box.width() / width))));
    painter.setFont(font);
    painter.setPen(Qt::black);
    if (!t.turned) {
        painter.drawText(box, Qt::AlignCenter | Qt::TextDontClip, t.text);
        return;
    }
    painter.save();
    painter.translate(box.center());
    painter.rotate(180);
    painter.drawText(QRectF(-box.width() / 2, -box.height() / 2, box.width(), box.height()),
                     Qt::AlignCenter | Qt::TextDontClip, t.text);
    painter.restore();
}

void PaintCode(QPainter& painter, const BandGroup& g)
{
    const QRectF body = Scaled(g.body);
    const double radius = body.height() * 0.3;
    painter.setPen(QPen(Qt::black, 0.15 * Units));
    painter.setBrush(QColor(0xe8, 0xd7, 0xb0));
    painter.drawRoundedRect(body, radius, radius);
    painter.setPen(QPen(Qt::black, 0.08 * Units));
    for (const Band& b : g.bands) {
        painter.setBrush(ColourOf(b.colour));
        painter.drawRect(Scaled(b.rect));
    }
    painter.setBrush(Qt::NoBrush);
    for (const LabelText& m : g.marks)
        PaintText(painter, m);
}

void PaintOutline(QPainter& painter, const QRectF& r)
{
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 0.1 * Units));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(Scaled(r));
}

} // namespace

QString LabelFontFamily()
{
    return QStringLiteral("DejaVu Sans");
}

void PaintLabelPage(QPainter& painter, const LabelPage& page, const QTransform& paperToDevice)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setWorldTransform(QTransform::fromScale(1.0 / Units, 1.0 / Units) * paperToDevice, true);
    for (const Label& label : page.labels) {
        if (label.outline)
            PaintOutline(painter, label.cell);
        for (const BandGroup& g : label.codes)
            PaintCode(painter, g);
        for (const LabelText& t : label.texts)
            PaintText(painter, t);
    }
    for (const QRectF& r : page.outlines)
        PaintOutline(painter, r);
    painter.setPen(QPen(Qt::black, 0.1 * Units));
    for (const QLineF& l : page.lines)
        painter.drawLine(QLineF(l.p1() * Units, l.p2() * Units));
    for (const LabelText& t : page.texts)
        PaintText(painter, t);
    painter.restore();
}

QTransform FitPaper(const QSizeF& paperMm, const QRectF& target)
{
    if (paperMm.isEmpty() || target.isEmpty())
        return {};
    const double scale = std::min(target.width() / paperMm.width(), target.height() / paperMm.height());
    const double x = target.left() + (target.width() - paperMm.width() * scale) / 2;
    const double y = target.top() + (target.height() - paperMm.height() * scale) / 2;
    return QTransform(scale, 0, 0, scale, x, y);
}

void PaintBandGroup(QPainter& painter, const BandGroup& group, const QRectF& target)
{
    // The group's own extent: the body above, its marks below.
    QRectF extent = group.body;
    for (const LabelText& m : group.marks)
        extent = extent.united(m.box);
    const QTransform fit = FitPaper(extent.size(), target);
    LabelPage page;
    Label label;
    BandGroup moved = group;
    const QPointF shift = -extent.topLeft();
    moved.body.translate(shift);
    for (Band& b : moved.bands)
        b.rect.translate(shift);
    for (LabelText& m : moved.marks)
        m.box.translate(shift);
    label.codes.push_back(std::move(moved));
    page.labels.push_back(std::move(label));
    PaintLabelPage(painter, page, fit);
}

bool PaintLabelPages(QPagedPaintDevice& device, const LabelLayout& layout)
{
    // Positions are measured from the paper's corner: no margins.
    device.setPageLayout(QPageLayout(QPageSize(layout.page, QPageSize::Millimeter), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QTransform paperToDevice = QTransform::fromScale(device.logicalDpiX() / 25.4, device.logicalDpiY() / 25.4);
    for (std::size_t i = 0; i < layout.pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        PaintLabelPage(painter, layout.pages[i], paperToDevice);
    }
    return painter.end();
}

bool WriteLabelPdf(const LabelLayout& layout, QIODevice& device, const QString& title)
{
    QPdfWriter writer(&device);
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("Kolvane"));
    writer.setTitle(title.isEmpty() ? QStringLiteral("Kolvane labels") : title);
    return PaintLabelPages(writer, layout);
}

} // namespace kolvane
