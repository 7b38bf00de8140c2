// SPDX-License-Identifier: MIT
// The Labels window as a user and an assistive tool meet it: opened by Ctrl+P and from
// the Look up window, found by its controls' accessible names, refusing what cannot be
// printed with the reason, turning pages, remembering its choices, and saving a PDF that
// reads as kolvane-cli's for the same options.
#include "labelpreview.h"
#include "labelswindow.h"
#include "sheets.h"
#include "lookupwindow.h"
#include "tests/support/apphost.h"
#include "tests/support/modalwatch.h"
#include "valuetext.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kolvane;
using namespace kolvane::test;

namespace {

// Every control below `root` in the accessibility tree, as a screen reader walks it.
void Walk(QAccessibleInterface* root, std::vector<QAccessibleInterface*>& out)
{
    if (!root)
        return;
    out.push_back(root);
    for (int i = 0; i < root->childCount(); ++i)
        Walk(root->child(i), out);
}

// The control a screen reader announces as `name`, with `role`.
QAccessibleInterface* Accessible(QWidget* window, const QString& name, QAccessible::Role role)
{
    std::vector<QAccessibleInterface*> all;
    Walk(QAccessible::queryAccessibleInterface(window), all);
    for (QAccessibleInterface* a : all)
        if (a->role() == role && a->text(QAccessible::Name) == name)
            return a;
    return nullptr;
}

template <typename T>
T* Named(QWidget* window, const QString& name)
{
    for (T* w : window->findChildren<T*>()) {
        QString text = w->accessibleName();
        if (text.isEmpty())
            text = w->property("text").toString().remove(QLatin1Char('&'));
        if (text == name)
            return w;
    }
    return nullptr;
}

// pdfinfo's "Pages:" and "Page size:" lines, as a user's tools read a PDF.
QString PdfInfo(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QStringLiteral("pdfinfo failed on ") + path;
    QStringList kept;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:")) || line.startsWith(QStringLiteral("Page size:")))
            kept << line.simplified();
    return kept.join(QStringLiteral("; "));
}

// pdftotext's words with their boxes, without the head that names the file and its date.
QString PdfWords(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QStringLiteral("pdftotext failed on ") + path;
    QStringList words;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.contains(QStringLiteral("<word")) || line.contains(QStringLiteral("<page")))
            words << line.trimmed();
    return words.join(QLatin1Char('\n'));
}

QString PdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return QStringLiteral("pdftotext failed on ") + path;
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class LabelsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void ctrlPOpensOneModelessWindowOfNamedControls();
    void theKindOfPartFollowsThePage_data();
    void theKindOfPartFollowsThePage();
    void listsAnnounceTheirNames();
    void summaryCountsLabelsAndPages_data();
    void summaryCountsLabelsAndPages();
    void refusedChoicesSayWhy_data();
    void refusedChoicesSayWhy();
    void pagesTurnByButtonsAndKeys();
    void choicesAndOffsetsPerSheetAreRemembered_data();
    void choicesAndOffsetsPerSheetAreRemembered();
    void firstShowingIsCentredThenStaysWherePut();
    void lookupReadingPrintsLabels();
    void listedValuesReadBack_data();
    void listedValuesReadBack();
    void failedWriteIsReported();
    void outputsGoWhereChosen_data();
    void outputsGoWhereChosen();
    void printOpensThePrintDialog();
    void savedPdfReadsAsTheCliWrites_data();
    void savedPdfReadsAsTheCliWrites();

private:
    LabelsWindow* open()
    {
        host->main().activateWindow();
        if (!QTest::qWaitForWindowActive(&host->main()))
            return nullptr;
        QTest::keyClick(&host->main(), Qt::Key_P, Qt::ControlModifier);
        auto* window = host->main().findChild<LabelsWindow*>();
        return window && window->isVisible() ? window : nullptr;
    }
    std::unique_ptr<AppHost> host;
};

void LabelsWindowTest::initTestCase()
{
    // Remembered choices go to a folder of the test's own, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick Ltd."));
    QCoreApplication::setApplicationName(QStringLiteral("Kolvane-test"));
}

void LabelsWindowTest::init()
{
    QSettings().remove(QStringLiteral("Labels"));
    QLocale::setDefault(QLocale::c());
    host = std::make_unique<AppHost>();
}

void LabelsWindowTest::cleanup()
{
    host.reset();
    QSettings().remove(QStringLiteral("Labels"));
}

void LabelsWindowTest::ctrlPOpensOneModelessWindowOfNamedControls()
{
    // Start-up makes nothing of it.
    QVERIFY(!host->main().findChild<LabelsWindow*>());
    LabelsWindow* w = open();
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Labels"));
    QVERIFY(!w->isModal());
    using R = QAccessible::Role;
    const std::vector<std::pair<const char*, R>> controls = {{"Resistors", R::RadioButton},
                                                             {"Capacitors", R::RadioButton},
                                                             {"Series range", R::RadioButton},
                                                             {"List", R::RadioButton},
                                                             {"Series", R::ComboBox},
                                                             {"From", R::EditableText},
                                                             {"To", R::EditableText},
                                                             {"Values", R::EditableText},
                                                             {"Sheet", R::ComboBox},
                                                             {"Page width", R::SpinBox},
                                                             {"Page height", R::SpinBox},
                                                             {"Columns", R::SpinBox},
                                                             {"Rows", R::SpinBox},
                                                             {"Label width", R::SpinBox},
                                                             {"Label height", R::SpinBox},
                                                             {"Left margin", R::SpinBox},
                                                             {"Top margin", R::SpinBox},
                                                             {"Pitch across", R::SpinBox},
                                                             {"Pitch down", R::SpinBox},
                                                             {"Start at label", R::SpinBox},
                                                             {"Copies", R::SpinBox},
                                                             {"Colour bands", R::CheckBox},
                                                             {"SMD codes", R::CheckBox},
                                                             {"Letter code", R::CheckBox},
                                                             {"Outlines", R::CheckBox},
                                                             {"Fold-over", R::CheckBox},
                                                             {"Offset X", R::SpinBox},
                                                             {"Offset Y", R::SpinBox},
                                                             {"Previous page", R::Button},
                                                             {"Next page", R::Button},
                                                             {"Summary", R::StaticText},
                                                             {"Print\u2026", R::Button},
                                                             {"Save PDF\u2026", R::Button},
                                                             {"Save SVG\u2026", R::Button},
                                                             {"Calibration page\u2026", R::ButtonMenu}};
    for (const auto& [name, role] : controls)
        QVERIFY2(Accessible(w, QString::fromUtf8(name), role), name);
    QVERIFY(Named<LabelPreview>(w, QStringLiteral("Preview")));
    // The defaults: resistors, a range of E12 from 10 to 1M, on the first preset.
    QVERIFY(Named<QRadioButton>(w, QStringLiteral("Series range"))->isChecked());
    QCOMPARE(Named<QComboBox>(w, QStringLiteral("Series"))->currentText(), QStringLiteral("E12"));
    QCOMPARE(w->options().sheet.id, QStringLiteral("avery-5160"));

    // The same window again, not a second one.
    w->hide();
    QCOMPARE(open(), w);
    QCOMPARE(host->main().findChildren<LabelsWindow*>().size(), 1);
}

void LabelsWindowTest::theKindOfPartFollowsThePage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("capacitors");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("resistor page") << 0 << false << "10"
                                   << "1M";
    QTest::newRow("capacitor page") << 1 << true << "10p" << QStringLiteral("1\u00b5");
    QTest::newRow("resistors' sums") << 2 << false << "10"
                                     << "1M";
    QTest::newRow("capacitors' sums") << 3 << true << "10p" << QStringLiteral("1\u00b5");
}

void LabelsWindowTest::theKindOfPartFollowsThePage()
{
    QFETCH(int, page);
    QFETCH(bool, capacitors);
    QFETCH(QString, from);
    QFETCH(QString, to);
    host->main().showPage(page);
    LabelsWindow* w = open();
    QVERIFY(w);
    QCOMPARE(Named<QRadioButton>(w, QStringLiteral("Capacitors"))->isChecked(), capacitors);
    QCOMPARE(Named<QLineEdit>(w, QStringLiteral("From"))->text(), from);
    QCOMPARE(Named<QLineEdit>(w, QStringLiteral("To"))->text(), to);
    // The defaults make a sheet: E12 over five decades and one more value.
    QCOMPARE(w->problem(), QString());
    QCOMPARE(w->labelLayout().labelCount, 61);
}

void LabelsWindowTest::listsAnnounceTheirNames()
{
    LabelsWindow* w = open();
    QVERIFY(w);
    for (const auto& [name, current] : {std::pair{"Series", "E12"}, {"Sheet", "avery-5160 (Letter, 3 \u00d7 10)"}}) {
        QAccessibleInterface* list = Accessible(w, QString::fromUtf8(name), QAccessible::ComboBox);
        QVERIFY2(list, name);
        QCOMPARE(list->text(QAccessible::Value), QString::fromUtf8(current));
    }
    // The summary's words reach assistive tools as its text and its description.
    QAccessibleInterface* summary = Accessible(w, QStringLiteral("Summary"), QAccessible::StaticText);
    QVERIFY(summary);
    QCOMPARE(summary->text(QAccessible::Description), QStringLiteral("61 labels on 3 pages"));
    QCOMPARE(Named<QLabel>(w, QStringLiteral("Summary"))->text(), QStringLiteral("61 labels on 3 pages"));
}

void LabelsWindowTest::summaryCountsLabelsAndPages_data()
{
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("list"); // used instead of the range when not empty
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("copies");
    QTest::addColumn<QString>("summary");
    // E12 has 12 values a decade; 10 to 1M is five decades and 1M itself.
    QTest::newRow("E12 10..1M, 30 a page") << "E12"
                                           << "10"
                                           << "1M"
                                           << ""
                                           << "avery-5160" << 1 << 1 << "61 labels on 3 pages";
    QTest::newRow("half-used sheet: 29 blanks first") << "E12"
                                                      << "10"
                                                      << "1M"
                                                      << ""
                                                      << "avery-5160" << 30 << 1 << "61 labels on 3 pages";
    QTest::newRow("a half-used sheet spills onto a second") << "E12"
                                                            << "10"
                                                            << "1M"
                                                            << ""
                                                            << "avery-l7651" << 10 << 1 << "61 labels on 2 pages";
    QTest::newRow("two copies") << "E12"
                                << "10"
                                << "1M"
                                << ""
                                << "avery-5160" << 1 << 2 << "122 labels on 5 pages";
    QTest::newRow("E3 one decade") << "E3"
                                   << "1k"
                                   << "10k"
                                   << ""
                                   << "avery-5167" << 1 << 1 << "4 labels on 1 page";
    QTest::newRow("E192 1 to 10M") << "E192"
                                   << "1"
                                   << "10M"
                                   << ""
                                   << "avery-5160" << 1 << 1 << "1345 labels on 45 pages";
    QTest::newRow("a list with a blank and a comment") << "E12"
                                                       << ""
                                                       << ""
                                                       << "4k7\n-\n# drawer 3\n22k  # bags"
                                                       << "avery-5160" << 1 << 1 << "2 labels on 1 page";
    QTest::newRow("one value") << "E12"
                               << ""
                               << ""
                               << "4k7"
                               << "a4-3x11" << 33 << 1 << "1 label on 1 page";
}

void LabelsWindowTest::summaryCountsLabelsAndPages()
{
    QFETCH(QString, series);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, list);
    QFETCH(QString, sheet);
    QFETCH(int, start);
    QFETCH(int, copies);
    QFETCH(QString, summary);
    LabelsWindow* w = open();
    QVERIFY(w);
    auto* sheets = Named<QComboBox>(w, QStringLiteral("Sheet"));
    sheets->setCurrentIndex(sheets->findData(sheet));
    QVERIFY(sheets->currentIndex() >= 0);
    if (list.isEmpty()) {
        Named<QComboBox>(w, QStringLiteral("Series"))->setCurrentText(series);
        Named<QLineEdit>(w, QStringLiteral("From"))->setText(from);
        Named<QLineEdit>(w, QStringLiteral("To"))->setText(to);
    } else {
        Named<QRadioButton>(w, QStringLiteral("List"))->click();
        Named<QPlainTextEdit>(w, QStringLiteral("Values"))->setPlainText(list);
    }
    Named<QSpinBox>(w, QStringLiteral("Start at label"))->setValue(start);
    Named<QSpinBox>(w, QStringLiteral("Copies"))->setValue(copies);
    // The layout follows on the next turn of the event loop.
    QTRY_COMPARE(Named<QLabel>(w, QStringLiteral("Summary"))->text(), summary);
    QCOMPARE(w->problem(), QString());
    for (const char* button : {"Print\u2026", "Save PDF\u2026", "Save SVG\u2026"})
        QVERIFY2(Named<QPushButton>(w, QString::fromUtf8(button))->isEnabled(), button);
}

void LabelsWindowTest::refusedChoicesSayWhy_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("reason"); // a part of the message
    QTest::newRow("from above to") << "1M"
                                   << "10"
                                   << ""
                                   << "1M";
    QTest::newRow("from no value") << "4k7x"
                                   << "1M"
                                   << ""
                                   << "4k7x";
    QTest::newRow("to empty") << "10"
                              << ""
                              << ""
                              << "to";
    QTest::newRow("a list's bad line") << ""
                                       << ""
                                       << "4k7\n22k\nabc"
                                       << "line 3";
    QTest::newRow("nothing listed") << ""
                                    << ""
                                    << "# only a comment"
                                    << "No values";
}

void LabelsWindowTest::refusedChoicesSayWhy()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, list);
    QFETCH(QString, reason);
    LabelsWindow* w = open();
    QVERIFY(w);
    if (list.isEmpty()) {
        Named<QLineEdit>(w, QStringLiteral("From"))->setText(from);
        Named<QLineEdit>(w, QStringLiteral("To"))->setText(to);
    } else {
        Named<QRadioButton>(w, QStringLiteral("List"))->click();
        Named<QPlainTextEdit>(w, QStringLiteral("Values"))->setPlainText(list);
    }
    w->refresh();
    QVERIFY2(w->problem().contains(reason, Qt::CaseInsensitive), qPrintable(w->problem()));
    QCOMPARE(Named<QLabel>(w, QStringLiteral("Summary"))->text(), w->problem());
    QVERIFY(w->labelLayout().pages.empty());
    for (const char* button : {"Print\u2026", "Save PDF\u2026", "Save SVG\u2026", "Next page"})
        QVERIFY2(!Named<QPushButton>(w, QString::fromUtf8(button))->isEnabled(), button);
    // A sound sheet still prints its calibration page.
    QVERIFY(Named<QPushButton>(w, QStringLiteral("Calibration page\u2026"))->isEnabled());
}

void LabelsWindowTest::pagesTurnByButtonsAndKeys()
{
    LabelsWindow* w = open();
    QVERIFY(w);
    auto* previous = Named<QPushButton>(w, QStringLiteral("Previous page"));
    auto* next = Named<QPushButton>(w, QStringLiteral("Next page"));
    auto* preview = Named<LabelPreview>(w, QStringLiteral("Preview"));
    const auto at = [&](int page) {
        return preview->page() == page && previous->isEnabled() == (page > 0) && next->isEnabled() == (page < 2) &&
               preview->accessibleDescription() == QStringLiteral("Page %1 of 3").arg(page + 1);
    };
    QVERIFY(at(0));
    next->click();
    QVERIFY(at(1));
    next->click();
    QVERIFY(at(2));
    previous->click();
    QVERIFY(at(1));
    preview->setFocus();
    QTest::keyClick(preview, Qt::Key_End);
    QVERIFY(at(2));
    QTest::keyClick(preview, Qt::Key_PageUp);
    QVERIFY(at(1));
    QTest::keyClick(preview, Qt::Key_Home);
    QVERIFY(at(0));
    QTest::keyClick(preview, Qt::Key_PageUp); // no page before the first
    QVERIFY(at(0));
    // A shorter layout keeps the preview on a page it has.
    QTest::keyClick(preview, Qt::Key_End);
    Named<QLineEdit>(w, QStringLiteral("To"))->setText(QStringLiteral("1k"));
    w->refresh();
    QCOMPARE(preview->pageCount(), 1);
    QCOMPARE(preview->page(), 0);
    QVERIFY(!next->isEnabled() && !previous->isEnabled());
}

void LabelsWindowTest::choicesAndOffsetsPerSheetAreRemembered_data()
{
    QTest::addColumn<bool>("closed");
    QTest::newRow("window closed") << true;
    QTest::newRow("program quit with the window open") << false;
}

void LabelsWindowTest::choicesAndOffsetsPerSheetAreRemembered()
{
    QFETCH(bool, closed);
    LabelsWindow* w = open();
    QVERIFY(w);
    auto* sheets = Named<QComboBox>(w, QStringLiteral("Sheet"));
    auto* x = Named<QDoubleSpinBox>(w, QStringLiteral("Offset X"));
    auto* y = Named<QDoubleSpinBox>(w, QStringLiteral("Offset Y"));
    QCOMPARE(x->minimum(), -5.0);
    QCOMPARE(x->maximum(), 5.0);
    QCOMPARE(x->singleStep(), 0.1);
    // The custom sheet's figures stay while a preset's own are shown in their place.
    auto* pageWidth = Named<QDoubleSpinBox>(w, QStringLiteral("Page width"));
    auto* columns = Named<QSpinBox>(w, QStringLiteral("Columns"));
    sheets->setCurrentIndex(sheets->findData(QStringLiteral("custom")));
    pageWidth->setValue(200);
    columns->setValue(4);
    sheets->setCurrentIndex(sheets->findData(QStringLiteral("avery-l7157")));
    const Sheet* preset = FindPresetSheet(u"avery-l7157");
    QVERIFY(preset);
    QCOMPARE(pageWidth->value(), preset->page.width());
    QCOMPARE(columns->value(), preset->columns);
    QVERIFY(!pageWidth->isEnabled());
    x->setValue(1.2);
    y->setValue(-0.5);
    sheets->setCurrentIndex(sheets->findData(QStringLiteral("avery-5160")));
    QCOMPARE(x->value(), 0.0);
    QCOMPARE(y->value(), 0.0);
    x->setValue(0.3);
    Named<QCheckBox>(w, QStringLiteral("Outlines"))->setChecked(true);
    Named<QCheckBox>(w, QStringLiteral("SMD codes"))->setChecked(false);
    Named<QComboBox>(w, QStringLiteral("Series"))->setCurrentText(QStringLiteral("E24"));
    w->refresh();
    QCOMPARE(w->options().offsetX, 0.3);
    QVERIFY(w->options().outlines && !w->options().smd);
    if (closed)
        w->close();

    // The next run starts where this one stopped.
    host = std::make_unique<AppHost>();
    w = open();
    QVERIFY(w);
    sheets = Named<QComboBox>(w, QStringLiteral("Sheet"));
    x = Named<QDoubleSpinBox>(w, QStringLiteral("Offset X"));
    y = Named<QDoubleSpinBox>(w, QStringLiteral("Offset Y"));
    QCOMPARE(sheets->currentData().toString(), QStringLiteral("avery-5160"));
    QCOMPARE(x->value(), 0.3);
    QCOMPARE(y->value(), 0.0);
    QVERIFY(Named<QCheckBox>(w, QStringLiteral("Outlines"))->isChecked());
    QVERIFY(!Named<QCheckBox>(w, QStringLiteral("SMD codes"))->isChecked());
    QCOMPARE(Named<QComboBox>(w, QStringLiteral("Series"))->currentText(), QStringLiteral("E24"));
    sheets->setCurrentIndex(sheets->findData(QStringLiteral("avery-l7157")));
    QCOMPARE(x->value(), 1.2);
    QCOMPARE(y->value(), -0.5);
    w->refresh();
    QCOMPARE(w->options().offsetY, -0.5);
    sheets->setCurrentIndex(sheets->findData(QStringLiteral("custom")));
    QCOMPARE(Named<QDoubleSpinBox>(w, QStringLiteral("Page width"))->value(), 200.0);
    QCOMPARE(Named<QSpinBox>(w, QStringLiteral("Columns"))->value(), 4);
    QCOMPARE(w->options().sheet.page.width(), 200.0);
}

void LabelsWindowTest::firstShowingIsCentredThenStaysWherePut()
{
    LabelsWindow* w = open();
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QPoint mainCentre = host->main().frameGeometry().center();
    QVERIFY2((w->frameGeometry().center() - mainCentre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1,%2").arg(w->frameGeometry().center().x()).arg(mainCentre.x())));
    const QPoint put = w->pos() + QPoint(40, 30);
    w->move(put);
    w->hide();
    host->main().openLabels();
    QVERIFY(w->isVisible());
    QCOMPARE(w->pos(), put);
}

void LabelsWindowTest::lookupReadingPrintsLabels()
{
    host->main().openLookup(QStringLiteral("4K7"));
    auto* lookup = host->main().findChild<LookupWindow*>();
    QVERIFY(lookup && lookup->isVisible());
    auto* readings = lookup->findChild<QListWidget*>();
    QVERIFY(readings && readings->currentRow() == 0);
    QAction* print = nullptr;
    for (QAction* a : readings->findChild<QMenu*>()->actions())
        if (a->text().remove(QLatin1Char('&')) == QStringLiteral("Print labels\u2026"))
            print = a;
    QVERIFY(print);
    print->trigger();
    auto* w = host->main().findChild<LabelsWindow*>();
    QVERIFY(w && w->isVisible());
    QVERIFY(Named<QRadioButton>(w, QStringLiteral("List"))->isChecked());
    QVERIFY(Named<QRadioButton>(w, QStringLiteral("Resistors"))->isChecked());
    const ValueListResult listed = w->values();
    QCOMPARE(listed.values.size(), std::size_t(1));
    QCOMPARE(listed.values.front(), std::optional<double>(4700.0));
    QCOMPARE(w->labelLayout().labelCount, 1);
}

void LabelsWindowTest::listedValuesReadBack_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("capacitor");
    QTest::addColumn<QString>("text");
    QTest::newRow("4.7 kOhm") << 4700.0 << false << "4.7k";
    QTest::newRow("0.47 Ohm") << 0.47 << false << "0.47";
    QTest::newRow("10 Ohm") << 10.0 << false << "10";
    QTest::newRow("1 MOhm") << 1e6 << false << "1M";
    QTest::newRow("4.99 kOhm, E96") << 4990.0 << false << "4.99k";
    QTest::newRow("12.34567 kOhm keeps its digits") << 12345.67 << false << "12.34567k";
    QTest::newRow("2.2 GOhm") << 2.2e9 << false << "2.2G";
    QTest::newRow("100 nF") << 100000.0 << true << "100n";
    QTest::newRow("4.7 pF") << 4.7 << true << "4.7p";
    QTest::newRow("1 uF") << 1e6 << true << "1u";
    QTest::newRow("0.5 pF") << 0.5 << true << "0.5p";
    QTest::newRow("2.2 mF") << 2.2e9 << true << "2.2m";
}

void LabelsWindowTest::listedValuesReadBack()
{
    QFETCH(double, value);
    QFETCH(bool, capacitor);
    QFETCH(QString, text);
    const Quantity q = capacitor ? Quantity::Capacitance : Quantity::Resistance;
    QCOMPARE(ListedValue(value, q), text);
    const auto read = ParseValue(text, q);
    QVERIFY(read);
    QCOMPARE(*read, value);
}

void LabelsWindowTest::failedWriteIsReported()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A file where a folder should be, and a folder where the file should be.
    const QString notAFolder = dir.filePath(QStringLiteral("file"));
    QVERIFY(WriteFileWhole(notAFolder, "x"));
    QVERIFY(!WriteFileWhole(notAFolder + QStringLiteral("/labels.pdf"), "pdf"));
    QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("folder.pdf"))));
    QVERIFY(!WriteFileWhole(dir.filePath(QStringLiteral("folder.pdf")), "pdf"));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder.pdf"))).isDir());
    QFile kept(notAFolder);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("x"));

    // The window says so in a message instead of failing quietly.
    LabelsWindow* w = open();
    QVERIFY(w);
    QString seen;
    ModalWatch watch([&](QDialog* dialog) {
        if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            files->selectFile(notAFolder + QStringLiteral("/labels.pdf"));
            static_cast<QDialog*>(files)->accept();
        } else {
            dialog->reject();
        }
    });
    Named<QPushButton>(w, QStringLiteral("Save PDF\u2026"))->click();
    QCOMPARE(watch.boxes().size(), std::size_t(1));
    QVERIFY2(watch.boxes().front().text.startsWith(QStringLiteral("Could not write")),
             qPrintable(watch.boxes().front().text));
}

void LabelsWindowTest::savedPdfReadsAsTheCliWrites_data()
{
    QTest::addColumn<QString>("list"); // typed into Values; empty keeps E12 from 10 to 1M
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<int>("start");
    QTest::addColumn<double>("offsetX");
    QTest::addColumn<double>("offsetY");
    QTest::addColumn<bool>("outline");
    QTest::addColumn<QStringList>("cli");
    QTest::newRow("a list, started at 4, outlined")
        << "4k7\n-\n10\n0.47\n1M\n4.99k\n"
        << "avery-5160" << 4 << 0.0 << 0.0 << true
        << QStringList{"--values", "4k7,-,10,0.47,1M,4.99k", "--sheet", "avery-5160", "--start", "4", "--outline"};
    // What a user does with a half-used sheet on a printer that places it off.
    QTest::newRow("E12 on a half-used sheet with offsets")
        << ""
        << "avery-l7157" << 7 << 0.5 << -0.3 << false
        << QStringList{"--series",    "E12",     "--from", "10",         "--to", "1M",         "--sheet",
                       "avery-l7157", "--start", "7",      "--offset-x", "0.5",  "--offset-y", "-0.3"};
}

void LabelsWindowTest::savedPdfReadsAsTheCliWrites()
{
    QFETCH(QString, list);
    QFETCH(QString, sheet);
    QFETCH(int, start);
    QFETCH(double, offsetX);
    QFETCH(double, offsetY);
    QFETCH(bool, outline);
    QFETCH(QStringList, cli);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    LabelsWindow* w = open();
    QVERIFY(w);
    // Only what an assistive tool has: names, roles and their actions and values.
    const auto press = [&](const char* name, QAccessible::Role role) {
        QAccessibleInterface* a = Accessible(w, QString::fromUtf8(name), role);
        QVERIFY2(a && a->actionInterface(), name);
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    const auto set = [&](const char* name, const QVariant& value) {
        QAccessibleInterface* a = Accessible(w, QString::fromUtf8(name), QAccessible::SpinBox);
        QVERIFY2(a && a->valueInterface(), name);
        a->valueInterface()->setCurrentValue(value);
    };
    if (!list.isEmpty()) {
        press("List", QAccessible::RadioButton);
        QAccessibleInterface* values = Accessible(w, QStringLiteral("Values"), QAccessible::EditableText);
        QVERIFY(values && values->editableTextInterface());
        values->editableTextInterface()->insertText(0, list);
    }
    // A list announces its name; its choices are its child list's items.
    QAccessibleInterface* sheets = Accessible(w, QStringLiteral("Sheet"), QAccessible::ComboBox);
    QVERIFY(sheets);
    auto* sheetList = qobject_cast<QComboBox*>(sheets->object());
    QVERIFY(sheetList);
    sheetList->setCurrentIndex(sheetList->findData(sheet));
    set("Start at label", start);
    set("Offset X", offsetX);
    set("Offset Y", offsetY);
    if (outline)
        press("Outlines", QAccessible::CheckBox);

    const QString ours = dir.filePath(QStringLiteral("window.pdf"));
    ModalWatch watch([&](QDialog* dialog) {
        if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            files->selectFile(ours);
            static_cast<QDialog*>(files)->accept();
        } else {
            dialog->reject();
        }
    });
    press("Save PDF\u2026", QAccessible::Button);
    QTRY_VERIFY(QFileInfo::exists(ours));
    QVERIFY(watch.boxes().empty());

    const QString theirs = dir.filePath(QStringLiteral("cli.pdf"));
    QProcess process;
    process.start(QStringLiteral(KOLVANE_CLI),
                  QStringList{QStringLiteral("labels")} + cli + QStringList{QStringLiteral("-o"), theirs});
    QVERIFY(process.waitForFinished(30000));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    // Every word in the same place, to pdftotext's hundredth of a point.
    const QString words = PdfWords(ours);
    QVERIFY(words.count(QStringLiteral("<word")) > 10);
    QCOMPARE(words, PdfWords(theirs));
    QCOMPARE(PdfInfo(ours), PdfInfo(theirs));
    const QString text = PdfText(ours);
    for (const char* value : {"10 \u03a9", "1 M\u03a9"})
        QVERIFY2(text.contains(QString::fromUtf8(value)), value);
}

void LabelsWindowTest::outputsGoWhereChosen_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("item"); // of the calibration page's menu; empty for a button
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("pdfinfo"); // of the first file, for a PDF
    // Letter is 8.5 x 11 in, A4 210 x 297 mm: in whole points, as PostScript names them.
    QTest::newRow("E12 as PDF, Letter") << "avery-5160"
                                        << "Save PDF\u2026"
                                        << ""
                                        << "sheet.pdf" << QStringList{"sheet.pdf"}
                                        << "Pages: 3; Page size: 612 x 792 pts (letter)";
    QTest::newRow("E12 as PDF, A4") << "avery-l7651"
                                    << "Save PDF\u2026"
                                    << ""
                                    << "sheet.pdf" << QStringList{"sheet.pdf"}
                                    << "Pages: 1; Page size: 595 x 842 pts (A4)";
    QTest::newRow("E12 as SVG, a file a page")
        << "avery-5160"
        << "Save SVG\u2026"
        << ""
        << "sheet.svg" << QStringList{"sheet-1.svg", "sheet-2.svg", "sheet-3.svg"} << "";
    QTest::newRow("suffix added") << "avery-l7651"
                                  << "Save SVG\u2026"
                                  << ""
                                  << "sheet" << QStringList{"sheet.svg"} << "";
    QTest::newRow("calibration page as PDF")
        << "avery-5160"
        << "Calibration page\u2026"
        << "Save PDF\u2026"
        << "cal.pdf" << QStringList{"cal.pdf"} << "Pages: 1; Page size: 612 x 792 pts (letter)";
    QTest::newRow("calibration page as SVG") << "a4-3x11"
                                             << "Calibration page\u2026"
                                             << "Save SVG\u2026"
                                             << "cal.svg" << QStringList{"cal.svg"} << "";
}

void LabelsWindowTest::outputsGoWhereChosen()
{
    QFETCH(QString, sheet);
    QFETCH(QString, button);
    QFETCH(QString, item);
    QFETCH(QString, chosen);
    QFETCH(QStringList, files);
    QFETCH(QString, pdfinfo);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    LabelsWindow* w = open();
    QVERIFY(w);
    auto* sheets = Named<QComboBox>(w, QStringLiteral("Sheet"));
    sheets->setCurrentIndex(sheets->findData(sheet));
    w->refresh();
    ModalWatch watch([&](QDialog* dialog) {
        if (auto* fileDialog = qobject_cast<QFileDialog*>(dialog)) {
            fileDialog->selectFile(dir.filePath(chosen));
            static_cast<QDialog*>(fileDialog)->accept();
        } else {
            dialog->reject();
        }
    });
    auto* pressed = Named<QPushButton>(w, button);
    if (item.isEmpty()) {
        pressed->click();
    } else {
        QAction* action = nullptr;
        for (QAction* a : pressed->menu()->actions())
            if (a->text().remove(QLatin1Char('&')) == item)
                action = a;
        QVERIFY(action);
        action->trigger();
    }
    QVERIFY(watch.boxes().empty());
    QDir out(dir.path());
    QCOMPARE(out.entryList(QDir::Files, QDir::Name), files);
    if (!pdfinfo.isEmpty())
        QCOMPARE(PdfInfo(out.filePath(files.front())), pdfinfo);
}

void LabelsWindowTest::printOpensThePrintDialog()
{
    LabelsWindow* w = open();
    QVERIFY(w);
    QString seen;
    ModalWatch watch([&](QDialog* dialog) {
        if (qobject_cast<QPrintDialog*>(dialog))
            seen = dialog->windowTitle();
        dialog->reject();
    });
    Named<QPushButton>(w, QStringLiteral("Print\u2026"))->click();
    QCOMPARE(watch.dialogs(), 1);
    QVERIFY2(!seen.isEmpty(), "no print dialog");
    // Cancelled: nothing printed, nothing to report.
    QVERIFY(watch.boxes().empty());
}

QTEST_MAIN(LabelsWindowTest)
#include "test_labelswindow.moc"
