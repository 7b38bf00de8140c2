// SPDX-License-Identifier: MIT
// The "Capasitor" page through its widgets: every code it accepts in pF, nF and µF,
// typed values, the band-count switch, the list with its edit part, and the messages.
#include "feedback.h"
#include "tests/support/apphost.h"
#include "tests/support/codechecks.h"
#include "tests/support/copymenu.h"
#include "tests/support/modalwatch.h"
#include "tests/support/valuehint.h"

#include <QClipboard>
#include <QAbstractItemView>
#include <QTest>

using namespace kolvane;
using namespace kolvane::test;

class CapacitorPageTest : public QObject {
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
    void toleranceList();
    void openListHighlightsOnlyTheSelection();
    void refusedValuesNameTheirUnit_data();
    void refusedValuesNameTheirUnit();
    void pastedTextGoesToErrorBox();
    void hintAfterPickAndTypedValue();
    void hintSpansRoundTheirDecimalHalfUp();
    void copyMenu();

private:
    void type(const QString& text)
    {
        host->f().Edit2->setText(text);
        host->f().Button2->click();
    }
    PageUnderTest page()
    {
        auto& f = host->f();
        return {{f.Shape6, f.Shape7, f.Shape8, f.Shape9}, f.Label3, f.Edit2, f.Button2, FaradUnits, [this] {
                    host->main().capacitorPage().recompute();
                }};
    }
    std::unique_ptr<AppHost> host;
    int beeps = 0;
};

void CapacitorPageTest::init()
{
    QLocale::setDefault(QLocale::c());
    beeps = 0;
    SetBeepHook([this] { ++beeps; });
    host = std::make_unique<AppHost>();
}

void CapacitorPageTest::cleanup()
{
    host.reset();
    SetBeepHook({});
}

void CapacitorPageTest::startState()
{
    auto& f = host->f();
    QCOMPARE(f.Label3->text(), QStringLiteral("Check color!"));
    QVERIFY(f.RadioButton4->isChecked() && f.RadioButton10->isChecked());
    QVERIFY(f.Shape9->isHidden());
    QCOMPARE(f.ComboBox2->currentIndex(), -1);
    QCOMPARE(f.ComboBox2->currentText(), QStringLiteral("20%"));
    QCOMPARE(f.ComboBox2->count(), 9);
    QCOMPARE(f.RadioButton8->text(), QString::fromUtf8("\u00b5F"));
    for (int cell = 3; cell < 6; ++cell)
        QCOMPARE(host->main().lastReadings().capacitor.digits[static_cast<std::size_t>(cell - 3)], std::int8_t(0));
}

void CapacitorPageTest::everyAcceptedCode_data()
{
    QTest::addColumn<int>("bands");
    QTest::addColumn<bool>("comma");
    for (int bands : {4, 5})
        for (bool comma : {false, true})
            QTest::addRow("%d bands, %s", bands, comma ? "comma" : "point") << bands << comma;
}

void CapacitorPageTest::everyAcceptedCode()
{
    QFETCH(int, bands);
    QFETCH(bool, comma);
    QLocale::setDefault(comma ? QLocale(QLocale::German) : QLocale::c());
    (bands == 4 ? host->f().RadioButton4 : host->f().RadioButton3)->click();
    CheckEveryCode(page(), bands == 4 ? 2 : 3, bands == 4 ? 7 : 6, comma ? QLatin1Char(',') : QLatin1Char('.'));
}

void CapacitorPageTest::typedValuesPaintBands_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("bands");
    for (int unit = 0; unit < 3; ++unit)
        for (int bands : {4, 5})
            QTest::addRow("unit %d, %d bands", unit, bands) << unit << bands;
}

void CapacitorPageTest::typedValuesPaintBands()
{
    QFETCH(int, unit);
    QFETCH(int, bands);
    auto& f = host->f();
    (bands == 4 ? f.RadioButton4 : f.RadioButton3)->click();
    (unit == 0 ? f.RadioButton10 : unit == 1 ? f.RadioButton9 : f.RadioButton8)->click();
    f.Shape9->setBrushColour(Digit[3]);
    CheckTypedValues(page(), unit == 0 ? 1 : unit == 1 ? 1000 : 1000000, bands == 4 ? 2 : 3);
    if (bands == 4)
        QCOMPARE(f.Shape9->brushColour(), Digit[3]); // hidden, and kept
    QCOMPARE(f.Shape10->brushColour(), None);
    QCOMPARE(f.ComboBox2->currentIndex(), -1);
}

void CapacitorPageTest::bandCountSwitch()
{
    auto& f = host->f();
    f.RadioButton3->click();
    f.Edit2->setText(QStringLiteral("4780"));
    f.Button2->click();
    QCOMPARE(f.Label3->text(), QStringLiteral("4.78 nF"));
    QCOMPARE(f.Shape8->brushColour(), Digit[8]);
    f.RadioButton4->click();
    QCOMPARE(f.Shape8->brushColour(), None);
    QCOMPARE(f.Label3->text(), QStringLiteral("Check color!"));
    f.RadioButton3->click();
    QCOMPARE(f.Shape9->brushColour(), Digit[1]);
    QCOMPARE(f.Shape8->brushColour(), None);
    QCOMPARE(f.Label3->text(), QStringLiteral("Check color!"));
}

void CapacitorPageTest::toleranceList()
{
    auto& f = host->f();
    f.ComboBox2->setCurrentIndex(6);
    emit f.ComboBox2->activated(6);
    QCOMPARE(f.Shape10->brushColour(), Gold);
    f.ComboBox2->setCurrentIndex(8);
    emit f.ComboBox2->activated(8);
    QCOMPARE(f.Shape10->brushColour(), None);
    QCOMPARE(f.Label3->text(), QStringLiteral("Check color!"));
    // The edit part takes no typing.
    QTest::keyClicks(f.ComboBox2, QStringLiteral("5%x"));
    QCOMPARE(f.ComboBox2->currentText(), QStringLiteral("20%"));
    QCOMPARE(beeps, 0);
}

void CapacitorPageTest::openListHighlightsOnlyTheSelection()
{
    QComboBox* list = host->f().ComboBox2;
    QAbstractItemView* view = list->view();
    // A row's background beside its text shows whether it is highlighted.
    const auto rowLook = [&](int row) {
        const QRect rect = view->visualRect(list->model()->index(row, 0));
        return view->viewport()->grab().toImage().pixelColor(rect.right() - 2, rect.center().y());
    };
    for (const int selected : {-1, 6}) {
        list->setCurrentIndex(selected);
        list->setFocus();
        list->showPopup();
        QTRY_VERIFY(view->isVisible() && view->hasFocus());
        const QColor plain = rowLook(list->count() - 1); // never selected here
        for (int row = 0; row < list->count(); ++row)
            QVERIFY2((rowLook(row) != plain) == (row == selected), qPrintable(QString::number(row)));
        list->hidePopup();
        QTRY_VERIFY(!view->isVisible());
    }
}

void CapacitorPageTest::refusedValuesNameTheirUnit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("message");
    QTest::newRow("1000 uF") << "1000" << 2 << QString::fromUtf8("Enter 1..999 \u00b5F");
    QTest::newRow("999001 nF") << "999001" << 1 << "Enter 1..999000 nF";
    QTest::newRow("0 pF") << "0" << 0 << "Enter 1..999000000 pF";
}

void CapacitorPageTest::refusedValuesNameTheirUnit()
{
    QFETCH(QString, text);
    QFETCH(int, unit);
    QFETCH(QString, message);
    auto& f = host->f();
    (unit == 0 ? f.RadioButton10 : unit == 1 ? f.RadioButton9 : f.RadioButton8)->click();
    f.Edit2->setText(text);
    ModalWatch watch;
    f.Button2->click();
    QCOMPARE(beeps, 1);
    QCOMPARE(watch.boxes().size(), std::size_t(1));
    QCOMPARE(watch.boxes().front().text, message);
    QCOMPARE(watch.boxes().front().icon, QMessageBox::NoIcon);
    QCOMPARE(f.Shape6->brushColour(), None);
}

void CapacitorPageTest::pastedTextGoesToErrorBox()
{
    auto& f = host->f();
    f.Edit2->setText(QStringLiteral("1e3"));
    ModalWatch watch;
    f.Button2->click();
    QCOMPARE(watch.boxes().size(), std::size_t(1));
    QCOMPARE(watch.boxes().front().text, QStringLiteral("'1e3' is not a valid integer value."));
    QCOMPARE(watch.boxes().front().icon, QMessageBox::Critical);
    QCOMPARE(f.Shape6->brushColour(), None);
}

void CapacitorPageTest::hintAfterPickAndTypedValue()
{
    auto& f = host->f();
    const auto hint = [&] { return ValueHint(f.Label3); };

    // 4.7 nF: E3 to E24 and E192 (470), not E48 or E96; no tolerance band is 20 %.
    type(QStringLiteral("4700"));
    QCOMPARE(f.Label3->text(), QStringLiteral("4.70 nF"));
    QCOMPARE(hint(), QStringLiteral("Tolerance \u00b120%: 3.76 nF \u2026 5.64 nF\n"
                                    "Standard value in E3, E6, E12, E24, E192"));

    // 10 nF with a picked brown tolerance reads from the other end as 120 pF ±1 %.
    f.RadioButton3->click();
    type(QStringLiteral("10000"));
    PickThroughPicker(f.Shape10, host->picker().Shape2);
    QCOMPARE(f.ComboBox2->currentText(), QStringLiteral("1%"));
    QCOMPARE(hint(), QStringLiteral("Tolerance \u00b11%: 9.90 nF \u2026 10.10 nF\n"
                                    "Standard value in E3, E6, E12, E24, E48, E96, E192\n"
                                    "Warning: read from the other end: 120.00 pF \u00b11%"));

    // A picked first digit: 30 nF is one of E24's historic values; orange leads no code.
    PickThroughPicker(f.Shape6, host->picker().Shape4);
    QCOMPARE(f.Label3->text(), QStringLiteral("30.00 nF"));
    QCOMPARE(hint(), QStringLiteral("Tolerance \u00b11%: 29.70 nF \u2026 30.30 nF\n"
                                    "Standard value in E24"));

    // An unset fourth band: no value, no hint.
    f.Shape9->setBrushColour(None);
    host->main().capacitorPage().recompute();
    QCOMPARE(f.Label3->toolTip(), QString());
    QCOMPARE(f.Label3->accessibleDescription(), QString());
}

void CapacitorPageTest::hintSpansRoundTheirDecimalHalfUp()
{
    // 4.7 nF ±5 % spans 4.465 nF to 4.935 nF exactly: both ends are decimal halves and
    // round up, though 4.935 as a float lies just below its half.
    auto& f = host->f();
    type(QStringLiteral("4700"));
    f.ComboBox2->setCurrentIndex(6);
    emit f.ComboBox2->activated(6);
    QCOMPARE(f.Label3->text(), QStringLiteral("4.70 nF"));
    QCOMPARE(f.Label3->toolTip(), QStringLiteral("Tolerance \u00b15%: 4.47 nF \u2026 4.94 nF\n"
                                                 "Standard value in E3, E6, E12, E24, E192\n") +
                                      LookUpHintLine);
}

void CapacitorPageTest::copyMenu()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto& f = host->f();
    QClipboard* clipboard = QGuiApplication::clipboard();
    type(QStringLiteral("4700"));
    const QStringList texts = {QStringLiteral("4,70 nF"), QStringLiteral("4n7"), QStringLiteral("yellow violet red")};
    for (int item = 0; item < 3; ++item) {
        clipboard->clear();
        const SeenMenu seen = ChooseFromMenu(f.Label3, item);
        QCOMPARE(seen.items, LabelMenuItems);
        QCOMPARE(seen.enabled, QList<bool>({true, true, true, true, true}));
        QCOMPARE(clipboard->text(), texts[item]);
    }
    f.ComboBox2->setCurrentIndex(6);
    emit f.ComboBox2->activated(6);
    ChooseFromMenu(f.Label3, 2, MenuOpener::AssistiveTool);
    QCOMPARE(clipboard->text(), QStringLiteral("yellow violet red gold"));

    f.RadioButton8->click();
    type(QStringLiteral("1"));
    ChooseFromMenu(f.Label3, 1);
    QCOMPARE(clipboard->text(), QString::fromUtf8("1\u00b50"));

    f.RadioButton3->click(); // the fourth band is unset
    QCOMPARE(f.Label3->text(), QStringLiteral("Check color!"));
    QCOMPARE(ChooseFromMenu(f.Label3, -1).enabled, QList<bool>({false, false, false, true, false}));
}

QTEST_MAIN(CapacitorPageTest)
#include "test_capacitorpage.moc"
