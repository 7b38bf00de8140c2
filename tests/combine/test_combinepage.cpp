// SPDX-License-Identifier: MIT
// The four series and parallel calculators on the main window's layout: wiring of
// buttons, fields and rules, start texts, error reports, key filters, diagrams.
#include "feedback.h"
#include "combinepage.h"

#include <QAccessible>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include "tests/support/apphost.h"
#include "tests/support/modalwatch.h"

#include <memory>

using namespace kolvane;
using kolvane::test::ModalWatch;

namespace {

// The program's windows; the calculators are the main window's own.
struct Harness {
    Harness() : window(*host.windows.mainForm), ui(host.f()) {}

    struct Calculator {
        QPushButton* button;
        QLineEdit* first;
        QLineEdit* second;
        QLineEdit* result;
        QWidget* tab;
    };
    Calculator calculator(int index)
    {
        switch (index) {
        case 0: return {ui.Button3, ui.Edit3, ui.Edit4, ui.Edit5, ui.TabSheet3};
        case 1: return {ui.Button4, ui.Edit6, ui.Edit7, ui.Edit8, ui.TabSheet3};
        case 2: return {ui.Button5, ui.Edit9, ui.Edit10, ui.Edit11, ui.TabSheet4};
        default: return {ui.Button6, ui.Edit12, ui.Edit13, ui.Edit14, ui.TabSheet4};
        }
    }
    // Clicks a calculator's button as a user would, on its own page.
    void click(const Calculator& c)
    {
        ui.PageControl1->setCurrentWidget(c.tab);
        QTest::mouseClick(c.button, Qt::LeftButton);
    }

    kolvane::test::AppHost host;
    QMainWindow& window;
    kolvane::test::MainControls& ui;
};

const char* const CalculatorNames[] = {"resistors in series", "resistors in parallel", "capacitors in series",
                                       "capacitors in parallel"};

} // namespace

class TestCombinePage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startTexts_data();
    void startTexts();
    void calculators_data();
    void calculators();
    void unchangedInputsUnderAPointLocale();
    void bothEmptyDoesNothing_data();
    void bothEmptyDoesNothing();
    void badInput_data();
    void badInput();
    void longResultIsWrittenWhole();
    void resultFieldsRefuseAssistiveText();
    void keyFilter_data();
    void keyFilter();
    void tabOrder_data();
    void tabOrder();
    void diagrams();

private:
    int m_beeps = 0;
};

void TestCombinePage::initTestCase()
{
    Q_INIT_RESOURCE(kolvane);
    SetBeepHook([this] { ++m_beeps; });
}

void TestCombinePage::init()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_beeps = 0;
}

void TestCombinePage::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestCombinePage::startTexts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("result");
    QTest::newRow(CalculatorNames[0]) << 0 << "200,00";
    QTest::newRow(CalculatorNames[1]) << 1 << "50,00";
    QTest::newRow(CalculatorNames[2]) << 2 << "50,00";
    QTest::newRow(CalculatorNames[3]) << 3 << "200,00";
}

// The start texts, and a click with the inputs untouched gives them again.
void TestCombinePage::startTexts()
{
    QFETCH(int, index);
    QFETCH(QString, result);
    Harness h;
    const auto c = h.calculator(index);
    QCOMPARE(c.first->text(), QStringLiteral("100"));
    QCOMPARE(c.second->text(), QStringLiteral("100"));
    QCOMPARE(c.result->text(), result);
    h.click(c);
    QCOMPARE(c.result->text(), result);
}

void TestCombinePage::calculators_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("result");
    // The sum rule for resistors in series and capacitors in parallel, the product
    // over the sum for the other two; asymmetric inputs catch swapped fields.
    for (int index : {0, 3}) {
        const QByteArray name = CalculatorNames[index];
        QTest::newRow(name + ": 47 and 33") << index << "47"
                                            << "33"
                                            << "80,00";
        QTest::newRow(name + ": largest") << index << "99999"
                                          << "99999"
                                          << "199998,00";
        QTest::newRow(name + ": zeros") << index << "0"
                                        << "0"
                                        << "0,00";
        QTest::newRow(name + ": 9 and 15") << index << "9"
                                           << "15"
                                           << "24,00";
    }
    for (int index : {1, 2}) {
        const QByteArray name = CalculatorNames[index];
        QTest::newRow(name + ": 100 and 200") << index << "100"
                                              << "200"
                                              << "66,67";
        QTest::newRow(name + ": 9 and 15") << index << "9"
                                           << "15"
                                           << "5,63";
        QTest::newRow(name + ": 1 and 7") << index << "1"
                                          << "7"
                                          << "0,88";
        QTest::newRow(name + ": 0 and 500") << index << "0"
                                            << "500"
                                            << "0,00";
        QTest::newRow(name + ": largest") << index << "99999"
                                          << "99999"
                                          << "49999,50";
        QTest::newRow(name + ": leading zeros") << index << "00001"
                                                << "1"
                                                << "0,50";
    }
}

void TestCombinePage::calculators()
{
    QFETCH(int, index);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, result);
    Harness h;
    const auto c = h.calculator(index);
    c.first->setText(first);
    c.second->setText(second);
    // Typing changes nothing until the button is clicked.
    QCOMPARE(c.result->text(), h.calculator(index).result->text());
    ModalWatch watch;
    h.click(c);
    QCOMPARE(c.result->text(), result);
    QCOMPARE(watch.boxes().size(), size_t{0});
    // The other three calculators are untouched.
    const QString starts[] = {"200,00", "50,00", "50,00", "200,00"};
    for (int other = 0; other < 4; ++other)
        if (other != index)
            QCOMPARE(h.calculator(other).result->text(), starts[other]);
}

void TestCombinePage::unchangedInputsUnderAPointLocale()
{
    QLocale::setDefault(QLocale::c());
    Harness h;
    const QString expected[] = {"200,00", "50.00", "50.00", "200,00"};
    for (int index = 0; index < 4; ++index) {
        h.click(h.calculator(index));
        QCOMPARE(h.calculator(index).result->text(), expected[index]);
    }
}

void TestCombinePage::bothEmptyDoesNothing_data()
{
    QTest::addColumn<int>("index");
    for (int index = 0; index < 4; ++index)
        QTest::newRow(CalculatorNames[index]) << index;
}

void TestCombinePage::bothEmptyDoesNothing()
{
    QFETCH(int, index);
    Harness h;
    const auto c = h.calculator(index);
    const QString before = c.result->text();
    c.first->clear();
    c.second->clear();
    ModalWatch watch;
    h.click(c);
    QCOMPARE(c.result->text(), before);
    QCOMPARE(watch.boxes().size(), size_t{0});
}

void TestCombinePage::badInput_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("message");
    for (int index = 0; index < 4; ++index) {
        const QByteArray name = CalculatorNames[index];
        QTest::newRow(name + ": first empty") << index << ""
                                              << "100"
                                              << "'' is not a valid integer value.";
        QTest::newRow(name + ": second empty") << index << "100"
                                               << ""
                                               << "'' is not a valid integer value.";
        QTest::newRow(name + ": pasted letters") << index << "12a"
                                                 << "100"
                                                 << "'12a' is not a valid integer value.";
        // The first field is parsed first: its error is the one reported.
        QTest::newRow(name + ": both bad") << index << "x"
                                           << "<b>"
                                           << "'x' is not a valid integer value.";
        QTest::newRow(name + ": markup shown as typed") << index << "1"
                                                        << "<b>"
                                                        << "'<b>' is not a valid integer value.";
        QTest::newRow(name + ": spaces") << index << " 12"
                                         << "100"
                                         << "' 12' is not a valid integer value.";
    }
    // Only a pasted sign can make the sum zero; the sum rule has no division.
    QTest::newRow("resistors in parallel: division by zero") << 1 << "-5"
                                                             << "5"
                                                             << "Floating point division by zero.";
    QTest::newRow("capacitors in series: division by zero") << 2 << "9999"
                                                            << "-9999"
                                                            << "Floating point division by zero.";
}

void TestCombinePage::badInput()
{
    QFETCH(int, index);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, message);
    Harness h;
    const auto c = h.calculator(index);
    const QString before = c.result->text();
    c.first->setText(first);
    c.second->setText(second);
    ModalWatch watch;
    h.click(c);
    QCOMPARE(watch.boxes().size(), size_t{1});
    const auto& box = watch.boxes().front();
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, ApplicationTitle);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.format, Qt::PlainText);
    QCOMPARE(c.result->text(), before);
    // The program carries on: the next click with good inputs works.
    c.first->setText(QStringLiteral("47"));
    c.second->setText(QStringLiteral("33"));
    h.click(c);
    QCOMPARE(c.result->text(), index == 0 || index == 3 ? QStringLiteral("80,00") : QStringLiteral("19,39"));
}

// A pasted sign can give a total longer than the nine characters a user may type
// into a result; what the calculator writes is shown whole.
void TestCombinePage::longResultIsWrittenWhole()
{
    Harness h;
    const auto c = h.calculator(1);
    c.first->setText(QStringLiteral("-9999"));
    c.second->setText(QStringLiteral("10000"));
    h.click(c);
    QCOMPARE(c.result->text(), QStringLiteral("-99990000,00"));
}

void TestCombinePage::keyFilter_data()
{
    QTest::addColumn<QString>("field");
    for (const char* name : {"Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11",
                             "Edit12", "Edit13", "Edit14"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestCombinePage::keyFilter()
{
    QFETCH(QString, field);
    Harness h;
    auto* edit = h.window.findChild<QLineEdit*>(field);
    QVERIFY(edit);
    h.ui.PageControl1->setCurrentWidget(edit->parentWidget()->parentWidget());
    edit->setFocus();
    const QString before = edit->text();
    edit->setCursorPosition(0);

    QTest::keyClicks(edit, QStringLiteral("a-,. "));
    QCOMPARE(m_beeps, 5);
    QCOMPARE(edit->text(), before);

    if (edit->isReadOnly()) {
        // Digits pass the filter but a result field does not take them.
        QTest::keyClicks(edit, QStringLiteral("7"));
        QCOMPARE(edit->text(), before);
    } else {
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("4x2"));
        QCOMPARE(edit->text(), QStringLiteral("42"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("4"));
        // At most five characters.
        QTest::keyClicks(edit, QStringLiteral("123456"));
        QCOMPARE(edit->text(), QStringLiteral("41234"));
    }
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(m_beeps, edit->isReadOnly() ? 5 : 6);
}

void TestCombinePage::tabOrder_data()
{
    QTest::addColumn<QStringList>("order");
    QTest::newRow("resistors in series") << QStringList{"Edit3", "Edit4", "Button3", "Edit5"};
    QTest::newRow("resistors in parallel") << QStringList{"Button4", "Edit6", "Edit7", "Edit8"};
    QTest::newRow("capacitors in series") << QStringList{"Edit9", "Edit10", "Button5", "Edit11"};
    QTest::newRow("capacitors in parallel") << QStringList{"Button6", "Edit12", "Edit13", "Edit14"};
}

void TestCombinePage::tabOrder()
{
    QFETCH(QStringList, order);
    Harness h;
    auto* first = h.window.findChild<QWidget*>(order.front());
    h.ui.PageControl1->setCurrentWidget(first->parentWidget()->parentWidget());
    h.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.window));
    first->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), first);
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
}

void TestCombinePage::diagrams()
{
    Harness h;
    // Each diagram is in its frame by the time its page is first on screen.
    for (QWidget* page : {h.ui.TabSheet4, h.ui.TabSheet3})
        h.ui.PageControl1->setCurrentWidget(page);
    for (QLabel* image : {h.ui.Image1, h.ui.Image2, h.ui.Image3, h.ui.Image4}) {
        QCOMPARE(image->pixmap().size(), QSize(164, 78));
        QCOMPARE(image->size(), QSize(165, 80));
        QVERIFY(image->hasScaledContents());
    }
    // Stretched into the frame: the frame's corners show the picture's dark-blue
    // border, and its centre line the wire or element, not an empty ground.
    const QImage shown = h.ui.Image1->grab().toImage();
    QCOMPARE(shown.size(), QSize(165, 80));
    const QColor corner = shown.pixelColor(164, 79);
    QVERIFY2(corner.blue() > 90 && corner.red() < 60 && corner.green() < 60, qPrintable(corner.name()));
    const QColor box = shown.pixelColor(59, 40);
    QVERIFY2(box.red() > 200 && box.green() > 200 && box.blue() < 60, qPrintable(box.name()));
}

QTEST_MAIN(TestCombinePage)
// The result fields are read-only to assistive tools too: setting the text, or
// editing it, leaves the calculated total.
void TestCombinePage::resultFieldsRefuseAssistiveText()
{
    Harness h;
    for (int index = 0; index < 4; ++index) {
        const auto c = h.calculator(index);
        c.first->setText(QStringLiteral("100"));
        c.second->setText(QStringLiteral("100"));
        h.click(c);
        const QString total = c.result->text();
        QVERIFY(!total.isEmpty());
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(c.result);
        QVERIFY(face);
        face->setText(QAccessible::Value, QStringLiteral("999"));
        QCOMPARE(c.result->text(), total);
        if (QAccessibleEditableTextInterface* edit = face->editableTextInterface()) {
            edit->insertText(0, QStringLiteral("9"));
            edit->replaceText(0, 1, QStringLiteral("7"));
            edit->deleteText(0, 1);
        }
        QCOMPARE(c.result->text(), total);
        // A new total is still written.
        c.first->setText(QStringLiteral("200"));
        h.click(c);
        QVERIFY(c.result->text() != total);
    }
}

#include "test_combinepage.moc"
