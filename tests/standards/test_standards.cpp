// SPDX-License-Identifier: MIT
// The standards library against outside facts: the IEC 60063 formula and its listed
// exceptions, letter codes both ways, readings from either end, and the span
// arithmetic against exact fractions.
#include "bandcode.h"
#include "encoding.h"
#include "eseries.h"
#include "lettercode.h"
#include "tolerance.h"
#include "excerpt.h"
#include "stocklist.h"
#include "valuetext.h"

#include <QBuffer>

#include <QTest>

#include <cmath>
#include <limits>

using namespace kolvane;
using namespace kolvane::colours;

Q_DECLARE_METATYPE(kolvane::ESeries)
Q_DECLARE_METATYPE(kolvane::Quantity)

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

QString Names(const std::vector<ESeries>& series)
{
    QStringList names;
    for (const ESeries s : series)
        names << QString::fromLatin1(SeriesName(s).data(), static_cast<qsizetype>(SeriesName(s).size()));
    return names.join(u' ');
}

// The series by IEC 60063: E24 from 10^(i/24) to two digits with its historic values,
// E192 from 10^(i/192) to three digits with 920 for 919; the smaller series take every
// second, fourth or eighth member of these.
std::vector<int> FromFormula(ESeries s)
{
    const bool twoDigits = s <= ESeries::E24;
    const int n = twoDigits ? 24 : 192;
    std::vector<int> all;
    all.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        all.push_back(static_cast<int>(std::lround((twoDigits ? 10 : 100) * std::pow(10.0, i / double(n)))));
    if (twoDigits) {
        // Positions of 2.7, 3.0, 3.3, 3.6, 3.9, 4.3, 4.7 and 8.2, where the formula
        // gives 26, 29, 32, 35, 38, 42, 46 and 83.
        const int historic[][2] = {{10, 27}, {11, 30}, {12, 33}, {13, 36}, {14, 39}, {15, 43}, {16, 47}, {22, 82}};
        for (const auto& [i, v] : historic) {
            Q_ASSERT(std::abs(all[static_cast<std::size_t>(i)] - v) == 1);
            all[static_cast<std::size_t>(i)] = v;
        }
    } else {
        Q_ASSERT(all[185] == 919);
        all[185] = 920;
    }
    const int step = s == ESeries::E3                         ? 8
                     : s == ESeries::E6 || s == ESeries::E48  ? 4
                     : s == ESeries::E12 || s == ESeries::E96 ? 2
                                                              : 1;
    std::vector<int> series;
    for (std::size_t i = 0; i < all.size(); i += static_cast<std::size_t>(step))
        series.push_back(all[i]);
    return series;
}

BandCode Code(std::initializer_list<BandColour> digits, BandColour multiplier, BandColour tolerance,
              std::optional<BandColour> tfr = std::nullopt)
{
    return BandCode{digits, multiplier, tolerance, tfr};
}

} // namespace

class StandardsTest : public QObject {
    Q_OBJECT
private slots:
    void writtenValues_data();
    void writtenValues();
    void stockListFromAnyDevice();
    void excerpts();
    void seriesMantissas_data();
    void seriesMantissas();
    void seriesNames();
    void membership_data();
    void membership();
    void neighbours_data();
    void neighbours();
    void seriesValues();
    void letterCodesBothWays_data();
    void letterCodesBothWays();
    void letterCodeReadingOnly_data();
    void letterCodeReadingOnly();
    void letterCodeRefusesOutOfRange();
    void spans();
    void spansRefuseBadParts();
    void forwardReadings_data();
    void forwardReadings();
    void reverseReadings_data();
    void reverseReadings();
    void encodes_data();
    void encodes();
    void encodableRanges();
};

void StandardsTest::seriesMantissas_data()
{
    QTest::addColumn<ESeries>("series");
    QTest::addColumn<int>("count");
    for (const auto& [s, n] : {std::pair{ESeries::E3, 3},
                               {ESeries::E6, 6},
                               {ESeries::E12, 12},
                               {ESeries::E24, 24},
                               {ESeries::E48, 48},
                               {ESeries::E96, 96},
                               {ESeries::E192, 192}})
        QTest::newRow(SeriesName(s).data()) << s << n;
}

void StandardsTest::seriesMantissas()
{
    QFETCH(ESeries, series);
    QFETCH(int, count);
    const auto got = SeriesMantissas(series);
    const auto want = FromFormula(series);
    QCOMPARE(got.size(), std::size_t(count));
    QCOMPARE(std::vector<int>(got.begin(), got.end()), want);
    // Every member of every decade, not just the first: the last of the decade below 1
    // ohm and the first of the one above 1 kΩ.
    const int scale = series <= ESeries::E24 ? 10 : 100;
    for (const int m : want) {
        QVERIFY2(IsInSeries(m * 1000.0 / scale * 100, series), qPrintable(QString::number(m)));
        QVERIFY(IsInSeries(double(m) / scale / 10, series));
    }
}

void StandardsTest::seriesNames()
{
    for (const ESeries s : AllSeries) {
        QCOMPARE(SeriesFromName(SeriesName(s)), std::optional(s));
        const QByteArray lower = QByteArray(SeriesName(s).data()).toLower();
        QCOMPARE(SeriesFromName(std::string_view(lower.constData())), std::optional(s));
    }
    for (const char* bad : {"", "E", "E5", "E024", "E24 ", "X24", "24", "E1920"})
        QCOMPARE(SeriesFromName(bad), std::nullopt);
}

void StandardsTest::membership_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("series");
    const QString all = QStringLiteral("E3 E6 E12 E24 E48 E96 E192");
    QTest::newRow("10 kΩ") << 10000.0 << all;
    QTest::newRow("3.2 kΩ") << 3200.0 << "E192";
    QTest::newRow("2.3 kΩ") << 2300.0 << "";
    QTest::newRow("220 Ω is not in E192") << 220.0 << "E3 E6 E12 E24";
    QTest::newRow("4.99 kΩ") << 4990.0 << "E96 E192";
    QTest::newRow("953 Ω") << 953.0 << "E48 E96 E192";
    QTest::newRow("919 is the formula's, not E192's") << 919.0 << "";
    QTest::newRow("920") << 92000.0 << "E192";
    QTest::newRow("491 is no E96 value") << 491.0 << "";
    QTest::newRow("0.47 as a 32-bit float") << double(0.47f) << "E3 E6 E12 E24 E192";
    QTest::newRow("999 MΩ") << 999e6 << "";
    QTest::newRow("1 mΩ") << 0.001 << all;
    QTest::newRow("below 1 mΩ") << 0.00091 << "";
    QTest::newRow("10^15") << 1e15 << all;
    QTest::newRow("above 10^15") << 1.1e15 << "";
    QTest::newRow("near but not within a millionth") << 4700.1 << "";
    QTest::newRow("zero") << 0.0 << "";
    QTest::newRow("negative") << -4700.0 << "";
    QTest::newRow("NaN") << NaN << "";
    QTest::newRow("infinite") << Inf << "";
    QTest::newRow("huge") << 1e300 << "";
    QTest::newRow("tiny") << 1e-300 << "";
}

void StandardsTest::membership()
{
    QFETCH(double, value);
    QFETCH(QString, series);
    QCOMPARE(Names(SeriesContaining(value)), series);
    for (const ESeries s : AllSeries)
        QCOMPARE(IsInSeries(value, s), series.split(u' ').contains(QLatin1String(SeriesName(s).data())));
}

void StandardsTest::neighbours_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<ESeries>("series");
    QTest::addColumn<bool>("member");
    QTest::addColumn<double>("nearest");
    QTest::addColumn<double>("below");
    QTest::addColumn<double>("above");
    // Nearest by ratio: 5140/4700 = 1.0936 is further than 5600/5140 = 1.0895.
    QTest::newRow("5.14 kΩ in E12") << 5140.0 << ESeries::E12 << false << 5600.0 << 4700.0 << 5600.0;
    QTest::newRow("5.1 kΩ in E12") << 5100.0 << ESeries::E12 << false << 4700.0 << 4700.0 << 5600.0;
    QTest::newRow("2.3 kΩ in E24") << 2300.0 << ESeries::E24 << false << 2400.0 << 2200.0 << 2400.0;
    QTest::newRow("2.3 kΩ in E96") << 2300.0 << ESeries::E96 << false << 2320.0 << 2260.0 << 2320.0;
    QTest::newRow("member 4.7 kΩ in E12") << 4700.0 << ESeries::E12 << true << 4700.0 << 3900.0 << 5600.0;
    QTest::newRow("member across the decade") << 1000.0 << ESeries::E24 << true << 1000.0 << 910.0 << 1100.0;
    QTest::newRow("just below a decade") << 0.95 << ESeries::E6 << false << 1.0 << 0.68 << 1.0;
    QTest::newRow("E192's 920") << 9.19 << ESeries::E192 << false << 9.2 << 9.09 << 9.2;
    QTest::newRow("float member") << double(0.47f) << ESeries::E3 << true << 0.47 << 0.22 << 1.0;
    QTest::newRow("above the last member below 1 mΩ") << 0.00105 << ESeries::E24 << false << 0.0011 << 0.001 << 0.0011;
}

void StandardsTest::neighbours()
{
    QFETCH(double, value);
    QFETCH(ESeries, series);
    const auto got = NearestInSeries(value, series);
    QVERIFY(got);
    QTEST(got->member, "member");
    // The members are the doubles nearest their decimal values: equal, not just close.
    QTEST(got->nearest, "nearest");
    QTEST(got->below, "below");
    QTEST(got->above, "above");
}

void StandardsTest::seriesValues()
{
    const std::vector<double> e12 = {1000, 1200, 1500, 1800, 2200, 2700, 3300, 3900, 4700, 5600, 6800, 8200, 10000};
    QCOMPARE(SeriesValues(ESeries::E12, 1000, 10000), e12);
    QCOMPARE(SeriesValues(ESeries::E24, 0.04, 0.05), (std::vector<double>{0.043, 0.047}));
    QCOMPARE(SeriesValues(ESeries::E3, 4701, 9999), std::vector<double>{});
    QCOMPARE(SeriesValues(ESeries::E3, 10, 1), std::vector<double>{});
    QCOMPARE(SeriesValues(ESeries::E3, NaN, 1), std::vector<double>{});

    // The whole range, each member once, ascending: 18 decades and 10^15 itself.
    const auto all = SeriesValues(ESeries::E192, -Inf, Inf);
    QCOMPARE(all.size(), std::size_t(18 * 192 + 1));
    QCOMPARE(all.front(), 0.001);
    QCOMPARE(all.back(), 1e15);
    for (std::size_t i = 1; i < all.size(); ++i)
        QVERIFY(all[i - 1] < all[i]);

    // The members at the ends have a neighbour missing, so no neighbours are answered.
    QCOMPARE(NearestInSeries(0.001, ESeries::E24), std::nullopt);
    QCOMPARE(NearestInSeries(1e15, ESeries::E24), std::nullopt);
    for (const double bad : {0.0, -1.0, NaN, Inf, 1e-9, 1e20})
        QCOMPARE(NearestInSeries(bad, ESeries::E24), std::nullopt);
}

void StandardsTest::letterCodesBothWays_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<double>("value");
    QTest::addColumn<Quantity>("quantity");
    const auto R = Quantity::Resistance;
    const auto C = Quantity::Capacitance;
    QTest::newRow("R47") << "R47" << 0.47 << R;
    QTest::newRow("3R9") << "3R9" << 3.9 << R;
    QTest::newRow("4K7") << "4K7" << 4700.0 << R;
    QTest::newRow("22K") << "22K" << 22000.0 << R;
    QTest::newRow("1M0") << "1M0" << 1e6 << R;
    QTest::newRow("56M") << "56M" << 56e6 << R;
    QTest::newRow("1R0") << "1R0" << 1.0 << R;
    QTest::newRow("470R") << "470R" << 470.0 << R;
    QTest::newRow("3K2") << "3K2" << 3200.0 << R;
    QTest::newRow("4K75") << "4K75" << 4750.0 << R;
    QTest::newRow("999M") << "999M" << 999e6 << R;
    QTest::newRow("2G2") << "2G2" << 2.2e9 << R;
    QTest::newRow("R001") << "R001" << 0.001 << R;
    QTest::newRow("R10") << "R10" << 0.1 << R;
    QTest::newRow("1000T") << "1000T" << 1e15 << R;
    QTest::newRow("2p2") << "2p2" << 2.2 << C;
    QTest::newRow("4n7") << "4n7" << 4700.0 << C;
    QTest::newRow("33n") << "33n" << 33000.0 << C;
    QTest::newRow("68µ") << QString::fromUtf8("68\u00b5") << 68e6 << C;
    QTest::newRow("p47") << "p47" << 0.47 << C;
    QTest::newRow("1n0") << "1n0" << 1000.0 << C;
    QTest::newRow("4m7") << "4m7" << 4.7e9 << C;
    QTest::newRow("1F0") << "1F0" << 1e12 << C;
}

void StandardsTest::letterCodesBothWays()
{
    QFETCH(QString, code);
    QFETCH(double, value);
    QFETCH(Quantity, quantity);
    QCOMPARE(LetterCode(value, quantity), std::optional(code));
    QCOMPARE(ParseLetterCode(code, quantity), std::optional(value));
}

void StandardsTest::letterCodeReadingOnly_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<Quantity>("quantity");
    QTest::addColumn<double>("value"); // 0: refused
    const auto R = Quantity::Resistance;
    const auto C = Quantity::Capacitance;
    QTest::newRow("lower-case k") << "4k7" << R << 4700.0;
    QTest::newRow("lower-case r") << "3r9" << R << 3.9;
    QTest::newRow("leading zeros") << "0R47" << R << 0.47;
    QTest::newRow("digits after the letter only") << "K47" << R << 470.0;
    QTest::newRow("u for µ") << "4u7" << C << 4.7e6;
    QTest::newRow("Greek mu") << QString::fromUtf8("4\u03bc7") << C << 4.7e6;
    QTest::newRow("lower-case m would be milliohm") << "4m7" << R << 0.0;
    QTest::newRow("decimal point") << "4.7K" << R << 0.0;
    QTest::newRow("two letters") << "1K2K" << R << 0.0;
    QTest::newRow("letter alone") << "K" << R << 0.0;
    QTest::newRow("empty") << "" << R << 0.0;
    QTest::newRow("no letter") << "4700" << R << 0.0;
    QTest::newRow("space") << " 4K7" << R << 0.0;
    QTest::newRow("sign") << "-4K7" << R << 0.0;
    QTest::newRow("unit symbol") << QString::fromUtf8("4K7\u03a9") << R << 0.0;
    QTest::newRow("full-width digits") << QString::fromUtf8("\uff14K7") << R << 0.0;
    QTest::newRow("capacitor letter on a resistor") << "4n7" << R << 0.0;
    QTest::newRow("resistor letter on a capacitor") << "4K7" << C << 0.0;
    QTest::newRow("upper-case P") << "2P2" << C << 0.0;
    QTest::newRow("zero") << "0R0" << R << 0.0;
    QTest::newRow("below 1 mΩ") << "R0009" << R << 0.0;
    QTest::newRow("above 10^15") << "1001T" << R << 0.0;
    QTest::newRow("15 digits, too small") << "R000000000000047" << R << 0.0;
    QTest::newRow("16 digits") << "1000000000000000R" << R << 0.0;
    QTest::newRow("15 digits in range") << "1000R00000000000" << R << 1000.0;
}

void StandardsTest::letterCodeReadingOnly()
{
    QFETCH(QString, code);
    QFETCH(Quantity, quantity);
    QFETCH(double, value);
    QCOMPARE(ParseLetterCode(code, quantity), value == 0.0 ? std::nullopt : std::optional(value));
}

void StandardsTest::letterCodeRefusesOutOfRange()
{
    // Four significant digits, rounded; a 32-bit float's noise disappears.
    QCOMPARE(LetterCode(12345.0, Quantity::Resistance), std::optional(QStringLiteral("12K35")));
    QCOMPARE(LetterCode(9999.6, Quantity::Resistance), std::optional(QStringLiteral("10K")));
    QCOMPARE(LetterCode(double(0.47f), Quantity::Resistance), std::optional(QStringLiteral("R47")));
    QCOMPARE(LetterCode(double(4.7e6f), Quantity::Capacitance), std::optional(QString::fromUtf8("4\u00b57")));
    for (const double bad : {0.0, -4700.0, NaN, Inf, -Inf, 0.00099, 1.01e15, 1e300})
        for (const Quantity q : {Quantity::Resistance, Quantity::Capacitance})
            QCOMPARE(LetterCode(bad, q), std::nullopt);
}

void StandardsTest::spans()
{
    // Exact fractions: a whole percentage of a whole value has no rounding at all.
    const auto r22k = ToleranceSpan(22000, 5);
    QVERIFY(r22k);
    QCOMPARE(r22k->low, 20900.0);
    QCOMPARE(r22k->high, 23100.0);
    const auto exact = ToleranceSpan(4700, 0);
    QVERIFY(exact && exact->low == 4700.0 && exact->high == 4700.0);

    // 100 ±1 % + 220 ±5 %: 99 + 209 and 101 + 231.
    const TolerancedPart pair[] = {{100, 1}, {220, 5}};
    const auto series = SeriesSpan(pair);
    QVERIFY(series);
    QCOMPARE(series->low, 308.0);
    QCOMPARE(series->high, 332.0);

    // Parallel: 1 / (1/99 + 1/209) = 20691/308 and 1 / (1/101 + 1/231) = 23331/332.
    const auto parallel = ParallelSpan(pair);
    QVERIFY(parallel);
    QCOMPARE(parallel->low, 20691.0 / 308.0);
    QCOMPARE(parallel->high, 23331.0 / 332.0);
    // Asymmetric about the nominal 22000/320: further below than above.
    const double nominal = 22000.0 / 320.0;
    QVERIFY(nominal - parallel->low > parallel->high - nominal);

    // Two equal parts: half of each extreme.
    const TolerancedPart twins[] = {{1000, 10}, {1000, 10}};
    const auto half = ParallelSpan(twins);
    QVERIFY(half);
    QCOMPARE(half->low, 450.0);
    QCOMPARE(half->high, 550.0);
}

void StandardsTest::spansRefuseBadParts()
{
    for (const auto& [value, percent] : {std::pair{0.0, 5.0},
                                         {-100.0, 5.0},
                                         {NaN, 5.0},
                                         {Inf, 5.0},
                                         {100.0, -1.0},
                                         {100.0, 100.0},
                                         {100.0, NaN},
                                         {100.0, Inf},
                                         {1.7e308, 50.0}}) {
        QCOMPARE(ToleranceSpan(value, percent).has_value(), false);
        const TolerancedPart parts[] = {{100, 1}, {value, percent}};
        QCOMPARE(SeriesSpan(parts).has_value(), false);
        QCOMPARE(ParallelSpan(parts).has_value(), false);
    }
    QCOMPARE(SeriesSpan({}).has_value(), false);
    QCOMPARE(ParallelSpan({}).has_value(), false);
    // Each part is fine, the sum is not.
    const TolerancedPart huge[] = {{1e308, 10}, {1e308, 10}};
    QCOMPARE(SeriesSpan(huge).has_value(), false);
    const TolerancedPart tiny[] = {{1e-320, 10}, {1e-320, 10}};
    QCOMPARE(ParallelSpan(tiny).has_value(), false);
}

void StandardsTest::forwardReadings_data()
{
    QTest::addColumn<BandCode>("code");
    QTest::addColumn<Quantity>("quantity");
    QTest::addColumn<double>("value"); // 0: no reading
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<int>("tcr"); // -1: none
    const auto R = Quantity::Resistance;
    const auto C = Quantity::Capacitance;
    const BandColour Grey = colours::Grey;
    QTest::newRow("4.7 kΩ ±5 %") << Code({Yellow, Violet}, Red, Gold) << R << 4700.0 << 5.0 << -1;
    QTest::newRow("0.47 Ω exactly") << Code({Yellow, Violet}, Silver, NoColour) << R << 0.47 << 20.0 << -1;
    QTest::newRow("largest 5-band") << Code({White, White, White}, Blue, Violet) << R << 999e6 << 0.1 << -1;
    QTest::newRow("6 bands") << Code({Brown, Black, Black}, Red, Brown, Red) << R << 10000.0 << 1.0 << 50;
    QTest::newRow("6 bands, TFR none") << Code({Brown, Black, Black}, Red, Brown, NoColour) << R << 10000.0 << 1.0
                                       << -1;
    QTest::newRow("black first digit") << Code({Black, Violet}, Red, Gold) << R << 0.0 << 0.0 << -1;
    QTest::newRow("violet multiplies 4 bands only")
        << Code({Brown, Black, Black}, Violet, Gold) << R << 0.0 << 0.0 << -1;
    QTest::newRow("grey TFR") << Code({Brown, Black, Black}, Red, Brown, Grey) << R << 0.0 << 0.0 << -1;
    QTest::newRow("TFR with 4 bands") << Code({Brown, Black}, Red, Brown, Red) << R << 0.0 << 0.0 << -1;
    QTest::newRow("TFR on a capacitor") << Code({Brown, Black, Black}, Red, Brown, Red) << C << 0.0 << 0.0 << -1;
    QTest::newRow("four digits") << Code({Brown, Black, Black, Black}, Red, Gold) << R << 0.0 << 0.0 << -1;
}

void StandardsTest::forwardReadings()
{
    QFETCH(BandCode, code);
    QFETCH(Quantity, quantity);
    QFETCH(double, value);
    const auto reading = ReadBands(code, quantity);
    QCOMPARE(reading.has_value(), value != 0.0);
    if (!reading)
        return;
    QCOMPARE(reading->value, value);
    QTEST(reading->tolerancePercent, "tolerance");
    QTEST(reading->tcrPpm.value_or(-1), "tcr");
}

void StandardsTest::reverseReadings_data()
{
    QTest::addColumn<BandCode>("code");
    QTest::addColumn<Quantity>("quantity");
    QTest::addColumn<double>("value"); // 0: none offered
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<int>("tcr"); // -1: none
    const auto R = Quantity::Resistance;
    const auto C = Quantity::Capacitance;
    const BandColour Grey = colours::Grey;
    // 10 kΩ brown-black-black-red-brown from the other end: brown-red-black-black-brown.
    QTest::newRow("10 kΩ as 120 Ω") << Code({Brown, Black, Black}, Red, Brown) << R << 120.0 << 1.0 << -1;
    QTest::newRow("100 Ω ±2 % as 21 Ω ±1 %") << Code({Brown, Black}, Brown, Red) << R << 21.0 << 1.0 << -1;
    QTest::newRow("gold cannot lead") << Code({Yellow, Violet}, Red, Gold) << R << 0.0 << 0.0 << -1;
    QTest::newRow("no tolerance band") << Code({Brown, Black}, Brown, NoColour) << R << 0.0 << 0.0 << -1;
    QTest::newRow("grey cannot multiply") << Code({Red, Grey}, Brown, Brown) << R << 0.0 << 0.0 << -1;
    QTest::newRow("violet multiplies 4 bands only")
        << Code({Brown, Violet, Black}, Brown, Brown) << R << 0.0 << 0.0 << -1;
    QTest::newRow("yellow is no tolerance") << Code({Yellow, Violet}, Black, Brown) << R << 0.0 << 0.0 << -1;
    QTest::newRow("same both ways") << Code({Red, Red}, Red, Red) << R << 0.0 << 0.0 << -1;
    // The plausibility limits, at and past them.
    QTest::newRow("100 MΩ is offered") << Code({Brown, Violet}, Black, Brown) << R << 100e6 << 1.0 << -1;
    QTest::newRow("110 MΩ is not") << Code({Brown, Violet}, Brown, Brown) << R << 0.0 << 0.0 << -1;
    QTest::newRow("10 µF is offered") << Code({Brown, Blue}, Black, Brown) << C << 10e6 << 1.0 << -1;
    QTest::newRow("11 µF is not") << Code({Brown, Blue}, Brown, Brown) << C << 0.0 << 0.0 << -1;
    // d1 d2 d3 m t f reads as digits f t m, multiplier d3, tolerance d2, TFR d1.
    QTest::newRow("6 bands") << Code({Brown, Brown, Black}, Red, Brown, Red) << R << 212.0 << 1.0 << 100;
    QTest::newRow("6 bands, unset TFR reads as 5")
        << Code({Brown, Black, Black}, Red, Brown, NoColour) << R << 120.0 << 1.0 << -1;
    QTest::newRow("6 bands, black is no tolerance")
        << Code({Brown, Black, Black}, Red, Brown, Red) << R << 0.0 << 0.0 << -1;
    QTest::newRow("capacitor, 5 bands") << Code({Brown, Black, Black}, Red, Brown) << C << 120.0 << 1.0 << -1;
    QTest::newRow("no band colour") << Code({Brown, 0x123456}, Red, Brown) << R << 0.0 << 0.0 << -1;
    QTest::newRow("one digit") << Code({Brown}, Red, Brown) << R << 0.0 << 0.0 << -1;
}

void StandardsTest::reverseReadings()
{
    QFETCH(BandCode, code);
    QFETCH(Quantity, quantity);
    QFETCH(double, value);
    const auto reading = ReverseReading(code, quantity);
    QCOMPARE(reading.has_value(), value != 0.0);
    if (!reading)
        return;
    QCOMPARE(reading->value, value);
    QTEST(reading->tolerancePercent, "tolerance");
    QTEST(reading->tcrPpm.value_or(-1), "tcr");
}

// A pipe as a reader meets it: no size, and the bytes in small pieces.
class Trickle : public QIODevice {
public:
    explicit Trickle(QByteArray bytes) : m_bytes(std::move(bytes)) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 most) override
    {
        const qint64 n = std::min<qint64>({most, 1000, m_bytes.size() - m_at});
        std::copy_n(m_bytes.constData() + m_at, n, data);
        m_at += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_at = 0;
};

void StandardsTest::writtenValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Quantity>("quantity");
    QTest::addColumn<QString>("digits"); // empty: no value
    QTest::addColumn<int>("exponent");
    QTest::addColumn<double>("value");
    const Quantity r = Quantity::Resistance;
    const Quantity c = Quantity::Capacitance;
    QTest::newRow("trailing zeros kept") << "0.2900" << r << "2900" << -1 << 0.29;
    QTest::newRow("leading zeros dropped") << "00.047" << r << "47" << -2 << 0.047;
    QTest::newRow("letter code") << "4k7" << r << "47" << 3 << 4700.0;
    QTest::newRow("R first") << "R47" << r << "47" << -1 << 0.47;
    QTest::newRow("exponent") << "4.7e3" << r << "47" << 3 << 4700.0;
    QTest::newRow("capital exponent, prefix") << "1E-3k" << r << "1" << 0 << 1.0;
    QTest::newRow("sixteen nines") << "4.699999999999999" << r << "4699999999999999" << 0 << 4.699999999999999;
    QTest::newRow("4n7F") << "4n7F" << c << "47" << 3 << 4700.0;
    QTest::newRow("4.7uF") << "4.7uF" << c << "47" << 6 << 4.7e6;
    QTest::newRow("bare 47F") << "47F" << c << "" << 0 << 0.0;
    QTest::newRow("bare 4.7F") << "4.7F" << c << "" << 0 << 0.0;
    QTest::newRow("4F7 letter code stays") << "4F7" << c << "47" << 12 << 4.7e12;
    QTest::newRow("overflow") << "1e400" << r << "" << 0 << 0.0;
    QTest::newRow("exponent without digits") << "1e" << r << "" << 0 << 0.0;
    QTest::newRow("two points") << "1.2.3" << r << "" << 0 << 0.0;
    QTest::newRow("comma") << "4,7" << r << "" << 0 << 0.0;
    QTest::newRow("zero") << "0e5" << r << "" << 0 << 0.0;
}

// The digits as written, which encode cuts; the value the double nearest them.
void StandardsTest::writtenValues()
{
    QFETCH(QString, text);
    QFETCH(Quantity, quantity);
    QFETCH(QString, digits);
    QFETCH(int, exponent);
    QFETCH(double, value);
    const auto w = ParseWrittenValue(text, quantity);
    QCOMPARE(w.has_value(), !digits.isEmpty());
    QCOMPARE(ParseValue(text, quantity).has_value(), !digits.isEmpty());
    if (!w)
        return;
    QCOMPARE(w->digits, digits);
    QCOMPARE(w->exponent, exponent);
    QCOMPARE(w->value, value);
}

// The window reads stock lists through any device: the same answer from a buffer and
// from a pipe that delivers a thousand bytes at a time, and the same limit for both.
void StandardsTest::stockListFromAnyDevice()
{
    QByteArray list = "# drawer\r\n4k7\r\n1e3 # spare\n\n4.7e3\n220\n";
    QBuffer buffer(&list);
    buffer.open(QIODevice::ReadOnly);
    const StockList fromBuffer = ReadStockList(buffer, QStringLiteral("drawer"));
    QVERIFY(fromBuffer.error.isEmpty());
    QCOMPARE(fromBuffer.values, (std::vector<double>{220.0, 1000.0, 4700.0}));
    Trickle pipe(list);
    QCOMPARE(ReadStockList(pipe, QStringLiteral("pipe")).values, fromBuffer.values);

    // One byte over the limit is refused whole; at the limit the last value is whole.
    QByteArray full = QByteArray(LargestStockList - 5, '#') + "\n4700";
    QCOMPARE(full.size(), LargestStockList);
    Trickle atLimit(full);
    QCOMPARE(ReadStockList(atLimit, QStringLiteral("full")).values, std::vector<double>{4700.0});
    Trickle overLimit(full + "0");
    const StockList over = ReadStockList(overLimit, QStringLiteral("full"));
    QVERIFY(over.values.empty());
    QVERIFY2(over.error.contains(u"too large"), qPrintable(over.error));

    QByteArray bad = "1k\n4k7\n\x1b[31mred\n";
    QBuffer badBuffer(&bad);
    badBuffer.open(QIODevice::ReadOnly);
    QCOMPARE(ReadStockList(badBuffer, QStringLiteral("drawer")).error,
             QStringLiteral("'\\x1B[31mred' on line 3 of 'drawer' is not a resistance value"));
}

void StandardsTest::excerpts()
{
    QCOMPARE(QuotedExcerpt(u"4k7"), QStringLiteral("'4k7'"));
    QCOMPARE(QuotedExcerpt(QString(40, u'x')), "'" + QString(40, u'x') + "'");
    QCOMPARE(QuotedExcerpt(QString(41, u'x')), "'" + QString(40, u'x') + "\u2026'");
    QCOMPARE(QuotedExcerpt(QStringLiteral("a") + QChar(0) + QStringLiteral("b\tc\u007F\u0085")),
             QStringLiteral("'a\\x00b\\x09c\\x7F\\x85'"));
    QCOMPARE(QuotedExcerpt(u"line\u2028break\u202E"), QStringLiteral("'line\\u2028break\\u202E'"));
    // A character outside the basic plane is one character, never cut in half.
    const QString emoji = QString(39, u'x') + QStringLiteral("\U0001F600\U0001F600");
    QCOMPARE(QuotedExcerpt(emoji), "'" + QString(39, u'x') + QStringLiteral("\U0001F600\u2026'"));
}

// The colour code as IEC 60062 writes it: digits cut, never rounded, and the
// multipliers each band count and chart has (pink 10^-3 only in the IEC chart, up to
// violet in a 4-band and blue in a 5-band code by the program's own).
void StandardsTest::encodes_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<bool>("iec");
    QTest::addColumn<QString>("bands"); // empty: no code
    QTest::addColumn<bool>("exact");
    QTest::addColumn<double>("encoded");
    const auto row = [](const char* name, double value, int digits, bool iec, const char* bands, bool exact,
                        double encoded) {
        QTest::newRow(name) << value << digits << iec << QString::fromLatin1(bands) << exact << encoded;
    };
    row("4.7k", 4700, 2, false, "yellow violet red", true, 4700);
    row("4.75k cut, not rounded", 4750, 2, false, "yellow violet red", false, 4700);
    row("4.999k in 3 digits", 4999, 3, false, "yellow white white brown", false, 4990);
    row("4.7 by its shortest digits", 4.7, 2, false, "yellow violet gold", true, 4.7);
    row("0.47", 0.47, 2, false, "yellow violet silver", true, 0.47);
    row("47 milliohm, own chart", 0.047, 2, false, "", false, 0);
    row("47 milliohm, IEC", 0.047, 2, true, "yellow violet pink", true, 0.047);
    row("990M, 4 bands", 990e6, 2, false, "white white violet", true, 990e6);
    row("1G, 4 bands, own chart", 1e9, 2, false, "", false, 0);
    row("1G, 5 bands, IEC", 1e9, 3, true, "brown black black violet", true, 1e9);
    row("above the largest, cut as the pages cut", 999.5e6, 3, false, "white white white blue", false, 999e6);
    row("999M in 2 digits, cut", 999e6, 2, false, "white white violet", false, 990e6);
}

void StandardsTest::encodes()
{
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(bool, iec);
    QFETCH(QString, bands);
    const auto encoded = EncodeValue(value, digits, iec ? ColourChart::Iec60062 : ColourChart::Kolvane);
    QCOMPARE(encoded.has_value(), !bands.isEmpty());
    if (!encoded)
        return;
    QStringList names;
    for (const BandColour b : PrintedBands(encoded->code))
        names << QString::fromLatin1(ChartColourName(b).data());
    QCOMPARE(names.join(u' '), bands);
    QTEST(encoded->exact, "exact");
    QTEST(encoded->value, "encoded");
    // Whatever is written reads back as the value it states.
    QCOMPARE(ReadBands(encoded->code, Quantity::Resistance, iec ? ColourChart::Iec60062 : ColourChart::Kolvane)->value,
             encoded->value);
}

// The ranges the man page gives for encode.
void StandardsTest::encodableRanges()
{
    const auto range = [](int digits, ColourChart chart) {
        const EncodableRange r = EncodableValues(digits, chart);
        return std::pair{r.low, r.high};
    };
    QCOMPARE(range(2, ColourChart::Kolvane), std::pair(0.1, 990e6));
    QCOMPARE(range(3, ColourChart::Kolvane), std::pair(1.0, 999e6));
    QCOMPARE(range(2, ColourChart::Iec60062), std::pair(0.01, 99e9));
    QCOMPARE(range(3, ColourChart::Iec60062), std::pair(0.1, 999e9));
}

QTEST_APPLESS_MAIN(StandardsTest)
#include "test_standards.moc"
