// SPDX-License-Identifier: MIT
// kolvane-cli against outside facts: the colour code as printed in data sheets, the E
// series, EIA-96 and the SMD codes, combination optima from a plain brute force written
// here, and the process's own contract (exit status, stderr, JSON, locale) through
// QProcess on the built program.
#include "cli.h"
#include "colourchart.h"
#include "colourcode.h"
#include "combinationfinder.h"
#include "commandtable.h"
#include "eseries.h"
#include "markings.h"
#include "textreading.h"
#include "valuetext.h"
#include "version.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <tuple>

using namespace kolvane;

namespace {

struct Run {
    int status;
    QString out;
    QString err;
};

Run RunIn(const QString& commandLine)
{
    QString out;
    QString err;
    QTextStream o(&out);
    QTextStream e(&err);
    const int status = RunCli(commandLine.split(u' ', Qt::SkipEmptyParts), o, e);
    return {status, out, err};
}

QJsonObject JsonOf(const QString& commandLine)
{
    const Run r = RunIn(commandLine + QStringLiteral(" --json"));
    if (r.status != 0)
        qWarning() << commandLine << r.err;
    return QJsonDocument::fromJson(r.out.toUtf8()).object();
}

bool Near(double a, double b)
{
    return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}

QStringList Strings(const QJsonValue& v)
{
    QStringList list;
    for (const QJsonValue x : v.toArray())
        list << x.toString();
    return list;
}

// Every answer of up to three parts, by the plain definitions, with the parts put in
// order inside each symmetric group so that a+b and b+a are one answer.
struct Brute {
    int topology;
    std::vector<double> parts;
    double value;
    double error;
};

std::vector<Brute> BruteForce(const std::vector<double>& set, double target, int maxParts)
{
    std::set<std::pair<int, std::vector<double>>> seen;
    std::vector<Brute> all;
    const auto add = [&](int topology, const std::vector<double>& parts, double value) {
        if (seen.insert({topology, parts}).second)
            all.push_back({topology, parts, value, (value - target) / target});
    };
    for (double a : set) {
        add(0, {a}, a);
        if (maxParts < 2)
            continue;
        for (double b : set) {
            const double lo = std::min(a, b);
            const double hi = std::max(a, b);
            add(1, {lo, hi}, a + b);
            add(2, {lo, hi}, a * b / (a + b));
            if (maxParts < 3)
                continue;
            for (double c : set) {
                std::vector<double> abc = {a, b, c};
                std::sort(abc.begin(), abc.end());
                add(3, abc, a + b + c);
                add(4, abc, a * b * c / (a * b + b * c + a * c));
                add(5, {lo, hi, c}, (a + b) * c / (a + b + c));
                add(6, {lo, hi, c}, a * b / (a + b) + c);
            }
        }
    }
    return all;
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
    void encodeReadsBack();
    void nearest_data();
    void nearest();
    void networks_data();
    void networks();
    void markings_data();
    void markings();
    void markingValuesAreTheirDecimals();
    void lookup_data();
    void lookup();
    void lookupAsAProcess();
    void combineMatchesBruteForce_data();
    void combineMatchesBruteForce();
    void combineRules();
    void badInput_data();
    void badInput();
    void process_data();
    void process();

    // The edges: each fault found from outside, grouped by kind.
    void sources_data();
    void sources();
    void quoting_data();
    void quoting();
    void ranking();
    void valueSyntax_data();
    void valueSyntax();
    void writes_data();
    void writes();
    void oneStderrLine_data();
    void oneStderrLine();
    void charts_data();
    void charts();
    void chartRefusals_data();
    void chartRefusals();
    void jsonShape_data();
    void jsonShape();
    void usage_data();
    void usage();
    void completion_data();
    void completion();
    void tableIsTheOnlySource();
};

void CliTest::decode_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<QString>("series");
    QTest::addColumn<double>("reversed"); // 0: none

    QTest::newRow("5 bands, other end 120 ohm")
        << "brown black black red brown" << 10e3 << 1.0 << 9.9e3 << 10.1e3 << "E3 E6 E12 E24 E48 E96 E192" << 120.0;
    QTest::newRow("3 bands: 20 %, no other end")
        << "red red orange" << 22e3 << 20.0 << 17.6e3 << 26.4e3 << "E3 E6 E12 E24" << 0.0;
    QTest::newRow("gold multiplier, gold cannot lead")
        << "yellow violet gold gold" << 4.7 << 5.0 << 4.465 << 4.935 << "E3 E6 E12 E24 E192" << 0.0;
    QTest::newRow("purple and gray") << "gray red purple silver" << 820e6 << 10.0 << 738e6 << 902e6 << "E12 E24" << 0.0;
    QTest::newRow("E48 and up, with none as tolerance")
        << "orange orange red brown none" << 3320.0 << 20.0 << 2656.0 << 3984.0 << "E48 E96 E192" << 0.0;
    QTest::newRow("capacitor 47 nF ±10 %")
        << "--capacitor yellow violet orange silver" << 47e3 << 10.0 << 42.3e3 << 51.7e3 << "E3 E6 E12 E24 E192" << 0.0;
}

void CliTest::decode()
{
    QFETCH(QString, args);
    const QJsonObject j = JsonOf(QStringLiteral("decode ") + args);
    QFETCH(double, value);
    QFETCH(double, tolerance);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(QString, series);
    QFETCH(double, reversed);
    QVERIFY(Near(j[u"value"].toDouble(), value));
    QCOMPARE(j[u"tolerance"].toDouble(), tolerance);
    QVERIFY(Near(j[u"min"].toDouble(), min));
    QVERIFY(Near(j[u"max"].toDouble(), max));
    QCOMPARE(Strings(j[u"series"]).join(u' '), series);
    QCOMPARE(j[u"unit"].toString(), args.startsWith(u"--capacitor") ? QStringLiteral("pF") : QStringLiteral("ohm"));
    QVERIFY(j[u"tcr"].isNull());
    if (reversed == 0.0)
        QVERIFY(j[u"reversed"].isNull());
    else
        QVERIFY(Near(j[u"reversed"][u"value"].toDouble(), reversed));
}

void CliTest::encode_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("bands");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("exact");

    QTest::newRow("4k7") << "4k7"
                         << "yellow violet red" << 4700.0 << true;
    QTest::newRow("third digit cut, not rounded") << "4.79k"
                                                  << "yellow violet red" << 4700.0 << false;
    QTest::newRow("0.29 stays 29 x 0.01") << "0.29"
                                          << "red white silver" << 0.29 << true;
    QTest::newRow("R47") << "R47"
                         << "yellow violet silver" << 0.47 << true;
    QTest::newRow("smallest two-digit") << "0.1"
                                        << "brown black silver" << 0.1 << true;
    QTest::newRow("largest two-digit") << "990M"
                                       << "white white violet" << 990e6 << true;
    QTest::newRow("largest three-digit") << "--digits 3 999M"
                                         << "white white white blue none" << 999e6 << true;
    QTest::newRow("5 bands 1 %") << "--digits 3 --tolerance 1 4.75k"
                                 << "yellow violet green brown brown" << 4750.0 << true;
    QTest::newRow("6 bands") << "--digits 3 --tolerance 0.1 --tcr 25 10k"
                             << "brown black black red violet yellow" << 10e3 << true;
    QTest::newRow("20 % adds no band") << "--tolerance 20% 22k"
                                       << "red red orange" << 22e3 << true;
    QTest::newRow("gold tolerance") << "--tolerance 5 1M"
                                    << "brown black green gold" << 1e6 << true;
    QTest::newRow("capacitor 100 nF") << "--capacitor 100nF"
                                      << "brown black yellow" << 1e5 << true;
    QTest::newRow("capacitor 4u7") << "--capacitor 4u7"
                                   << "yellow violet green" << 4.7e6 << true;
}

void CliTest::encode()
{
    QFETCH(QString, args);
    const QJsonObject j = JsonOf(QStringLiteral("encode ") + args);
    QFETCH(QString, bands);
    QFETCH(double, value);
    QFETCH(bool, exact);
    QCOMPARE(Strings(j[u"bands"]).join(u' '), bands);
    QVERIFY(Near(j[u"value"].toDouble(), value));
    QCOMPARE(j[u"exact"].toBool(), exact);
}

// What encode paints, decode must read back: every E24 value of every decade the
// codes reach, with two and three digits. For whole numbers the bands must also be
// the ones the pages paint (core's CodeForValue).
void CliTest::encodeReadsBack()
{
    for (const int digits : {2, 3}) {
        const double low = digits == 2 ? 0.1 : 1.0;
        for (const double v : SeriesValues(ESeries::E24, low, 990e6)) {
            const QString number = QString::number(v, 'g', 17);
            const QJsonObject e = JsonOf(QStringLiteral("encode --digits %1 %2").arg(digits).arg(number));
            QVERIFY2(e[u"exact"].toBool(), qPrintable(number));
            const QStringList bands = Strings(e[u"bands"]);
            const QJsonObject d = JsonOf(QStringLiteral("decode ") + bands.join(u' '));
            QVERIFY2(Near(d[u"value"].toDouble(), v), qPrintable(number + u' ' + bands.join(u' ')));
            if (v >= 1.0 && v == std::floor(v)) {
                const PaintedCode painted = CodeForValue(static_cast<std::int64_t>(v), digits);
                for (int i = 0; i < painted.count; ++i) {
                    const std::string_view name = ColourName(painted.bands[static_cast<std::size_t>(i)]);
                    QCOMPARE(bands[i], QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
                }
            }
        }
    }
}

void CliTest::nearest_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<bool>("member");
    QTest::addColumn<double>("nearest");
    QTest::addColumn<double>("below");
    QTest::addColumn<double>("above");

    QTest::newRow("member of E24") << "--series E24 4.7k" << true << 4.7e3 << 4.3e3 << 5.1e3;
    QTest::newRow("member of E3, decade down") << "--series e3 10" << true << 10.0 << 4.7 << 22.0;
    QTest::newRow("between E96 members") << "--series E96 4.6k" << false << 4.64e3 << 4.53e3 << 4.64e3;
    QTest::newRow("E12 by ratio, not difference") << "--series E12 1.09k" << false << 1.0e3 << 1.0e3 << 1.2e3;
}

void CliTest::nearest()
{
    QFETCH(QString, args);
    const QJsonObject j = JsonOf(QStringLiteral("nearest ") + args);
    QFETCH(bool, member);
    QFETCH(double, nearest);
    QFETCH(double, below);
    QFETCH(double, above);
    QCOMPARE(j[u"member"].toBool(), member);
    QVERIFY(Near(j[u"nearest"].toDouble(), nearest));
    QVERIFY(Near(j[u"below"].toDouble(), below));
    QVERIFY(Near(j[u"above"].toDouble(), above));

    // Without --series: one answer per series, in order.
    const QJsonArray all = JsonOf(QStringLiteral("nearest 4.7k"))[u"results"].toArray();
    QCOMPARE(all.size(), 7);
    QCOMPARE(all[0][u"series"].toString(), QStringLiteral("E3"));
    QCOMPARE(all[6][u"series"].toString(), QStringLiteral("E192"));
    QVERIFY(!all[4][u"member"].toBool()); // 470 is no E48 value
}

void CliTest::networks_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");

    QTest::newRow("series, mixed tolerances") << "series 4.7k/5% 10k/1" << 14.7e3 << 14365.0 << 15035.0;
    QTest::newRow("exact parts have no spread") << "series 100 220 330" << 650.0 << 650.0 << 650.0;
    QTest::newRow("parallel pair") << "parallel 10k/10 10k/10" << 5e3 << 4.5e3 << 5.5e3;
    // 1/(1/0.9k + 1/1.8k) and 1/(1/1.1k + 1/2.2k): the span is not value ± 10 %.
    QTest::newRow("parallel, unequal") << "parallel 1k/10 2k/10" << 2000.0 / 3 << 600.0 << 2200.0 / 3;
    QTest::newRow("capacitors in series: product over sum") << "series --capacitor 100n 100n" << 50e3 << 50e3 << 50e3;
    QTest::newRow("capacitors in parallel: sum") << "parallel --capacitor 100n/10 47n" << 147e3 << 137e3 << 157e3;
}

void CliTest::networks()
{
    QFETCH(QString, args);
    const QJsonObject j = JsonOf(args);
    QFETCH(double, value);
    QFETCH(double, min);
    QFETCH(double, max);
    QVERIFY(Near(j[u"value"].toDouble(), value));
    QVERIFY(Near(j[u"min"].toDouble(), min));
    QVERIFY(Near(j[u"max"].toDouble(), max));
}

void CliTest::markings_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("readings"); // kind=value ...

    QTest::newRow("EIA-96 01C") << "01C"
                                << "eia96=10000";
    QTest::newRow("EIA-96 68X") << "68X"
                                << "eia96=49.9";
    QTest::newRow("EIA-96 96F") << "96F"
                                << "eia96=97600000";
    QTest::newRow("EIA-96 01Z") << "01Z"
                                << "eia96=0.1";
    QTest::newRow("10R is letter and EIA-96") << "10R"
                                              << "letter=10 eia96=1.24";
    QTest::newRow("4R7 letter and SMD agree: one entry") << "4R7"
                                                         << "letter=4.7";
    QTest::newRow("SMD 3 digits") << "472"
                                  << "smd=4700";
    QTest::newRow("SMD 4 digits") << "1002"
                                  << "smd=10000";
    QTest::newRow("SMD R100") << "R100"
                              << "letter=0.1";
    QTest::newRow("10R0 is a letter code first") << "10R0"
                                                 << "letter=10";
    QTest::newRow("letter 4K7") << "4K7"
                                << "letter=4700";
    QTest::newRow("capacitor 104") << "--capacitor 104"
                                   << "cap3=100000";
    QTest::newRow("capacitor 479") << "--capacitor 479"
                                   << "cap3=4.7";
    QTest::newRow("capacitor 228") << "--capacitor 228"
                                   << "cap3=0.22";
    QTest::newRow("capacitor 4u7") << "--capacitor 4u7"
                                   << "letter=4700000";
}

void CliTest::markings()
{
    QFETCH(QString, args);
    QFETCH(QString, readings);
    QStringList got;
    for (const QJsonValue r : JsonOf(QStringLiteral("marking ") + args)[u"readings"].toArray())
        got << r[u"kind"].toString() + u'=' + QString::number(r[u"value"].toDouble(), 'g', 12);
    QCOMPARE(got.join(u' '), readings);
}

// The one entry point: every reading of a text, in the window's order, as outside
// facts give them (01C is 10 kΩ, 104 is 100 nF on a capacitor, yellow violet red gold
// is 4.7 kΩ ±5 %).
void CliTest::lookup_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("readings"); // kind=value/tolerance ...
    QTest::newRow("letter code") << "4K7"
                                 << "letter=4700/null";
    QTest::newRow("10R reads two ways") << "10R"
                                        << "letter=10/null eia96=1.24/null";
    QTest::newRow("EIA-96") << "01C"
                            << "eia96=10000/null";
    QTest::newRow("SMD before its value") << "472"
                                          << "smd=4700/null value=472/null";
    QTest::newRow("104 on a capacitor") << "--capacitor 104"
                                        << "cap3=100000/null value=104/null";
    QTest::newRow("exponent") << "4.7e3"
                              << "value=4700/null";
    QTest::newRow("colours, words unquoted") << "yellow violet red gold"
                                             << "colours=4700/5";
    QTest::newRow("gray and purple, no tolerance band: 20 %") << "gray purple black"
                                                              << "colours=87/20";
}

void CliTest::lookup()
{
    QFETCH(QString, args);
    QFETCH(QString, readings);
    QStringList got;
    for (const QJsonValue r : JsonOf(QStringLiteral("lookup ") + args)[u"readings"].toArray()) {
        QVERIFY(r[u"unit"].isString() && r[u"text"].isString());
        got << r[u"kind"].toString() + u'=' + QString::number(r[u"value"].toDouble(), 'g', 12) + u'/' +
                   (r[u"tolerance"].isNull() ? QStringLiteral("null") : QString::number(r[u"tolerance"].toDouble()));
    }
    QCOMPARE(got.join(u' '), readings);
}

void CliTest::lookupAsAProcess()
{
    QProcess p;
    p.start(QStringLiteral(KOLVANE_CLI), {QStringLiteral("lookup"), QStringLiteral("brown"), QStringLiteral("black"),
                                          QStringLiteral("black"), QStringLiteral("red"), QStringLiteral("brown")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), QStringLiteral("10 k\u03A9 \u00B11 % (colour code)"));
    QCOMPARE(lines.value(1), QStringLiteral("120 \u03A9 \u00B11 % (colour code, read from the other end)"));

    p.start(QStringLiteral(KOLVANE_CLI), {QStringLiteral("lookup"), QStringLiteral("4Q7")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(p.readAllStandardOutput().isEmpty());
    QCOMPARE(p.readAllStandardError(),
             QByteArray("kolvane-cli: '4Q7' is no value, marking or colour code of a resistor\n"));
}

// A marking with a negative power of ten is answered with the double nearest its
// decimal value: 49.9, not the 49.900000000000006 that multiplying by 0.1 gives.
void CliTest::markingValuesAreTheirDecimals()
{
    for (const char* answer : {"68X eia96 49.9", "01Z eia96 0.1", "10R eia96 1.24", "--capacitor 399 cap3 3.9",
                               "--capacitor 228 cap3 0.22", "--capacitor 479 cap3 4.7"}) {
        QStringList words = QString::fromLatin1(answer).split(u' ');
        const QString value = words.takeLast();
        const QString kind = words.takeLast();
        const Run r = RunIn(QStringLiteral("marking ") + words.join(u' ') + QStringLiteral(" --json"));
        QVERIFY2(r.out.contains(QStringLiteral("\"kind\":\"%1\",\"value\":%2}").arg(kind, value)), qPrintable(r.out));
    }
}

void CliTest::combineMatchesBruteForce_data()
{
    QTest::addColumn<int>("series");
    QTest::addColumn<double>("target");
    QTest::addColumn<int>("parts");
    for (const double target : {5e3, 1234.5, 0.7, 33.3e3, 9.99e6, 47e3})
        for (const int parts : {2, 3})
            QTest::addRow("E6 %g %d", target, parts) << int(ESeries::E6) << target << parts;
    QTest::addRow("E12 777 3") << int(ESeries::E12) << 777.0 << 3;
}

// The finder's best answers are the brute force's best answers: the same errors in
// the same order, no answer twice, each one what its parts give.
void CliTest::combineMatchesBruteForce()
{
    QFETCH(int, series);
    QFETCH(double, target);
    QFETCH(int, parts);
    const std::vector<double> set = SeriesValues(static_cast<ESeries>(series), 1.0, 10e6);
    std::vector<Brute> brute = BruteForce(set, target, parts);
    // An answer is noise when fewer of its parts, joined either way, come at least as
    // near: 4.7k + 1 beside 4.7k.
    std::erase_if(brute, [target](const Brute& b) {
        const auto asNear = [&](double value) {
            return std::abs(value - target) / target <= std::max(std::abs(b.error), 1e-14) * (1 + 1e-12);
        };
        for (std::size_t i = 0; i < b.parts.size() && b.parts.size() > 1; ++i) {
            if (asNear(b.parts[i]))
                return true;
            for (std::size_t j = i + 1; j < b.parts.size() && b.parts.size() == 3; ++j)
                if (asNear(b.parts[i] + b.parts[j]) || asNear(b.parts[i] * b.parts[j] / (b.parts[i] + b.parts[j])))
                    return true;
        }
        return false;
    });
    std::sort(brute.begin(), brute.end(),
              [](const Brute& x, const Brute& y) { return std::abs(x.error) < std::abs(y.error); });

    const int top = 12;
    const std::vector<Combination> found = FindCombinations(set, target, parts, top);
    QCOMPARE(int(found.size()), top);
    std::set<std::pair<int, std::vector<double>>> seen;
    for (int i = 0; i < top; ++i) {
        const Combination& c = found[static_cast<std::size_t>(i)];
        QVERIFY2(std::abs(std::abs(c.error) - std::abs(brute[static_cast<std::size_t>(i)].error)) <= 1e-12,
                 qPrintable(QStringLiteral("answer %1").arg(i)));
        std::vector<double> p(c.parts.begin(), c.parts.begin() + PartCount(c.topology));
        QVERIFY(Near(c.value, CombinedValue(c.topology, c.parts)));
        if (c.topology != Topology::SeriesInParallel && c.topology != Topology::ParallelInSeries)
            std::sort(p.begin(), p.end());
        else
            std::sort(p.begin(), p.begin() + 2);
        QVERIFY(seen.insert({int(c.topology), p}).second);
    }
}

void CliTest::combineRules()
{
    // The pair from the task's own example; a single exact part ranks first.
    QCOMPARE(RunIn(QStringLiteral("combine 5k --series E12 --top 1")).out,
             QStringLiteral("10k \u2016 10k = 5 k\u03A9 exact\n"));
    const QJsonArray inSet = JsonOf(QStringLiteral("combine 4.7k"))[u"results"].toArray();
    QCOMPARE(inSet[0][u"expression"].toString(), QStringLiteral("4.7k"));
    for (const QJsonValue r : JsonOf(QStringLiteral("combine 4.7k --exclude 4k7 --top 20"))[u"results"].toArray())
        for (const QJsonValue p : r[u"parts"].toArray())
            QVERIFY(p.toDouble() != 4.7e3);

    // An exact pair before an exact triple, whatever the rounding of their sums.
    const QJsonArray exact = JsonOf(QStringLiteral("combine 1234.5 --series E96 --parts 3"))[u"results"].toArray();
    QCOMPARE(exact[0][u"parts"].toArray().size(), 2);
    QCOMPARE(exact[0][u"error"].toDouble(), 0.0);

    // Ties on error and size go to the smaller value.
    const std::vector<Combination> tied = FindCombinations(std::vector<double>{90.0, 110.0}, 100.0, 1, 2);
    QCOMPARE(tied[0].value, 90.0);

    QTemporaryFile stock;
    QVERIFY(stock.open());
    stock.write("# drawer 3\n1k\n2k2  # two left\n\n3.3k\n");
    stock.close();
    const QJsonArray fromStock =
        JsonOf(QStringLiteral("combine 3.2k --parts 2 --top 50 --stock ") + stock.fileName())[u"results"].toArray();
    for (const QJsonValue r : fromStock)
        for (const QJsonValue p : r[u"parts"].toArray())
            QVERIFY(p.toDouble() == 1e3 || p.toDouble() == 2.2e3 || p.toDouble() == 3.3e3);
    QCOMPARE(fromStock[0][u"expression"].toString(), QStringLiteral("1k + 2.2k"));
}

void CliTest::badInput_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("token");
    QTest::newRow("no command") << ""
                                << "no command";
    QTest::newRow("command") << "frobnicate 4k7"
                             << "'frobnicate'";
    QTest::newRow("option") << "decode --resistor red red red"
                            << "'--resistor'";
    QTest::newRow("colour") << "decode chartreuse red red"
                            << "'chartreuse'";
    QTest::newRow("gold first") << "decode gold red red"
                                << "'gold'";
    QTest::newRow("white multiplier of 4") << "decode red red white gold"
                                           << "'white'";
    QTest::newRow("violet multiplier of 5") << "decode red red red violet brown"
                                            << "'violet'";
    QTest::newRow("orange tolerance") << "decode red red red orange"
                                      << "'orange'";
    QTest::newRow("too many bands") << "decode red red red red red red red"
                                    << "'red'";
    QTest::newRow("capacitor has no TFR") << "decode --capacitor red red red red red red"
                                          << "'red'";
    QTest::newRow("too few bands") << "decode red red"
                                   << "3 bands";
    QTest::newRow("milli or mega") << "series 4.7m 1k"
                                   << "'4.7m'";
    QTest::newRow("zero") << "nearest 0"
                          << "'0'";
    QTest::newRow("negative") << "encode -- -5"
                              << "'-5'";
    QTest::newRow("series name") << "nearest --series E7 1k"
                                 << "'E7'";
    QTest::newRow("out of reach") << "encode 1G"
                                  << "'1G'";
    QTest::newRow("3 digits below 1 ohm") << "encode --digits 3 0.5"
                                          << "'0.5'";
    QTest::newRow("tolerance value") << "encode --tolerance 3 1k"
                                     << "'3'";
    QTest::newRow("tcr without tolerance") << "encode --digits 3 --tcr 50 1k"
                                           << "'--tcr'";
    QTest::newRow("tcr with 2 digits") << "encode --tolerance 1 --tcr 50 1k"
                                       << "'--tcr'";
    QTest::newRow("tcr on a capacitor") << "encode --capacitor --digits 3 --tolerance 1 --tcr 50 1n"
                                        << "'--tcr'";
    QTest::newRow("marking") << "marking 99Q"
                             << "'99Q'";
    QTest::newRow("EIA-96 index 97") << "marking 97A"
                                     << "'97A'";
    QTest::newRow("one value") << "parallel 1k"
                               << "two or more";
    QTest::newRow("tolerance of 100 %") << "series 1k/100 1k"
                                        << "'100'";
    QTest::newRow("stock file") << "combine --stock /nonexistent/stock 1k"
                                << "'/nonexistent/stock'";
    QTest::newRow("parts") << "combine --parts 4 1k"
                           << "'4'";
    QTest::newRow("series and stock") << "combine --series E6 --stock x 1k"
                                      << "'--stock'";
    QTest::newRow("nothing left") << "combine --stock /dev/null 1k"
                                  << "'/dev/null'";
    QTest::newRow("missing value") << "combine 1k --top"
                                   << "'--top'";
    QTest::newRow("option twice") << "encode --digits 2 --digits 3 1k"
                                  << "'--digits'";
    QTest::newRow("extra argument") << "encode 1k 2k"
                                    << "'2k'";
}

void CliTest::badInput()
{
    QFETCH(QString, args);
    QFETCH(QString, token);
    const Run r = RunIn(args);
    QCOMPARE(r.status, BadInputStatus);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.startsWith(u"kolvane-cli: ") && r.err.contains(token), qPrintable(r.err));
    QCOMPARE(r.err.count(u'\n'), 1);
    QVERIFY(r.err.endsWith(u'\n'));
}

void CliTest::process_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("point locale") << "C.UTF-8";
    QTest::newRow("comma locale") << "de_DE.UTF-8";
}

// The built program, as a script runs it: no display, the locale from the environment.
void CliTest::process()
{
    QFETCH(QString, locale);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    const auto run = [&env](const QStringList& args, int& status, QByteArray& err) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KOLVANE_CLI), args);
        if (!p.waitForFinished(30000))
            return QByteArray("(no answer)");
        status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        err = p.readAllStandardError();
        return p.readAllStandardOutput();
    };
    int status = -1;
    QByteArray err;
    QByteArray out = run({QStringLiteral("decode"), QStringLiteral("brown"), QStringLiteral("black"),
                          QStringLiteral("black"), QStringLiteral("red"), QStringLiteral("brown")},
                         status, err);
    QCOMPARE(status, 0);
    QVERIFY(err.isEmpty());
    QCOMPARE(QString::fromUtf8(out),
             QStringLiteral("10 k\u03A9 \u00B11 % (9.9 k\u03A9 \u2026 10.1 k\u03A9), standard "
                            "in E3 \u2026 E192; read from the other end: 120 \u03A9 \u00B11 %\n"));

    out = run({QStringLiteral("parallel"), QStringLiteral("--json"), QStringLiteral("4.7k/5"), QStringLiteral("1k")},
              status, err);
    QCOMPARE(status, 0);
    // Plain JSON numbers with a point, in the comma locale too.
    QVERIFY2(out.contains("\"value\":824.56140350877") && out.contains("\"max\":"), out.constData());
    const QJsonObject j = QJsonDocument::fromJson(out).object();
    QVERIFY(Near(j[u"min"].toDouble(), 4465.0 * 1000 / 5465));

    out = run({QStringLiteral("decode"), QStringLiteral("--json"), QStringLiteral("chartreuse"), QStringLiteral("red"),
               QStringLiteral("red")},
              status, err);
    QCOMPARE(status, 2);
    QVERIFY(out.isEmpty());
    QCOMPARE(err, QByteArray("kolvane-cli: 'chartreuse' is not a band colour\n"));

    out = run({QStringLiteral("--version")}, status, err);
    QCOMPARE(out, QByteArray("kolvane-cli " KOLVANE_VERSION "\n"));
    out = run({QStringLiteral("combine"), QStringLiteral("--help")}, status, err);
    QCOMPARE(status, 0);
    QVERIFY(out.contains("--stock"));
}

namespace {

// The built program with its standard streams as a script or a shell gives them.
struct ProcessRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

ProcessRun RunProcess(const QStringList& args, const QByteArray& input = {}, const QString& outFile = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    p.setProcessEnvironment(env);
    if (!outFile.isEmpty())
        p.setStandardOutputFile(outFile);
    p.start(QStringLiteral(KOLVANE_CLI), args);
    p.waitForStarted();
    p.write(input);
    p.closeWriteChannel();
    ProcessRun r;
    if (!p.waitForFinished(60000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

// The one-line refusal: status 2, nothing on stdout, one short line on stderr with no
// control character in it.
bool IsOneLineRefusal(int status, const QString& out, const QString& err)
{
    if (status != BadInputStatus || !out.isEmpty() || !err.startsWith(u"kolvane-cli: ") || !err.endsWith(u'\n') ||
        err.count(u'\n') != 1 || err.size() > 300)
        return false;
    return std::none_of(err.begin(), err.end() - 1, [](QChar c) { return c.category() == QChar::Other_Control; });
}

QByteArray StockOf(int count, const char* value)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += value;
    return text;
}

} // namespace

void CliTest::sources_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("args"); // the stock source is inserted after --stock
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("answer"); // the first line, or a part of the refusal

    // 1k and 2.2k only, the last value cut at the 1 MiB limit if the reader cut.
    const QByteArray padding = StockOf(80000, "1k # no\n2k2 # yes\n").left((1 << 20) - 2);
    QTest::newRow("within the limit") << QByteArray("1k\n3k3\n") << QStringList{"--parts", "1", "3.2k"} << 0
                                      << "3.3k = 3.3 k\u03A9 (+3.13 %)";
    QTest::newRow("over 1 MiB is refused, not cut") << padding + "\n4700\n"
                                                    << QStringList{"--parts", "1", "4.7k"} << 2 << "1 MiB";
    QTest::newRow("exactly 1 MiB is read whole")
        << padding.left((1 << 20) - 6) + "\n4700\n"
        << QStringList{"--parts", "1", "4.7k"} << 0 << "4.7k = 4.7 k\u03A9 exact";
    QTest::newRow("more than 2000 values") << [] {
        QByteArray many;
        for (int i = 1; i <= 2001; ++i)
            many += QByteArray::number(i) + '\n';
        return many;
    }() << QStringList{"1k"} << 2 << "2000";
    QTest::newRow("no values") << QByteArray("# empty drawer\n\n") << QStringList{"1k"} << 2 << "no values";
}

// Every source is read the same way: a file, a pipe through /dev/stdin and "-".
void CliTest::sources()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, answer);
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(content);
    file.close();
    for (const QString& source : {file.fileName(), QStringLiteral("/dev/stdin"), QStringLiteral("-")}) {
        const QByteArray input = source == file.fileName() ? QByteArray() : content;
        const ProcessRun r =
            RunProcess(QStringList{QStringLiteral("combine"), QStringLiteral("--stock"), source} + args, input);
        QVERIFY2(r.status == status, qPrintable(source + u' ' + QString::fromUtf8(r.err)));
        if (status == 0) {
            QCOMPARE(QString::fromUtf8(r.out).section(u'\n', 0, 0), answer);
            QVERIFY(r.err.isEmpty());
        } else {
            QVERIFY2(IsOneLineRefusal(r.status, QString::fromUtf8(r.out), QString::fromUtf8(r.err)), r.err.constData());
            QVERIFY2(QString::fromUtf8(r.err).contains(answer), r.err.constData());
        }
    }
}

void CliTest::quoting_data()
{
    QTest::addColumn<QByteArray>("stock"); // empty: no stock file
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("excerpt");

    QTest::newRow("escape sequence in a stock line") << QByteArray("1k\n\x1b]0;owned\x07 4k7\n") << "combine 1k --stock"
                                                     << "'\\x1B]0;owned\\x07 4k7'";
    QTest::newRow("NUL bytes") << QByteArray(5000, '\0') << "combine 1k --stock"
                               << "'\\x00\\x00";
    QTest::newRow("a 100,000-character token") << QByteArray(100000, '7') + "x\n"
                                               << "combine 1k --stock"
                                               << "'" + QString(40, u'7') + "\u2026'";
    QTest::newRow("a long colour") << QByteArray() << "decode " + QString(100000, u'q') + " red red"
                                   << "'" + QString(40, u'q') + "\u2026'";
    QTest::newRow("a long option") << QByteArray() << "encode --" + QString(5000, u'z') + " 1k"
                                   << "'--" + QString(38, u'z') + "\u2026'";
    QTest::newRow("right-to-left override") << QByteArray() << QStringLiteral("nearest 4\u202Ek7") << "'4\\u202Ek7'";
}

// Bad input is quoted short and visible: about 40 characters, then an ellipsis, every
// control character written out, the whole message one line.
void CliTest::quoting()
{
    QFETCH(QByteArray, stock);
    QFETCH(QString, args);
    QFETCH(QString, excerpt);
    QTemporaryFile file;
    QStringList list = args.split(u' ');
    if (!stock.isEmpty()) {
        QVERIFY(file.open());
        file.write(stock);
        file.close();
        list << file.fileName();
    }
    QString out;
    QString err;
    QTextStream o(&out);
    QTextStream e(&err);
    const int status = RunCli(list, o, e);
    QVERIFY2(IsOneLineRefusal(status, out, err), qPrintable(err.left(300)));
    QVERIFY2(err.contains(excerpt), qPrintable(err));
}

void CliTest::ranking()
{
    // Beyond reach: two parts of E24 up to 10 MΩ make at most 20 MΩ in series.
    Run r = RunIn(QStringLiteral("combine --top 2 10000000000000000000"));
    QVERIFY2(IsOneLineRefusal(r.status, r.out, r.err), qPrintable(r.err));
    QVERIFY2(r.err.contains(u"0.5 \u03A9") && r.err.contains(u"20 M\u03A9"), qPrintable(r.err));
    r = RunIn(QStringLiteral("combine --parts 3 --series E6 0.1"));
    QVERIFY2(IsOneLineRefusal(r.status, r.out, r.err) && r.err.contains(u"0.333333 \u03A9"), qPrintable(r.err));
    QCOMPARE(RunIn(QStringLiteral("combine --parts 3 --series E6 0.34")).status, 0);

    // Errors of 1.2e-12 and 1.4e-12 are not equal: the nearer part ranks first, though
    // it is the larger one.
    QTemporaryFile stock;
    QVERIFY(stock.open());
    stock.write("1000.0000000012\n999.9999999986\n");
    stock.close();
    const QJsonArray close =
        JsonOf(QStringLiteral("combine 1000 --parts 1 --stock ") + stock.fileName())[u"results"].toArray();
    QCOMPARE(close.size(), 2);
    QCOMPARE(close[0][u"value"].toDouble(), 1000.0000000012);

    // Far from the target too: 2 is nearer 1e5 than 1 is.
    const std::vector<Combination> far = FindCombinations(std::vector<double>{1.0, 2.0, 1e5}, 1e5, 1, 3);
    QCOMPARE(far.size(), std::size_t(3));
    QCOMPARE(far[1].value, 2.0);
}

void CliTest::valueSyntax_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("answer"); // the plain answer, or a part of the refusal
    QTest::addColumn<bool>("refused");

    // F after a prefix or prefix letter is the unit; after a bare number it is refused.
    QTest::newRow("4n7F") << "encode --capacitor 4n7F"
                          << "yellow violet red = 4.7 nF" << false;
    QTest::newRow("47pF") << "encode --capacitor 47pF"
                          << "yellow violet black = 47 pF" << false;
    QTest::newRow("4.7uF") << "encode --capacitor 4.7uF"
                           << "yellow violet green = 4.7 \u00B5F" << false;
    QTest::newRow("4\u00B57F") << "encode --capacitor 4\u00B57F"
                               << "yellow violet green = 4.7 \u00B5F" << false;
    QTest::newRow("1n5F") << "encode --capacitor 1n5F"
                          << "brown green red = 1.5 nF" << false;
    QTest::newRow("47F refused") << "encode --capacitor 47F"
                                 << "'47F' has a bare F" << true;
    QTest::newRow("4.7F refused") << "series --capacitor 4.7F 1n"
                                  << "'4.7F' has a bare F" << true;
    // Exponent notation is a value wherever a value is taken.
    QTest::newRow("4.7e3") << "encode 4.7e3"
                           << "yellow violet red = 4.7 k\u03A9" << false;
    QTest::newRow("1E6") << "nearest --series E3 1E6"
                         << "E3: member 1 M\u03A9 (below 470 k\u03A9, above 2.2 M\u03A9)" << false;
    QTest::newRow("2.2e-1 in series") << "series 2.2e-1 1e+0"
                                      << "1.22 \u03A9" << false;
    QTest::newRow("exponent and prefix") << "encode 4.7e-3k"
                                         << "yellow violet gold = 4.7 \u03A9" << false;
    QTest::newRow("exponent alone") << "encode 4.7e"
                                    << "'4.7e'" << true;
    // Tolerances and TFRs take the same number syntax.
    QTest::newRow("--tcr 50.0") << "encode --digits 3 --tolerance 1.0 --tcr 50.0 1k"
                                << "brown black black brown brown red = 1 k\u03A9" << false;
    QTest::newRow("--tolerance 5e0") << "encode --tolerance 5e0 1k"
                                     << "brown black red gold = 1 k\u03A9" << false;
    QTest::newRow("tolerance with a comma") << "series 1k/0,05 1k"
                                            << "'0,05'" << true;
    QTest::newRow("--tcr 5O0") << "encode --digits 3 --tolerance 1 --tcr 5O 1k"
                               << "'5O'" << true;
    // The digits as written, cut and range-checked without a round trip through a double.
    QTest::newRow("cut, not rounded") << "encode 4.699999999999999"
                                      << "yellow blue gold = 4.6 \u03A9 (digits beyond the code cut from 4.7 \u03A9)"
                                      << false;
    QTest::newRow("letter code cut") << "encode 4k69999999999999"
                                     << "yellow blue red = 4.6 k\u03A9 (digits beyond the code cut from 4.7 k\u03A9)"
                                     << false;
    QTest::newRow("below the range by its digits") << "encode --digits 3 0.9999999999999999"
                                                   << "'0.9999999999999999'" << true;
    QTest::newRow("above the range by its digits") << "encode 990.0000000000001M"
                                                   << "'990.0000000000001M'" << true;
    // A negative number is a value, not an option.
    QTest::newRow("-47") << "series -47 1k"
                         << "'-47' is negative" << true;
    QTest::newRow("-4.7k") << "encode -4.7k"
                           << "'-4.7k' is negative" << true;
    QTest::newRow("-.5 after --") << "nearest -- -.5"
                                  << "'-.5' is negative" << true;
    // --tolerance 20 is the none band that decode reads.
    QTest::newRow("tolerance 20 with a TFR") << "encode --digits 3 --tolerance 20 --tcr 50 1k"
                                             << "brown black black brown none red = 1 k\u03A9" << false;
    // --exclude names a part of the set.
    QTest::newRow("exclude a part") << "combine --series E12 --exclude 1k --parts 1 --top 1 1k"
                                    << "820 = 820 \u03A9 (-18 %)" << false;
    QTest::newRow("exclude an absent value") << "combine --series E12 --exclude 4.7k --exclude 4.8k 1k"
                                             << "'4.8k'" << true;
}

void CliTest::valueSyntax()
{
    QFETCH(QString, args);
    QFETCH(QString, answer);
    QFETCH(bool, refused);
    const Run r = RunIn(args);
    if (refused) {
        QVERIFY2(IsOneLineRefusal(r.status, r.out, r.err), qPrintable(r.err + r.out));
        QVERIFY2(r.err.contains(answer), qPrintable(r.err));
    } else {
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(r.out.section(u'\n', 0, 0), answer);
    }
}

void CliTest::writes_data()
{
    QTest::addColumn<QString>("shell"); // how the program's stdout is set up
    QTest::newRow("full disk") << "exec >/dev/full";
    QTest::newRow("stdout closed") << "exec >&-";
    QTest::newRow("full disk, JSON") << "exec >/dev/full; set -- --json";
    QTest::newRow("full disk, help") << "exec >/dev/full; set -- --help";
}

// A failed write is a failure: status 1 and one line on stderr.
void CliTest::writes()
{
    QFETCH(QString, shell);
    QProcess p;
    p.start(QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"), shell + QStringLiteral("; \"$0\" decode brown black red \"$@\""),
             QStringLiteral(KOLVANE_CLI)});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 1);
    const QByteArray err = p.readAllStandardError();
    QVERIFY2(err.startsWith("kolvane-cli: ") && err.count('\n') == 1 && err.endsWith('\n'), err.constData());
}

void CliTest::oneStderrLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("empty stock path") << QStringList{"combine", "--stock", "", "1k"};
    QTest::newRow("a directory as stock") << QStringList{"combine", "--stock", "/", "1k"};
    QTest::newRow("an endless stock file") << QStringList{"combine", "--stock", "/dev/zero", "1k"};
    QTest::newRow("an empty option name") << QStringList{"decode", "--", "", "red", "red"};
    QTest::newRow("a line break in a token") << QStringList{"encode", "4k7\nred"};
}

// Exactly one line on stderr from the process, Qt's own warnings included.
void CliTest::oneStderrLine()
{
    QFETCH(QStringList, args);
    const ProcessRun r = RunProcess(args);
    QVERIFY2(IsOneLineRefusal(r.status, QString::fromUtf8(r.out), QString::fromUtf8(r.err)), r.err.constData());
}

void CliTest::charts_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("answer");

    // IEC 60062:2016 as published: orange ±0.05 %, yellow ±0.02 %, grey ±0.01 %; the
    // temperature coefficients black 250 … grey 1 ppm/K; multipliers pink 10^-3 to white 10^9.
    QTest::newRow("orange tolerance") << "decode brown black black red orange"
                                      << "10 k\u03A9 \u00B10.05 % (9.995 k\u03A9 \u2026 10.005 k\u03A9), standard in "
                                         "E3 \u2026 E192; read from the other end: 320 \u03A9 \u00B11 %";
    QTest::newRow("yellow tolerance") << "decode --json brown black black red yellow"
                                      << "\"tolerance\":0.02";
    QTest::newRow("grey tolerance") << "decode --json brown black black red grey"
                                    << "\"tolerance\":0.01";
    QTest::newRow("violet tolerance") << "decode --json brown black black red violet"
                                      << "\"tolerance\":0.1";
    QTest::newRow("green tolerance") << "decode --json red red red green"
                                     << "\"tolerance\":0.5";
    QTest::newRow("blue tolerance") << "decode --json red red red blue"
                                    << "\"tolerance\":0.25";
    QTest::newRow("black 250 ppm/K") << "decode --json brown black black red brown black"
                                     << "\"tcr\":250";
    QTest::newRow("brown 100 ppm/K") << "decode --json brown black black red brown brown"
                                     << "\"tcr\":100";
    QTest::newRow("red 50 ppm/K") << "decode --json brown black black red brown red"
                                  << "\"tcr\":50";
    QTest::newRow("orange 15 ppm/K") << "decode --json brown black black red brown orange"
                                     << "\"tcr\":15";
    QTest::newRow("yellow 25 ppm/K") << "decode --json brown black black red brown yellow"
                                     << "\"tcr\":25";
    QTest::newRow("green 20 ppm/K") << "decode --json brown black black red brown green"
                                    << "\"tcr\":20";
    QTest::newRow("blue 10 ppm/K") << "decode --json brown black black red brown blue"
                                   << "\"tcr\":10";
    QTest::newRow("violet 5 ppm/K") << "decode --json brown black black red brown violet"
                                    << "\"tcr\":5";
    QTest::newRow("grey 1 ppm/K") << "decode --json brown black black red brown grey"
                                  << "\"tcr\":1";
    QTest::newRow("white multiplier") << "decode --json red red white gold"
                                      << "\"value\":22000000000";
    QTest::newRow("grey multiplier of five") << "decode --json red red red grey brown"
                                             << "\"value\":22200000000";
    QTest::newRow("pink multiplier") << "decode --json brown black pink"
                                     << "\"value\":0.01";
    QTest::newRow("encode precision") << "encode --digits 3 --tolerance 0.05 --tcr 15 10k"
                                      << "brown black black red orange orange = 10 k\u03A9";
    QTest::newRow("encode 0.02 %, 250 ppm/K") << "encode --digits 3 --tolerance 0.02 --tcr 250 47.5k"
                                              << "yellow violet green red yellow black = 47.5 k\u03A9";
    QTest::newRow("encode 0.01 % and 20 ppm/K") << "encode --digits 3 --tolerance 0.01 --tcr 20 100"
                                                << "brown black black black grey green = 100 \u03A9";
    QTest::newRow("encode 4.7 G") << "encode 4.7G"
                                  << "yellow violet grey = 4.7 G\u03A9";
    QTest::newRow("encode 0.047") << "encode 0.047"
                                  << "yellow violet pink = 0.047 \u03A9";
    QTest::newRow("capacitor, pink") << "encode --capacitor 0.022"
                                     << "red red pink = 0.022 pF";
}

void CliTest::charts()
{
    QFETCH(QString, args);
    QFETCH(QString, answer);
    const Run r = RunIn(args + QStringLiteral(" --chart iec"));
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QVERIFY2(r.out.contains(answer), qPrintable(r.out));
    // The program's own chart stays the default, and kolvane names it.
    const Run own = RunIn(args);
    QCOMPARE(RunIn(args + QStringLiteral(" --chart kolvane")).out, own.out);
}

void CliTest::chartRefusals_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("token");
    QTest::newRow("unknown chart") << "decode --chart eia red red red"
                                   << "'eia'";
    QTest::newRow("white TFR in IEC") << "decode --chart iec brown black black red brown white"
                                      << "'white'";
    QTest::newRow("white tolerance in IEC") << "decode --chart iec red red red white"
                                            << "'white'";
    QTest::newRow("pink in the own chart") << "decode brown black pink"
                                           << "'pink'";
    QTest::newRow("250 ppm/K in the own chart") << "encode --digits 3 --tolerance 1 --tcr 250 1k"
                                                << "'250'";
    QTest::newRow("0.02 % in the own chart") << "encode --tolerance 0.02 1k"
                                             << "'0.02'";
    QTest::newRow("below pink") << "encode --chart iec 0.0047"
                                << "'0.0047'";
    QTest::newRow("chart twice") << "encode --chart iec --chart kolvane 1k"
                                 << "'--chart'";
}

void CliTest::chartRefusals()
{
    QFETCH(QString, args);
    QFETCH(QString, token);
    const Run r = RunIn(args);
    QVERIFY2(IsOneLineRefusal(r.status, r.out, r.err), qPrintable(r.err + r.out));
    QVERIFY2(r.err.contains(token), qPrintable(r.err));
}

void CliTest::jsonShape_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("unit");
    QTest::newRow("decode") << "decode brown black black red brown"
                            << "ohm";
    QTest::newRow("decode, capacitor") << "decode --capacitor yellow violet orange silver"
                                       << "pF";
    QTest::newRow("encode") << "encode 4k7"
                            << "ohm";
    QTest::newRow("encode, capacitor") << "encode --capacitor 100n"
                                       << "pF";
    QTest::newRow("nearest, all series") << "nearest 4.6k"
                                         << "ohm";
    QTest::newRow("nearest, one series") << "nearest --capacitor --series E12 4.6n"
                                         << "pF";
    QTest::newRow("series") << "series 0.1 0.2"
                            << "ohm";
    QTest::newRow("parallel, capacitors") << "parallel --capacitor 1n 2n"
                                          << "pF";
    QTest::newRow("marking") << "marking 10R"
                             << "ohm";
    QTest::newRow("marking, capacitor") << "marking --capacitor 104"
                                        << "pF";
    QTest::newRow("combine") << "combine 1234.5 --parts 3"
                             << "ohm";
}

// Every object that carries a value carries its unit; numbers carry at most 15
// significant digits.
void CliTest::jsonShape()
{
    QFETCH(QString, args);
    QFETCH(QString, unit);
    const Run r = RunIn(args + QStringLiteral(" --json"));
    QVERIFY2(r.status == 0, qPrintable(r.err));
    int objects = 0;
    std::function<void(const QJsonValue&)> visit = [&](const QJsonValue& v) {
        if (v.isArray()) {
            for (const QJsonValue x : v.toArray())
                visit(x);
        } else if (v.isObject()) {
            const QJsonObject o = v.toObject();
            if (o.contains(u"value") || o.contains(u"nearest")) {
                ++objects;
                QCOMPARE(o[u"unit"].toString(), unit);
            }
            for (const QJsonValue x : o)
                visit(x);
        }
    };
    visit(QJsonDocument::fromJson(r.out.toUtf8()).object());
    QVERIFY(objects > 0);
    static const QRegularExpression number(QStringLiteral("[:,\\[](-?[0-9][0-9.]*)"));
    for (const QRegularExpressionMatch& m : number.globalMatch(r.out)) {
        QString digits = m.captured(1).remove(u'.').remove(u'-');
        while (digits.startsWith(u'0'))
            digits.remove(0, 1);
        QVERIFY2(digits.size() <= 15 || digits.endsWith(u'0'), qPrintable(m.captured(1)));
    }
    if (args == QLatin1String("series 0.1 0.2"))
        QVERIFY2(r.out.contains(u"\"value\":0.3,") || r.out.contains(u"\"value\":0.3}"), qPrintable(r.out));
}

void CliTest::usage_data()
{
    QTest::addColumn<QString>("args");
    QTest::addColumn<QString>("answer"); // a part of the answer or refusal
    QTest::addColumn<int>("status");
    for (const char* command : {"decode", "encode", "nearest", "series", "parallel", "marking", "combine"})
        QTest::addRow("-h of %s", command) << QString::fromLatin1(command) + " -h"
                                           << "Usage: kolvane-cli " + QString::fromLatin1(command) << 0;
    QTest::newRow("help lists -h") << "encode --help"
                                   << "-h, --help" << 0;
    QTest::newRow("help names the default chart") << "decode --help"
                                                  << "kolvane (default)" << 0;
    QTest::newRow("nearest's range, both ends") << "nearest 1e20"
                                                << "0.001 \u03A9 to 1000 T\u03A9" << 2;
    QTest::newRow("nearest's range, capacitors") << "nearest --capacitor 0.0001"
                                                 << "0.001 pF to 1000 F" << 2;
    // Readings that disagreed with decode, the standards or the man page.
    const auto row = [](const char* name, const char* args, const char* answer, int status) {
        QTest::newRow(name) << QString::fromUtf8(args) << QString::fromUtf8(answer) << status;
    };
    row("nearest's lowest end is inside", "nearest 0.001", "E24: member 0.001 Ω (above 0.0011 Ω)", 0);
    row("nearest's highest end is inside", "nearest 1000T", "E24: member 1000 TΩ (below 910 TΩ)", 0);
    row("lookup names the range", "lookup 0.00099", "is outside the values of a resistor (0.001 Ω to 1000 TΩ)", 2);
    row("lookup's bare F: picofarads first", "lookup --capacitor 47F", "47 pF ±1 % (value)\n47 F (letter code)", 0);
    row("marking's bare F: picofarads first", "marking --capacitor 47F", "47 pF ±1 % (value)\n47 F (letter)", 0);
    row("lookup orders colours by standard values", "lookup blue orange orange brown",
        "13 kΩ ±0.25 % (colour code, read from the other end)\n63 kΩ ±1 % (colour code)", 0);
    row("lookup takes none as decode does", "lookup yellow violet red none", "4.7 kΩ ±20 % (colour code)", 0);
    row("lookup reads 3 bands from both ends", "lookup green brown blue",
        "6.1 MΩ ±20 % (colour code, read from the other end)", 0);
    row("capacitor code with tolerance letter", "lookup --capacitor 104K", "100 nF ±10 % (capacitor code)", 0);
    row("letter code with tolerance letter", "marking 4K7J", "4.7 kΩ ±5 % (letter)", 0);
    row("tolerance after a value", "lookup 4K7 5%", "4.7 kΩ ±5 % (letter code)", 0);
    row("zero-ohm letter code", "lookup 0R", "0 Ω (letter code)", 0);
    row("zero-ohm single band", "lookup black", "0 Ω (colour code)", 0);
    // A part added to a nearer answer for nothing is noise; exact answers of other parts stay.
    row("no part added to an exact one", "combine 4.7k",
        "2k + 2.7k = 4.7 kΩ exact\n8.2k ‖ 11k = 4.69792 kΩ (-0.0443 %)", 0);
    row("no part in parallel for nothing", "combine --parts 2 1.5", "3 ‖ 3 = 1.5 Ω exact\n2.2 ‖ 4.7", 0);
}

void CliTest::usage()
{
    QFETCH(QString, args);
    QFETCH(QString, answer);
    QFETCH(int, status);
    const Run r = RunIn(args);
    QCOMPARE(r.status, status);
    QVERIFY2((status == 0 ? r.out : r.err).contains(answer), qPrintable(r.out + r.err));
    if (args.endsWith(u" -h"))
        QCOMPARE(r.out, RunIn(args.chopped(2) + QStringLiteral("--help")).out);
}

void CliTest::completion_data()
{
    QTest::addColumn<QString>("line"); // the words typed, the cursor at the end
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<bool>("files"); // bash quotes them, and a directory gets a slash and no space
    QTest::newRow("a file name with a space") << "combine --stock my" << QStringList{"my stock.txt"} << true;
    QTest::newRow("a directory") << "combine --stock=dra" << QStringList{"drawer"} << true;
    QTest::newRow("--series=E1") << "combine --series=E1" << QStringList{"E12", "E192"} << false;
    QTest::newRow("--series=") << "nearest --series=" << QStringList{"E3", "E6", "E12", "E24", "E48", "E96", "E192"}
                               << false;
    QTest::newRow("--chart") << "decode --chart " << QStringList{"kolvane", "iec"} << false;
    QTest::newRow("encode's options") << "encode --c" << QStringList{"--capacitor", "--chart"} << false;
    // Only what the command accepts by the chart named so far.
    QTest::newRow("no pink by the own chart") << "decode red red pi" << QStringList{} << false;
    QTest::newRow("pink by IEC") << "decode --chart iec red red pi" << QStringList{"pink"} << false;
    QTest::newRow("pink by IEC, =") << "decode --chart=IEC red red pi" << QStringList{"pink"} << false;
    QTest::newRow("no IEC tolerance by the own chart") << "encode --tolerance 0.0" << QStringList{"0.05"} << false;
    QTest::newRow("no IEC TFR by the own chart") << "encode --tcr 2" << QStringList{"25"} << false;
}

// The bash completion as bash runs it: the script's function with the words split at
// bash's word breaks, in a folder holding "my stock.txt" and "drawer/". compopt only
// works inside a real completion, so the test records what the script asks of it.
namespace {

struct Completion {
    QStringList offered;
    QString compopt;
};

Completion Complete(const QString& line)
{
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("my stock.txt"))).open(QIODevice::WriteOnly);
    QDir(dir.path()).mkdir(QStringLiteral("drawer"));
    const QString script = QStringLiteral(R"(
opts="$3"
compopt() { echo "compopt $*" >>"$opts"; }
complete() { :; }
source "$1"
line="$2"
COMP_LINE="$line"; COMP_POINT=${#line}
# The words as bash splits them: at blanks, with = a word of its own.
read -r -a COMP_WORDS <<<"${line//=/ = }"
[[ "$line" == *" " ]] && COMP_WORDS+=("")
COMP_CWORD=$(( ${#COMP_WORDS[@]} - 1 ))
_kolvane_cli kolvane-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
printf '%s\n' "${COMPREPLY[@]}"
)");
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(QStringLiteral("bash"),
            {QStringLiteral("-c"), script, QStringLiteral("bash"), QStringLiteral(KOLVANE_COMPLETION),
             QStringLiteral("kolvane-cli ") + line, dir.filePath(QStringLiteral("compopt"))});
    p.waitForFinished(30000);
    // No file when the script asked nothing of compopt.
    QString asked;
    if (QFile options(dir.filePath(QStringLiteral("compopt"))); options.open(QIODevice::ReadOnly))
        asked = QString::fromUtf8(options.readAll());
    return {QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts), asked};
}

} // namespace

void CliTest::completion()
{
    QFETCH(QString, line);
    QFETCH(QStringList, offered);
    QFETCH(bool, files);
    const Completion got = Complete(line);
    QCOMPARE(got.offered, offered);
    QCOMPARE(got.compopt.contains(u"-o filenames"), files);
}

namespace {

QStringList Sorted(QStringList list)
{
    list.sort();
    return list;
}

// What the man page says of each command: its paragraph under COMMANDS, which names
// one command or two ("series | parallel"), and the options written in it.
std::map<QString, QSet<QString>> ManPageOptions()
{
    QFile file(QStringLiteral(KOLVANE_MANPAGE));
    file.open(QIODevice::ReadOnly);
    const QString page = QString::fromUtf8(file.readAll());
    const QString commands = page.section(QStringLiteral(".SH COMMANDS\n"), 1).section(QStringLiteral("\n.SH "), 0, 0);
    std::map<QString, QSet<QString>> options;
    // "\-\-no\-bands" and the one-letter "\-o"; never a word's hyphen (kolvane\-cli).
    static const QRegularExpression Option(
        QStringLiteral(R"((?<![a-z])\\-\\-([a-z]+(?:\\-[a-z]+)*)|(?<=[\s"])\\-([a-z])(?=[\s"]))"));
    static const QRegularExpression Names(QStringLiteral(R"(^\.BR ([a-z]+)(?: " \| " ([a-z]+))?)"));
    for (const QString& paragraph : commands.split(QStringLiteral(".TP\n"), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch names = Names.match(paragraph);
        QSet<QString> found;
        for (const QRegularExpressionMatch& m : Option.globalMatch(paragraph))
            found << QString(m.captured(1) + m.captured(2)).replace(QStringLiteral("\\-"), QStringLiteral("-"));
        for (int i = 1; i <= 2; ++i)
            if (!names.captured(i).isEmpty())
                options[names.captured(i)] = found;
    }
    return options;
}

} // namespace

// The command table is the only source: the completion offers every command and each
// command's options and nothing else, and only values the command accepts by the
// chart named; the man page describes every command with each of its options.
void CliTest::tableIsTheOnlySource()
{
    QStringList names;
    const std::map<QString, QSet<QString>> manPage = ManPageOptions();
    for (const Command& c : Commands()) {
        const QString name = QString::fromLatin1(c.name);
        names << name;
        QStringList options = {QStringLiteral("--json"), QStringLiteral("--help"), QStringLiteral("-h")};
        QSet<QString> manOptions;
        for (const OptionSpec& o : c.options) {
            options << (o.name[1] ? QStringLiteral("--") : QStringLiteral("-")) + QString::fromLatin1(o.name);
            manOptions << QString::fromLatin1(o.name);
            if (*o.choices)
                QCOMPARE(Complete(name + QStringLiteral(" --") + QString::fromLatin1(o.name) + u' ').offered,
                         QString::fromLatin1(o.choices).split(u'|'));
        }
        QCOMPARE(Sorted(Complete(name + QStringLiteral(" -")).offered), Sorted(options));
        QVERIFY2(manPage.count(name) == 1, c.name);
        QCOMPARE(manPage.at(name), manOptions);
    }
    QCOMPARE(Sorted(Complete(QString()).offered),
             Sorted(names + QStringList{QStringLiteral("--help"), QStringLiteral("--version")}));
    QCOMPARE(int(manPage.size()), int(names.size()));

    QStringList series;
    for (const ESeries s : AllSeries)
        series << QString::fromLatin1(SeriesName(s).data());
    QCOMPARE(Complete(QStringLiteral("nearest --series ")).offered, series);

    for (const ColourChart chart : {ColourChart::Kolvane, ColourChart::Iec60062}) {
        const QString named = chart == ColourChart::Iec60062 ? QStringLiteral("--chart iec ") : QString();
        QStringList tolerances;
        for (const ToleranceBand& t : ChartTolerances(chart))
            tolerances << PlainNumber(t.percent);
        QCOMPARE(Sorted(Complete(QStringLiteral("encode ") + named + QStringLiteral("--tolerance ")).offered),
                 Sorted(tolerances));
        QStringList tcrs;
        for (const TcrBand& t : ChartTcrs(chart))
            tcrs << QString::number(t.ppm);
        QCOMPARE(Sorted(Complete(QStringLiteral("encode ") + named + QStringLiteral("--tcr ")).offered), Sorted(tcrs));
        // Every colour offered is one decode takes by that chart.
        for (const QString& word : Complete(QStringLiteral("decode ") + named + QStringLiteral("red ")).offered)
            QVERIFY2(word.startsWith(u'-') || ChartColourOfName(chart, word), qPrintable(word));
    }
    // lookup reads colour words by the program's own chart, as the window does.
    for (const QString& word : Complete(QStringLiteral("lookup red ")).offered)
        QVERIFY2(word.startsWith(u'-') || ChartColourOfName(ColourChart::Kolvane, word), qPrintable(word));
}

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
