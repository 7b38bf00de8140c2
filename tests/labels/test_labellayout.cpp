// SPDX-License-Identifier: MIT
// The label sheets, the value lists and the layout, checked against the sheets' own
// published figures and the codes' standards, and by what a layout must never do:
// put a label outside its slot, two texts on top of each other, or a code that does
// not state the value exactly.
#include "labelcodes.h"
#include "labellayout.h"
#include "labelsvg.h"
#include "layoutstream.h"
#include "sheets.h"
#include "valuelist.h"

#include <QTest>
#include <QXmlStreamReader>

using namespace kolvane;

namespace {

Sheet Preset(const char* id)
{
    const Sheet* s = FindPresetSheet(QString::fromLatin1(id));
    Q_ASSERT(s);
    return *s;
}

// Every text and code of a label, as boxes.
std::vector<QRectF> Boxes(const Label& label)
{
    std::vector<QRectF> boxes;
    for (const LabelText& t : label.texts)
        boxes.push_back(t.box);
    for (const BandGroup& g : label.codes) {
        QRectF extent = g.body;
        for (const LabelText& m : g.marks)
            extent = extent.united(m.box);
        boxes.push_back(extent);
    }
    return boxes;
}

const LabelText* TextOf(const Label& label, TextRole role)
{
    for (const LabelText& t : label.texts)
        if (t.role == role && !t.turned)
            return &t;
    return nullptr;
}

} // namespace

class TestLabelLayout : public QObject {
    Q_OBJECT

private slots:
    void presets_data();
    void presets();
    void aliases();
    void sheetProblems_data();
    void sheetProblems();
    void codes_data();
    void codes();
    void capacitorAlternates_data();
    void capacitorAlternates();
    void everyLabelInItsSlot_data();
    void everyLabelInItsSlot();
    void startCopiesAndPages_data();
    void startCopiesAndPages();
    void optionsRefused_data();
    void optionsRefused();
    void smallLabelsKeepTheEssentials();
    void foldRepeatsTurned();
    void valueLists_data();
    void valueLists();
    void seriesRanges_data();
    void seriesRanges();
    void svgReadsBack();
    void svgFileNames_data();
    void svgFileNames();
    void streamRoundTrip();
    void calibrationPage();
};

// The table of sheets, as published.
void TestLabelLayout::presets_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QSizeF>("label");
    QTest::addColumn<QPointF>("corner");
    QTest::addColumn<QPointF>("pitch");
    QTest::newRow("avery-5160") << "avery-5160"
                                << "Letter" << 3 << 10 << QSizeF(66.675, 25.4) << QPointF(4.7625, 12.7)
                                << QPointF(69.85, 25.4);
    QTest::newRow("avery-5161") << "avery-5161"
                                << "Letter" << 2 << 10 << QSizeF(101.6, 25.4) << QPointF(3.969, 12.7)
                                << QPointF(106.3625, 25.4);
    QTest::newRow("avery-5167") << "avery-5167"
                                << "Letter" << 4 << 20 << QSizeF(44.45, 12.7) << QPointF(7.144, 12.7)
                                << QPointF(52.3875, 12.7);
    QTest::newRow("avery-l7157") << "avery-l7157"
                                 << "A4" << 3 << 11 << QSizeF(64, 24.3) << QPointF(6.4, 14.1) << QPointF(66.552, 24.3);
    QTest::newRow("avery-l7651") << "avery-l7651"
                                 << "A4" << 5 << 13 << QSizeF(38.1, 21.2) << QPointF(4.7, 10.9) << QPointF(40.6, 21.2);
    QTest::newRow("avery-l4732") << "avery-l4732"
                                 << "A4" << 5 << 16 << QSizeF(35.6, 16.9) << QPointF(11, 13) << QPointF(38.1, 16.9);
    QTest::newRow("ej-range-24") << "ej-range-24"
                                 << "A4" << 3 << 8 << QSizeF(63.5, 33.9) << QPointF(6.5, 13.2) << QPointF(66.45, 33.9);
    QTest::newRow("a4-3x11") << "a4-3x11"
                             << "A4" << 3 << 11 << QSizeF(66, 26) << QPointF(6, 5.5) << QPointF(66, 26);
}

void TestLabelLayout::presets()
{
    QFETCH(QString, id);
    QFETCH(QString, page);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QSizeF, label);
    QFETCH(QPointF, corner);
    QFETCH(QPointF, pitch);
    const Sheet* s = FindPresetSheet(id);
    QVERIFY(s);
    QCOMPARE(s->pageName, page);
    QCOMPARE(s->page, page == QLatin1String("A4") ? QSizeF(210, 297) : QSizeF(215.9, 279.4));
    QCOMPARE(s->columns, columns);
    QCOMPARE(s->rows, rows);
    QCOMPARE(s->label, label);
    QCOMPARE(QPointF(s->left, s->top), corner);
    QCOMPARE(QPointF(s->across, s->down), pitch);
    QCOMPARE(SheetProblem(*s), QString());
    // The second slot is one pitch across; the first of row two one pitch down.
    QCOMPARE(s->slotRect(1).topLeft(), corner + QPointF(pitch.x(), 0));
    QCOMPARE(s->slotRect(columns).topLeft(), corner + QPointF(0, pitch.y()));
}

void TestLabelLayout::aliases()
{
    QCOMPARE(FindPresetSheet(u"avery-5260"), FindPresetSheet(u"avery-5160"));
    QCOMPARE(FindPresetSheet(u"AVERY-8160"), FindPresetSheet(u"avery-5160"));
    QVERIFY(!FindPresetSheet(u"avery-516"));
    QVERIFY(!FindPresetSheet(u"custom"));
    QCOMPARE(PresetSheets().size(), std::size_t{8});
}

void TestLabelLayout::sheetProblems_data()
{
    QTest::addColumn<Sheet>("sheet");
    QTest::addColumn<QString>("problem"); // a word the reason holds; empty: sound
    const Sheet base = Preset("a4-3x11");
    Sheet s = base;
    QTest::newRow("a4-3x11 as is") << s << QString();
    s.across = 65.9;
    QTest::newRow("overlap across") << s << "overlap across";
    s = base;
    s.down = 25;
    QTest::newRow("overlap down") << s << "overlap down";
    s = base;
    s.left = 12.1;
    QTest::newRow("off the right") << s << "right";
    s = base;
    s.rows = 12;
    QTest::newRow("off the bottom") << s << "bottom";
    s = base;
    s.label = QSizeF(0, 26);
    QTest::newRow("no width") << s << "positive";
    s = base;
    s.top = -1;
    QTest::newRow("negative margin") << s << "negative";
    s = base;
    s.columns = 0;
    QTest::newRow("no columns") << s << "columns";
    s = base;
    s.columns = 1;
    s.across = 1; // one column: the pitch across is never used
    QTest::newRow("one column, any pitch") << s << QString();
}

void TestLabelLayout::sheetProblems()
{
    QFETCH(Sheet, sheet);
    QFETCH(QString, problem);
    const QString found = SheetProblem(sheet);
    if (problem.isEmpty())
        QCOMPARE(found, QString());
    else
        QVERIFY2(found.contains(problem), qPrintable(found));
}

// What each value's label writes, against the markings' standards; "" for a code
// that must be absent because it would not state the value exactly.
void TestLabelLayout::codes_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("capacitor");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("four"); // colour names of the 4-band code
    QTest::addColumn<QString>("five");
    QTest::addColumn<QString>("smd3");
    QTest::addColumn<QString>("smd4");
    QTest::addColumn<QString>("eia96");
    QTest::newRow("4.7 kΩ") << 4700.0 << false << u"4.7 k\u03A9"_qs << "4K7"
                            << "yellow violet red gold"
                            << "yellow violet black brown brown"
                            << "472"
                            << "4701"
                            << "";
    QTest::newRow("4.99 kΩ: no 4-band, no 3-digit") << 4990.0 << false << u"4.99 k\u03A9"_qs << "4K99"
                                                    << ""
                                                    << "yellow white white brown brown"
                                                    << ""
                                                    << "4991"
                                                    << "68B";
    QTest::newRow("0.47 Ω") << 0.47 << false << u"0.47 \u03A9"_qs << "R47"
                            << "yellow violet silver gold"
                            << ""
                            << "R47"
                            << "R470"
                            << "";
    QTest::newRow("10 Ω, E96 too") << 10.0 << false << u"10 \u03A9"_qs << "10R"
                                   << "brown black black gold"
                                   << "brown black black gold brown"
                                   << "100"
                                   << "10R0"
                                   << "01X";
    QTest::newRow("1 MΩ") << 1e6 << false << u"1 M\u03A9"_qs << "1M0"
                          << "brown black green gold"
                          << "brown black black yellow brown"
                          << "105"
                          << "1004"
                          << "01E";
    QTest::newRow("12.34 kΩ: only the 4-digit code") << 12340.0 << false << u"12.34 k\u03A9"_qs << "12K34"
                                                     << ""
                                                     << ""
                                                     << ""
                                                     << ""
                                                     << "";
    QTest::newRow("100 nF") << 100000.0 << true << "100 nF"
                            << "100n"
                            << "brown black yellow"
                            << ""
                            << "104"
                            << ""
                            << "";
    QTest::newRow("4.7 pF") << 4.7 << true << "4.7 pF"
                            << "4p7"
                            << "yellow violet gold"
                            << ""
                            << "479"
                            << ""
                            << "";
}

void TestLabelLayout::codes()
{
    QFETCH(double, value);
    QFETCH(bool, capacitor);
    QFETCH(QString, text);
    QFETCH(QString, letter);
    QFETCH(QString, four);
    QFETCH(QString, five);
    QFETCH(QString, smd3);
    QFETCH(QString, smd4);
    QFETCH(QString, eia96);
    LabelOptions o;
    o.quantity = capacitor ? Quantity::Capacitance : Quantity::Resistance;
    o.sheet = Preset("ej-range-24"); // the tallest labels: nothing left out for size
    const LabelLayout layout = LayOutLabels({value}, o);
    QCOMPARE(layout.pages.size(), std::size_t{1});
    const Label& label = layout.pages[0].labels.at(0);
    const auto textOf = [&](TextRole role) {
        const LabelText* t = TextOf(label, role);
        return t ? t->text : QString();
    };
    QCOMPARE(textOf(TextRole::Value), text);
    QCOMPARE(textOf(TextRole::Letter), letter);
    QCOMPARE(textOf(capacitor ? TextRole::Cap3 : TextRole::Smd3), smd3);
    QCOMPARE(textOf(TextRole::Smd4), smd4);
    QCOMPARE(textOf(TextRole::Eia96), eia96);
    QStringList codes;
    for (const BandGroup& g : label.codes) {
        QStringList names;
        for (const Band& b : g.bands)
            names << b.colourName;
        codes << names.join(QLatin1Char(' '));
    }
    QStringList expected;
    for (const QString& c : {four, five})
        if (!c.isEmpty())
            expected << c;
    QCOMPARE(codes, expected);
    QCOMPARE(*label.value, capacitor ? value * 1e-12 : value);
}

// The second unit parts lists write a capacitance in, with the decimal point asked for.
void TestLabelLayout::capacitorAlternates_data()
{
    QTest::addColumn<double>("picofarads");
    QTest::addColumn<QString>("alternate");
    QTest::newRow("100 nF") << 1e5 << u"0,1 \u00B5F"_qs;
    QTest::newRow("22 nF") << 22e3 << u"0,022 \u00B5F"_qs;
    QTest::newRow("4.7 nF") << 4.7e3 << "4700 pF";
    QTest::newRow("470 pF") << 470.0 << "0,47 nF";
    QTest::newRow("1 µF") << 1e6 << "1000 nF";
    QTest::newRow("22 pF: not 0.022 nF") << 22.0 << "";
    QTest::newRow("4.7 pF: nothing smaller") << 4.7 << "";
    QTest::newRow("47 µF: no millifarads") << 47e6 << "";
}

void TestLabelLayout::capacitorAlternates()
{
    QFETCH(double, picofarads);
    QFETCH(QString, alternate);
    const LabelCodes codes = CodesOf(picofarads, Quantity::Capacitance, QLatin1Char(','));
    QCOMPARE(codes.alternate, alternate);
    QVERIFY(!codes.value.contains(QLatin1Char('.')));
}

void TestLabelLayout::everyLabelInItsSlot_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("fold");
    for (const Sheet& s : PresetSheets()) {
        QTest::addRow("%s", qPrintable(s.id)) << s.id << false;
        QTest::addRow("%s folded", qPrintable(s.id)) << s.id << true;
    }
}

// For every preset: each label's items stay inside its cell, none overlaps another,
// and no text is smaller than can be read.
void TestLabelLayout::everyLabelInItsSlot()
{
    QFETCH(QString, id);
    QFETCH(bool, fold);
    LabelOptions o;
    o.sheet = *FindPresetSheet(id);
    o.fold = fold;
    o.offsetX = -1.5;
    o.offsetY = 2.0;
    const LabelValues values = {0.47, 4.7, 4990.0, 4700.0, 12340.0, 1e6, 9.1e6, 1e12, std::nullopt, 100.0};
    const LabelLayout layout = LayOutLabels(values, o);
    QCOMPARE(layout.labelCount, 9);
    for (const Label& label : layout.pages.at(0).labels) {
        QCOMPARE(label.cell, o.sheet.slotRect(label.slot - 1).translated(-1.5, 2.0));
        const std::vector<QRectF> boxes = Boxes(label);
        QCOMPARE(boxes.empty(), !label.value.has_value());
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            QVERIFY2(label.cell.contains(boxes[i]),
                     qPrintable(QStringLiteral("slot %1 item %2").arg(label.slot).arg(i)));
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                QVERIFY2(!boxes[i].intersects(boxes[j]),
                         qPrintable(QStringLiteral("slot %1 items %2 and %3").arg(label.slot).arg(i).arg(j)));
        }
        for (const LabelText& t : label.texts) {
            QVERIFY(t.size >= 1.0);
            QVERIFY(t.size * 1.2 <= t.box.height() + 1e-9);
        }
        if (label.value)
            QVERIFY(TextOf(label, TextRole::Value));
    }
}

void TestLabelLayout::startCopiesAndPages_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("firstSlot");
    QTest::addColumn<int>("lastSlot"); // on the last page
    // avery-5160: 30 slots a page.
    QTest::newRow("one label") << 1 << 1 << 1 << 1 << 1 << 1;
    QTest::newRow("a full page, no empty second page") << 30 << 1 << 1 << 1 << 1 << 30;
    QTest::newRow("one past a page") << 31 << 1 << 1 << 2 << 1 << 1;
    QTest::newRow("half-used sheet") << 10 << 16 << 1 << 1 << 16 << 25;
    QTest::newRow("half-used sheet, spilling over") << 20 << 16 << 1 << 2 << 16 << 5;
    QTest::newRow("start on the last slot") << 1 << 30 << 1 << 1 << 30 << 30;
    QTest::newRow("copies") << 7 << 1 << 3 << 1 << 1 << 21;
    QTest::newRow("copies over pages") << 12 << 5 << 9 << 4 << 5 << 22;
}

void TestLabelLayout::startCopiesAndPages()
{
    QFETCH(int, count);
    QFETCH(int, start);
    QFETCH(int, copies);
    QFETCH(int, pages);
    QFETCH(int, firstSlot);
    QFETCH(int, lastSlot);
    LabelOptions o;
    o.sheet = Preset("avery-5160");
    o.start = start;
    o.copies = copies;
    QCOMPARE(OptionsProblem(o), QString());
    LabelValues values;
    for (int i = 0; i < count; ++i)
        values.emplace_back(1000.0 + i);
    const LabelLayout layout = LayOutLabels(values, o);
    QCOMPARE(static_cast<int>(layout.pages.size()), pages);
    QCOMPARE(layout.labelCount, count * copies);
    QCOMPARE(layout.pages.front().labels.front().slot, firstSlot);
    QCOMPARE(layout.pages.back().labels.back().slot, lastSlot);
    // Copies sit side by side, in the values' order.
    QCOMPARE(layout.pages.front().labels.front().value, std::optional<double>(1000.0));
    if (copies > 1)
        QCOMPARE(layout.pages.front().labels.at(1).value, std::optional<double>(1000.0));
    QCOMPARE(LayoutSummary(layout), QStringLiteral("%1 label%2 on %3 page%4")
                                        .arg(count * copies)
                                        .arg(count * copies == 1 ? "" : "s")
                                        .arg(pages)
                                        .arg(pages == 1 ? "" : "s"));
}

void TestLabelLayout::optionsRefused_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("copies");
    QTest::addColumn<double>("offset");
    QTest::addColumn<QString>("reason");
    QTest::newRow("start 0") << 0 << 1 << 0.0 << "start 0";
    QTest::newRow("start beyond the page") << 31 << 1 << 0.0 << "start 31 is beyond the 30 labels";
    QTest::newRow("no copies") << 1 << 0 << 0.0 << "copies 0";
    QTest::newRow("100 copies") << 1 << 100 << 0.0 << "copies 100";
    QTest::newRow("offset past 5 mm") << 1 << 1 << 5.1 << "offsets";
    QTest::newRow("offset not a number") << 1 << 1 << std::nan("") << "offsets";
    QTest::newRow("all at their limits") << 30 << 99 << -5.0 << "";
}

void TestLabelLayout::optionsRefused()
{
    QFETCH(int, start);
    QFETCH(int, copies);
    QFETCH(double, offset);
    QFETCH(QString, reason);
    LabelOptions o;
    o.sheet = Preset("avery-5160");
    o.start = start;
    o.copies = copies;
    o.offsetY = offset;
    const QString problem = OptionsProblem(o);
    if (reason.isEmpty())
        QCOMPARE(problem, QString());
    else
        QVERIFY2(problem.contains(reason), qPrintable(problem));
}

// Under 15 mm the label keeps the value, the 4-band code and the 3-digit code.
void TestLabelLayout::smallLabelsKeepTheEssentials()
{
    LabelOptions o;
    o.sheet = Preset("avery-5167"); // 12.7 mm high
    const Label small = LayOutLabels({4700.0}, o).pages[0].labels[0];
    o.sheet = Preset("avery-5160"); // 25.4 mm high
    const Label large = LayOutLabels({4700.0}, o).pages[0].labels[0];
    const auto roles = [](const Label& l) {
        QStringList names;
        for (const LabelText& t : l.texts)
            names << TextRoleName(t.role);
        for (const BandGroup& g : l.codes)
            names << QStringLiteral("bands%1").arg(g.count);
        names.sort();
        return names.join(QLatin1Char(' '));
    };
    QCOMPARE(roles(small), QStringLiteral("bands4 smd3 value"));
    QCOMPARE(roles(large), QStringLiteral("bands4 bands5 letter smd3 smd4 value"));
    // The same switches leave the same things out on either size.
    o.bands = false;
    o.smd = false;
    QCOMPARE(roles(LayOutLabels({4700.0}, o).pages[0].labels[0]), QStringLiteral("letter value"));
}

void TestLabelLayout::foldRepeatsTurned()
{
    LabelOptions o;
    o.sheet = Preset("ej-range-24");
    o.fold = true;
    const Label label = LayOutLabels({4700.0}, o).pages[0].labels[0];
    const double middle = label.cell.center().y();
    int upright = 0;
    int turned = 0;
    for (const LabelText& t : label.texts) {
        (t.turned ? turned : upright)++;
        QVERIFY(t.turned ? t.box.top() >= middle : t.box.bottom() <= middle);
    }
    QCOMPARE(turned, upright);
    QVERIFY(upright >= 2);
    QCOMPARE(label.codes.size() % 2, std::size_t{0});
    QVERIFY(label.codes.back().turned);
}

void TestLabelLayout::valueLists_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("items");     // the comma form of --values
    QTest::addColumn<QString>("values"); // the values read, "-" for a blank
    QTest::addColumn<int>("errorLine");
    QTest::newRow("lines") << "4k7\n22k\n100" << false << "4700 22000 100" << 0;
    QTest::newRow("comments, blanks, CRLF") << "# drawer 3\r\n4k7  # top\r\n\r\n-\r\n1M\r\n"
                                            << false << "4700 - 1000000" << 0;
    QTest::newRow("only comments") << "# nothing\n\n" << false << "" << 0;
    QTest::newRow("bad line named") << "4k7\n\n4k7x\n" << false << "" << 3;
    QTest::newRow("negative") << "-4k7" << false << "" << 1;
    QTest::newRow("two values on a line") << "4k7 22k" << false << "" << 1;
    QTest::newRow("zero") << "0" << false << "" << 1;
    QTest::newRow("items") << "4k7, 22k,-" << true << "4700 22000 -" << 0;
    QTest::newRow("empty item") << "4k7,,22k" << true << "" << 2;
}

void TestLabelLayout::valueLists()
{
    QFETCH(QString, text);
    QFETCH(bool, items);
    QFETCH(QString, values);
    QFETCH(int, errorLine);
    const ValueListResult r =
        items ? ReadValueItems(text, Quantity::Resistance) : ReadValueList(text, Quantity::Resistance);
    QCOMPARE(r.errorLine, errorLine);
    QCOMPARE(r.error.isEmpty(), errorLine == 0);
    if (errorLine)
        QVERIFY2(r.error.startsWith(QStringLiteral("%1 %2:").arg(items ? "item" : "line").arg(errorLine)),
                 qPrintable(r.error));
    QStringList read;
    for (const auto& v : r.values)
        read << (v ? QString::number(*v, 'g', 12) : QStringLiteral("-"));
    QCOMPARE(read.join(QLatin1Char(' ')), values);
}

void TestLabelLayout::seriesRanges_data()
{
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("count"); // -1: refused
    QTest::newRow("E12 10 to 1M") << "E12"
                                  << "10"
                                  << "1M" << 61;
    QTest::newRow("E192 1 to 10M") << "E192"
                                   << "1"
                                   << "10M" << 1345;
    QTest::newRow("E3 one member") << "E3"
                                   << "4k7"
                                   << "4k7" << 1;
    QTest::newRow("from above to") << "E12"
                                   << "1M"
                                   << "10" << -1;
    QTest::newRow("none between") << "E3"
                                  << "2.3"
                                  << "4.6" << -1;
    QTest::newRow("bad value") << "E12"
                               << "10x"
                               << "1M" << -1;
}

void TestLabelLayout::seriesRanges()
{
    QFETCH(QString, series);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, count);
    const RangeResult r = SeriesRange(*SeriesFromName(series.toStdString()), from, to, Quantity::Resistance);
    QCOMPARE(static_cast<int>(r.values.size()), std::max(count, 0));
    QCOMPARE(r.error.isEmpty(), count >= 0);
}

// The SVG as a reader of XML sees it: one group a label with its slot and value, the
// texts' classes, and each band's colour by name and by fill.
void TestLabelLayout::svgReadsBack()
{
    LabelOptions o;
    o.sheet = Preset("avery-5160");
    o.start = 29;
    o.outlines = true;
    const LabelLayout layout = LayOutLabels({4700.0, std::nullopt, 4990.0}, o);
    QCOMPARE(layout.pages.size(), std::size_t{2});
    QXmlStreamReader xml(LabelPageSvg(layout, 0, Quantity::Resistance));
    QStringList labels;
    QStringList texts;
    QStringList bands;
    int outlines = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const QString cls = a.value(QLatin1String("class")).toString();
        if (xml.name() == u"svg") {
            QCOMPARE(a.value(QLatin1String("width")), u"215.9mm");
            QCOMPARE(a.value(QLatin1String("height")), u"279.4mm");
            QCOMPARE(a.value(QLatin1String("viewBox")), u"0 0 215.9 279.4");
        } else if (cls == u"label") {
            labels << a.value(QLatin1String("data-slot")).toString() + QLatin1Char('=') +
                          a.value(QLatin1String("data-value")).toString() +
                          a.value(QLatin1String("data-unit")).toString();
        } else if (xml.name() == u"text" && cls != u"band-mark") {
            texts << cls + QLatin1Char(':') + xml.readElementText();
        } else if (cls == u"band") {
            bands << a.value(QLatin1String("data-colour")).toString() + QLatin1Char(' ') +
                         a.value(QLatin1String("fill")).toString();
        } else if (cls == u"outline") {
            ++outlines;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(labels, (QStringList{u"29=4700\u03A9"_qs, u"30="_qs}));
    QCOMPARE(texts, (QStringList{u"value:4.7 k\u03A9"_qs, "letter:4K7", "smd3:472", "smd4:4701"}));
    // Fills as the pages paint them.
    QCOMPARE(bands.mid(0, 4), (QStringList{"yellow #ffff15", "violet #aa00aa", "red #ff1a1a", "gold #b8b872"}));
    QCOMPARE(bands.size(), 9);
    QCOMPARE(outlines, 2);

    // 4.99 kΩ on page two: the 5-band code only, no 3-digit code.
    const QByteArray second = LabelPageSvg(layout, 1, Quantity::Resistance);
    QVERIFY(second.contains("data-slot=\"1\" data-value=\"4990\""));
    QVERIFY(second.contains("data-count=\"5\""));
    QVERIFY(!second.contains("data-count=\"4\""));
    QVERIFY(!second.contains("class=\"smd3\""));
    QVERIFY(second.contains("class=\"eia96\""));
    QVERIFY(second.contains(">68B</text>"));
}

void TestLabelLayout::svgFileNames_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("one page keeps the name") << "out/labels.svg" << 1 << QStringList{"out/labels.svg"};
    QTest::newRow("pages numbered") << "out/labels.svg" << 2 << QStringList{"out/labels-1.svg", "out/labels-2.svg"};
    QTest::newRow("no suffix") << "sheet" << 2 << QStringList{"sheet-1", "sheet-2"};
    QTest::newRow("dot in the folder") << "a.b/sheet" << 2 << QStringList{"a.b/sheet-1", "a.b/sheet-2"};
}

void TestLabelLayout::svgFileNames()
{
    QFETCH(QString, path);
    QFETCH(int, pages);
    QFETCH(QStringList, names);
    QCOMPARE(SvgPageFileNames(path, pages), names);
}

void TestLabelLayout::streamRoundTrip()
{
    LabelOptions o;
    o.sheet = Preset("avery-l7651");
    o.fold = true;
    o.start = 60;
    LabelLayout layout = LayOutLabels({4700.0, std::nullopt, 0.47, 1e6, 22.0, 33.0, 47.0, 68.0}, o);
    const QByteArray bytes = SerialiseLayout(layout);
    const std::optional<LabelLayout> back = DeserialiseLayout(bytes);
    QVERIFY(back);
    QCOMPARE(SerialiseLayout(*back), bytes);
    QCOMPARE(LabelPageSvg(*back, 1, Quantity::Resistance), LabelPageSvg(layout, 1, Quantity::Resistance));
    // Cut short, or of another version: refused, never half read.
    QVERIFY(!DeserialiseLayout(bytes.left(bytes.size() - 1)));
    QVERIFY(!DeserialiseLayout(bytes + '\0'));
    QByteArray other = bytes;
    other[7] = 9;
    QVERIFY(!DeserialiseLayout(other));
    const LabelLayout calibration = CalibrationLayout(o.sheet, 1, 1);
    QCOMPARE(SerialiseLayout(*DeserialiseLayout(SerialiseLayout(calibration))), SerialiseLayout(calibration));
}

// Every slot's outline where the labels would go, offsets applied, and rulers whose
// figures name the millimetres from the paper's corner.
void TestLabelLayout::calibrationPage()
{
    const Sheet sheet = Preset("avery-l7651");
    const LabelLayout layout = CalibrationLayout(sheet, 1.5, -0.5);
    QCOMPARE(layout.pages.size(), std::size_t{1});
    const LabelPage& page = layout.pages[0];
    QCOMPARE(page.outlines.size(), std::size_t{65});
    QCOMPARE(page.outlines.back(), sheet.slotRect(64).translated(1.5, -0.5));
    // A tick each millimetre along the top (0 to 210) and the left (0 to 297).
    QCOMPARE(page.lines.size(), std::size_t{211 + 298});
    QCOMPARE(page.lines.front().p1(), QPointF(1.5, -0.5));
    QStringList across;
    for (const LabelText& t : page.texts)
        if (t.box.top() == page.texts.front().box.top())
            across << t.text;
    // 210 would sit half off the paper's edge: left out.
    QCOMPARE(across.size(), 20);
    QCOMPARE(across.first(), QStringLiteral("10"));
    QCOMPARE(across.last(), QStringLiteral("200"));
    QCOMPARE(page.texts.size(), std::size_t{20 + 29});
    QXmlStreamReader xml(LabelPageSvg(layout, 0, Quantity::Resistance));
    int outlines = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.attributes().value(QLatin1String("class")) == u"outline")
            ++outlines;
    QVERIFY(!xml.hasError());
    QCOMPARE(outlines, 65);
}

QTEST_APPLESS_MAIN(TestLabelLayout)
#include "test_labellayout.moc"
