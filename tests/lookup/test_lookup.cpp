// SPDX-License-Identifier: MIT
// The Look up window as a user and an assistive tool meet it: opened by Ctrl+L and by
// the menus, found by its controls' accessible names, reading what is typed, putting a
// reading on its page, finding combinations, and closing with Escape.
#include "codepictureview.h"
#include "feedback.h"
#include "lookupwindow.h"
#include "placement.h"
#include "tests/support/apphost.h"
#include "tests/support/copymenu.h"
#include "tests/support/modalwatch.h"
#include "tests/support/valuehint.h"

#include <QAccessible>
#include <QClipboard>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

using namespace kolvane;
using namespace kolvane::test;

namespace {

// A control of the window by its accessible name, as a screen reader finds it.
template <typename T>
T* Named(QWidget* window, const QString& name)
{
    for (T* w : window->findChildren<T*>())
        if (w->accessibleName() == name || (w->accessibleName().isEmpty() && w->property("text") == name))
            return w;
    return nullptr;
}

// Opens `control`'s context menu as a right click does, and presses the item whose
// accessible name starts with `item` through the menu's accessibility interface, as an
// assistive tool does. Reports whether the menu was up, and whether it was closed once
// the press had returned.
struct MenuPress {
    bool opened = false;
    bool closedByPress = false;
};
MenuPress PressMenuItem(QWidget* control, const QString& item)
{
    MenuPress press;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        if (press.opened) {
            // Still open after the press: closed here so that the test goes on.
            menu->close();
            return;
        }
        press.opened = true;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; face && i < face->childCount(); ++i) {
            QAccessibleInterface* child = face->child(i);
            if (child && child->text(QAccessible::Name).startsWith(item) && child->actionInterface()) {
                child->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                press.closedByPress = !menu->isVisible();
                break;
            }
        }
    });
    probe.start();
    auto* area = qobject_cast<QAbstractScrollArea*>(control);
    QWidget* surface = area ? area->viewport() : control;
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), surface->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(surface, &event);
    // A menu that never closes counts as never opened.
    if (!QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }))
        press.opened = false;
    return press;
}

// Counts the times a widget is shown, each a new opening for assistive tools.
class ShowCounter : public QObject {
public:
    using QObject::QObject;
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++shown;
        return QObject::eventFilter(watched, event);
    }
};

// Opens `control`'s menu with a right click and closes it with Escape: whether it was
// shown anew (and so announced) for this opening, and the items its interface lists.
struct Opening {
    bool shownAnew = false;
    QStringList items;
};
Opening OpenAndClose(QWidget* control)
{
    Opening opening;
    ShowCounter counter;
    for (QMenu* menu : control->findChildren<QMenu*>())
        menu->installEventFilter(&counter);
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; face && i < face->childCount(); ++i)
            if (QAccessibleInterface* child = face->child(i))
                opening.items << child->text(QAccessible::Name);
        QTest::keyClick(menu, Qt::Key_Escape);
    });
    auto* area = qobject_cast<QAbstractScrollArea*>(control);
    QWidget* surface = area ? area->viewport() : control;
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), surface->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(surface, &event);
    opening.shownAnew = counter.shown == 1;
    return opening;
}

QStringList Items(QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace

class LookupTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ctrlLOpensOneModelessWindow();
    void readsEveryKind_data();
    void readsEveryKind();
    void detailsDrawTheExactCodes_data();
    void detailsDrawTheExactCodes();
    void unreadableInputSaysSo();
    void showOnPageEntersTheReading_data();
    void showOnPageEntersTheReading();
    void showOnPagePutsTheCodeOnThePage_data();
    void showOnPagePutsTheCodeOnThePage();
    void firstShowingIsBesideTheMainWindow_data();
    void firstShowingIsBesideTheMainWindow();
    void staysAWindowOfTheProgram();
    void aSelectionMadeAnyWayIsTheReading();
    void typingAnnouncesNoFocusOnTheList();
    void steppingThroughPartsFromOpensNoDialog();
    void shiftF10OpensTheFocusedControlsMenu_data();
    void shiftF10OpensTheFocusedControlsMenu();
    void valueLabelAndResultFieldOpenItFilledIn();
    void combinationsComeFromTheWorker();
    void menusListTheirItemsOnEveryOpening();
    void aPressOnAMenuItemRunsItAndClosesTheMenu_data();
    void aPressOnAMenuItemRunsItAndClosesTheMenu();
    void aRefusedStockListShowsTheErrorBox();
    void escapeCloses();
    void closingEndsTheUndoSteps_data();
    void closingEndsTheUndoSteps();

private:
    // Ctrl+L on the main window, as a user presses it there.
    LookupWindow* open()
    {
        host->main().activateWindow();
        if (!QTest::qWaitForWindowActive(&host->main()))
            return nullptr;
        QTest::keyClick(&host->main(), Qt::Key_L, Qt::ControlModifier);
        auto* window = host->main().findChild<LookupWindow*>();
        return window && window->isVisible() ? window : nullptr;
    }
    QLineEdit* input(LookupWindow* w) { return Named<QLineEdit>(w, QStringLiteral("Value, marking or colours")); }
    QListWidget* readings(LookupWindow* w) { return Named<QListWidget>(w, QStringLiteral("Readings")); }
    std::unique_ptr<AppHost> host;
};

void LookupTest::init()
{
    QLocale::setDefault(QLocale::c());
    host = std::make_unique<AppHost>();
}

void LookupTest::cleanup()
{
    host.reset();
    QLocale::setDefault(QLocale::c());
}

void LookupTest::ctrlLOpensOneModelessWindow()
{
    // Nothing is made before the first use.
    QVERIFY(!host->main().findChild<LookupWindow*>());
    LookupWindow* w = open();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Look up"));
    QVERIFY(!w->isModal());
    for (const QString& name :
         {QStringLiteral("Value, marking or colours"), QStringLiteral("Readings"), QStringLiteral("Details"),
          QStringLiteral("Combinations"), QStringLiteral("Parts from"), QStringLiteral("Most parts")})
        QVERIFY2(Named<QWidget>(w, name), qPrintable(name));
    for (const QString& caption :
         {QStringLiteral("&Resistor"), QStringLiteral("&Capacitor"), QStringLiteral("&Show on page")})
        QVERIFY2(Named<QAbstractButton>(w, caption), qPrintable(caption));
    QCOMPARE(w->quantity(), Quantity::Resistance);
    // The field's clear button is named.
    bool named = false;
    for (const QObject* child : input(w)->children())
        if (auto* button = qobject_cast<const QWidget*>(child);
            button && button->accessibleName() == QStringLiteral("Clear"))
            named = true;
    QVERIFY(named);
    // The lists are announced by their purpose, not by their current item.
    for (const QString& name : {QStringLiteral("Parts from"), QStringLiteral("Most parts")})
        QCOMPARE(QAccessible::queryAccessibleInterface(Named<QComboBox>(w, name))->text(QAccessible::Name), name);
    // The pages stay usable beside it, and a second Ctrl+L raises the same window.
    host->f().Edit1->setText(QStringLiteral("47"));
    host->f().Button1->click();
    QCOMPARE(host->f().Label1->text(), QStringLiteral("47.00 Ohm"));
    QCOMPARE(open(), w);
    QCOMPARE(host->main().findChildren<LookupWindow*>().size(), 1);
    // The capacitor pages look up capacitors.
    host->main().showPage(1);
    QCOMPARE(open()->quantity(), Quantity::Capacitance);
    host->main().showPage(2);
    QCOMPARE(open()->quantity(), Quantity::Resistance);
}

// Outside facts: EIA-96 01C is 10 kΩ, SMD 472 is 4.7 kΩ, 104 is 100 nF on a capacitor
// and 100 kΩ on a resistor, yellow violet red gold is 4.7 kΩ ±5 %.
void LookupTest::readsEveryKind_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("capacitor");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("detail");
    QTest::newRow("letter code") << "4K7" << false << "letter code: 4.70 KOhm"
                                 << "SMD: 472, 4701";
    QTest::newRow("EIA-96") << "01C" << false << "EIA-96: 10.00 KOhm"
                            << "Letter code: 10K";
    QTest::newRow("SMD on a resistor") << "104" << false << "SMD: 100.00 KOhm"
                                       << "4 bands: brown black yellow";
    QTest::newRow("code on a capacitor") << "104" << true << "capacitor code: 100.00 nF"
                                         << "Capacitor code: 104";
    QTest::newRow("colours") << "yellow violet red gold" << false << "colour code: 4.70 KOhm \u00b15%"
                             << "Tolerance \u00b15%: 4.47 KOhm \u2026 4.94 KOhm";
    QTest::newRow("plain value") << "6.4k" << false << "value: 6.40 KOhm"
                                 << "Not a standard value";
    // Exact or absent: no value rounded into another reading's text, no letter code
    // that states another value.
    QTest::newRow("SMD beside a value") << "4701" << false << "value: 4.701 KOhm"
                                        << "Value: 4.701 KOhm";
    QTest::newRow("a milliohm") << "R001" << false << "letter code: 0.001 Ohm"
                                << "Value: 0.001 Ohm";
    QTest::newRow("a narrow span") << "yellow violet red grey" << false << "colour code: 4.70 KOhm \u00b10.05%"
                                   << "Tolerance \u00b10.05%: 4.69765 KOhm \u2026 4.70235 KOhm";
    QTest::newRow("tolerance letter") << "104K" << true << "capacitor code: 100.00 nF \u00b110%"
                                      << "Tolerance \u00b110%: 90.00 nF \u2026 110.00 nF";
    QTest::newRow("zero-ohm jumper") << "0R" << false << "letter code: 0.00 Ohm"
                                     << "Value: 0.00 Ohm";
}

void LookupTest::readsEveryKind()
{
    QFETCH(QString, text);
    QFETCH(bool, capacitor);
    QFETCH(QString, reading);
    QFETCH(QString, detail);
    if (capacitor)
        host->main().showPage(1);
    LookupWindow* w = open();
    QVERIFY(w);
    QTest::keyClicks(input(w), text);
    const QStringList items = Items(readings(w));
    QVERIFY2(items.contains(reading), qPrintable(items.join(QLatin1String(" | "))));
    QCOMPARE(readings(w)->currentRow(), 0);
    // Details of the reading chosen.
    readings(w)->setCurrentRow(int(items.indexOf(reading)));
    const QString details = Named<QPlainTextEdit>(w, QStringLiteral("Details"))->toPlainText();
    QVERIFY2(details.contains(detail), qPrintable(details));
}

// The picture under the details draws the codes that state the reading exactly.
void LookupTest::detailsDrawTheExactCodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("capacitor");
    QTest::addColumn<int>("codes");
    QTest::newRow("4k7: 4 and 5 bands") << "4k7" << false << 2;
    QTest::newRow("4.99k: no 4-band code") << "4.99k" << false << 1;
    QTest::newRow("12.34k: none is exact") << "12.34k" << false << 0;
    QTest::newRow("104: a capacitor's code") << "104" << true << 1;
}

void LookupTest::detailsDrawTheExactCodes()
{
    QFETCH(QString, text);
    QFETCH(bool, capacitor);
    QFETCH(int, codes);
    if (capacitor)
        host->main().showPage(1);
    LookupWindow* w = open();
    QVERIFY(w);
    QTest::keyClicks(input(w), text);
    auto* picture = w->findChild<CodePictureView*>();
    QVERIFY(picture && picture->isVisible());
    QCOMPARE(int(picture->codeCount()), codes);
}

void LookupTest::unreadableInputSaysSo()
{
    LookupWindow* w = open();
    QVERIFY(w);
    QTest::keyClicks(input(w), QStringLiteral("4K7"));
    const QString details = Named<QPlainTextEdit>(w, QStringLiteral("Details"))->toPlainText();
    // Markup is text, and nothing typed or pasted is read as anything else.
    for (const QString& rubbish :
         {QStringLiteral("<b>4K7</b>"), QStringLiteral("\u202e4K7"), QString(QChar(0)) + QStringLiteral("1k"),
          QStringLiteral("blue blue blue blue blue blue blue")}) {
        input(w)->setText(rubbish);
        QCOMPARE(Items(readings(w)), QStringList{QStringLiteral("Not a value, marking or colour code")});
        QVERIFY(!Named<QAbstractButton>(w, QStringLiteral("&Show on page"))->isEnabled());
        QCOMPARE(Named<QPlainTextEdit>(w, QStringLiteral("Details"))->toPlainText(), details);
    }
}

void LookupTest::showOnPageEntersTheReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("capacitor");
    QTest::addColumn<int>("bands");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("tolerance");
    QTest::newRow("4K7") << "4K7" << false << 4 << "4.70 KOhm"
                         << "20%";
    QTest::newRow("E96 value") << "4.99k" << false << 5 << "4.99 KOhm"
                               << "20%";
    QTest::newRow("5-band colours") << "brown black brown red brown" << false << 5 << "10.10 KOhm"
                                    << "1%";
    QTest::newRow("two digits of a 5-band code") << "brown black black red gold" << false << 5 << "10.00 KOhm"
                                                 << "5%";
    QTest::newRow("capacitor code") << "473" << true << 4 << "47.00 nF"
                                    << "20%";
}

void LookupTest::showOnPageEntersTheReading()
{
    QFETCH(QString, text);
    QFETCH(bool, capacitor);
    QFETCH(int, bands);
    QFETCH(QString, label);
    QFETCH(QString, tolerance);
    host->main().showPage(capacitor ? 3 : 2);
    LookupWindow* w = open();
    QVERIFY(w);
    QTest::keyClicks(input(w), text);
    QTest::keyClick(input(w), Qt::Key_Return);
    auto& f = host->f();
    QCOMPARE(f.PageControl1->currentIndex(), capacitor ? 1 : 0);
    if (capacitor) {
        QCOMPARE(f.RadioButton4->isChecked(), bands == 4);
        QCOMPARE(f.Label3->text(), label);
        QCOMPARE(f.ComboBox2->currentText(), tolerance);
    } else {
        QCOMPARE(f.RadioButton1->isChecked(), bands == 4);
        QCOMPARE(f.Label1->text(), label);
        QCOMPARE(f.ComboBox1->currentText(), tolerance);
    }
}

namespace {

// The bands the page shows, first to last, by their colours' names.
QString ShownBands(MainControls& f, bool capacitor)
{
    const std::vector<TShape*> bands =
        capacitor ? std::vector<TShape*>{f.Shape6, f.Shape7, f.Shape8, f.Shape9, f.Shape10}
                  : std::vector<TShape*>{f.Shape1, f.Shape2, f.Shape3, f.Shape4, f.Shape5, f.Shape11};
    QStringList names;
    for (const TShape* band : bands)
        if (band->isVisibleTo(band->window()))
            names << QString::fromLatin1(ColourName(band->brushColour()).data());
    return names.join(QLatin1Char(' '));
}

} // namespace

// Outside facts: R47 is 0.47 Ω, yellow violet silver; 228 on a capacitor is 22 × 0.01 pF;
// a 6-band code's last band is its TFR (red 50 ppm/K). A value needing more than three
// digits, or a multiplier the page's chart lacks (1 GΩ would be grey on 4 bands, violet on
// 5), has no code on the page.
void LookupTest::showOnPagePutsTheCodeOnThePage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("capacitor");
    QTest::addColumn<QString>("bands"); // empty: the button is disabled
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("tolerance");
    QTest::newRow("sub-ohm letter code") << "R47" << false << "yellow violet silver not set"
                                         << "0.47 Ohm"
                                         << "20%";
    QTest::newRow("fractional letter code") << "4R7" << false << "yellow violet gold not set"
                                            << "4.70 Ohm"
                                            << "20%";
    QTest::newRow("fractional value") << "1.5" << false << "brown green gold not set"
                                      << "1.50 Ohm"
                                      << "20%";
    QTest::newRow("three digits") << "4.99k" << false << "yellow white white brown not set"
                                  << "4.99 KOhm"
                                  << "20%";
    QTest::newRow("pF letter code") << "2p2" << true << "red red gold not set"
                                    << "2.20 pF"
                                    << "20%";
    QTest::newRow("fraction of a pF") << "228" << true << "red red silver not set"
                                      << "0.22 pF"
                                      << "20%";
    QTest::newRow("6-band code") << "brown black black red brown red" << false << "brown black black red brown red"
                                 << "10.00 KOhm"
                                 << "1%";
    QTest::newRow("5-band code") << "orange orange black gold green" << false << "orange orange black gold green"
                                 << "33.00 Ohm"
                                 << "0,5%";
    QTest::newRow("3-band code") << "brown black red" << false << "brown black red not set"
                                 << "1.00 KOhm"
                                 << "20%";
    QTest::newRow("1 GOhm: out of the page's range") << "1G" << false << ""
                                                     << ""
                                                     << "";
    QTest::newRow("47 mOhm: out of the page's range") << "0.047" << false << ""
                                                      << ""
                                                      << "";
    QTest::newRow("four digits") << "12.34k" << false << ""
                                 << ""
                                 << "";
}

void LookupTest::showOnPagePutsTheCodeOnThePage()
{
    QFETCH(QString, text);
    QFETCH(bool, capacitor);
    QFETCH(QString, bands);
    QFETCH(QString, label);
    QFETCH(QString, tolerance);
    auto& f = host->f();
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        host->main().showPage(capacitor ? 3 : 2);
        LookupWindow* w = open();
        QVERIFY(w);
        // What the page showed before, to see that a refused reading leaves it be.
        f.Edit1->setText(QStringLiteral("68"));
        f.Button1->click();
        input(w)->clear();
        QTest::keyClicks(input(w), text);
        auto* button = Named<QAbstractButton>(w, QStringLiteral("&Show on page"));
        const QString before = ShownBands(f, capacitor);
        ModalWatch boxes;
        QTest::keyClick(input(w), Qt::Key_Return);
        QVERIFY2(boxes.boxes().empty(), qPrintable(boxes.boxes().empty() ? QString() : boxes.boxes().front().text));
        if (bands.isEmpty()) {
            QVERIFY(!button->isEnabled());
            QVERIFY(!button->toolTip().isEmpty());
            QCOMPARE(button->accessibleDescription(), button->toolTip());
            QCOMPARE(f.PageControl1->currentIndex(), capacitor ? 3 : 2);
            QCOMPARE(ShownBands(f, capacitor), before);
            continue;
        }
        QVERIFY(button->isEnabled());
        QCOMPARE(f.PageControl1->currentIndex(), capacitor ? 1 : 0);
        QCOMPARE(ShownBands(f, capacitor), bands);
        QLabel* value = capacitor ? f.Label3 : f.Label1;
        QCOMPARE(value->text(), QString(label).replace(QLatin1Char('.'), locale.decimalPoint()));
        // The page read it as a pick: its hint speaks of the code shown.
        QVERIFY2(ValueHint(value).contains(QStringLiteral("Tolerance \u00b1")), qPrintable(ValueHint(value)));
        QCOMPARE((capacitor ? f.ComboBox2 : f.ComboBox1)->currentText(), tolerance);
        // The main window is in front, with the page just filled.
        QCOMPARE(QApplication::activeWindow(), &host->main());
    }
}

// Frames on a 1920 × 1080 screen; Look up's frame is 480 × 560.
void LookupTest::firstShowingIsBesideTheMainWindow_data()
{
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QPoint>("at");
    const QSize size(480, 560);
    QTest::newRow("room on the right") << QRect(100, 200, 600, 320) << QPoint(700, 200);
    QTest::newRow("room on the left only") << QRect(1300, 200, 600, 320) << QPoint(820, 200);
    QTest::newRow("room on neither side") << QRect(300, 300, 1300, 320) << QPoint(709, 179);
    QTest::newRow("low on the screen: kept on it") << QRect(100, 900, 600, 150) << QPoint(700, 520);
}

void LookupTest::firstShowingIsBesideTheMainWindow()
{
    QFETCH(QRect, main);
    QFETCH(QPoint, at);
    QCOMPARE(BesideOrOver(main, QSize(480, 560), QRect(0, 0, 1920, 1080)), at);
}

void LookupTest::staysAWindowOfTheProgram()
{
    LookupWindow* w = open();
    QVERIFY(w);
    // A window of its own, which the main window may come in front of.
    QCOMPARE(w->windowType(), Qt::Window);
    QCOMPARE(w->parentWidget(), &host->main());
    host->main().close();
    QVERIFY(!w->isVisible());
}

// An assistive tool selects a reading through the list's table interface.
void LookupTest::aSelectionMadeAnyWayIsTheReading()
{
    LookupWindow* w = open();
    QVERIFY(w);
    QTest::keyClicks(input(w), QStringLiteral("472"));
    const int row = int(Items(readings(w)).indexOf(QStringLiteral("value: 472.00 Ohm")));
    QVERIFY(row > 0);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(readings(w));
    QVERIFY(list && list->tableInterface());
    QVERIFY(list->tableInterface()->selectRow(row));
    QCOMPARE(readings(w)->currentRow(), row);
    QVERIFY(Named<QPlainTextEdit>(w, QStringLiteral("Details"))->toPlainText().contains(QStringLiteral("472")));
    QAccessibleInterface* show =
        QAccessible::queryAccessibleInterface(Named<QAbstractButton>(w, QStringLiteral("&Show on page")));
    show->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(host->f().Label1->text(), QStringLiteral("472.00 Ohm"));
}

namespace {
std::vector<QObject*> FocusAnnounced;
void RecordFocus(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::Focus)
        FocusAnnounced.push_back(event->object());
}
} // namespace

void LookupTest::typingAnnouncesNoFocusOnTheList()
{
    LookupWindow* w = open();
    QVERIFY(w);
    if (!QAccessible::isActive())
        QSKIP("needs an active accessibility bridge (run under a window manager with a bus)");
    QApplication::setActiveWindow(w);
    input(w)->setFocus();
    QVERIFY(input(w)->hasFocus());
    FocusAnnounced.clear();
    QAccessible::installUpdateHandler(RecordFocus);
    QTest::keyClicks(input(w), QStringLiteral("4k7"));
    QTest::keyClick(input(w), Qt::Key_Backspace);
    const auto typed = FocusAnnounced;
    // With the focus there, moving through the list is announced.
    readings(w)->setFocus();
    QTest::keyClick(readings(w), Qt::Key_Down);
    QAccessible::installUpdateHandler(nullptr);
    QVERIFY(input(w)->text() == QStringLiteral("4k") &&
            typed.end() == std::find(typed.begin(), typed.end(), readings(w)));
    QVERIFY(std::find(FocusAnnounced.begin(), FocusAnnounced.end(), readings(w)) != FocusAnnounced.end());
}

void LookupTest::steppingThroughPartsFromOpensNoDialog()
{
    LookupWindow* w = open();
    QVERIFY(w);
    auto* parts = Named<QComboBox>(w, QStringLiteral("Parts from"));
    parts->setFocus();
    ModalWatch dialogs;
    // From E24 down past the last series onto the stock list item, and back.
    for (int i = 0; i < parts->count(); ++i)
        QTest::keyClick(parts, Qt::Key_Down);
    QCOMPARE(parts->currentIndex(), parts->count() - 1);
    QTest::keyClick(parts, Qt::Key_End);
    QTest::keyClick(parts, Qt::Key_Up);
    QTest::keyClick(parts, Qt::Key_Down);
    QCoreApplication::processEvents();
    QCOMPARE(dialogs.dialogs(), 0);
    // Enter chooses it.
    QTest::keyClick(parts, Qt::Key_Return);
    QCOMPARE(dialogs.dialogs(), 1);
    // Cancelled: the series passed last is back.
    QCOMPARE(parts->currentText(), QStringLiteral("E192"));
    // Chosen in the open list and cancelled: the list's selection, which assistive tools
    // read, is the series again.
    const QModelIndex stock = parts->model()->index(parts->count() - 1, 0);
    parts->view()->selectionModel()->setCurrentIndex(stock, QItemSelectionModel::ClearAndSelect);
    parts->setCurrentIndex(stock.row());
    emit parts->activated(stock.row());
    QCOMPARE(dialogs.dialogs(), 2);
    QAccessibleInterface* items = QAccessible::queryAccessibleInterface(parts->view());
    QVERIFY(items && items->tableInterface());
    QCOMPARE(items->tableInterface()->selectedRows(), QList<int>{parts->currentIndex()});
}

void LookupTest::shiftF10OpensTheFocusedControlsMenu_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("item"); // an item of the control's own menu
    QTest::newRow("series/parallel input field") << "Edit3"
                                                 << "Select All";
    QTest::newRow("series/parallel result field") << "Edit14"
                                                  << "Look up\u2026";
    QTest::newRow("Look up: readings") << "Readings"
                                       << "&Copy";
    QTest::newRow("Look up: details") << "Details"
                                      << "&Copy";
    QTest::newRow("Look up: combinations") << "Combinations"
                                           << "&Copy";
}

void LookupTest::shiftF10OpensTheFocusedControlsMenu()
{
    QFETCH(QString, control);
    QFETCH(QString, item);
    auto& f = host->f();
    QWidget* target = nullptr;
    if (control.startsWith(QLatin1String("Edit"))) {
        host->main().showPage(control == QLatin1String("Edit14") ? 3 : 2);
        f.Edit12->setText(QStringLiteral("47"));
        f.Edit13->setText(QStringLiteral("53"));
        f.Button6->click();
        target = host->main().findChild<QLineEdit*>(control);
        QApplication::setActiveWindow(&host->main());
    } else {
        LookupWindow* w = open();
        QVERIFY(w);
        QTest::keyClicks(input(w), QStringLiteral("4K7"));
        target = Named<QWidget>(w, control);
        QApplication::setActiveWindow(w);
    }
    QVERIFY(target);
    target->setFocus();
    QVERIFY(target->hasFocus());
    QStringList items;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* a : menu->actions())
                items << a->text();
            menu->close();
        }
    });
    QTest::keyClick(target, Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY2(std::any_of(items.begin(), items.end(), [&](const QString& t) { return t.startsWith(item); }),
                 qPrintable(items.join(QLatin1String(", "))));
}

void LookupTest::valueLabelAndResultFieldOpenItFilledIn()
{
    auto& f = host->f();
    f.Edit1->setText(QStringLiteral("4700"));
    f.Button1->click();
    const SeenMenu seen = ChooseFromMenu(f.Label1, 3); // the fourth item, past the separator: Look up…
    QCOMPARE(seen.items, LabelMenuItems);
    auto* w = host->main().findChild<LookupWindow*>();
    QVERIFY(w && w->isVisible());
    QCOMPARE(input(w)->text(), QStringLiteral("4.70 KOhm"));
    QVERIFY(!w->readings().empty());
    QCOMPARE(w->readings().front().value, 4700.0);

    // A capacitor total read from the page's result field.
    host->main().showPage(3);
    f.Edit12->setText(QStringLiteral("47"));
    f.Edit13->setText(QStringLiteral("53"));
    f.Button6->click();
    const QString total = f.Edit14->text();
    QVERIFY(!total.isEmpty());
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (const QAction* a : menu->actions())
            items << a->text();
        // Up from no item reaches the last one.
        QTest::keyClick(menu, Qt::Key_Up);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), f.Edit14->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(f.Edit14, &event);
    QCOMPARE(items.last(), QStringLiteral("Look up\u2026"));
    QCOMPARE(total, QStringLiteral("100,00"));
    QCOMPARE(input(w)->text(), QStringLiteral("100"));
    QCOMPARE(w->quantity(), Quantity::Capacitance);
    QCOMPARE(Items(readings(w)).value(0), QStringLiteral("value: 100.00 pF"));
}

void LookupTest::combinationsComeFromTheWorker()
{
    LookupWindow* w = open();
    QVERIFY(w);
    QTest::keyClicks(input(w), QStringLiteral("5k"));
    auto* list = Named<QListWidget>(w, QStringLiteral("Combinations"));
    QTRY_VERIFY_WITH_TIMEOUT(!w->isFinding(), 20000);
    QTRY_VERIFY(Items(list).contains(QStringLiteral("10K \u2016 10K = 5.00 KOhm (exact)")));
    QCOMPARE(list->count(), 10);
    // One part only: the best single E24 part, 5.1 kΩ, comes first.
    auto* most = Named<QComboBox>(w, QStringLiteral("Most parts"));
    most->setCurrentIndex(0);
    emit most->activated(0);
    QTRY_VERIFY_WITH_TIMEOUT(!w->isFinding(), 20000);
    QVERIFY2(Items(list).value(0).startsWith(QStringLiteral("5K1 = 5.10 KOhm (+2 %)")),
             qPrintable(Items(list).value(0)));
    // Typing on while the finder runs shows only the answer for the last text.
    input(w)->setText(QStringLiteral("1"));
    input(w)->setText(QStringLiteral("10"));
    input(w)->setText(QStringLiteral("100"));
    QTRY_VERIFY_WITH_TIMEOUT(!w->isFinding(), 20000);
    QVERIFY2(Items(list).value(0).startsWith(QStringLiteral("100R = 100.00 Ohm (exact)")),
             qPrintable(Items(list).value(0)));
    // A target the parts cannot reach gets the reachable span, as the command line says it.
    input(w)->setText(QStringLiteral("1G"));
    QCOMPARE(Items(list),
             QStringList{QStringLiteral("1 G\u03A9 is out of reach: one of these parts make 1 \u03A9 to 10 M\u03A9")});
    // No answer is a nearer one with a part added for nothing (4K7 + 1R0 after 4K7).
    most->setCurrentIndex(1);
    emit most->activated(1);
    input(w)->setText(QStringLiteral("4700"));
    QTRY_VERIFY_WITH_TIMEOUT(!w->isFinding(), 20000);
    QVERIFY2(Items(list).value(3).startsWith(QStringLiteral("8K2 \u2016 11K = ")), qPrintable(Items(list).join(u'|')));
    // Capacitors have none.
    Named<QAbstractButton>(w, QStringLiteral("&Capacitor"))->click();
    QCOMPARE(Items(list), QStringList{QStringLiteral("Combinations are for resistors")});
}

// Assistive tools list a menu's items however often it opens.
void LookupTest::menusListTheirItemsOnEveryOpening()
{
    auto& f = host->f();
    f.Edit1->setText(QStringLiteral("47"));
    f.Button1->click();
    for (int opening = 0; opening < 2; ++opening) {
        QStringList names;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(menu);
            for (int i = 0; face && i < face->childCount(); ++i)
                if (QAccessibleInterface* child = face->child(i))
                    names << child->text(QAccessible::Name);
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), f.Label1->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(f.Label1, &event);
        QVERIFY2(names.contains(QStringLiteral("Copy value")) && names.contains(QStringLiteral("Look up\u2026")),
                 qPrintable(QStringLiteral("opening %1: %2").arg(opening).arg(names.join(QLatin1String(", ")))));
    }
}

// An assistive tool's press on a menu item runs the item and closes the menu, and the
// next opening of that menu is a new one, announced as such and listing its items.
void LookupTest::aPressOnAMenuItemRunsItAndClosesTheMenu_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("clipboard"); // what the item copies, if it copies
    QTest::addColumn<QString>("lookedUp");  // what the Look up window then holds, if it opens
    QTest::newRow("value label, Look up") << "Label1"
                                          << "Look up" << QString() << "4.70 KOhm";
    QTest::newRow("value label, Copy value") << "Label1"
                                             << "Copy value"
                                             << "4.70 KOhm" << QString();
    QTest::newRow("capacitors in parallel, Look up") << "Edit14"
                                                     << "Look up" << QString() << "100";
    QTest::newRow("capacitors in parallel, the field's Copy") << "Edit14"
                                                              << "Copy"
                                                              << "100,00" << QString();
    QTest::newRow("Look up's readings, Copy") << "Readings"
                                              << "Copy"
                                              << "letter code: 4.70 KOhm" << QString();
    QTest::newRow("Look up's details, Copy") << "Details"
                                             << "Copy"
                                             << "Value: 4.70 KOhm" << QString();
}

void LookupTest::aPressOnAMenuItemRunsItAndClosesTheMenu()
{
    QFETCH(QString, control);
    QFETCH(QString, item);
    QFETCH(QString, clipboard);
    QFETCH(QString, lookedUp);
    auto& f = host->f();
    f.Edit1->setText(QStringLiteral("4700"));
    f.Button1->click();
    f.Edit12->setText(QStringLiteral("47"));
    f.Edit13->setText(QStringLiteral("53"));
    f.Button6->click();
    f.Edit14->selectAll();
    QWidget* widget = host->main().findChild<QWidget*>(control);
    if (!widget) {
        LookupWindow* w = open();
        QVERIFY(w);
        input(w)->setText(QStringLiteral("4K7"));
        widget = Named<QWidget>(w, control);
    }
    QVERIFY(widget);
    QGuiApplication::clipboard()->clear();

    const MenuPress press = PressMenuItem(widget, item);
    QVERIFY(press.opened);
    QVERIFY(press.closedByPress);
    if (!clipboard.isEmpty())
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    if (!lookedUp.isEmpty()) {
        auto* w = host->main().findChild<LookupWindow*>();
        QVERIFY(w && w->isVisible());
        QCOMPARE(input(w)->text(), lookedUp);
    }
    const Opening next = OpenAndClose(widget);
    QVERIFY(next.shownAnew);
    QVERIFY2(std::any_of(next.items.cbegin(), next.items.cend(), [&](const QString& i) { return i.startsWith(item); }),
             qPrintable(next.items.join(QLatin1String(", "))));
}

// A stock list that cannot be used is reported in the program's one error box (its
// title, its icon, its full stop), and the parts come from the series chosen before.
void LookupTest::aRefusedStockListShowsTheErrorBox()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("stock.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("# nothing but a comment\n");
    file.close();
    LookupWindow* w = open();
    QVERIFY(w);
    auto* parts = Named<QComboBox>(w, QStringLiteral("Parts from"));
    ModalWatch watch([&](QDialog* dialog) {
        auto* chooser = qobject_cast<QFileDialog*>(dialog);
        QVERIFY(chooser);
        chooser->selectFile(path);
        QMetaObject::invokeMethod(chooser, "accept");
    });
    const int stock = parts->count() - 1;
    parts->setCurrentIndex(stock);
    emit parts->activated(stock);
    QCOMPARE(watch.dialogs(), 1);
    QCOMPARE(watch.boxes().size(), std::size_t(1));
    const SeenBox& box = watch.boxes().front();
    QCOMPARE(box.title, ApplicationTitle);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QVERIFY2(box.text.endsWith(QStringLiteral("lists no values.")), qPrintable(box.text));
    QCOMPARE(parts->currentText(), QStringLiteral("E24"));
}

void LookupTest::escapeCloses()
{
    LookupWindow* w = open();
    QVERIFY(w);
    QTest::keyClicks(input(w), QStringLiteral("4K7"));
    QTest::keyClick(input(w), Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    // It comes back as it was left.
    QCOMPARE(open(), w);
    QCOMPARE(input(w)->text(), QStringLiteral("4K7"));
}

void LookupTest::closingEndsTheUndoSteps_data()
{
    QTest::addColumn<bool>("escape");
    QTest::addRow("Escape") << true;
    QTest::addRow("close button") << false;
}

// Every keystroke is an undo step while the window is open; a window opened and typed
// into all day must not keep them all.
void LookupTest::closingEndsTheUndoSteps()
{
    QFETCH(bool, escape);
    LookupWindow* w = open();
    QVERIFY(w);
    QTest::keyClicks(input(w), QStringLiteral("4K7"));
    QTest::keyClick(input(w), Qt::Key_Backspace);
    QVERIFY(input(w)->isUndoAvailable());
    if (escape)
        QTest::keyClick(input(w), Qt::Key_Escape);
    else
        w->close();
    QVERIFY(!w->isVisible());
    QCOMPARE(open(), w);
    QCOMPARE(input(w)->text(), QStringLiteral("4K"));
    QVERIFY(!input(w)->isUndoAvailable());
    QVERIFY(!input(w)->isRedoAvailable());
    // The readings are still those of the text left.
    QCOMPARE(readings(w)->count(), int(w->readings().size()));
    QVERIFY(readings(w)->count() > 0);
}

QTEST_MAIN(LookupTest)
#include "test_lookup.moc"
