// SPDX-License-Identifier: MIT
// The button's faces, pixel by pixel: frames in each style and look, glyph and caption
// positions from the layout formulas, the popup mark, disabled drawing, focus mark.
#include "probe.h"

#include <QTest>

#include <functional>

using B = TQevCustomButton;
namespace tc = testcolors;

namespace {

const QColor Green(0, 160, 0);
const QColor Red(200, 0, 0);

// An 18x18 glyph: magenta background (its bottom-left pixel), a square of `fill` at 1..16.
QPixmap SquareGlyph(const QColor& fill, int w = 18, int h = 18)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x)
            img.setPixelColor(x, y, fill);
    return QPixmap::fromImage(img);
}

QColor At(const QImage& img, int x, int y)
{
    return img.pixelColor(x, y);
}

// Bounding box of the pixels that match.
QRect Box(const QImage& img, const std::function<bool(QColor)>& match)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (match(img.pixelColor(x, y)))
                r |= QRect(x, y, 1, 1);
    return r;
}

bool IsBlueish(QColor c)
{
    return c.blue() > 180 && c.red() < 80 && c.green() < 80;
}
bool IsDarkText(QColor c)
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

QRect ToRect(const Probe::TRect& r)
{
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

} // namespace

class TestPaint : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { tc::Install(); }

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
            QCOMPARE(At(img, p.x(), p.y()), tc::ParentBack);
        // Centred in the 75×25 face: ((75 − 17) div 2, (25 − 14) div 2).
        const QRect expected(29, 5, 17, 14);
        QCOMPARE(ToRect(b.m_captionRect), expected);
        const QRect ink = Box(img, [](QColor c) { return c != tc::ParentBack; });
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
        QCOMPARE(At(hot, 0, 0), tc::Light);
        QCOMPARE(At(hot, 73, 0), tc::Light);
        QCOMPARE(At(hot, 0, 23), tc::Light);
        QCOMPARE(At(hot, 74, 0), tc::Dark);
        QCOMPARE(At(hot, 0, 24), tc::Dark);
        QCOMPARE(At(hot, 74, 24), tc::Dark);
        QCOMPARE(At(hot, 1, 1), tc::ParentBack);
        const QRect hotInk = Box(hot, IsBlueish);
        QVERIFY2(!hotInk.isEmpty(), "the hot caption is blue");
        QVERIFY(Box(hot, IsDarkText).isEmpty());

        const QImage pressed = b.face(Probe::lkPressed);
        QCOMPARE(At(pressed, 0, 0), tc::Dark);
        QCOMPARE(At(pressed, 0, 23), tc::Dark);
        QCOMPARE(At(pressed, 74, 24), tc::Light);
        QCOMPARE(At(pressed, 74, 0), tc::Light);
        QCOMPARE(Box(pressed, IsBlueish), hotInk.translated(1, 1));
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
        const QColor top = swapped ? tc::Dark : tc::Light;
        const QColor bottom = swapped ? tc::Light : tc::Dark;
        for (int i = 0; i < width; ++i) {
            QCOMPARE(At(img, i, 12), top);
            QCOMPARE(At(img, 37, i), top);
            QCOMPARE(At(img, 74 - i, 12), bottom);
            QCOMPARE(At(img, 37, 24 - i), bottom);
        }
        QCOMPARE(At(img, width, 12), tc::ParentBack);
        QCOMPARE(At(img, 74 - width, 12), tc::ParentBack);
    }

    void frameRaisedHasRingAndInnerEdge()
    {
        Probe b;
        b.setButtonStyle(B::stFrameRaised);
        const QImage normal = b.face(Probe::lkNormal);
        QCOMPARE(At(normal, 0, 12), tc::Light); // frame
        QCOMPARE(At(normal, 74, 12), tc::Dark);
        QCOMPARE(At(normal, 1, 12), tc::Face); // ring in button face
        QCOMPARE(At(normal, 73, 12), tc::Face);
        QCOMPARE(At(normal, 2, 12), tc::Light); // raised inner edge
        QCOMPARE(At(normal, 37, 2), tc::Light);
        QCOMPARE(At(normal, 72, 12), tc::Dark);
        QCOMPARE(At(normal, 37, 22), tc::Dark);
        QCOMPARE(At(normal, 3, 12), tc::Face); // middle

        const QImage pressed = b.face(Probe::lkPressed);
        QCOMPARE(At(pressed, 0, 12), tc::Dark);
        QCOMPARE(At(pressed, 1, 12), tc::Face);
        QCOMPARE(At(pressed, 2, 12), tc::Dark); // sunken inner edge
        QCOMPARE(At(pressed, 72, 12), tc::Light);

        b.setButtonStyle(B::stDefault); // black bottom, the edge right inside the frame
        const QImage hot = b.face(Probe::lkHot);
        QCOMPARE(At(hot, 74, 12), QColor(Qt::black));
        QCOMPARE(At(hot, 1, 12), tc::Light);
        QCOMPARE(At(hot, 73, 12), tc::Dark);
    }

    void dottedFrameAlternates()
    {
        QWidget parent;
        Probe b(&parent);
        b.setButtonStyle(B::stRaisedDot);
        const QImage img = b.face(Probe::lkNormal);
        int lit = 0;
        for (int x = 1; x < 72; ++x) {
            QVERIFY2(At(img, x, 0) != At(img, x + 1, 0), "dots alternate along the top");
            lit += At(img, x, 0) == tc::Light;
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
        b.setGlyph(SquareGlyph(Green));
        b.setCaption(QStringLiteral("Go"));
        b.setLayout(B::TLayout(layout));
        b.setFont(CaptionFont());
        const QFontMetrics fm(b.font());
        QVERIFY2(fm.horizontalAdvance(QStringLiteral("Go")) == 17 && fm.height() == 14,
                 "the rows assume \"Go\" is 17×14 pixels in DejaVu Sans at 12 pixels");
        const QImage img = b.face(Probe::TLook(look));

        QCOMPARE(ToRect(b.m_glyphRect), glyph);
        // The square starts one pixel in; the magenta border became the face colour.
        const int x = glyph.x(), y = glyph.y();
        QCOMPARE(At(img, x + 1, y + 1), Green);
        QCOMPARE(At(img, x + 16, y + 16), Green);
        QCOMPARE(At(img, x, y + 1), tc::ParentBack);
        QCOMPARE(At(img, x + 1, y), tc::ParentBack);
        QCOMPARE(At(img, x + 17, y + 17), tc::ParentBack);

        QCOMPARE(ToRect(b.m_captionRect), caption);
        const QRect ink =
            Box(img, [](QColor c) { return c != tc::ParentBack && c != Green && c != tc::Light && c != tc::Dark; });
        QVERIFY(!ink.isEmpty());
        QVERIFY2(caption.contains(ink), "caption drawn only inside its rectangle");
    }

    void hotGlyphWhenAvailable()
    {
        QWidget parent;
        Probe b(&parent);
        b.setGlyph(SquareGlyph(Green));
        b.setGlyphHot(SquareGlyph(Red));
        const int x = (75 - 18) / 2, y = (25 - 18) / 2;
        QCOMPARE(At(b.face(Probe::lkNormal), x + 5, y + 5), Green);
        QCOMPARE(At(b.face(Probe::lkAfterPopup), x + 5, y + 5), Green);
        QCOMPARE(At(b.face(Probe::lkHot), x + 5, y + 5), Red);
        QCOMPARE(At(b.face(Probe::lkPressed), x + 6, y + 6), Red);

        // A hot glyph alone is never drawn.
        Probe hotOnly(&parent);
        hotOnly.setGlyphHot(SquareGlyph(Red));
        const QImage img = hotOnly.face(Probe::lkHot);
        QVERIFY(Box(img, [](QColor c) { return c == Red; }).isEmpty());
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
        b.setGlyph(SquareGlyph(Green));
        b.setCaption(caption);
        b.setLayout(B::TLayout(layout));
        b.setPopupMenuMark(true);
        b.setHotTrack(true);
        // In the hot look the caption is blue, so black pixels can only be the arrow.
        const QImage img = b.face(Probe::lkHot);
        const QRect black = Box(img, [](QColor c) { return c == QColor(Qt::black); });
        if (!drawn) {
            QVERIFY(black.isEmpty());
            return;
        }
        const QRect g = ToRect(b.m_glyphRect);
        if (caption.isEmpty())
            QCOMPARE(g.left(), 1 + (73 - 18) / 2 - 5);
        const int xm = 18 + g.left() + 5;
        const int ym = g.top() + (18 - 3) / 2;
        QCOMPARE(ToRect(b.m_markRect), QRect(xm, ym, 5, 3));
        // Our arrow: five pixels, then three, then one, all black.
        QCOMPARE(black, QRect(xm, ym, 5, 3));
        QCOMPARE(At(img, xm, ym + 1), tc::ParentBack);
        QCOMPARE(At(img, xm + 2, ym + 2), QColor(Qt::black));
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
                strip.setPixelColor(x, y, Green);
                strip.setPixelColor(18 + x, y, Red);
            }
        b.setGlyph(QPixmap::fromImage(strip));
        QCOMPARE(b.NumGlyphs(), 2);
        const int x = (75 - 18) / 2, y = (25 - 18) / 2;
        QCOMPARE(At(b.face(Probe::lkNormal), x + 5, y + 5), Green);
        b.setEnabled(false);
        QImage img = b.face(Probe::lkNormal);
        QCOMPARE(At(img, x + 5, y + 5), Red);
        QCOMPARE(At(img, x, y), tc::ParentBack);

        // One cell: the black parts, embossed in highlight and shadow; the rest unpainted.
        QImage art(18, 18, QImage::Format_RGB32);
        art.fill(Qt::white);
        for (int yy = 5; yy < 10; ++yy)
            for (int xx = 5; xx < 10; ++xx)
                art.setPixelColor(xx, yy, Qt::black);
        b.setGlyph(QPixmap::fromImage(art));
        QCOMPARE(b.NumGlyphs(), 1);
        img = b.face(Probe::lkNormal);
        QCOMPARE(At(img, x + 5, y + 5), tc::Dark);
        QCOMPARE(At(img, x + 9, y + 9), tc::Dark);
        QCOMPARE(At(img, x + 10, y + 10), tc::Light);
        QCOMPARE(At(img, x + 10, y + 6), tc::Light);
        QCOMPARE(At(img, x + 4, y + 5), tc::ParentBack);
        QCOMPARE(At(img, x + 1, y + 1), tc::ParentBack); // white is left out
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
        const QRect shadow = Box(img, [&](QColor c) { return near(c, tc::Dark); });
        const QRect light = Box(img, [&](QColor c) { return near(c, tc::Light); });
        QVERIFY(!shadow.isEmpty());
        QVERIFY(!light.isEmpty());
        QVERIFY(Box(img, [](QColor c) { return c == QColor(Qt::black); }).isEmpty());
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
        QVERIFY(Box(img, IsBlueish).isEmpty());
        QVERIFY(!Box(img, IsDarkText).isEmpty());
    }

    void focusMark()
    {
        Probe b;
        b.setButtonStyle(B::stFrameRaised);
        b.m_focusShown = true;
        QImage img = b.face(Probe::lkNormal);
        // m_workRect is (2, 2, 73, 23) inside frame and ring; the mark 3 pixels further in,
        // every other pixel inverted.
        const QColor inverted(255 - tc::Face.red(), 255 - tc::Face.green(), 255 - tc::Face.blue());
        QCOMPARE(At(img, 5, 5), inverted);
        QCOMPARE(At(img, 6, 5), tc::Face);
        QCOMPARE(At(img, 7, 5), inverted);
        QCOMPARE(At(img, 69, 19), inverted);
        QCOMPARE(At(img, 5, 11), inverted);
        QCOMPARE(At(img, 5, 12), tc::Face);
        QCOMPARE(At(img, 4, 4), tc::Face);
        QCOMPARE(At(img, 2, 2), tc::Light); // the inner edge, untouched
        QCOMPARE(At(img, 71, 21), tc::Face);

        b.setShowFocused(false);
        img = b.face(Probe::lkNormal);
        QCOMPARE(At(img, 5, 5), tc::Face);

        QWidget parent;
        Probe flat(&parent);
        flat.m_focusShown = true;
        img = flat.face(Probe::lkNormal);
        QCOMPARE(At(img, 3, 3), tc::ParentBack);
        QCOMPARE(At(img, 4, 4), tc::ParentBack);
    }

    void flatOutlineInDesignerOnly()
    {
        QWidget parent;
        parent.resize(100, 40);
        Probe b(&parent);
        QImage img = b.grab().toImage();
        QCOMPARE(At(img, 0, 0), tc::ParentBack);
        b.setProperty(TQevButton::FormDesignerMark, true);
        img = b.grab().toImage();
        QCOMPARE(At(img, 0, 0), tc::Light);
        QCOMPARE(At(img, 74, 24), tc::Dark);
        QCOMPARE(b.lastLook(), Probe::lkNormal);
    }
};

QTEST_MAIN(TestPaint)
#include "tst_qevbutton_paint.moc"
