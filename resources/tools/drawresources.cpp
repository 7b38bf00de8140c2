// SPDX-License-Identifier: MIT
// Draws the program's pictures: the four circuit diagrams of the series and parallel
// pages (JPEG, written with libjpeg), the About picture with the version it is given,
// and the program icon: the window icon (PNG) and the desktop's icon theme set, every
// size as a PNG and one SVG. Run it after changing a drawing or the version, and commit
// what it writes (the draw_resources target does both):
//   drawresources <resources folder> v<project version>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <jpeglib.h>

#include <functional>
#include <iostream>

namespace {

const QColor kFrameBlue(0, 0, 128);
const QColor kWire(0, 0, 0);
const QColor kResistorYellow(255, 255, 0);

constexpr int kDiagramWidth = 164;
constexpr int kDiagramHeight = 78;
constexpr int kMidY = kDiagramHeight / 2;

bool WriteJpeg(const QImage& source, const QString& path)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    // Full-resolution colour: the yellow boxes and the one-pixel frame stay crisp.
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

// White ground and the thin dark-blue frame around the whole picture.
QImage DiagramCanvas()
{
    QImage image(kDiagramWidth, kDiagramHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(kFrameBlue, 1));
    p.drawRect(0, 0, kDiagramWidth - 1, kDiagramHeight - 1);
    return image;
}

QPen WirePen()
{
    QPen pen(kWire, 2);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// An open terminal circle at each end of a circuit.
void Terminal(QPainter& p, int x, int y)
{
    p.setPen(QPen(kWire, 1.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x, y), 3.5, 3.5);
}

// A filled junction dot where branches meet.
void Junction(QPainter& p, int x, int y)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kWire);
    p.drawEllipse(QPointF(x, y), 3.5, 3.5);
}

// A resistor box centred on (cx, y), on a horizontal wire.
void Resistor(QPainter& p, int cx, int y)
{
    const QRect box(cx - 17, y - 7, 34, 14);
    p.setPen(QPen(kWire, 1.5));
    p.setBrush(kResistorYellow);
    p.drawRect(box);
}

// A capacitor (two plates) centred on (cx, y): the wire stops at the gap.
void Capacitor(QPainter& p, int cx, int y)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(cx - 3, y - 2, 6, 4);
    p.setBrush(kWire);
    p.drawRect(cx - 7, y - 13, 4, 26);
    p.drawRect(cx + 3, y - 13, 4, 26);
}

void Wire(QPainter& p, int x1, int y1, int x2, int y2)
{
    p.setPen(WirePen());
    p.drawLine(x1, y1, x2, y2);
}

using Element = std::function<void(QPainter&, int, int)>;

// Two elements one after the other on a single line.
QImage SeriesDiagram(const Element& element)
{
    QImage image = DiagramCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Wire(p, 14, kMidY, 150, kMidY);
    element(p, 58, kMidY);
    element(p, 106, kMidY);
    Terminal(p, 12, kMidY);
    Terminal(p, 152, kMidY);
    return image;
}

// Two elements on two branches, joined by a dot at either end.
QImage ParallelDiagram(const Element& element)
{
    constexpr int left = 42, right = 122, top = 20, bottom = 58;
    QImage image = DiagramCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Wire(p, 14, kMidY, left, kMidY);
    Wire(p, right, kMidY, 150, kMidY);
    Wire(p, left, top, left, bottom);
    Wire(p, right, top, right, bottom);
    Wire(p, left - 1, top, right + 1, top);
    Wire(p, left - 1, bottom, right + 1, bottom);
    element(p, (left + right) / 2, top);
    element(p, (left + right) / 2, bottom);
    Junction(p, left, kMidY);
    Junction(p, right, kMidY);
    Terminal(p, 12, kMidY);
    Terminal(p, 152, kMidY);
    return image;
}

// Our maker's mark: a navy roundel crossed by a resistor with colour bands.
void MakerMark(QPainter& p, const QRectF& area)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawEllipse(area);
    const QPointF c = area.center();
    const qreal r = area.width() / 2;
    p.setPen(QPen(QColor(230, 230, 230), r * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - r * 0.85, c.y()), QPointF(c.x() + r * 0.85, c.y()));
    const QRectF body(c.x() - r * 0.5, c.y() - r * 0.22, r, r * 0.44);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 214, 160));
    p.drawRoundedRect(body, r * 0.1, r * 0.1);
    const QColor bands[] = {QColor(255, 140, 0), QColor(128, 0, 128), QColor(200, 0, 0), QColor(212, 175, 55)};
    for (int i = 0; i < 4; ++i) {
        const qreal x = body.left() + body.width() * (0.14 + 0.21 * i);
        p.setBrush(bands[i]);
        p.drawRect(QRectF(x, body.top(), body.width() * 0.1, body.height()));
    }
}

// One line of the About picture's text, left-aligned in its box.
void WriteText(QPainter& p, int pixelSize, bool bold, const QColor& colour, const QRectF& box, const QString& text)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

QImage AboutPicture(const QString& version)
{
    // 24-bit colour, white ground; only the top-left 205 × 194 pixels show in the
    // dialog, and the link labels sit from y = 120, so the drawing stays above.
    QImage image(219, 221, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    MakerMark(p, QRectF(10, 10, 46, 46));

    WriteText(p, 15, true, QColor(0, 0, 128), QRectF(64, 14, 140, 20), QStringLiteral("Tarnwick Ltd."));
    WriteText(p, 10, false, QColor(90, 90, 90), QRectF(64, 34, 140, 16), QStringLiteral("electronics tools"));

    p.setPen(QPen(QColor(0, 0, 128), 1));
    p.drawLine(QPointF(10, 66.5), QPointF(195, 66.5));

    WriteText(p, 26, true, QColor(128, 0, 0), QRectF(10, 70, 185, 32), QStringLiteral("Kolvane"));
    WriteText(p, 12, false, Qt::black, QRectF(10, 100, 185, 16), version);
    return image;
}

// The program icon, described once on a 32 × 32 grid. Every PNG size and the SVG are
// drawn from this one description, so a desktop shows the same picture at any size;
// at 32 pixels it is the window icon.
constexpr int kIconGrid = 32;

struct IconLine {
    QPointF from;
    QPointF to;
    QColor colour;
    qreal width;
};

struct IconBox {
    QRectF rect;
    qreal radius; // 0: square corners
    QColor fill;
    QColor edge; // invalid: no edge
    qreal edgeWidth;
};

// A resistor on its lead: yellow, violet, red, gold (4.7 kOhm, 5 %).
const IconLine kIconLead{QPointF(1, 16), QPointF(31, 16), QColor(90, 90, 90), 2};
const IconBox kIconBody{QRectF(6.5, 9.5, 19, 13), 3, QColor(236, 214, 160), QColor(120, 90, 40), 1};
const IconBox kIconBands[] = {
    {QRectF(9, 10, 2.5, 12), 0, QColor(255, 255, 0), QColor(), 0},
    {QRectF(13, 10, 2.5, 12), 0, QColor(128, 0, 128), QColor(), 0},
    {QRectF(17, 10, 2.5, 12), 0, QColor(255, 0, 0), QColor(), 0},
    {QRectF(22, 10, 2.5, 12), 0, QColor(212, 175, 55), QColor(), 0},
};

// The sizes of the hicolor theme that desktops ask for.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

void PaintIconBox(QPainter& p, const IconBox& box)
{
    if (box.edge.isValid())
        p.setPen(QPen(box.edge, box.edgeWidth));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(box.fill);
    if (box.radius > 0)
        p.drawRoundedRect(box.rect, box.radius, box.radius);
    else
        p.drawRect(box.rect);
}

QImage ProgramIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Pens scale with the drawing: a thicker lead and edge on a bigger icon.
    p.scale(qreal(size) / kIconGrid, qreal(size) / kIconGrid);
    // QPen's default square cap: the lead reaches the icon's edges.
    p.setPen(QPen(kIconLead.colour, kIconLead.width));
    p.drawLine(kIconLead.from, kIconLead.to);
    PaintIconBox(p, kIconBody);
    for (const IconBox& band : kIconBands)
        PaintIconBox(p, band);
    return image;
}

QString SvgNumber(qreal value)
{
    return QString::number(value, 'g', 6);
}

QString SvgBox(const IconBox& box)
{
    QString element = QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"")
                          .arg(SvgNumber(box.rect.x()), SvgNumber(box.rect.y()), SvgNumber(box.rect.width()),
                               SvgNumber(box.rect.height()));
    if (box.radius > 0)
        element += QStringLiteral(" rx=\"%1\" ry=\"%1\"").arg(SvgNumber(box.radius));
    element += QStringLiteral(" fill=\"%1\"").arg(box.fill.name());
    if (box.edge.isValid())
        element += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"").arg(box.edge.name(), SvgNumber(box.edgeWidth));
    return element + QStringLiteral("/>\n");
}

// The scalable icon: the same description in SVG, in the same order and grid.
QByteArray ProgramIconSvg()
{
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<!-- SPDX-License-Identifier: MIT -->\n"
                                 "<!-- Written by drawresources; edit the drawing there. -->\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                 "viewBox=\"0 0 %1 %1\">\n")
                      .arg(kIconGrid);
    svg += QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" stroke-width=\"%6\" "
                          "stroke-linecap=\"square\"/>\n")
               .arg(SvgNumber(kIconLead.from.x()), SvgNumber(kIconLead.from.y()), SvgNumber(kIconLead.to.x()),
                    SvgNumber(kIconLead.to.y()), kIconLead.colour.name(), SvgNumber(kIconLead.width));
    svg += SvgBox(kIconBody);
    for (const IconBox& band : kIconBands)
        svg += SvgBox(band);
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

bool WriteFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(contents) == contents.size() &&
           file.flush();
}

// The icon theme's own layout, so that installing the icons is copying the folder.
bool WriteIcons(const QDir& out)
{
    const QString name = QStringLiteral("/example.tarnwick.Kolvane");
    bool ok = true;
    for (const int size : kIconSizes) {
        const QString folder = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
        ok &= out.mkpath(folder);
        ok &= ProgramIcon(size).save(out.filePath(folder + name + QStringLiteral(".png")), "PNG");
    }
    const QString folder = QStringLiteral("icons/hicolor/scalable/apps");
    ok &= out.mkpath(folder);
    ok &= WriteFile(out.filePath(folder + name + QStringLiteral(".svg")), ProgramIconSvg());
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: drawresources <resources folder> <v followed by the project version>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("diagrams"))) {
        std::cerr << "cannot create the diagrams folder\n";
        return 1;
    }
    bool ok = true;
    ok &= WriteJpeg(SeriesDiagram(Resistor), out.filePath(QStringLiteral("diagrams/resistors-series.jpg")));
    ok &= WriteJpeg(ParallelDiagram(Resistor), out.filePath(QStringLiteral("diagrams/resistors-parallel.jpg")));
    ok &= WriteJpeg(SeriesDiagram(Capacitor), out.filePath(QStringLiteral("diagrams/capacitors-series.jpg")));
    ok &= WriteJpeg(ParallelDiagram(Capacitor), out.filePath(QStringLiteral("diagrams/capacitors-parallel.jpg")));
    ok &= AboutPicture(QString::fromLocal8Bit(argv[2])).save(out.filePath(QStringLiteral("about.png")), "PNG");
    ok &= ProgramIcon(kIconGrid).save(out.filePath(QStringLiteral("kolvane.png")), "PNG");
    ok &= WriteIcons(out);
    if (!ok)
        std::cerr << "writing a picture failed\n";
    return ok ? 0 : 1;
}
