// SPDX-License-Identifier: MIT
// The painter with real fonts: whatever the layout estimated, no ink lands outside its
// label on any preset, and a code is painted in the colours the pages use.
#include "labellayout.h"
#include "labelpainter.h"

#include <QImage>
#include <QTest>

using namespace kolvane;

namespace {

constexpr double PixelsPerMm = 6.0;

// Pixels that are not white and lie outside every cell (grown by a pixel for
// antialiasing).
int InkOutsideCells(const QImage& image, const std::vector<QRectF>& cells)
{
    QImage mask(image.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    for (const QRectF& c : cells) {
        const QRect r(static_cast<int>(c.left() * PixelsPerMm) - 1, static_cast<int>(c.top() * PixelsPerMm) - 1,
                      static_cast<int>(c.width() * PixelsPerMm) + 3, static_cast<int>(c.height() * PixelsPerMm) + 3);
        for (int y = std::max(0, r.top()); y <= std::min(mask.height() - 1, r.bottom()); ++y)
            for (int x = std::max(0, r.left()); x <= std::min(mask.width() - 1, r.right()); ++x)
                mask.scanLine(y)[x] = 255;
    }
    int outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] != qRgb(255, 255, 255) && mask.constScanLine(y)[x] == 0)
                ++outside;
    }
    return outside;
}

// Pixels of one text, painted alone in its label, that fall outside its own box
// (grown by a pixel): a text wider than its box would run into its neighbour.
int InkOutsideBox(const Label& label, const LabelText& text)
{
    QImage image(static_cast<int>(label.cell.width() * PixelsPerMm) + 1,
                 static_cast<int>(label.cell.height() * PixelsPerMm) + 1, QImage::Format_RGB32);
    image.fill(Qt::white);
    LabelPage page;
    Label alone;
    alone.texts.push_back(text);
    page.labels.push_back(alone);
    QPainter painter(&image);
    const QTransform toImage = QTransform::fromTranslate(-label.cell.left(), -label.cell.top()) *
                               QTransform::fromScale(PixelsPerMm, PixelsPerMm);
    PaintLabelPage(painter, page, toImage);
    painter.end();
    const QRectF box = toImage.mapRect(text.box).adjusted(-1, -1, 1, 1);
    int outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255) && !box.contains(QPointF(x + 0.5, y + 0.5)))
                ++outside;
    return outside;
}

} // namespace

class TestLabelPaint : public QObject {
    Q_OBJECT

private slots:
    void inkStaysInItsLabel_data();
    void inkStaysInItsLabel();
    void codeInThePagesColours();
};

void TestLabelPaint::inkStaysInItsLabel_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("fold");
    QTest::addColumn<bool>("capacitor");
    for (const Sheet& s : PresetSheets()) {
        QTest::addRow("%s", qPrintable(s.id)) << s.id << false << false;
        QTest::addRow("%s folded", qPrintable(s.id)) << s.id << true << false;
        QTest::addRow("%s capacitors", qPrintable(s.id)) << s.id << false << true;
    }
}

void TestLabelPaint::inkStaysInItsLabel()
{
    QFETCH(QString, id);
    QFETCH(bool, fold);
    QFETCH(bool, capacitor);
    LabelOptions o;
    o.sheet = *FindPresetSheet(id);
    o.fold = fold;
    o.quantity = capacitor ? Quantity::Capacitance : Quantity::Resistance;
    // The widest texts each kind has: long values, four-digit codes, wide units.
    const LabelValues values = capacitor ? LabelValues{1.5e6, 4.7, 2.2e5, 1e15, 33000.0, 680.0}
                                         : LabelValues{12340.0, 0.47, 4990.0, 1e12, 976000.0, 1.02, 100e6};
    const LabelLayout layout = LayOutLabels(values, o);
    QImage image(static_cast<int>(layout.page.width() * PixelsPerMm),
                 static_cast<int>(layout.page.height() * PixelsPerMm), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintLabelPage(painter, layout.pages.at(0), QTransform::fromScale(PixelsPerMm, PixelsPerMm));
    painter.end();
    std::vector<QRectF> cells;
    for (const Label& l : layout.pages[0].labels)
        cells.push_back(l.cell);
    QCOMPARE(InkOutsideCells(image, cells), 0);
    for (const Label& l : layout.pages[0].labels) {
        for (const LabelText& t : l.texts)
            QVERIFY2(InkOutsideBox(l, t) == 0, qPrintable(t.text));
        for (const BandGroup& g : l.codes)
            for (const LabelText& m : g.marks)
                QVERIFY2(InkOutsideBox(l, m) == 0, qPrintable(m.text));
    }
    // And something was painted in each.
    for (const QRectF& c : cells) {
        const QImage inside = image.copy(QRectF(c.topLeft() * PixelsPerMm, c.size() * PixelsPerMm).toRect());
        bool ink = false;
        for (int y = 0; y < inside.height() && !ink; ++y)
            for (int x = 0; x < inside.width() && !ink; ++x)
                ink = inside.pixel(x, y) != qRgb(255, 255, 255);
        QVERIFY(ink);
    }
}

void TestLabelPaint::codeInThePagesColours()
{
    const std::vector<BandGroup> groups = CodePicture(4700.0, Quantity::Resistance, QSizeF(40, 20));
    QCOMPARE(groups.size(), std::size_t{2}); // 4 and 5 bands
    QImage image(400, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintBandGroup(painter, groups[0], QRectF(image.rect()));
    painter.end();
    // Yellow, violet, red, gold: each band's colour somewhere in the picture.
    for (const BandColour c : {colours::Yellow, colours::Violet, colours::Red, colours::Gold}) {
        const QRgb wanted = ToArgb(c);
        bool found = false;
        for (int y = 0; y < image.height() && !found; ++y)
            for (int x = 0; x < image.width() && !found; ++x)
                found = image.pixel(x, y) == wanted;
        QVERIFY2(found, qPrintable(QString::number(wanted, 16)));
    }
}

QTEST_MAIN(TestLabelPaint)
#include "test_labelpaint.moc"
