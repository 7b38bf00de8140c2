// SPDX-License-Identifier: MIT
// The "Resistor" page through its widgets: every code it accepts, typed values painted
// as bands, the band-count switch, the lists, the key filter and the messages.
#include "version.h"
#include "feedback.h"
#include "tests/support/apphost.h"
#include "tests/support/codechecks.h"
#include "tests/support/copymenu.h"
#include "tests/support/modalwatch.h"
#include "tests/support/valuehint.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QTest>

using namespace kolvane;
using namespace kolvane::test;

namespace {

// The least a title bar needs to show the application title whole: the title in the
// desktop's title font, bold, and three buttons as wide as the text is high.
int TitleNeeds()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(QStringLiteral("Kolvane v." KOLVANE_VERSION)) + 3 * metrics.height();
}

} // namespace

class ResistorPageTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startState();
    void everyAcceptedCode_data();
    void everyAcceptedCode();
    void typedValuesPaintBands_data();
    void typedValuesPaintBands();
    void bandCountSwitch();
    void listsPaintBandsOnly();
    void keyFilterBeeps();
    void composedCharactersAreTypingToo_data();
    void composedCharactersAreTypingToo();
    void refusedValues_data();
    void refusedValues();
    void pastedTextGoesToErrorBox_data();
    void pastedTextGoesToErrorBox();
    void emptyFieldDoesNothing();
    void hintAfterPickAndTypedValue();
    void copyMenu();

private:
    void type(const QString& text)
    {
        host->f().Edit1->setText(text);
        host->f().Button1->click();
    }
    PageUnderTest page()
    {
        auto& f = host->f();
        return {{f.Shape1, f.Shape2, f.Shape3, f.Shape4},           f.Label1, f.Edit1, f.Button1, OhmUnits,
                [this] {
                    host->main().resistorPage().recompute(); }};
    }
    std::unique_ptr<AppHost> host;
    int beeps = 0;
};

void ResistorPageTest::init()
{
    QLocale::setDefault(QLocale::c());
    beeps = 0;
    SetBeepHook([this] { ++beeps; });
    host = std::make_unique<AppHost>();
}

void ResistorPageTest::cleanup()
{
    host.reset();
    SetBeepHook({});
}

void ResistorPageTest::startState()
{
    auto& f = host->f();
    QCOMPARE(f.Label1->text(), QStringLiteral("Check color!"));
    QVERIFY(f.RadioButton1->isChecked() && f.RadioButton5->isChecked());
    QVERIFY(f.Shape4->isHidden() && f.Shape11->isHidden());
    QCOMPARE(f.ComboBox1->currentText(), QStringLiteral("20%"));
    QCOMPARE(f.ComboBox3->currentText(), QStringLiteral("none"));
    QCOMPARE(f.ComboBox1->count(), 9);
    QCOMPARE(f.ComboBox3->count(), 8);
    QCOMPARE(f.Edit1->maxLength(), 9);
    for (TShape* band : {f.Shape1, f.Shape2, f.Shape3, f.Shape4, f.Shape5, f.Shape11})
        QCOMPARE(band->brushColour(), None);
    QCOMPARE(host->main().lastReadings().resistor.digits[0], std::int8_t(-1));
    QCOMPARE(host->main().lastReadings().resistor.digits[2], std::int8_t(-1));
    QCOMPARE(host->main().lastReadings().capacitor.digits[0], std::int8_t(0));
    QCOMPARE(f.Shape2->accessibleName(), QStringLiteral("Second digit: not set"));
}

void ResistorPageTest::everyAcceptedCode_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<bool>("comma");
    for (int bands : {4, 5, 6})
        for (bool comma : {false, true})
            QTest::addRow("%d bands, %s", bands, comma ? "comma" : "point") << bands << comma;
}

void ResistorPageTest::everyAcceptedCode()
{
    QFETCH(int, bands);
    QFETCH(bool, comma);
    QLocale::setDefault(comma ? QLocale(QLocale::German) : QLocale::c());
    auto& f = host->f();
    (bands == 4 ? f.RadioButton1 : bands == 5 ? f.RadioButton2 : f.RadioButton11)->click();
    // Violet multiplies only in a 4-band code.
    CheckEveryCode(page(), bands == 4 ? 2 : 3, bands == 4 ? 7 : 6, comma ? QLatin1Char(',') : QLatin1Char('.'));
}

void ResistorPageTest::typedValuesPaintBands_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("bands");
    for (int unit = 0; unit < 3; ++unit)
        for (int bands : {4, 5, 6})
            QTest::addRow("unit %d, %d bands", unit, bands) << unit << bands;
}

void ResistorPageTest::typedValuesPaintBands()
{
    QFETCH(int, unit);
    QFETCH(int, bands);
    auto& f = host->f();
    (bands == 4 ? f.RadioButton1 : bands == 5 ? f.RadioButton2 : f.RadioButton11)->click();
    (unit == 0 ? f.RadioButton5 : unit == 1 ? f.RadioButton6 : f.RadioButton7)->click();
    f.ComboBox1->setCurrentIndex(6);
    emit f.ComboBox1->activated(6);
    CheckTypedValues(page(), unit == 0 ? 1 : unit == 1 ? 1000 : 1000000, bands == 4 ? 2 : 3);
    // Tolerance band, TFR band and their lists are never touched by a calculation.
    QCOMPARE(f.Shape5->brushColour(), Gold);
    QCOMPARE(f.ComboBox1->currentIndex(), 6);
    QCOMPARE(f.Shape11->brushColour(), None);
    QCOMPARE(beeps, 0);
}

void ResistorPageTest::bandCountSwitch()
{
    auto& f = host->f();
    auto& page = host->main().resistorPage();
    f.Shape1->setBrushColour(Digit[4]);
    f.Shape2->setBrushColour(Digit[7]);
    f.Shape3->setBrushColour(Gold);
    page.recompute();
    QCOMPARE(f.Label1->text(), QStringLiteral("4.70 Ohm"));
    QCOMPARE(f.Shape3->accessibleName(), QString::fromUtf8("Multiplier: gold, \u00d70.1"));

    // Gold cannot be a third digit: 5 bands clear it, and the fourth band is unset.
    f.RadioButton2->click();
    QCOMPARE(f.Shape3->brushColour(), None);
    QVERIFY(f.Shape4->isVisibleTo(&host->main()));
    QCOMPARE(f.Label1->text(), QStringLiteral("Check color!"));
    QCOMPARE(f.Shape3->accessibleName(), QStringLiteral("Third digit: not set"));

    f.Shape3->setBrushColour(Digit[8]);
    f.Shape4->setBrushColour(Digit[2]);
    page.recompute();
    QCOMPARE(f.Label1->text(), QStringLiteral("47.80 KOhm"));
    f.RadioButton11->click();
    QCOMPARE(f.Label1->text(), QStringLiteral("47.80 KOhm"));
    QVERIFY(f.Shape11->isVisibleTo(&host->main()));

    // Grey cannot multiply: back to 4 bands clears it; the hidden fourth band keeps red.
    f.RadioButton1->click();
    QCOMPARE(f.Shape3->brushColour(), None);
    QCOMPARE(f.Shape4->brushColour(), Digit[2]);
    QVERIFY(f.Shape4->isHidden() && f.Shape11->isHidden());
    QCOMPARE(f.Label1->text(), QStringLiteral("Check color!"));

    // Violet survives the switch to 4 bands, now as the multiplier 10 000 000.
    f.RadioButton2->click();
    f.Shape3->setBrushColour(Digit[7]);
    f.RadioButton1->click();
    QCOMPARE(f.Shape3->brushColour(), Digit[7]);
    QCOMPARE(f.Label1->text(), QStringLiteral("470.00 MOhm"));
}

void ResistorPageTest::listsPaintBandsOnly()
{
    auto& f = host->f();
    f.Edit1->setText(QStringLiteral("4700"));
    f.Button1->click();
    const QString shown = f.Label1->text();
    f.ComboBox1->setCurrentIndex(4);
    emit f.ComboBox1->activated(4);
    QCOMPARE(f.Shape5->brushColour(), Digit[1]);
    QCOMPARE(f.Shape5->toolTip(), QStringLiteral("Tolerance: brown, 1%"));
    // The TFR band is painted even while hidden.
    f.ComboBox3->setCurrentIndex(0);
    emit f.ComboBox3->activated(0);
    QCOMPARE(f.Shape11->brushColour(), Digit[9]);
    f.ComboBox3->setCurrentIndex(7);
    emit f.ComboBox3->activated(7);
    QCOMPARE(f.Shape11->brushColour(), None);
    emit f.ComboBox1->activated(-1);
    QCOMPARE(f.Shape5->brushColour(), Digit[1]);
    QCOMPARE(f.Label1->text(), shown);

    // Typing into a list selects nothing and makes no sound.
    f.ComboBox1->setFocus();
    QTest::keyClicks(f.ComboBox1, QStringLiteral("2%05"));
    QCOMPARE(f.ComboBox1->currentIndex(), 4);
    QTest::keyClicks(f.ComboBox3, QStringLiteral("1550n"));
    QCOMPARE(f.ComboBox3->currentIndex(), 7);
    QCOMPARE(beeps, 0);
}

void ResistorPageTest::keyFilterBeeps()
{
    auto& f = host->f();
    QTest::keyClicks(f.Edit1, QStringLiteral("4a-7. ,x"));
    QCOMPARE(f.Edit1->text(), QStringLiteral("47"));
    QCOMPARE(beeps, 6);
    QTest::keyClick(f.Edit1, Qt::Key_Backspace);
    QTest::keyClick(f.Edit1, Qt::Key_Return);
    QTest::keyClick(f.Edit1, Qt::Key_Left);
    QCOMPARE(f.Edit1->text(), QStringLiteral("4"));
    QCOMPARE(beeps, 6);
    // Enter passes to the field and calculates, as the Calculate button does.
    QCOMPARE(f.Label1->text(), QStringLiteral("4.00 Ohm"));
    QTest::keyClicks(f.Edit1, QStringLiteral("1234567890"));
    // Left moved the cursor before the 4: arrows are not typing and pass the filter.
    QCOMPARE(f.Edit1->text(), QStringLiteral("123456784"));
    // Delete edits without a beep, also with the text "\x7f" that X11 sends with it.
    QTest::keyClick(f.Edit1, Qt::Key_Home);
    QTest::sendKeyEvent(QTest::Click, f.Edit1, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
    QCOMPARE(f.Edit1->text(), QStringLiteral("23456784"));
    QCOMPARE(beeps, 6);
}

void ResistorPageTest::composedCharactersAreTypingToo_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("expected");
    // Dead acute + e, Compose 1 2, dead circumflex + 2; digits pass as when typed.
    QTest::newRow("Edit1 e acute") << "Edit1" << QString::fromUtf8("\u00e9") << "4";
    QTest::newRow("Edit2 one half") << "Edit2" << QString::fromUtf8("\u00bd") << "4";
    QTest::newRow("Edit13 digit, squared") << "Edit13" << QString::fromUtf8("5\u00b2") << "4";
    QTest::newRow("Edit7 digits") << "Edit7"
                                  << "56"
                                  << "456";
}

void ResistorPageTest::composedCharactersAreTypingToo()
{
    QFETCH(QString, field);
    QFETCH(QString, commit);
    QFETCH(QString, expected);
    auto* edit = host->main().findChild<QLineEdit*>(field);
    edit->setText(QStringLiteral("4"));
    // The accent shows as a composition first, then the result is committed.
    QInputMethodEvent accent(QStringLiteral("^"), {});
    QApplication::sendEvent(edit, &accent);
    QInputMethodEvent composed;
    composed.setCommitString(commit);
    QApplication::sendEvent(edit, &composed);
    QTest::keyClicks(edit, QStringLiteral("1"));
    QCOMPARE(edit->text(), expected + QLatin1Char('1'));
    QCOMPARE(beeps, expected.size() == 1 ? 1 : 0);
}

void ResistorPageTest::refusedValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("message");
    QTest::newRow("1000 MOhm") << "1000" << 2 << "Enter 1..999 MOhm";
    QTest::newRow("999000001 Ohm") << "999000001" << 0 << "Enter 1..999000000 Ohm";
    QTest::newRow("999001 KOhm") << "999001" << 1 << "Enter 1..999000 KOhm";
    QTest::newRow("0 Ohm") << "0" << 0 << "Enter 1..999000000 Ohm";
    QTest::newRow("000 KOhm") << "000" << 1 << "Enter 1..999000 KOhm";
    QTest::newRow("pasted negative") << "-5" << 2 << "Enter 1..999 MOhm";
}

void ResistorPageTest::refusedValues()
{
    QFETCH(QString, text);
    QFETCH(int, unit);
    QFETCH(QString, message);
    auto& f = host->f();
    f.Edit1->setText(QStringLiteral("47"));
    f.Button1->click();
    (unit == 0 ? f.RadioButton5 : unit == 1 ? f.RadioButton6 : f.RadioButton7)->click();
    f.Edit1->setText(text);
    ModalWatch watch;
    f.Button1->click();
    QCOMPARE(beeps, 1);
    QCOMPARE(watch.boxes().size(), std::size_t(1));
    const SeenBox& box = watch.boxes().front();
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, QStringLiteral("Kolvane v." KOLVANE_VERSION));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttons, 1);
    QVERIFY2(box.width >= TitleNeeds(), qPrintable(QStringLiteral("%1 px wide").arg(box.width)));
    QCOMPARE(f.Label1->text(), QStringLiteral("47.00 Ohm"));
    QCOMPARE(f.Shape1->brushColour(), Digit[4]);
    QCOMPARE(f.Shape3->brushColour(), Digit[0]);
    QCOMPARE(f.Edit1->text(), text);
}

void ResistorPageTest::pastedTextGoesToErrorBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "12a";
    QTest::newRow("markup") << "<b>1</b>";
    QTest::newRow("spaces") << " 12 ";
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0663\u0664");
    QTest::newRow("sign only") << "+";
}

void ResistorPageTest::pastedTextGoesToErrorBox()
{
    QFETCH(QString, text);
    auto& f = host->f();
    f.Edit1->setText(text);
    ModalWatch watch;
    f.Button1->click();
    QCOMPARE(watch.boxes().size(), std::size_t(1));
    const SeenBox& box = watch.boxes().front();
    QCOMPARE(box.text, QStringLiteral("'%1' is not a valid integer value.").arg(text));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.format, Qt::PlainText);
    QCOMPARE(box.title, QStringLiteral("Kolvane v." KOLVANE_VERSION));
    QCOMPARE(beeps, 0);
    QCOMPARE(f.Label1->text(), QStringLiteral("Check color!"));
    QCOMPARE(f.Shape1->brushColour(), None);
    QCOMPARE(f.Edit1->text(), text);
}

void ResistorPageTest::emptyFieldDoesNothing()
{
    auto& f = host->f();
    ModalWatch watch;
    f.Button1->click();
    QTest::qWait(20);
    QVERIFY(watch.boxes().empty());
    QCOMPARE(beeps, 0);
    QCOMPARE(f.Shape1->brushColour(), None);
}

void ResistorPageTest::hintAfterPickAndTypedValue()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto& f = host->f();
    const auto hint = [&] { return ValueHint(f.Label1); };
    QCOMPARE(hint(), QString());

    // 10 kΩ ±1 % as brown-black-black-red-brown, the last band picked: from the other
    // end it is brown-red-black-black-brown, 120 Ω ±1 %.
    f.RadioButton2->click();
    for (const auto& [band, colour] : {std::pair{f.Shape1, Digit[1]}, {f.Shape2, Digit[0]}, {f.Shape3, Digit[0]}})
        band->setBrushColour(colour);
    PickThroughPicker(f.Shape4, host->picker().Shape3); // red
    QCOMPARE(f.Label1->text(), QStringLiteral("10,00 KOhm"));
    QCOMPARE(hint(), QStringLiteral("Tolerance \u00b120%: 8,00 KOhm \u2026 12,00 KOhm\n"
                                    "Standard value in E3, E6, E12, E24, E48, E96, E192"));
    PickThroughPicker(f.Shape5, host->picker().Shape2); // brown, 1 %
    QCOMPARE(hint(), QStringLiteral("Tolerance \u00b11%: 9,90 KOhm \u2026 10,10 KOhm\n"
                                    "Standard value in E3, E6, E12, E24, E48, E96, E192\n"
                                    "Warning: read from the other end: 120,00 Ohm \u00b11%"));

    // Typed: 3,2 KOhm is in E192 alone; orange as a tolerance gives no other reading.
    f.RadioButton1->click();
    type(QStringLiteral("3200"));
    QCOMPARE(f.Label1->text(), QStringLiteral("3,20 KOhm"));
    QCOMPARE(hint(), QStringLiteral("Tolerance \u00b11%: 3,17 KOhm \u2026 3,23 KOhm\n"
                                    "Standard value in E192"));

    // In no series: the neighbours in E24 and E96. Choosing a tolerance changes the
    // hint though the value stays.
    type(QStringLiteral("2300"));
    f.ComboBox1->setCurrentIndex(7);
    emit f.ComboBox1->activated(7);
    QCOMPARE(f.Label1->text(), QStringLiteral("2,30 KOhm"));
    QCOMPARE(hint(), QStringLiteral("Tolerance \u00b110%: 2,07 KOhm \u2026 2,53 KOhm\n"
                                    "Not a standard value; neighbours in E24: 2,20 KOhm and 2,40 KOhm; "
                                    "in E96: 2,26 KOhm and 2,32 KOhm"));

    // A 6-band code's other-end reading carries the TFR: brown-brown-black-red-brown-red
    // read back is red-brown-red-black-brown-brown, 212 Ω ±1 %, 100 ppm/K.
    f.RadioButton11->click();
    type(QStringLiteral("11000"));
    PickThroughPicker(f.Shape5, host->picker().Shape2);
    PickThroughPicker(f.Shape11, host->picker().Shape3);
    QVERIFY(hint().endsWith(QStringLiteral("Warning: read from the other end: 212,00 Ohm \u00b11%, 100 ppm/K")));

    // No value, no hint.
    f.Shape1->setBrushColour(None);
    host->main().resistorPage().recompute();
    QCOMPARE(f.Label1->text(), QStringLiteral("Check color!"));
    QCOMPARE(f.Label1->toolTip(), QString());
    QCOMPARE(f.Label1->accessibleDescription(), QString());
}

void ResistorPageTest::copyMenu()
{
    auto& f = host->f();
    QClipboard* clipboard = QGuiApplication::clipboard();
    type(QStringLiteral("3200"));
    const QStringList texts = {QStringLiteral("3.20 KOhm"), QStringLiteral("3K2"), QStringLiteral("orange red red")};
    for (int item = 0; item < 3; ++item) {
        clipboard->clear();
        const SeenMenu seen = ChooseFromMenu(f.Label1, item);
        QVERIFY(seen.opened);
        QCOMPARE(seen.items, LabelMenuItems);
        QCOMPARE(seen.enabled, QList<bool>({true, true, true, true, true}));
        QCOMPARE(clipboard->text(), texts[item]);
    }

    // Six bands with tolerance and TFR set: every band, in printed order. Assistive
    // tools open the same menu through the label's menu action.
    f.RadioButton11->click();
    type(QStringLiteral("4751"));
    f.ComboBox1->setCurrentIndex(6);
    emit f.ComboBox1->activated(6);
    f.ComboBox3->setCurrentIndex(5);
    emit f.ComboBox3->activated(5);
    QVERIFY(ChooseFromMenu(f.Label1, 2, MenuOpener::AssistiveTool).opened);
    QCOMPARE(clipboard->text(), QStringLiteral("yellow violet green brown gold red"));
    QVERIFY(ChooseFromMenu(f.Label1, 1, MenuOpener::AssistiveTool).opened);
    QCOMPARE(clipboard->text(), QStringLiteral("4K75"));
    // Five bands: the TFR band is not part of the code.
    f.RadioButton2->click();
    ChooseFromMenu(f.Label1, 2);
    QCOMPARE(clipboard->text(), QStringLiteral("yellow violet green brown gold"));

    // "Check color!": the items are there but cannot be chosen.
    f.Shape4->setBrushColour(None);
    host->main().resistorPage().recompute();
    clipboard->setText(QStringLiteral("kept"));
    const SeenMenu seen = ChooseFromMenu(f.Label1, -1);
    QVERIFY(seen.opened);
    QCOMPARE(seen.items, LabelMenuItems);
    QCOMPARE(seen.enabled, QList<bool>({false, false, false, true, false}));
    for (QAction* action : f.Label1->actions())
        action->trigger();
    QCOMPARE(clipboard->text(), QStringLiteral("kept"));
}

QTEST_MAIN(ResistorPageTest)
#include "test_resistorpage.moc"
