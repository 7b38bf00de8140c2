// SPDX-License-Identifier: MIT
// kolvane-cli labels as a whole process, its output read as a user's tools read it:
// pdfinfo for pages and paper, pdftotext -bbox for where each value landed, and the
// SVG as XML. Bytes are never compared: a PDF carries its creation date.
#include "sheets.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace kolvane;

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QString err;
};

Run RunCli(const QStringList& args, const QByteArray& input = {}, const QString& program = QStringLiteral(KOLVANE_CLI))
{
    QProcess p;
    p.start(program, QStringList{QStringLiteral("labels")} + args);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000))
        return {};
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

QString Tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString ToolOutput(const char* name, const QStringList& args)
{
    QProcess p;
    p.start(Tool(name), args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Word {
    QRectF box; // points, from the page's top-left corner
    QString text;
    int page = 0;
};

// pdftotext -bbox writes each word with its box, page by page.
std::vector<Word> Words(const QString& pdf)
{
    std::vector<Word> words;
    QXmlStreamReader xml(ToolOutput("pdftotext", {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    int page = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"page")
            ++page;
        if (xml.name() != u"word")
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const double x0 = a.value(QLatin1String("xMin")).toDouble();
        const double y0 = a.value(QLatin1String("yMin")).toDouble();
        const double x1 = a.value(QLatin1String("xMax")).toDouble();
        const double y1 = a.value(QLatin1String("yMax")).toDouble();
        words.push_back({QRectF(QPointF(x0, y0), QPointF(x1, y1)), xml.readElementText(), page});
    }
    return words;
}

constexpr double PointsPerMm = 72.0 / 25.4;

QRectF InPoints(const QRectF& mm)
{
    return {mm.x() * PointsPerMm, mm.y() * PointsPerMm, mm.width() * PointsPerMm, mm.height() * PointsPerMm};
}

} // namespace

class TestLabelsCli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void valuesInTheirCells_data();
    void valuesInTheirCells();
    void refused_data();
    void refused();
    void failedWrite_data();
    void failedWrite();
    void svgFiles();
    void standardOutput();
    void listSheets();
    void fontsEmbedded();
    void withoutTheHelper();

private:
    QTemporaryDir m_dir;
};

void TestLabelsCli::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // scripts/deps.sh --test installs poppler-utils.
    QVERIFY2(!Tool("pdfinfo").isEmpty() && !Tool("pdftotext").isEmpty(), "pdfinfo and pdftotext are needed");
}

void TestLabelsCli::valuesInTheirCells_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("pageSize"); // as pdfinfo gives it
    QTest::addColumn<bool>("fold");
    for (const Sheet& s : PresetSheets()) {
        // Qt writes A4 in whole points, as PDF writers commonly do; pdfinfo names both.
        const QString size = s.pageName == QLatin1String("A4") ? QStringLiteral("595 x 842 pts (A4)")
                                                               : QStringLiteral("612 x 792 pts (letter)");
        QTest::addRow("%s", qPrintable(s.id)) << s.id << size << false;
    }
    QTest::newRow("avery-5160 folded") << "avery-5160"
                                       << "612 x 792 pts (letter)" << true;
}

// For every preset, with a start slot and offsets: each value's words lie inside its
// label's cell as the sheet table places it, on the page it belongs to.
void TestLabelsCli::valuesInTheirCells()
{
    QFETCH(QString, id);
    QFETCH(QString, pageSize);
    QFETCH(bool, fold);
    const Sheet sheet = *FindPresetSheet(id);
    const int start = sheet.slotCount() - 2; // three labels on page one, the rest on two
    const QStringList numbers = {"1.2", "1.5", "2.2", "3.3", "4.7", "6.8", "8.2"};
    const QString pdf = m_dir.filePath(id + QStringLiteral(".pdf"));
    QStringList args = {"--values",
                        numbers.join(QStringLiteral("k,")) + QStringLiteral("k"),
                        "--sheet",
                        id,
                        "--start",
                        QString::number(start),
                        "--offset-x",
                        "1.2",
                        "--offset-y=-0.8",
                        "-o",
                        pdf};
    if (fold)
        args << QStringLiteral("--fold");
    const Run r = RunCli(args);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QByteArray());

    const QString info = ToolOutput("pdfinfo", {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("Page size:       ") + pageSize), qPrintable(info));

    const std::vector<Word> words = Words(pdf);
    for (int i = 0; i < numbers.size(); ++i) {
        const int slotIndex = (start - 1 + i) % sheet.slotCount();
        const int page = (start - 1 + i) / sheet.slotCount() + 1;
        // A little slack: the font's box reaches a hair beyond the glyphs.
        const QRectF cell = InPoints(sheet.slotRect(slotIndex).translated(1.2, -0.8)).adjusted(-0.5, -0.5, 0.5, 0.5);
        int found = 0;
        for (std::size_t w = 0; w + 1 < words.size(); ++w) {
            if (words[w].text != numbers[i])
                continue;
            ++found;
            QCOMPARE(words[w].page, page);
            QCOMPARE(words[w + 1].text, u"k\u03A9"_qs);
            QVERIFY2(cell.contains(words[w].box) && cell.contains(words[w + 1].box),
                     qPrintable(QStringLiteral("%1 at %2,%3 outside slot %4")
                                    .arg(numbers[i])
                                    .arg(words[w].box.x())
                                    .arg(words[w].box.y())
                                    .arg(slotIndex + 1)));
        }
        // Folded, the value is written twice, once turned.
        QCOMPARE(found, fold ? 2 : 1);
    }
}

void TestLabelsCli::refused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("said"); // what the one stderr line holds
    const QStringList range = {"--series", "E12", "--from", "10", "--to", "1M"};
    QTest::newRow("unknown sheet") << range + QStringList{"--sheet", "avery-9999"} << "'avery-9999' is not a sheet";
    QTest::newRow("from above to") << QStringList{"--series", "E12", "--from", "1M", "--to", "10"}
                                   << "from '1M' is above to '10'";
    QTest::newRow("start beyond the first page") << range + QStringList{"--start", "31"} << "start 31 is beyond";
    QTest::newRow("start not a number") << range + QStringList{"--start", "x"} << "'x' is not a value for '--start'";
    QTest::newRow("no copies") << range + QStringList{"--copies", "0"} << "'0' is not a value for '--copies'";
    QTest::newRow("offset too far") << range + QStringList{"--offset-x", "5.5"}
                                    << "'5.5' is not a value for '--offset-x'";
    QTest::newRow("bad list item") << QStringList{"--values", "4k7,4k7x"} << "item 2: '4k7x'";
    QTest::newRow("bad list line") << QStringList{"--values-file", "-"} << "line 3: 'ten'";
    QTest::newRow("no values") << QStringList{"--values", "-"} << "no value";
    QTest::newRow("two sources") << range + QStringList{"--values", "4k7"} << "give one of";
    QTest::newRow("bad format") << range + QStringList{"--format", "png"} << "'png' is not a format";
    QTest::newRow("custom overlapping") << range + QStringList{"--sheet",   "custom", "--page",  "a4",
                                                               "--grid",    "3x11",   "--label", "66x26",
                                                               "--margins", "6,5.5",  "--pitch", "60,26"}
                                        << "overlap across";
    QTest::newRow("custom off the page") << range + QStringList{"--sheet",   "custom", "--page",  "a4",
                                                                "--grid",    "3x12",   "--label", "66x26",
                                                                "--margins", "6,5.5",  "--pitch", "66,26"}
                                         << "leave the page at the bottom";
    QTest::newRow("custom without pitch") << range + QStringList{"--sheet", "custom",  "--page", "a4",        "--grid",
                                                                 "3x11",    "--label", "66x26",  "--margins", "6,5.5"}
                                          << "needs '--pitch'";
    QTest::newRow("grid without custom") << range + QStringList{"--grid", "3x11"} << "'--grid' needs '--sheet custom'";
    QTest::newRow("bad page") << range + QStringList{"--sheet", "custom", "--page", "a5"} << "'a5' is not a page";
    QTest::newRow("many SVG pages to stdout") << range + QStringList{"--format", "svg", "-o", "-"} << "3 pages";
}

// Bad input: status 2, one line naming the token, nothing on stdout, and an existing
// output file left exactly as it was.
void TestLabelsCli::refused()
{
    QFETCH(QStringList, args);
    QFETCH(QString, said);
    const QString target = m_dir.filePath(QStringLiteral("kept.pdf"));
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older sheet");
    old.close();
    if (!args.contains(QStringLiteral("-o")))
        args << QStringLiteral("-o") << target;
    const Run r = RunCli(args, "4k7\n# fine\nten\n");
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
    QVERIFY2(r.err.contains(said), qPrintable(r.err));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("an older sheet"));
}

void TestLabelsCli::failedWrite_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("pdf") << "no-such-folder/labels.pdf";
    QTest::newRow("svg") << "no-such-folder/labels.svg";
}

void TestLabelsCli::failedWrite()
{
    QFETCH(QString, name);
    const Run r = RunCli({"--values", "4k7", "-o", m_dir.filePath(name)});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
    QVERIFY2(r.err.contains(QStringLiteral("could not be written")), qPrintable(r.err));
}

void TestLabelsCli::svgFiles()
{
    const QString one = m_dir.filePath(QStringLiteral("one.svg"));
    QCOMPARE(RunCli({"--values", "4k7", "-o", one}).status, 0);
    QVERIFY(QFile::exists(one));

    // 61 labels on three pages: numbered files, and the plain name stays unwritten.
    const QString many = m_dir.filePath(QStringLiteral("e12.svg"));
    const Run r = RunCli({"--series", "E12", "--from", "10", "--to", "1M", "-o", many, "--json"});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.contains("\"labels\":61"));
    QVERIFY(r.out.contains("\"pages\":3"));
    QVERIFY(!QFile::exists(many));
    int labels = 0;
    for (int page = 1; page <= 3; ++page) {
        QFile f(m_dir.filePath(QStringLiteral("e12-%1.svg").arg(page)));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&f);
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement &&
                xml.attributes().value(QLatin1String("class")) == u"label")
                ++labels;
        QVERIFY(!xml.hasError());
    }
    QCOMPARE(labels, 61);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("e12-4.svg"))));
}

void TestLabelsCli::standardOutput()
{
    const Run pdf = RunCli({"--values", "4k7", "-o", "-"});
    QCOMPARE(pdf.status, 0);
    QVERIFY(pdf.out.startsWith("%PDF-"));
    QVERIFY(pdf.out.trimmed().endsWith("%%EOF"));

    const Run svg = RunCli({"--capacitor", "--values", "100n", "--format", "svg", "-o", "-"});
    QCOMPARE(svg.status, 0);
    QXmlStreamReader xml(svg.out);
    QStringList texts;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text") {
            const QString cls = xml.attributes().value(QLatin1String("class")).toString();
            if (cls != u"band-mark")
                texts << cls + QLatin1Char(':') + xml.readElementText();
        }
    QVERIFY(!xml.hasError());
    QCOMPARE(texts, (QStringList{"value:100 nF", u"alternate:0.1 \u00B5F"_qs, "cap3:104", "letter:100n"}));
    QVERIFY(svg.out.contains("data-value=\"1e-07\" data-unit=\"F\""));
}

void TestLabelsCli::listSheets()
{
    const Run r = RunCli({"--list-sheets"});
    QCOMPARE(r.status, 0);
    const QStringList lines = QString::fromUtf8(r.out).trimmed().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 8);
    QVERIFY2(lines[0].contains(QRegularExpression(u"^avery-5160 +Letter +3 \u00D7 10 +66.675 \u00D7 25.4 mm$"_qs)),
             qPrintable(lines[0]));
    QVERIFY(lines[7].contains(QStringLiteral("a4-3x11")));
    QVERIFY(lines[7].contains(QStringLiteral("plain paper")));
}

// Text that any reader can show and search: every font in the file is embedded and
// maps to Unicode (pdffonts' "emb" and "uni" columns).
void TestLabelsCli::fontsEmbedded()
{
    const QString pdf = m_dir.filePath(QStringLiteral("fonts.pdf"));
    QCOMPARE(RunCli({"--values", "4k7,100", "-o", pdf}).status, 0);
    const QStringList lines = ToolOutput("pdffonts", {pdf}).trimmed().split(QLatin1Char('\n'));
    QVERIFY2(lines.size() >= 3, qPrintable(lines.join(QLatin1Char('\n'))));
    for (const QString& line : lines.mid(2)) {
        const QStringList columns = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY2(columns.size() >= 5, qPrintable(line));
        // name, type (one or more words), encoding, emb, sub, uni, object, generation
        QCOMPARE(columns.at(columns.size() - 5), QStringLiteral("yes"));
        QCOMPARE(columns.at(columns.size() - 3), QStringLiteral("yes"));
    }
}

// A kolvane-cli without its PDF helper beside it: PDF fails as a failed write (status
// 1, one line, an existing file kept); SVG needs no helper and still works.
void TestLabelsCli::withoutTheHelper()
{
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("alone")));
    const QString program = m_dir.filePath(QStringLiteral("alone/kolvane-cli"));
    QVERIFY(QFile::copy(QStringLiteral(KOLVANE_CLI), program));
    const QString target = m_dir.filePath(QStringLiteral("alone/kept.pdf"));
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older sheet");
    old.close();
    const Run pdf = RunCli({"--values", "4k7", "-o", target}, {}, program);
    QCOMPARE(pdf.status, 1);
    QCOMPARE(pdf.out, QByteArray());
    QCOMPARE(pdf.err.count(QLatin1Char('\n')), 1);
    QVERIFY2(pdf.err.contains(QStringLiteral("kolvane-labels-pdf")), qPrintable(pdf.err));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("an older sheet"));
    QCOMPARE(RunCli({"--values", "4k7", "-o", m_dir.filePath(QStringLiteral("alone/one.svg"))}, {}, program).status, 0);
}

QTEST_GUILESS_MAIN(TestLabelsCli)
#include "test_labelscli.moc"
