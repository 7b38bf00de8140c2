// SPDX-License-Identifier: MIT
// The button's properties: defaults, the order a form stores them in, and what writing
// the kind, glyph, colour, style and hint properties does to the rest.
#include "probe.h"

#include <QMenu>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

using B = TQevCustomButton;

class TestModel : public QObject {
    Q_OBJECT

    static QPixmap strip(int w, int h)
    {
        QPixmap p(w, h);
        p.fill(Qt::green);
        return p;
    }

private Q_SLOTS:
    void initTestCase() { testcolors::Install(); }

    void defaults()
    {
        QWidget parent;
        Probe b(&parent);
        QCOMPARE(b.geometry(), QRect(0, 0, 75, 25));
        QCOMPARE(b.ButtonStyle(), B::stFlat);
        QCOMPARE(b.ButtonKind(), B::skCustom);
        QCOMPARE(b.NumGlyphs(), 2);
        QCOMPARE(b.NumGlyphsHot(), 2);
        QCOMPARE(b.Spacing(), 4);
        QCOMPARE(b.SpacingLayout(), 3);
        QCOMPARE(b.PopupMenuMarkGap(), 5);
        QCOMPARE(b.RepeatInterval(), 50);
        QCOMPARE(b.RepeatStartInterval(), 50);
        QCOMPARE(b.HotTrackColor(), QColor(0, 0, 255));
        QVERIFY(b.HotTrack() && b.ShowFocused() && b.CursorHandCustom());
        QCOMPARE(b.ColorMarginLeftTop(), testcolors::Light);
        QCOMPARE(b.ColorMarginRightBottom(), testcolors::Dark);
        QCOMPARE(b.m_captionPlain, 2);
        // The button's own defaults: the parent's colour, and not a tab stop.
        QVERIFY(b.ParentColor());
        QCOMPARE(b.Color(), testcolors::ParentBack);
        QCOMPARE(b.focusPolicy(), Qt::NoFocus);
        // The credit string cannot be written.
        QVERIFY(b.Version().startsWith(QLatin1String("Version 4.01")));
        b.setProperty("Version", QStringLiteral("Version 9"));
        QVERIFY(b.Version().startsWith(QLatin1String("Version 4.01")));
    }

    void propertiesInStoredOrder()
    {
        // Designer writes and QUiLoader applies properties in this order; ButtonKind
        // must come before Caption so that a stored caption wins over the kind's.
        const QStringList expected{"HelpContext",
                                   "RepeatAction",
                                   "RepeatInterval",
                                   "RepeatStartInterval",
                                   "ShowFocused",
                                   "CursorHandCustom",
                                   "ButtonKind",
                                   "ColorMarginLeftTop",
                                   "ColorMarginRightBottom",
                                   "ColorMarginStyle",
                                   "Version",
                                   "PopupMenuMark",
                                   "PopupMenuMarkGap",
                                   "PositionPopup",
                                   "PlayMusic",
                                   "PopupMenu",
                                   "HotTrackColor",
                                   "HotTrack",
                                   "Spacing",
                                   "SpacingLayout",
                                   "NumGlyphs",
                                   "NumGlyphsHot",
                                   "Glyph",
                                   "GlyphHot",
                                   "Layout",
                                   "ButtonStyle",
                                   "Cancel",
                                   "Default",
                                   "HintSecondLine",
                                   "Caption",
                                   "ParentColor",
                                   "Color",
                                   "TabStop"};
        const QMetaObject& mo = TQevButton::staticMetaObject;
        QStringList actual;
        for (int i = QWidget::staticMetaObject.propertyCount(); i < mo.propertyCount(); ++i)
            actual << QString::fromLatin1(mo.property(i).name());
        QCOMPARE(actual, expected);
        QVERIFY(mo.property(mo.indexOfProperty("ButtonKind")).isEnumType());
        QVERIFY(mo.property(mo.indexOfProperty("ButtonStyle")).isEnumType());
    }

    void stockKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("isDefault");
        QTest::addColumn<int>("glyphSize");
        QTest::newRow("OK") << int(B::skOK) << "OK" << false << true << 18;
        QTest::newRow("Cancel") << int(B::skCancel) << "Cancel" << true << false << 18;
        QTest::newRow("Help") << int(B::skHelp) << "&Help" << false << false << 18;
        QTest::newRow("Yes") << int(B::skYes) << "&Yes" << false << true << 18;
        QTest::newRow("No") << int(B::skNo) << "&No" << true << false << 18;
        QTest::newRow("Close") << int(B::skClose) << "&Close" << false << false << 18;
        QTest::newRow("Abort") << int(B::skAbort) << "Abort" << false << false << 18;
        QTest::newRow("Retry") << int(B::skRetry) << "&Retry" << false << false << 18;
        QTest::newRow("Ignore") << int(B::skIgnore) << "&Ignore" << false << false << 18;
        QTest::newRow("All") << int(B::skAll) << "&All" << false << false << 18;
        QTest::newRow("Silly") << int(B::skSilly) << "&Silly" << false << false << 19;
    }

    void stockKinds()
    {
        QFETCH(int, kind);
        Probe b;
        b.setCaption(QStringLiteral("before"));
        b.setButtonKind(B::TKind(kind));
        QCOMPARE(b.ButtonKind(), B::TKind(kind));
        QTEST(b.Caption(), "caption");
        QTEST(b.Cancel(), "cancel");
        QTEST(b.Default(), "isDefault");
        QCOMPARE(b.NumGlyphs(), 1);
        QCOMPARE(b.NumGlyphsHot(), 1);
        QFETCH(int, glyphSize);
        QCOMPARE(b.Glyph().size(), QSize(glyphSize, glyphSize));
        QCOMPARE(b.GlyphHot().size(), QSize(glyphSize, glyphSize));
        QVERIFY(b.Glyph().toImage() != b.GlyphHot().toImage());

        // Writing the same kind again puts the caption back.
        b.setCaption(QStringLiteral("changed"));
        b.setButtonKind(B::TKind(kind));
        QTEST(b.Caption(), "caption");
    }

    void stockKindWhileLoading()
    {
        Probe empty;
        empty.beginLoading();
        empty.setButtonKind(B::skYes);
        empty.endLoading();
        QVERIFY(empty.Caption().isEmpty());
        QVERIFY(!empty.Glyph().isNull());
        QVERIFY(empty.Default());

        Probe named;
        named.setCaption(QStringLiteral("Sure"));
        named.beginLoading();
        named.setButtonKind(B::skYes);
        QCOMPARE(named.Caption(), QStringLiteral("&Yes"));
    }

    void customKindClearsFlagsKeepsGlyphs()
    {
        Probe b;
        b.setButtonKind(B::skOK);
        b.setButtonKind(B::skCustom);
        QVERIFY(b.Glyph().isNull()); // a new kind drops the stock glyphs
        QCOMPARE(b.Caption(), QStringLiteral("OK"));
        QVERIFY(!b.Default());

        b.setGlyph(strip(18, 18));
        b.setDefault(true);
        b.setCancel(true);
        b.setButtonKind(B::skCustom); // already the kind: only the flags change
        QVERIFY(!b.Default() && !b.Cancel());
        QCOMPARE(b.Glyph().size(), QSize(18, 18));
    }

    void glyphCellCount_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("64x16 four cells") << QSize(64, 16) << 2 << 4;
        QTest::newRow("48x16 three cells") << QSize(48, 16) << 2 << 3;
        QTest::newRow("80x16 five is too many") << QSize(80, 16) << 2 << 1;
        QTest::newRow("16x16 square") << QSize(16, 16) << 2 << 1;
        QTest::newRow("12x16 narrow") << QSize(12, 16) << 3 << 1;
        QTest::newRow("24x16 under twice") << QSize(24, 16) << 3 << 1;
        QTest::newRow("40x16 not whole cells") << QSize(40, 16) << 3 << 3;
    }

    void glyphCellCount()
    {
        QFETCH(QSize, size);
        QFETCH(int, before);
        QWidget parent;
        Probe b(&parent);
        b.setButtonKind(B::skOK);
        b.setNumGlyphs(before);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QTRY_VERIFY(b.facesDrawn() > 0);
        const int faces = b.facesDrawn();

        b.setGlyph(strip(size.width(), size.height()));
        QTEST(b.NumGlyphs(), "after");
        QCOMPARE(b.ButtonKind(), B::skCustom);
        // The kind went back to custom without its side effects.
        QVERIFY(b.Default());
        QCOMPARE(b.Caption(), QStringLiteral("OK"));
        QTRY_VERIFY(b.facesDrawn() > faces); // repainted

        b.setNumGlyphsHot(before);
        b.setGlyphHot(strip(size.width(), size.height()));
        QTEST(b.NumGlyphsHot(), "after");
    }

    void ownGlyphOnlyResetsKind()
    {
        Probe b;
        b.setGlyph(strip(18, 18));
        b.setNumGlyphs(2);
        b.setButtonKind(B::skOK);
        b.setGlyph(b.Glyph()); // stock glyph handed back: kept, cells untouched
        QCOMPARE(b.ButtonKind(), B::skCustom);
        QCOMPARE(b.NumGlyphs(), 1);
        b.setNumGlyphs(3);
        b.setGlyph(b.Glyph());
        QCOMPARE(b.NumGlyphs(), 3);
        b.setGlyph(QPixmap()); // an empty glyph leaves the count alone
        QCOMPARE(b.NumGlyphs(), 3);
    }

    void rangesRefused()
    {
        Probe b;
        b.setNumGlyphs(5);
        b.setNumGlyphsHot(0);
        b.setSpacing(6);
        b.setSpacingLayout(-6);
        b.setPopupMenuMarkGap(0);
        QCOMPARE(b.NumGlyphs(), 2);
        QCOMPARE(b.NumGlyphsHot(), 2);
        QCOMPARE(b.Spacing(), 4);
        QCOMPARE(b.SpacingLayout(), 3);
        QCOMPARE(b.PopupMenuMarkGap(), 5);
        b.setSpacingLayout(-5);
        QCOMPARE(b.SpacingLayout(), -5);
        b.setProperty("ButtonStyle", 8);
        b.setProperty("ButtonKind", -1);
        b.setProperty("Layout", 4);
        b.setProperty("PositionPopup", 3);
        b.setProperty("ColorMarginStyle", 2);
        QCOMPARE(b.Layout(), B::blGlyphLeft);
        QCOMPARE(b.PositionPopup(), B::puDown);
        QCOMPARE(b.ColorMarginStyle(), B::cmDefault);
        QCOMPARE(b.ButtonStyle(), B::stFlat);
        QCOMPARE(b.ButtonKind(), B::skCustom);
    }

    void marginColourSwitchesToCustom()
    {
        Probe b;
        b.setColorMarginRightBottom(testcolors::Dark); // the style's own colour
        QCOMPARE(b.ColorMarginStyle(), B::cmDefault);
        b.setColorMarginRightBottom(Qt::red);
        QCOMPARE(b.ColorMarginStyle(), B::cmCustom);
        QCOMPARE(b.m_frameRightBottom, QColor(Qt::red));
        b.setColorMarginRightBottom(testcolors::Dark);
        QCOMPARE(b.ColorMarginStyle(), B::cmCustom); // no way back by a colour
        QCOMPARE(b.m_frameRightBottom, testcolors::Dark);

        b.setColorMarginLeftTop(Qt::yellow);
        b.setColorMarginStyle(B::cmCustom);
        QCOMPARE(b.ColorMarginLeftTop(), QColor(Qt::yellow));
        b.setColorMarginStyle(B::cmDefault);
        QCOMPARE(b.ColorMarginLeftTop(), testcolors::Light);
        QCOMPARE(b.m_frameLeftTop, testcolors::Light);
        QCOMPARE(b.ColorMarginRightBottom(), testcolors::Dark);

        Probe none;
        none.setButtonStyle(B::stNone);
        none.setColorMarginLeftTop(Qt::blue);
        QCOMPARE(none.ColorMarginStyle(), B::cmDefault);
        QCOMPARE(none.m_frameLeftTop, QColor(Qt::blue));
    }

    void styles_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("normalWidth");
        QTest::addColumn<int>("hotWidth");
        QTest::addColumn<bool>("ownsColour");
        QTest::addColumn<QColor>("leftTop");
        QTest::addColumn<QColor>("rightBottom");
        const QColor l = testcolors::Light, d = testcolors::Dark;
        QTest::newRow("Flat") << int(B::stFlat) << 0 << 1 << false << l << d;
        QTest::newRow("Default") << int(B::stDefault) << 1 << 1 << true << l << QColor(Qt::black);
        QTest::newRow("Raised") << int(B::stRaised) << 2 << 2 << false << l << d;
        QTest::newRow("FlatDot") << int(B::stFlatDot) << 0 << 1 << false << l << d;
        QTest::newRow("RaisedDot") << int(B::stRaisedDot) << 2 << 2 << false << l << d;
        QTest::newRow("FrameLowered") << int(B::stFrameLowered) << 1 << 1 << true << d << l;
        QTest::newRow("FrameRaised") << int(B::stFrameRaised) << 1 << 1 << true << l << d;
    }

    void styles()
    {
        QFETCH(int, style);
        QWidget parent;
        Probe b(&parent);
        b.setButtonStyle(B::TStyle(style));
        QTEST(b.m_normalFrameWidth, "normalWidth");
        QTEST(b.m_hotFrameWidth, "hotWidth");
        QTEST(b.ColorMarginLeftTop(), "leftTop");
        QTEST(b.ColorMarginRightBottom(), "rightBottom");
        QTEST(b.m_frameLeftTop, "leftTop");
        QTEST(b.m_frameRightBottom, "rightBottom");
        QFETCH(bool, ownsColour);
        QCOMPARE(b.ParentColor(), !ownsColour);
        QCOMPARE(b.Color(), ownsColour ? testcolors::Face : testcolors::ParentBack);

        // With custom colours the style keeps them.
        b.setColorMarginLeftTop(Qt::red);
        b.setColorMarginRightBottom(Qt::green);
        b.setButtonStyle(B::stRaised);
        QCOMPARE(b.m_frameLeftTop, QColor(Qt::red));
        QCOMPARE(b.m_frameRightBottom, QColor(Qt::green));
    }

    void styleNoneKeepsColours()
    {
        Probe b;
        b.setButtonStyle(B::stFrameLowered);
        b.setButtonStyle(B::stNone);
        QCOMPARE(b.m_normalFrameWidth, 0);
        QCOMPARE(b.m_hotFrameWidth, 0);
        QCOMPARE(b.m_frameLeftTop, testcolors::Dark);
        QCOMPARE(b.m_frameRightBottom, testcolors::Light);
        QCOMPARE(b.ColorMarginStyle(), B::cmDefault);
    }

    void framedStylesKeepButtonFace()
    {
        Probe b;
        b.setButtonStyle(B::stFrameRaised);
        b.setColor(Qt::red);
        QCOMPARE(b.Color(), testcolors::Face);
        QVERIFY(!b.ParentColor());

        Probe flat;
        flat.setColor(Qt::red);
        QCOMPARE(flat.Color(), QColor(Qt::red));
        QVERIFY(!flat.ParentColor());
    }

    void hintSecondLine()
    {
        Probe b;
        b.setToolTip(QStringLiteral("First"));
        b.setHintSecondLine(QStringLiteral("second"));
        QCOMPARE(b.toolTip(), QStringLiteral("First\nsecond"));
        b.setHintSecondLine(QStringLiteral("third"));
        QCOMPARE(b.toolTip(), QStringLiteral("First\nsecond\nthird"));
        QCOMPARE(b.HintSecondLine(), QStringLiteral("third"));
        b.setHintSecondLine(QString());
        QCOMPARE(b.toolTip(), QStringLiteral("First\nsecond\nthird"));

        Probe noHint;
        noHint.setHintSecondLine(QStringLiteral("second"));
        QVERIFY(noHint.toolTip().isEmpty());
        QCOMPARE(noHint.HintSecondLine(), QStringLiteral("second"));

        Probe designed;
        designed.setProperty(TQevButton::FormDesignerMark, true);
        designed.setToolTip(QStringLiteral("First"));
        designed.setHintSecondLine(QStringLiteral("second"));
        QCOMPARE(designed.toolTip(), QStringLiteral("First"));
    }

    void destroyedMenuIsForgotten()
    {
        Probe b;
        auto* menu = new QMenu;
        b.setPopupMenu(menu);
        QCOMPARE(b.PopupMenu(), menu);
        delete menu;
        QVERIFY(b.PopupMenu() == nullptr);
    }
};

QTEST_MAIN(TestModel)
#include "tst_qevbutton_model.moc"
