// SPDX-License-Identifier: MIT
// The colour picker through the real dialog: which swatches each band is offered, and
// what a pick, "None" and closing without a pick do to both pages.
#include "tests/support/apphost.h"
#include "tests/support/codechecks.h"
#include "tests/support/modalwatch.h"

#include <QAccessible>
#include <QTest>

using namespace kolvane;
using namespace kolvane::test;

namespace {

// The offered swatches, in the order black, brown, red, orange, yellow, green, blue,
// violet, grey, white, gold, silver, None: written out as data, not derived.
struct Offer {
    int target;
    bool fourBands;
    const char* caption;
    const char* offered;
};
const Offer Offers[] = {
    {1, true, "First bound of resistor", "-yyyyyyyyy---"},
    {6, true, "First bound of capasitor", "-yyyyyyyyy---"},
    {2, true, "Second bound of resistor", "yyyyyyyyyy---"},
    {7, false, "Second bound of capasitor", "yyyyyyyyyy---"},
    {3, true, "Third bound of resistor", "yyyyyyyy--yy-"},
    {8, true, "Third bound of capasitor", "yyyyyyyy--yy-"},
    {3, false, "Third bound of resistor", "yyyyyyyyyy---"},
    {8, false, "Third bound of capasitor", "yyyyyyyyyy---"},
    {4, false, "Fourth bound of resistor", "yyyyyyy---yy-"},
    {9, false, "Fourth bound of capasitor", "yyyyyyy---yy-"},
    {5, true, "Tolerance bound of resistor", "-yy--yyyy-yyy"},
    {10, true, "Tolerance bound of capasitor", "-yy--yyyy-yyy"},
    {11, false, "TFR-bound of resistor", "-yyyy-yy-y--y"},
};

} // namespace

class PickerTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void offersOnlyAcceptedColours_data();
    void offersOnlyAcceptedColours();
    void pickRecomputesBothPages();
    void noneSelectsTwentyPercentAndNone();
    void pickingTheSameColourRecomputes();
    void closingWithoutPickChangesNothing();
    void noneTakesOnlyThePrimaryButton();
    void assistiveToolsPressBandsAndSwatches();
    void firstShowingMatchesLaterOnes_data();
    void firstShowingMatchesLaterOnes();
    void doubleClickOnBandPicksNothing();
    void bandsAndSwatchesShowTheHand();
    void returnsThePickForEachRole_data();
    void returnsThePickForEachRole();

private:
    kolvane::test::PickerControls& picker() { return host->picker(); }
    TShape* band(int target)
    {
        auto& f = host->f();
        const std::array<TShape*, 11> bands = {f.Shape1, f.Shape2, f.Shape3, f.Shape4,  f.Shape5, f.Shape6,
                                               f.Shape7, f.Shape8, f.Shape9, f.Shape10, f.Shape11};
        return bands[static_cast<std::size_t>(target - 1)];
    }
    TShape* swatch(int digitOrGoldSilver)
    {
        auto& p = picker();
        const std::array<TShape*, 12> s = {p.Shape1, p.Shape2, p.Shape3, p.Shape4,  p.Shape5,  p.Shape6,
                                           p.Shape7, p.Shape8, p.Shape9, p.Shape10, p.Shape11, p.Shape12};
        // Swatches 1-5 are black..yellow, 6-10 green..white, 11 gold, 12 silver.
        return s[static_cast<std::size_t>(digitOrGoldSilver)];
    }
    // Presses `button` on band `target` and, inside the picker, runs `inside`.
    void pickOn(int target, Qt::MouseButton button, std::function<void()> inside)
    {
        ModalWatch watch([&](QDialog* dialog) {
            inside();
            if (dialog->isVisible())
                dialog->reject();
        });
        QTest::mousePress(band(target), button);
        QCOMPARE(watch.dialogs(), 1);
        QVERIFY(!host->windows.colorForm()->isVisible());
    }
    std::unique_ptr<AppHost> host;
};

void PickerTest::init()
{
    QLocale::setDefault(QLocale::c());
    host = std::make_unique<AppHost>();
}

void PickerTest::cleanup()
{
    host.reset();
}

void PickerTest::offersOnlyAcceptedColours_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(Offers)); ++i)
        QTest::addRow("target %d, %s", Offers[i].target, Offers[i].fourBands ? "4 bands" : "more bands") << i;
}

void PickerTest::offersOnlyAcceptedColours()
{
    QFETCH(int, index);
    const Offer& offer = Offers[index];
    auto& f = host->f();
    (offer.fourBands ? f.RadioButton1 : f.RadioButton11)->click();
    (offer.fourBands ? f.RadioButton4 : f.RadioButton3)->click();
    QString seen, caption;
    pickOn(offer.target, Qt::RightButton, [&] {
        caption = host->windows.colorForm()->windowTitle();
        for (int i = 0; i < 12; ++i)
            seen += swatch(i)->isVisible() ? QLatin1Char('y') : QLatin1Char('-');
        seen += picker().Panel1->isVisible() ? QLatin1Char('y') : QLatin1Char('-');
    });
    QCOMPARE(caption, QString::fromLatin1(offer.caption));
    QCOMPARE(seen, QString::fromLatin1(offer.offered));
    // None lies exactly over black, and the two are never offered together.
    QCOMPARE(picker().Panel1->geometry(), picker().Shape1->geometry());
    QVERIFY(!(seen[0] == QLatin1Char('y') && seen[12] == QLatin1Char('y')));
}

void PickerTest::pickRecomputesBothPages()
{
    auto& f = host->f();
    f.Edit2->setText(QStringLiteral("47"));
    f.Button2->click();
    QCOMPARE(f.Label3->text(), QStringLiteral("47.00 pF"));
    // A capacitor band changed behind the page's back shows up on the next pick,
    // wherever that pick is: every pick reads both pages.
    f.Shape6->setBrushColour(Digit[2]);
    for (int target = 1; target <= 3; ++target)
        pickOn(target, Qt::LeftButton, [&] { QTest::mousePress(swatch(target == 3 ? 2 : target), Qt::MiddleButton); });
    QCOMPARE(f.Shape1->brushColour(), Digit[1]);
    QCOMPARE(f.Shape2->brushColour(), Digit[2]);
    QCOMPARE(f.Shape3->brushColour(), Digit[2]);
    QCOMPARE(f.Label1->text(), QStringLiteral("1.20 KOhm"));
    QCOMPARE(f.Label3->text(), QStringLiteral("27.00 pF"));
    QCOMPARE(host->windows.colorForm()->windowTitle(), QStringLiteral("Third bound of resistor"));
    QCOMPARE(f.Shape1->accessibleName(), QStringLiteral("First digit: brown, 1"));
}

void PickerTest::noneSelectsTwentyPercentAndNone()
{
    auto& f = host->f();
    f.RadioButton11->click();
    pickOn(5, Qt::LeftButton, [&] { QTest::mousePress(swatch(10), Qt::LeftButton); }); // gold
    QCOMPARE(f.Shape5->brushColour(), Gold);
    QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("5%"));
    pickOn(5, Qt::LeftButton, [&] { QTest::mouseClick(picker().Panel1, Qt::LeftButton); });
    QCOMPARE(f.Shape5->brushColour(), None);
    QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("20%"));

    pickOn(11, Qt::LeftButton, [&] { QTest::mousePress(swatch(1), Qt::LeftButton); }); // brown
    QCOMPARE(f.ComboBox3->currentText(), QStringLiteral("100"));
    pickOn(11, Qt::LeftButton, [&] { QTest::mouseClick(picker().Panel1, Qt::LeftButton); });
    QCOMPARE(f.Shape11->brushColour(), None);
    QCOMPARE(f.ComboBox3->currentText(), QStringLiteral("none"));

    pickOn(10, Qt::LeftButton, [&] { QTest::mousePress(swatch(8), Qt::LeftButton); }); // grey
    QCOMPARE(f.ComboBox2->currentText(), QStringLiteral("0,05%"));
    QCOMPARE(f.Label1->text(), QStringLiteral("Check color!"));
}

void PickerTest::pickingTheSameColourRecomputes()
{
    auto& f = host->f();
    f.Shape1->setBrushColour(Digit[4]);
    f.Shape2->setBrushColour(Digit[7]);
    f.Shape3->setBrushColour(Digit[2]);
    QCOMPARE(f.Label1->text(), QStringLiteral("Check color!"));
    pickOn(2, Qt::LeftButton, [&] { QTest::mousePress(swatch(7), Qt::LeftButton); });
    QCOMPARE(f.Shape2->brushColour(), Digit[7]);
    QCOMPARE(f.Label1->text(), QStringLiteral("4.70 KOhm"));
}

void PickerTest::closingWithoutPickChangesNothing()
{
    auto& f = host->f();
    pickOn(1, Qt::LeftButton, [&] { QTest::mousePress(swatch(4), Qt::LeftButton); });
    const QDialog* first = host->windows.colorForm();
    pickOn(5, Qt::LeftButton, [] {});
    pickOn(2, Qt::MiddleButton, [] {});
    QCOMPARE(f.Shape1->brushColour(), Digit[4]);
    QCOMPARE(f.Shape2->brushColour(), None);
    QCOMPARE(f.Shape5->brushColour(), None);
    QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("20%"));
    // The same picker serves every band, and keeps its caption while hidden.
    QCOMPARE(host->windows.colorForm(), first);
    QCOMPARE(host->windows.colorForm()->windowTitle(), QStringLiteral("Second bound of resistor"));
}

void PickerTest::noneTakesOnlyThePrimaryButton()
{
    auto& f = host->f();
    f.ComboBox1->setCurrentIndex(6);
    emit f.ComboBox1->activated(6);
    pickOn(5, Qt::LeftButton, [&] {
        QTest::mouseClick(picker().Panel1, Qt::RightButton);
        QTest::mouseClick(picker().Panel1, Qt::MiddleButton);
    });
    QCOMPARE(f.Shape5->brushColour(), Gold);
    QCOMPARE(f.ComboBox1->currentIndex(), 6);
}

void PickerTest::assistiveToolsPressBandsAndSwatches()
{
    auto& f = host->f();
    QAccessibleInterface* bandFace = QAccessible::queryAccessibleInterface(f.Shape7);
    QVERIFY(bandFace && bandFace->actionInterface());
    QCOMPARE(bandFace->role(), QAccessible::Button);
    QCOMPARE(bandFace->text(QAccessible::Name), QStringLiteral("Second digit: not set"));
    QString swatchName;
    ModalWatch watch([&](QDialog*) {
        QAccessibleInterface* swatchFace = QAccessible::queryAccessibleInterface(swatch(7));
        swatchName = swatchFace->text(QAccessible::Name);
        swatchFace->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    bandFace->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // The press opens the picker after the call has returned, and the swatch's press
    // picks after its own call: wait for the pick.
    QTRY_COMPARE(f.Shape7->brushColour(), Digit[7]);
    QCOMPARE(watch.dialogs(), 1);
    QCOMPARE(swatchName, QStringLiteral("violet"));
    QCOMPARE(f.Shape7->brushColour(), Digit[7]);
    QCOMPARE(bandFace->text(QAccessible::Name), QStringLiteral("Second digit: violet, 7"));
    // The drawing's body is a picture, not a button.
    QCOMPARE(QAccessible::queryAccessibleInterface(f.Shape13)->role(), QAccessible::Graphic);
}

// The picker is made on the first press of a band; that first showing has the same
// caption, swatches and pixels as a later one for the same band, whatever band was
// picked in between, and one picker serves them all.
void PickerTest::firstShowingMatchesLaterOnes_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("between");
    QTest::newRow("first band, then a tolerance band") << 1 << 10;
    QTest::newRow("tolerance band, then a first band") << 5 << 6;
    QTest::newRow("TFR band, then a fourth band") << 11 << 4;
    QTest::newRow("third band with 4 bands, then a second band") << 3 << 7;
}

void PickerTest::firstShowingMatchesLaterOnes()
{
    QFETCH(int, target);
    QFETCH(int, between);
    QVERIFY(host->main().findChildren<TColorForm*>().isEmpty());
    struct Showing {
        QDialog* dialog = nullptr;
        QString caption;
        QImage pixels;
    };
    const auto show = [&](int band) {
        Showing seen;
        pickOn(band, Qt::LeftButton, [&] {
            seen.dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (seen.dialog) {
                seen.caption = seen.dialog->windowTitle();
                seen.pixels = seen.dialog->grab().toImage();
            }
        });
        return seen;
    };
    const Showing first = show(target);
    const Showing other = show(between);
    const Showing later = show(target);
    QVERIFY(first.dialog);
    QCOMPARE(later.dialog, first.dialog);
    QCOMPARE(other.dialog, first.dialog);
    QCOMPARE(host->main().findChildren<TColorForm*>(), QList<TColorForm*>{host->windows.colorForm()});
    QCOMPARE(later.caption, first.caption);
    QVERIFY(other.caption != first.caption);
    QCOMPARE(later.pixels, first.pixels);
    // The band in between offers other swatches, so a stale picture would show.
    QVERIFY(other.pixels != first.pixels);
}

void PickerTest::doubleClickOnBandPicksNothing()
{
    auto& f = host->f();
    f.Edit1->setText(QStringLiteral("99"));
    f.RadioButton5->click();
    f.Button1->click();
    QString before = f.Label1->text();
    QWindow* mainWindow = host->main().windowHandle();
    QDialog* picker = host->windows.colorForm();
    pickOn(1, Qt::LeftButton, [] {}); // the picker takes its place over the main window

    for (int target = 1; target <= 3; ++target) {
        // The middle of the part of the band that the picker covers.
        const QRect bandOnScreen(band(target)->mapToGlobal(QPoint(0, 0)), band(target)->size());
        const QPoint point = bandOnScreen.intersected(picker->geometry()).center();
        const auto* under = qobject_cast<TShape*>(picker->childAt(picker->mapFromGlobal(point)));
        QVERIFY2(under, "the picker no longer opens over the first bands");
        const BandColour under_colour = under->brushColour();
        const BandColour old = band(target)->brushColour();
        bool stayedOpen = false;
        ModalWatch watch([&](QDialog* dialog) {
            // The release goes to the main window, which the picker blocks; the second
            // press follows at once, over the picker.
            QTest::mouseRelease(mainWindow, Qt::LeftButton, {}, mainWindow->mapFromGlobal(point));
            QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;
            QTest::mousePress(dialog->windowHandle(), Qt::LeftButton, {}, dialog->mapFromGlobal(point));
            QTest::mouseRelease(dialog->windowHandle(), Qt::LeftButton, {}, dialog->mapFromGlobal(point));
            stayedOpen = dialog->isVisible();
            QCOMPARE(band(target)->brushColour(), old);
            QCOMPARE(f.Label1->text(), before);
            // A deliberate click after that picks as before.
            QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, {}, dialog->mapFromGlobal(point));
        });
        QTest::mousePress(mainWindow, Qt::LeftButton, {}, mainWindow->mapFromGlobal(point));
        QCOMPARE(watch.dialogs(), 1);
        QVERIFY(stayedOpen);
        QCOMPARE(band(target)->brushColour(), under_colour);
        before = f.Label1->text();
    }

    // A quick press elsewhere in the picker is a choice, however soon it comes.
    ModalWatch watch([&](QDialog*) { QTest::mousePress(swatch(7), Qt::LeftButton); });
    QTest::mousePress(band(2), Qt::LeftButton);
    QCOMPARE(f.Shape2->brushColour(), Digit[7]);
}

void PickerTest::bandsAndSwatchesShowTheHand()
{
    auto& f = host->f();
    for (QWidget* w : std::initializer_list<QWidget*>{f.Shape1, f.Shape5, f.Shape6, f.Shape10, f.Shape11, swatch(0),
                                                      swatch(11), picker().Panel1})
        QCOMPARE(w->cursor().shape(), Qt::PointingHandCursor);
    // The drawing around the bands and the window itself keep the arrow.
    for (QWidget* w : std::initializer_list<QWidget*>{f.Shape12, f.Shape13, f.Shape14, host->windows.colorForm()})
        QCOMPARE(w->cursor().shape(), Qt::ArrowCursor);
}

// Asked directly, the picker offers what the role accepts, returns the swatch pressed,
// and returns nothing when it is closed without a pick. The offers are written out.
void PickerTest::returnsThePickForEachRole_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<int>("press"); // swatch index, 12 for None, -1 to close
    QTest::addColumn<int>("expected");
    using R = BandRole;
    QTest::newRow("first digit, violet") << int(R::FirstDigit) << "-yyyyyyyyy---" << 7 << int(Digit[7]);
    QTest::newRow("digit, black") << int(R::Digit) << "yyyyyyyyyy---" << 0 << int(Digit[0]);
    QTest::newRow("multiplier of four, gold") << int(R::MultiplierOfFour) << "yyyyyyyy--yy-" << 10 << int(Gold);
    QTest::newRow("multiplier of more, silver") << int(R::MultiplierOfMore) << "yyyyyyy---yy-" << 11 << int(Silver);
    QTest::newRow("tolerance, None") << int(R::Tolerance) << "-yy--yyyy-yyy" << 12 << int(None);
    QTest::newRow("TFR, white") << int(R::Tfr) << "-yyyy-yy-y--y" << 9 << int(Digit[9]);
    QTest::newRow("TFR, closed") << int(R::Tfr) << "-yyyy-yy-y--y" << -1 << -1;
}

void PickerTest::returnsThePickForEachRole()
{
    QFETCH(int, role);
    QFETCH(QString, offered);
    QFETCH(int, press);
    QFETCH(int, expected);
    const auto before = host->f().Shape1->brushColour();
    QString seen;
    ModalWatch watch([&](QDialog* dialog) {
        for (int i = 0; i < 12; ++i)
            seen += swatch(i)->isVisible() ? QLatin1Char('y') : QLatin1Char('-');
        seen += picker().Panel1->isVisible() ? QLatin1Char('y') : QLatin1Char('-');
        if (press == 12)
            QTest::mouseClick(picker().Panel1, Qt::LeftButton);
        else if (press >= 0)
            QTest::mousePress(swatch(press), Qt::LeftButton);
        if (dialog->isVisible())
            dialog->reject();
    });
    const auto chosen =
        host->windows.colorForm()->chooseColour(static_cast<BandRole>(role), QStringLiteral("Asked directly"));
    QCOMPARE(watch.dialogs(), 1);
    QCOMPARE(seen, offered);
    QCOMPARE(host->windows.colorForm()->windowTitle(), QStringLiteral("Asked directly"));
    if (expected < 0)
        QVERIFY(!chosen);
    else
        QCOMPARE(chosen, std::optional<BandColour>(BandColour(expected)));
    // Asked directly, the picker paints no band itself.
    QCOMPARE(host->f().Shape1->brushColour(), before);
}

QTEST_MAIN(PickerTest)
#include "test_picker.moc"
