// SPDX-License-Identifier: MIT
// The program with the keyboard alone and through the accessibility interfaces: the
// tab order, the bands and the picker by keys, the value labels' menu, Enter in the
// value fields, the lists' names, and actions that return before what they open runs.
#include "tests/support/apphost.h"
#include "tests/support/codechecks.h"
#include "tests/support/copymenu.h"
#include "tests/support/modalwatch.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QTest>

using namespace kolvane;
using namespace kolvane::test;

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabOrder_data();
    void tabOrder();
    void tabEntersRadioGroupsAtTheChecked();
    void bandsByKeyboard_data();
    void bandsByKeyboard();
    void focusMarkShowsOnEveryColour_data();
    void focusMarkShowsOnEveryColour();
    void pickerShowsTheMarkOnlyForTheKeyboard();
    void valueLabelMenuByKeyboard_data();
    void valueLabelMenuByKeyboard();
    void actionsReturnBeforeTheirWindow();
    void listsAreNamedByPurpose_data();
    void listsAreNamedByPurpose();
    void enterCalculates_data();
    void enterCalculates();

private:
    void activate()
    {
        host->main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host->main()));
    }
    QWidget* named(const QString& name) { return host->main().findChild<QWidget*>(name); }
    std::unique_ptr<AppHost> host;
};

void KeyboardTest::init()
{
    QLocale::setDefault(QLocale::c());
    host = std::make_unique<AppHost>();
}

void KeyboardTest::cleanup()
{
    host.reset();
}

// From the page's first control around to the tab bar again; hidden bands are skipped.
void KeyboardTest::tabOrder_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("bandCount");
    QTest::addColumn<QStringList>("order");
    // The unit buttons are one stop, entered at the checked one (Ohm, pF); the tab bar
    // ends the round.
    const QStringList resistorEnd = {"Edit1",  "RadioButton5",       "Button1", "ComboBox1", "ComboBox3",
                                     "Label1", "qt_tabwidget_tabbar"};
    const QStringList capacitorEnd = {"Edit2",     "RadioButton10", "Button2",
                                      "ComboBox2", "Label3",        "qt_tabwidget_tabbar"};
    QTest::newRow("resistor, 4 bands") << 0 << "RadioButton1"
                                       << QStringList{"RadioButton1", "Shape1", "Shape2", "Shape3", "Shape5"} +
                                              resistorEnd;
    QTest::newRow("resistor, 6 bands") << 0 << "RadioButton11"
                                       << QStringList{"RadioButton11", "Shape1", "Shape2", "Shape3",
                                                      "Shape4",        "Shape5", "Shape11"} +
                                              resistorEnd;
    QTest::newRow("capacitor, 4 bands") << 1 << "RadioButton4"
                                        << QStringList{"RadioButton4", "Shape6", "Shape7", "Shape8", "Shape10"} +
                                               capacitorEnd;
    QTest::newRow("capacitor, 5 bands") << 1 << "RadioButton3"
                                        << QStringList{"RadioButton3", "Shape6", "Shape7",
                                                       "Shape8",       "Shape9", "Shape10"} +
                                               capacitorEnd;
}

// Into each radio group from the tab bar and back out of it, and the arrows within it
// after: the focus enters at the checked button, as Space there changes nothing.
void KeyboardTest::tabEntersRadioGroupsAtTheChecked()
{
    auto& f = host->f();
    f.PageControl1->setCurrentIndex(1);
    activate();
    f.PageControl1->tabBar()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.RadioButton4); // 4 bands, not "5 bands" first in the chain
    QTest::keyClick(f.RadioButton4, Qt::Key_Space);
    QVERIFY(f.RadioButton4->isChecked());
    f.Edit2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.Edit2, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.RadioButton10); // pF, not "µF"
    QTest::keyClick(f.RadioButton10, Qt::Key_Space);
    QVERIFY(f.RadioButton10->isChecked());
    // The arrows move through the group and check as they go; Tab then enters there.
    QTest::keyClick(f.RadioButton10, Qt::Key_Down);
    QVERIFY(!f.RadioButton10->isChecked());
    QWidget* moved = QApplication::focusWidget();
    QVERIFY(qobject_cast<QRadioButton*>(moved) && static_cast<QRadioButton*>(moved)->isChecked());
    f.Edit2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.Edit2, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), moved);
}

void KeyboardTest::tabOrder()
{
    QFETCH(int, page);
    QFETCH(QString, bandCount);
    QFETCH(QStringList, order);
    host->f().PageControl1->setCurrentIndex(page);
    activate();
    auto* count = qobject_cast<QRadioButton*>(named(bandCount));
    count->click();
    count->setFocus(Qt::TabFocusReason);
    QStringList seen{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, order);
}

// Keys: R, L, U, D the arrows, H Home, N End, then E Enter, S Space or X Escape. The swatch names are
// the picker's object names; the bands' colours are written out as data.
void KeyboardTest::bandsByKeyboard_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<bool>("sixBands");
    QTest::addColumn<int>("start"); // the band's colour before, as its ARGB
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("focusedFirst");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("picked");
    QTest::newRow("digit: right from violet to grey")
        << "Shape2" << false << int(Digit[7]) << "Second bound of resistor"
        << "Shape8"
        << "RE" << int(Digit[8]);
    QTest::newRow("digit: right and up to orange, Space")
        << "Shape2" << false << int(Digit[7]) << "Second bound of resistor"
        << "Shape8"
        << "RUS" << int(Digit[3]);
    QTest::newRow("first digit unset: first shown is brown, left stops")
        << "Shape6" << false << int(None) << "First bound of capasitor"
        << "Shape2"
        << "LLE" << int(Digit[1]);
    QTest::newRow("multiplier: down and along the row, skipping grey and white")
        << "Shape3" << false << int(Digit[0]) << "Third bound of resistor"
        << "Shape1"
        << "DRRRE" << int(Silver);
    QTest::newRow("multiplier: down stops on the last row")
        << "Shape8" << false << int(Digit[5]) << "Third bound of capasitor"
        << "Shape6"
        << "DDE" << int(Digit[5]);
    QTest::newRow("tolerance gold: down to silver") << "Shape5" << false << int(Gold) << "Tolerance bound of resistor"
                                                    << "Shape11"
                                                    << "DE" << int(Silver);
    QTest::newRow("tolerance unset: None first, Space picks it")
        << "Shape10" << false << int(None) << "Tolerance bound of capasitor"
        << "Panel1"
        << "S" << int(None);
    QTest::newRow("TFR unset: None, down to blue, right past grey to white")
        << "Shape11" << true << int(None) << "TFR-bound of resistor"
        << "Panel1"
        << "DRRE" << int(Digit[9]);
    QTest::newRow("TFR: right, left back onto None") << "Shape11" << true << int(None) << "TFR-bound of resistor"
                                                     << "Panel1"
                                                     << "RLE" << int(None);
    QTest::newRow("digit: Home picks the first shown, black")
        << "Shape2" << false << int(Digit[7]) << "Second bound of resistor"
        << "Shape8"
        << "HE" << int(Digit[0]);
    QTest::newRow("digit: End picks the last shown, white")
        << "Shape2" << false << int(Digit[7]) << "Second bound of resistor"
        << "Shape8"
        << "NE" << int(Digit[9]);
    QTest::newRow("Escape picks nothing") << "Shape2" << false << int(Digit[7]) << "Second bound of resistor"
                                          << "Shape8"
                                          << "RRX" << int(Digit[7]);
}

void KeyboardTest::bandsByKeyboard()
{
    QFETCH(QString, band);
    QFETCH(bool, sixBands);
    QFETCH(int, start);
    QFETCH(QString, caption);
    QFETCH(QString, focusedFirst);
    QFETCH(QString, keys);
    QFETCH(int, picked);
    auto& f = host->f();
    auto* shape = qobject_cast<TShape*>(named(band));
    const bool capacitor = band.mid(5).toInt() >= 6 && band.mid(5).toInt() <= 10;
    f.PageControl1->setCurrentIndex(capacitor ? 1 : 0);
    if (sixBands)
        f.RadioButton11->click();
    shape->setBrushColour(BandColour(start));
    activate();
    shape->setFocus(Qt::TabFocusReason);

    QString seenCaption, seenFirst;
    ModalWatch watch([&](QDialog* dialog) {
        seenCaption = dialog->windowTitle();
        seenFirst = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
        for (const QChar k : keys) {
            static const QHash<QChar, Qt::Key> codes = {
                {'R', Qt::Key_Right},  {'L', Qt::Key_Left},   {'U', Qt::Key_Up},
                {'D', Qt::Key_Down},   {'E', Qt::Key_Return}, {'S', Qt::Key_Space},
                {'X', Qt::Key_Escape}, {'H', Qt::Key_Home},   {'N', Qt::Key_End}};
            if (dialog->isVisible())
                QTest::keyClick(dialog->focusWidget(), codes.value(k));
        }
        if (dialog->isVisible())
            dialog->reject();
    });
    QTest::keyClick(shape, keys.endsWith(QLatin1Char('S')) ? Qt::Key_Space : Qt::Key_Return);
    QCOMPARE(watch.dialogs(), 1);
    QCOMPARE(seenCaption, caption);
    QCOMPARE(seenFirst, focusedFirst);
    QCOMPARE(shape->brushColour(), BandColour(picked));
    // The pick is read as a click's pick is: the band's description follows its colour.
    QVERIFY(shape->accessibleName().contains(QString::fromLatin1(ColourName(BandColour(picked)).data())) ||
            BandColour(picked) == None);
}

void KeyboardTest::focusMarkShowsOnEveryColour_data()
{
    QTest::addColumn<int>("colour");
    for (int d = 0; d < 10; ++d)
        QTest::addRow("digit %d", d) << int(Digit[d]);
    QTest::newRow("gold") << int(Gold);
    QTest::newRow("silver") << int(Silver);
    QTest::newRow("unset") << int(None);
}

// The mark shows only while the band has the focus, and on every colour enough of its
// dots differ from the band to be seen.
void KeyboardTest::focusMarkShowsOnEveryColour()
{
    QFETCH(int, colour);
    auto& f = host->f();
    activate();
    f.Shape2->setBrushColour(BandColour(colour));
    f.Edit1->setFocus();
    const QImage plain = f.Shape2->grab().toImage();
    f.Shape2->setFocus(Qt::TabFocusReason);
    const QImage marked = f.Shape2->grab().toImage();
    int markPixels = 0;
    for (int y = 0; y < marked.height(); ++y)
        for (int x = 0; x < marked.width(); ++x)
            markPixels += marked.pixel(x, y) != plain.pixel(x, y);
    QVERIFY2(markPixels > 40, qPrintable(QString::number(markPixels)));
    f.Edit1->setFocus();
    QCOMPARE(f.Shape2->grab().toImage(), plain);
    // A click opens the picker and leaves no focus on the band, so no mark.
    ModalWatch watch;
    QTest::mousePress(f.Shape3, Qt::LeftButton);
    QCOMPARE(watch.dialogs(), 1);
    QVERIFY(!f.Shape3->hasFocus());
}

void KeyboardTest::pickerShowsTheMarkOnlyForTheKeyboard()
{
    auto& f = host->f();
    f.Shape2->setBrushColour(Digit[4]);
    activate();
    QImage mouseOpened, unfocused, afterArrow, keyboardOpened;
    QString focusedByMouse;
    {
        ModalWatch watch([&](QDialog* dialog) {
            QWidget* focused = dialog->focusWidget();
            focusedByMouse = focused ? focused->objectName() : QString();
            mouseOpened = dialog->grab().toImage();
            if (focused) {
                focused->clearFocus();
                unfocused = dialog->grab().toImage();
                focused->setFocus();
                QTest::keyClick(focused, Qt::Key_Left);
                afterArrow = dialog->grab().toImage();
            }
            dialog->reject();
        });
        QTest::mousePress(f.Shape2, Qt::LeftButton);
    }
    QCOMPARE(focusedByMouse, QStringLiteral("Shape5"));
    QCOMPARE(mouseOpened, unfocused);
    QVERIFY(afterArrow != mouseOpened);

    ModalWatch byKeys([&](QDialog* dialog) {
        keyboardOpened = dialog->grab().toImage();
        dialog->reject();
    });
    f.Shape2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.Shape2, Qt::Key_Return);
    QCOMPARE(byKeys.dialogs(), 1);
    QVERIFY(keyboardOpened != mouseOpened);
}

void KeyboardTest::valueLabelMenuByKeyboard_data()
{
    QTest::addColumn<int>("opener");
    QTest::newRow("menu key") << int(MenuOpener::MenuKey);
    QTest::newRow("Shift+F10") << int(MenuOpener::ShiftF10);
}

void KeyboardTest::valueLabelMenuByKeyboard()
{
    QFETCH(int, opener);
    auto& f = host->f();
    activate();
    f.Edit1->setText(QStringLiteral("4700"));
    f.Button1->click();
    QGuiApplication::clipboard()->clear();
    // Tab reaches the label after the lists; the hint stays its description.
    f.ComboBox3->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.ComboBox3, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.Label1);
    const QImage marked = f.Label1->grab().toImage();
    QCOMPARE(QAccessible::queryAccessibleInterface(f.Label1)->text(QAccessible::Description), f.Label1->toolTip());
    QVERIFY(!f.Label1->toolTip().isEmpty());
    const SeenMenu seen = ChooseFromMenu(f.Label1, 1, MenuOpener(opener));
    QVERIFY(seen.opened);
    QCOMPARE(seen.items, LabelMenuItems);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("4K7"));
    f.Edit1->setFocus();
    QVERIFY(f.Label1->grab().toImage() != marked);
}

// Each action returns before the window or menu it opens is up: the window finds the
// call already returned.
void KeyboardTest::actionsReturnBeforeTheirWindow()
{
    auto& f = host->f();
    activate();
    bool returned = false;
    bool returnedWhileOpen = false;
    ModalWatch watch([&](QDialog* dialog) {
        returnedWhileOpen = returned && dialog->isVisible();
        // None's press returns before it picks, too.
        const auto* none = dialog->findChild<QLabel*>(QStringLiteral("Panel1"));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(const_cast<QLabel*>(none));
        QCOMPARE(face->role(), QAccessible::Button);
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("None"));
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(dialog->isVisible());
    });
    f.Shape5->setBrushColour(Gold);
    QAccessibleInterface* band = QAccessible::queryAccessibleInterface(f.Shape5);
    band->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    returned = true;
    QCOMPARE(watch.dialogs(), 0);
    QTRY_COMPARE(f.Shape5->brushColour(), None);
    QVERIFY(returnedWhileOpen);
    QCOMPARE(watch.dialogs(), 1);

    // The value label's menu.
    f.Edit1->setText(QStringLiteral("47"));
    f.Button1->click();
    bool menuSawReturned = false;
    returned = false;
    QTimer probe;
    probe.setInterval(0);
    connect(&probe, &QTimer::timeout, this, [&] {
        if (auto* menu = QApplication::activePopupWidget()) {
            menuSawReturned = returned;
            menu->close();
        }
    });
    probe.start();
    QAccessible::queryAccessibleInterface(f.Label1)->actionInterface()->doAction(
        QAccessibleActionInterface::showMenuAction());
    returned = true;
    QTRY_VERIFY(menuSawReturned);
    probe.stop();

    // A list's drop-down.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(f.ComboBox1);
    QVERIFY(list->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    list->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    QVERIFY(!f.ComboBox1->view()->isVisible());
    QTRY_VERIFY(f.ComboBox1->view()->isVisible());
    f.ComboBox1->hidePopup();
}

void KeyboardTest::listsAreNamedByPurpose_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::newRow("resistor tolerance") << "ComboBox1"
                                        << "Tolerance" << 6;
    QTest::newRow("capacitor tolerance") << "ComboBox2"
                                         << "Tolerance" << 3;
    QTest::newRow("TFR") << "ComboBox3"
                         << "TFR" << 2;
}

void KeyboardTest::listsAreNamedByPurpose()
{
    QFETCH(QString, list);
    QFETCH(QString, name);
    QFETCH(int, index);
    auto* box = host->main().findChild<QComboBox*>(list);
    box->setCurrentIndex(index);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
    QCOMPARE(face->role(), QAccessible::ComboBox);
    QCOMPARE(face->text(QAccessible::Name), name);
    QCOMPARE(face->text(QAccessible::Value), box->currentText());
    QVERIFY(face->childCount() >= 1);
    QCOMPARE(face->child(0)->object(), box->view());
    QCOMPARE(face->indexOfChild(face->child(0)), 0);

    // The drawing around the bands names what it is, never the page.
    auto& f = host->f();
    const std::pair<TShape*, const char*> drawing[] = {{f.Shape12, "Resistor body"}, {f.Shape13, "Capacitor body"},
                                                       {f.Shape14, "Lead"},          {f.Shape15, "Lead"},
                                                       {f.Shape16, "Lead"},          {f.Shape17, "Lead"}};
    for (const auto& [shape, shapeName] : drawing) {
        QAccessibleInterface* part = QAccessible::queryAccessibleInterface(shape);
        QCOMPARE(part->text(QAccessible::Name), QString::fromLatin1(shapeName));
        QCOMPARE(part->role(), QAccessible::Graphic);
    }
}

// Enter in a value field runs what the field's button runs, with the same boxes.
void KeyboardTest::enterCalculates_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shows");  // the object whose text holds the result
    QTest::addColumn<QString>("result"); // its text after Enter
    QTest::addColumn<QString>("box");    // the box's text, if one shows
    QTest::newRow("resistor") << "Edit1"
                              << "4700"
                              << "Label1"
                              << "4.70 KOhm"
                              << "";
    QTest::newRow("resistor, out of range") << "Edit1"
                                            << "0"
                                            << "Label1"
                                            << "Check color!"
                                            << "Enter 1..999000000 Ohm";
    QTest::newRow("capacitor") << "Edit2"
                               << "47"
                               << "Label3"
                               << "47.00 pF"
                               << "";
    QTest::newRow("resistors in series, first") << "Edit3"
                                                << "47"
                                                << "Edit5"
                                                << "147,00"
                                                << "";
    QTest::newRow("resistors in series, second") << "Edit4"
                                                 << "33"
                                                 << "Edit5"
                                                 << "133,00"
                                                 << "";
    QTest::newRow("resistors in parallel, first") << "Edit6"
                                                  << "300"
                                                  << "Edit8"
                                                  << "75.00"
                                                  << "";
    QTest::newRow("resistors in parallel, second") << "Edit7"
                                                   << "300"
                                                   << "Edit8"
                                                   << "75.00"
                                                   << "";
    QTest::newRow("capacitors in series, first") << "Edit9"
                                                 << "300"
                                                 << "Edit11"
                                                 << "75.00"
                                                 << "";
    QTest::newRow("capacitors in series, second") << "Edit10"
                                                  << "300"
                                                  << "Edit11"
                                                  << "75.00"
                                                  << "";
    QTest::newRow("capacitors in parallel, first") << "Edit12"
                                                   << "47"
                                                   << "Edit14"
                                                   << "147,00"
                                                   << "";
    QTest::newRow("capacitors in parallel, second") << "Edit13"
                                                    << "1"
                                                    << "Edit14"
                                                    << "101,00"
                                                    << "";
    // A pasted right-to-left override turns only the quoted text.
    QTest::newRow("pasted override, isolated")
        << "Edit3" << QString::fromUtf8("\u202E47") << "Edit5"
        << "200,00" << QString::fromUtf8("'\u2068\u202E47\u2069' is not a valid integer value.");
}

void KeyboardTest::enterCalculates()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, shows);
    QFETCH(QString, result);
    QFETCH(QString, box);
    auto* edit = host->main().findChild<QLineEdit*>(field);
    host->f().PageControl1->setCurrentWidget(edit->parentWidget()->parentWidget());
    activate();
    edit->setText(text);
    edit->setFocus();
    ModalWatch watch;
    QTest::keyClick(edit, Qt::Key_Return);
    QWidget* out = named(shows);
    const QString now =
        qobject_cast<QLabel*>(out) ? qobject_cast<QLabel*>(out)->text() : qobject_cast<QLineEdit*>(out)->text();
    QCOMPARE(now, result);
    QCOMPARE(watch.boxes().size(), std::size_t(box.isEmpty() ? 0 : 1));
    if (!box.isEmpty())
        QCOMPARE(watch.boxes().front().text, box);
}

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
