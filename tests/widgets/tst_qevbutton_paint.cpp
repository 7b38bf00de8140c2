// SPDX-License-Identifier: MIT
// The button's faces, pixel by pixel: frames in each style and look, glyph and caption
// positions from the layout formulas, the popup mark, disabled drawing, focus mark.
#include "probe.h"

#include <QTest>

#include <functional>

using B = TQevCustomButton;
namespace tc = testcolors;

namespace {

const QColor kGreen(0, 160, 0);
const QColor kRed(200, 0, 0);

// An 18x18 glyph: magenta background (its bottom-left pixel), a square of `fill` at 1..16.
QPixmap squareGlyph(const QColor& fill, int w = 18, int h = 18)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x)
            img.setPixelColor(x, y, fill);
    return QPixmap::fromImage(img);
}

QColor at(const QImage& img, int x, int y)
{
    return img.pixelColor(x, y);
}

// Bounding box of the pixels that match.
QRect box(const QImage& img, const std::function<bool(QColor)>& match)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (match(img.pixelColor(x, y)))
                r |= QRect(x, y, 1, 1);
    return r;
}

bool isBlueish(QColor c)
{
    return c.blue() > 180 && c.red() < 80 && c.green() < 80;
}
bool isDarkText(QColor c)
{
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

// A fixed face and pixel size, so the caption's size is the same on every machine.
QFont CaptionFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    return font;
}

QRect toRect(const Probe::TRect& r)
{
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

} // namespace

class TestPaint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { tc::install(); }

    void flatNormalHasNoFrameAndCentresCaption()
    {
        QWidget parent;
        Probe b(&parent);
        b.setCaption(QStringLiteral("OK"));
        b.setFont(CaptionFont());
        const QFontMetrics fm(b.font());
        QVERIFY2(fm.horizontalAdvance(QStringLiteral("OK")) == 17 && fm.height() == 14,
                 "the rectangle below assumes \"OK\" is 17×14 pixels in DejaVu Sans at 12 pixels");
        const QImage img = b.face(Probe::lkNormal);
        for (QPoint p : {QPoint(0, 0), QPoint(74, 0), QPoint(0, 24), QPoint(74, 24), QPoint(37, 0)})
            QCOMPARE(at(img, p.x(), p.y()), tc::parentBack);
        // Centred in the 75×25 face: ((75 − 17) div 2, (25 − 14) div 2).
        const QRect expected(29, 5, 17, 14);
        QCOMPARE(toRect(b.CaptionRect), expected);
        const QRect ink = box(img, [](QColor c) { return c != tc::parentBack; });
        QVERIFY(!ink.isEmpty());
        QVERIFY2(expected.contains(ink), "the caption is drawn inside its rectangle");
        QVERIFY(ink.bottom() < 25);
    }

    void flatHotAndPressed()
    {
        QWidget parent;
        Probe b(&parent);
        b.setCaption(QStringLiteral("OK"));
        const QImage hot = b.face(Probe::lkHot);
        // Top and left in highlight, bottom and right in shadow; the shadow owns the
        // top-right and bottom-left corners.
        QCOMPARE(at(hot, 0, 0), tc::light);
        QCOMPARE(at(hot, 73, 0), tc::light);
        QCOMPARE(at(hot, 0, 23), tc::light);
        QCOMPARE(at(hot, 74, 0), tc::dark);
        QCOMPARE(at(hot, 0, 24), tc::dark);
        QCOMPARE(at(hot, 74, 24), tc::dark);
        QCOMPARE(at(hot, 1, 1), tc::parentBack);
        const QRect hotInk = box(hot, isBlueish);
        QVERIFY2(!hotInk.isEmpty(), "the hot caption is blue");
        QVERIFY(box(hot, isDarkText).isEmpty());

        const QImage pressed = b.face(Probe::lkPressed);
        QCOMPARE(at(pressed, 0, 0), tc::dark);
        QCOMPARE(at(pressed, 0, 23), tc::dark);
        QCOMPARE(at(pressed, 74, 24), tc::light);
        QCOMPARE(at(pressed, 74, 0), tc::light);
        QCOMPARE(box(pressed, isBlueish), hotInk.translated(1, 1));
    }

    void frameWidthPerLook_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("look");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("swapped");
        const struct {
            const char* name;
            B::TStyle style;
            int widths[4]; // normal, hot, pressed, after-popup
        } styles[] = {{"Flat", B::stFlat, {0, 1, 1, 0}},
                      {"None", B::stNone, {0, 0, 0, 0}},
                      {"Raised", B::stRaised, {2, 2, 2, 2}}};
        const struct {
            const char* name;
            Probe::TLook look;
        } looks[] = {{"normal", Probe::lkNormal},
                     {"hot", Probe::lkHot},
                     {"pressed", Probe::lkPressed},
                     {"afterPopup", Probe::lkAfterPopup}};
        for (const auto& s : styles)
            for (int l = 0; l < 4; ++l)
                QTest::addRow("%s %s", s.name, looks[l].name)
                    << int(s.style) << int(looks[l].look) << s.widths[l] << (looks[l].look == Probe::lkPressed);
    }

    void frameWidthPerLook()
    {
        QFETCH(int, style);
        QFETCH(int, look);
        QFETCH(int, width);
        QFETCH(bool, swapped);
        QWidget parent;
        Probe b(&parent);
        b.setButtonStyle(B::TStyle(style));
        const QImage img = b.face(Probe::TLook(look));
        const QColor top = swapped ? tc::dark : tc::light;
        const QColor bottom = swapped ? tc::light : tc::dark;
        for (int i = 0; i < width; ++i) {
            QCOMPARE(at(img, i, 12), top);
            QCOMPARE(at(img, 37, i), top);
            QCOMPARE(at(img, 74 - i, 12), bottom);
            QCOMPARE(at(img, 37, 24 - i), bottom);
        }
        QCOMPARE(at(img, width, 12), tc::parentBack);
        QCOMPARE(at(img, 74 - width, 12), tc::parentBack);
    }

    void frameRaisedHasRingAndInnerEdge()
    {
        Probe b;
        b.setButtonStyle(B::stFrameRaised);
        const QImage normal = b.face(Probe::lkNormal);
        QCOMPARE(at(normal, 0, 12), tc::light); // frame
        QCOMPARE(at(normal, 74, 12), tc::dark);
        QCOMPARE(at(normal, 1, 12), tc::face); // ring in button face
        QCOMPARE(at(normal, 73, 12), tc::face);
        QCOMPARE(at(normal, 2, 12), tc::light); // raised inner edge
        QCOMPARE(at(normal, 37, 2), tc::light);
        QCOMPARE(at(normal, 72, 12), tc::dark);
        QCOMPARE(at(normal, 37, 22), tc::dark);
        QCOMPARE(at(normal, 3, 12), tc::face); // middle

        const QImage pressed = b.face(Probe::lkPressed);
        QCOMPARE(at(pressed, 0, 12), tc::dark);
        QCOMPARE(at(pressed, 1, 12), tc::face);
        QCOMPARE(at(pressed, 2, 12), tc::dark); // sunken inner edge
        QCOMPARE(at(pressed, 72, 12), tc::light);

        b.setButtonStyle(B::stDefault); // black bottom, the edge right inside the frame
        const QImage hot = b.face(Probe::lkHot);
        QCOMPARE(at(hot, 74, 12), QColor(Qt::black));
        QCOMPARE(at(hot, 1, 12), tc::light);
        QCOMPARE(at(hot, 73, 12), tc::dark);
    }

    void dottedFrameAlternates()
    {
        QWidget parent;
        Probe b(&parent);
        b.setButtonStyle(B::stRaisedDot);
        const QImage img = b.face(Probe::lkNormal);
        int lit = 0;
        for (int x = 1; x < 72; ++x) {
            QVERIFY2(at(img, x, 0) != at(img, x + 1, 0), "dots alternate along the top");
            lit += at(img, x, 0) == tc::light;
        }
        QVERIFY(lit > 30);
    }

    // Worked out by hand from the layout rules for an 18×18 glyph, the caption "Go" in
    // CaptionFont() (17×14 pixels), Spacing 4, Margin 3 and the flat style's frame
    // (none in the normal look, one pixel otherwise; pressed moves the glyph by one).
    void glyphAndCaptionPlacement_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("look");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("glyph");
        QTest::addColumn<QRect>("caption");
        // clang-format off
        QTest::newRow("left normal") << int(B::blGlyphLeft) << int(Probe::lkNormal) << QSize(75, 25) << QRect(17, 3, 18, 18) << QRect(39, 5, 17, 14);
        QTest::newRow("left hot") << int(B::blGlyphLeft) << int(Probe::lkHot) << QSize(75, 25) << QRect(17, 3, 18, 18) << QRect(39, 5, 17, 14);
        QTest::newRow("left pressed") << int(B::blGlyphLeft) << int(Probe::lkPressed) << QSize(75, 25) << QRect(18, 4, 18, 18) << QRect(40, 6, 17, 14);
        QTest::newRow("bottom normal") << int(B::blGlyphBottom) << int(Probe::lkNormal) << QSize(75, 60) << QRect(28, 31, 18, 18) << QRect(29, 12, 17, 14);
        QTest::newRow("bottom hot") << int(B::blGlyphBottom) << int(Probe::lkHot) << QSize(75, 60) << QRect(28, 31, 18, 18) << QRect(29, 12, 17, 14);
        QTest::newRow("bottom pressed") << int(B::blGlyphBottom) << int(Probe::lkPressed) << QSize(75, 60) << QRect(29, 32, 18, 18) << QRect(30, 13, 17, 14);
        QTest::newRow("right normal") << int(B::blGlyphRight) << int(Probe::lkNormal) << QSize(75, 25) << QRect(40, 3, 18, 18) << QRect(19, 5, 17, 14);
        QTest::newRow("right hot") << int(B::blGlyphRight) << int(Probe::lkHot) << QSize(75, 25) << QRect(40, 3, 18, 18) << QRect(19, 5, 17, 14);
        QTest::newRow("right pressed") << int(B::blGlyphRight) << int(Probe::lkPressed) << QSize(75, 25) << QRect(41, 4, 18, 18) << QRect(20, 6, 17, 14);
        QTest::newRow("top normal") << int(B::blGlyphTop) << int(Probe::lkNormal) << QSize(75, 60) << QRect(28, 11, 18, 18) << QRect(29, 33, 17, 14);
        QTest::newRow("top hot") << int(B::blGlyphTop) << int(Probe::lkHot) << QSize(75, 60) << QRect(28, 11, 18, 18) << QRect(29, 33, 17, 14);
        QTest::newRow("top pressed") << int(B::blGlyphTop) << int(Probe::lkPressed) << QSize(75, 60) << QRect(29, 12, 18, 18) << QRect(30, 34, 17, 14);
        // clang-format on
    }

    void glyphAndCaptionPlacement()
    {
        QFETCH(int, layout);
        QFETCH(int, look);
        QFETCH(QSize, size);
        QFETCH(QRect, glyph);
        QFETCH(QRect, caption);
        QWidget parent;
        Probe b(&parent);
        b.resize(size);
        b.setGlyph(squareGlyph(kGreen));
        b.setCaption(QStringLiteral("Go"));
        b.setLayout(B::TLayout(layout));
        b.setFont(CaptionFont());
        const QFontMetrics fm(b.font());
        QVERIFY2(fm.horizontalAdvance(QStringLiteral("Go")) == 17 && fm.height() == 14,
                 "the rows assume \"Go\" is 17×14 pixels in DejaVu Sans at 12 pixels");
        const QImage img = b.face(Probe::TLook(look));

        QCOMPARE(toRect(b.GlyphRect), glyph);
        // The square starts one pixel in; the magenta border became the face colour.
        const int x = glyph.x(), y = glyph.y();
        QCOMPARE(at(img, x + 1, y + 1), kGreen);
        QCOMPARE(at(img, x + 16, y + 16), kGreen);
        QCOMPARE(at(img, x, y + 1), tc::parentBack);
        QCOMPARE(at(img, x + 1, y), tc::parentBack);
        QCOMPARE(at(img, x + 17, y + 17), tc::parentBack);

        QCOMPARE(toRect(b.CaptionRect), caption);
        const QRect ink =
            box(img, [](QColor c) { return c != tc::parentBack && c != kGreen && c != tc::light && c != tc::dark; });
        QVERIFY(!ink.isEmpty());
        QVERIFY2(caption.contains(ink), "caption drawn only inside its rectangle");
    }

    void hotGlyphWhenAvailable()
    {
        QWidget parent;
        Probe b(&parent);
        b.setGlyph(squareGlyph(kGreen));
        b.setGlyphHot(squareGlyph(kRed));
        const int x = (75 - 18) / 2, y = (25 - 18) / 2;
        QCOMPARE(at(b.face(Probe::lkNormal), x + 5, y + 5), kGreen);
        QCOMPARE(at(b.face(Probe::lkAfterPopup), x + 5, y + 5), kGreen);
        QCOMPARE(at(b.face(Probe::lkHot), x + 5, y + 5), kRed);
        QCOMPARE(at(b.face(Probe::lkPressed), x + 6, y + 6), kRed);

        // A hot glyph alone is never drawn.
        Probe hotOnly(&parent);
        hotOnly.setGlyphHot(squareGlyph(kRed));
        const QImage img = hotOnly.face(Probe::lkHot);
        QVERIFY(box(img, [](QColor c) { return c == kRed; }).isEmpty());
    }

    void popupMark_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("glyph alone") << int(B::blGlyphLeft) << QString() << true;
        QTest::newRow("left with caption") << int(B::blGlyphLeft) << QStringLiteral("Go") << false;
        QTest::newRow("right with caption") << int(B::blGlyphRight) << QStringLiteral("Go") << false;
        QTest::newRow("top with caption") << int(B::blGlyphTop) << QStringLiteral("Go") << true;
        QTest::newRow("bottom with caption") << int(B::blGlyphBottom) << QStringLiteral("Go") << true;
    }

    void popupMark()
    {
        QFETCH(int, layout);
        QFETCH(QString, caption);
        QFETCH(bool, drawn);
        QWidget parent;
        Probe b(&parent);
        b.resize(75, 60);
        b.setGlyph(squareGlyph(kGreen));
        b.setCaption(caption);
        b.setLayout(B::TLayout(layout));
        b.setPopupMenuMark(true);
        b.setHotTrack(true);
        // In the hot look the caption is blue, so black pixels can only be the arrow.
        const QImage img = b.face(Probe::lkHot);
        const QRect black = box(img, [](QColor c) { return c == QColor(Qt::black); });
        if (!drawn) {
            QVERIFY(black.isEmpty());
            return;
        }
        const QRect g = toRect(b.GlyphRect);
        if (caption.isEmpty())
            QCOMPARE(g.left(), 1 + (73 - 18) / 2 - 5);
        const int xm = 18 + g.left() + 5;
        const int ym = g.top() + (18 - 3) / 2;
        QCOMPARE(toRect(b.MarkRect), QRect(xm, ym, 5, 3));
        // Our arrow: five pixels, then three, then one, all black.
        QCOMPARE(black, QRect(xm, ym, 5, 3));
        QCOMPARE(at(img, xm, ym + 1), tc::parentBack);
        QCOMPARE(at(img, xm + 2, ym + 2), QColor(Qt::black));
    }

    void disabledGlyphs()
    {
        QWidget parent;
        Probe b(&parent);
        // A two-cell strip: green cell, then red cell.
        QImage strip(36, 18, QImage::Format_RGB32);
        strip.fill(Qt::magenta);
        for (int y = 1; y < 17; ++y)
            for (int x = 1; x < 17; ++x) {
                strip.setPixelColor(x, y, kGreen);
                strip.setPixelColor(18 + x, y, kRed);
            }
        b.setGlyph(QPixmap::fromImage(strip));
        QCOMPARE(b.NumGlyphs(), 2);
        const int x = (75 - 18) / 2, y = (25 - 18) / 2;
        QCOMPARE(at(b.face(Probe::lkNormal), x + 5, y + 5), kGreen);
        b.setEnabled(false);
        QImage img = b.face(Probe::lkNormal);
        QCOMPARE(at(img, x + 5, y + 5), kRed);
        QCOMPARE(at(img, x, y), tc::parentBack);

        // One cell: the black parts, embossed in highlight and shadow; the rest unpainted.
        QImage art(18, 18, QImage::Format_RGB32);
        art.fill(Qt::white);
        for (int yy = 5; yy < 10; ++yy)
            for (int xx = 5; xx < 10; ++xx)
                art.setPixelColor(xx, yy, Qt::black);
        b.setGlyph(QPixmap::fromImage(art));
        QCOMPARE(b.NumGlyphs(), 1);
        img = b.face(Probe::lkNormal);
        QCOMPARE(at(img, x + 5, y + 5), tc::dark);
        QCOMPARE(at(img, x + 9, y + 9), tc::dark);
        QCOMPARE(at(img, x + 10, y + 10), tc::light);
        QCOMPARE(at(img, x + 10, y + 6), tc::light);
        QCOMPARE(at(img, x + 4, y + 5), tc::parentBack);
        QCOMPARE(at(img, x + 1, y + 1), tc::parentBack); // white is left out
    }

    void disabledCaption()
    {
        QWidget parent;
        Probe b(&parent);
        b.setCaption(QStringLiteral("Mm"));
        b.setEnabled(false);
        const QImage img = b.face(Probe::lkNormal);
        // Text is antialiased: count pixels near each colour.
        const auto near = [](QColor a, QColor b) {
            return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 &&
                   std::abs(a.blue() - b.blue()) < 12;
        };
        const QRect shadow = box(img, [&](QColor c) { return near(c, tc::dark); });
        const QRect light = box(img, [&](QColor c) { return near(c, tc::light); });
        QVERIFY(!shadow.isEmpty());
        QVERIFY(!light.isEmpty());
        QVERIFY(box(img, [](QColor c) { return c == QColor(Qt::black); }).isEmpty());
        // The highlight copy sits one pixel right and down of the shadow text.
        QCOMPARE(light.bottom(), shadow.bottom() + 1);
        QCOMPARE(light.right(), shadow.right() + 1);
    }

    void hotTrackOffKeepsFontColour()
    {
        QWidget parent;
        Probe b(&parent);
        b.setCaption(QStringLiteral("OK"));
        b.setHotTrack(false);
        const QImage img = b.face(Probe::lkHot);
        QVERIFY(box(img, isBlueish).isEmpty());
        QVERIFY(!box(img, isDarkText).isEmpty());
    }

    void focusMark()
    {
        Probe b;
        b.setButtonStyle(B::stFrameRaised);
        b.FocusShown = true;
        QImage img = b.face(Probe::lkNormal);
        // WorkRect is (2, 2, 73, 23) inside frame and ring; the mark 3 pixels further in,
        // every other pixel inverted.
        const QColor inverted(255 - tc::face.red(), 255 - tc::face.green(), 255 - tc::face.blue());
        QCOMPARE(at(img, 5, 5), inverted);
        QCOMPARE(at(img, 6, 5), tc::face);
        QCOMPARE(at(img, 7, 5), inverted);
        QCOMPARE(at(img, 69, 19), inverted);
        QCOMPARE(at(img, 5, 11), inverted);
        QCOMPARE(at(img, 5, 12), tc::face);
        QCOMPARE(at(img, 4, 4), tc::face);
        QCOMPARE(at(img, 2, 2), tc::light); // the inner edge, untouched
        QCOMPARE(at(img, 71, 21), tc::face);

        b.setShowFocused(false);
        img = b.face(Probe::lkNormal);
        QCOMPARE(at(img, 5, 5), tc::face);

        QWidget parent;
        Probe flat(&parent);
        flat.FocusShown = true;
        img = flat.face(Probe::lkNormal);
        QCOMPARE(at(img, 3, 3), tc::parentBack);
        QCOMPARE(at(img, 4, 4), tc::parentBack);
    }

    void flatOutlineInDesignerOnly()
    {
        QWidget parent;
        parent.resize(100, 40);
        Probe b(&parent);
        QImage img = b.grab().toImage();
        QCOMPARE(at(img, 0, 0), tc::parentBack);
        b.setProperty(TQevButton::FormDesignerMark, true);
        img = b.grab().toImage();
        QCOMPARE(at(img, 0, 0), tc::light);
        QCOMPARE(at(img, 74, 24), tc::dark);
        QCOMPARE(b.lastLook(), Probe::lkNormal);
    }
};

QTEST_MAIN(TestPaint)
#include "tst_qevbutton_paint.moc"
