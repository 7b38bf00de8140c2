// SPDX-License-Identifier: MIT
// The Look up window as a user and an assistive tool meet it: opened by Ctrl+L and by
// the menus, found by its controls' accessible names, reading what is typed, putting a
// reading on its page, finding combinations, and closing with Escape.
#include "lookupwindow.h"
#include "tests/support/apphost.h"
#include "tests/support/copymenu.h"
#include "tests/support/modalwatch.h"

#include <QAccessible>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QtTest>

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
    void unreadableInputSaysSo();
    void showOnPageEntersTheReading_data();
    void showOnPageEntersTheReading();
    void valueLabelAndResultFieldOpenItFilledIn();
    void combinationsComeFromTheWorker();
    void menusListTheirItemsOnEveryOpening();
    void escapeCloses();

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
    QTest::newRow("two digits of a 5-band code") << "brown black black red gold" << false << 4 << "10.00 KOhm"
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

QTEST_MAIN(LookupTest)
#include "test_lookup.moc"
