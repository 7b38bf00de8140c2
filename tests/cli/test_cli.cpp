// SPDX-License-Identifier: MIT
// kolvane-cli against outside facts: the colour code as printed in data sheets, the E
// series, EIA-96 and the SMD codes, combination optima from a plain brute force written
// here, and the process's own contract (exit status, stderr, JSON, locale) through
// QProcess on the built program.
#include "cli.h"
#include "colourcode.h"
#include "combinationfinder.h"
#include "eseries.h"
#include "markings.h"
#include "version.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryFile>
#include <QtTest>

#include <algorithm>
#include <cmath>
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
    void combineMatchesBruteForce_data();
    void combineMatchesBruteForce();
    void combineRules();
    void badInput_data();
    void badInput();
    void process_data();
    void process();
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

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
