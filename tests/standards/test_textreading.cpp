// SPDX-License-Identifier: MIT
// Any typed text read every way it can be, against what the markings and codes mean
// on real parts: EIA-96 and SMD resistor markings, the letter code, capacitor codes,
// colour codes from either end, values in both notations, and text that names
// nothing. Then everything said about one reading, and spans rounded as written.
#include "colourchart.h"
#include "markings.h"
#include "readingdetails.h"
#include "textreading.h"
#include "tolerance.h"

#include <QTest>

using namespace kolvane;

Q_DECLARE_METATYPE(kolvane::Quantity)

namespace {

constexpr auto R = Quantity::Resistance;
constexpr auto C = Quantity::Capacitance;

// One reading as "kind value", then " ±tolerance", " tcr N" and " reversed" where they
// apply; readings joined by "; " in their order.
QString Describe(const std::vector<TextReading>& readings)
{
    QStringList parts;
    for (const TextReading& r : readings) {
        QString part = QString::fromLatin1(ReadingKindId(r.kind).data()) + u' ' + QString::number(r.value, 'g', 12);
        if (r.tolerancePercent)
            part += QStringLiteral(" \u00b1") + QString::number(*r.tolerancePercent);
        if (r.tcrPpm)
            part += QStringLiteral(" tcr ") + QString::number(*r.tcrPpm);
        if (r.fromOtherEnd)
            part += QStringLiteral(" reversed");
        parts << part;
    }
    return parts.join(QStringLiteral("; "));
}

} // namespace

class TextReadingTest : public QObject {
    Q_OBJECT
private slots:
    void readings_data();
    void readings();
    void everyReadingKeepsTheText();
    void robustAgainstAnyText();
    void readsEveryCodeDecodeReads();
    void details_data();
    void details();
    void writtenMarkingsReadBack();
    void shownSpans_data();
    void shownSpans();
};

void TextReadingTest::readings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Quantity>("quantity");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const QString& text, Quantity q, const char* locale, const char* expected) {
        QTest::newRow(name) << text << q << QString::fromLatin1(locale) << QString::fromUtf8(expected);
    };

    // EIA-96: the index into E96, then the multiplier letter.
    row("eia96 01C", "01C", R, "C", "eia96 10000");
    row("eia96 68X", "68X", R, "C", "eia96 49.9");
    row("eia96 96F", "96F", R, "C", "eia96 97600000");
    row("eia96 01Z", "01Z", R, "C", "eia96 0.1");
    row("eia96 30A", "30A", R, "C", "eia96 200");
    row("eia96 lower case", "01c", R, "C", "eia96 10000");
    row("eia96 index 97", "97A", R, "C", "");
    row("eia96 index 00", "00A", R, "C", "");

    // SMD: significant digits and the power of ten, or R for the point.
    row("smd 472", "472", R, "C", "smd 4700; value 472");
    row("smd 1002", "1002", R, "C", "smd 10000; value 1002");
    row("smd 101", "101", R, "C", "smd 100; value 101");
    row("smd 4R7", "4R7", R, "C", "letter 4.7");
    row("smd R100", "R100", R, "C", "letter 0.1");
    row("smd zero link", "000", R, "C", "smd 0");
    row("smd four-digit zero link", "0000", R, "C", "smd 0");

    // The letter code.
    row("letter 4K7", "4K7", R, "C", "letter 4700");
    row("letter R47", "R47", R, "C", "letter 0.47");
    row("letter 1M0", "1M0", R, "C", "letter 1000000");
    row("letter 2G2", "2G2", R, "C", "letter 2200000000");
    row("letter with unit", u"4K7\u03a9"_qs, R, "C", "letter 4700");
    row("letter milli refused", "4m7", R, "C", "");
    row("letter 4n7", "4n7", C, "C", "letter 4700");
    row("letter 2p2", "2p2", C, "C", "letter 2.2");
    row("letter 4µ7", u"4\u00b57"_qs, C, "C", "letter 4700000");
    row("letter 4u7", "4u7", C, "C", "letter 4700000");

    // The capacitor code: 8 and 9 are the small multipliers.
    row("cap3 104", "104", C, "C", "cap3 100000; value 104");
    row("cap3 479", "479", C, "C", "cap3 4.7; value 479");
    row("cap3 222", "222", C, "C", "cap3 2200; value 222");
    row("cap3 108", "108", C, "C", "cap3 0.1; value 108");
    row("cap3 or 100 pF", "100", C, "C", "value 100; cap3 10");

    // Colour codes, in the order typed and from the other end.
    row("colours 4 bands", "yellow violet red gold", R, "C", "colours 4700 ±5");
    row("colours upper case", "YELLOW Violet RED gold", R, "C", "colours 4700 ±5");
    row("colours gray", "gray red brown silver", R, "C", "colours 820 ±10");
    row("colours grey", "grey red brown silver", R, "C", "colours 820 ±10");
    row("colours purple", "purple green black", R, "C", "colours 75 ±20");
    row("colours hyphens", "yellow-violet-red-gold", R, "C", "colours 4700 ±5");
    row("colours commas", "yellow, violet,red ,gold", R, "C", "colours 4700 ±5");
    row("colours typed backwards", "gold red violet yellow", R, "C", "colours 4700 ±5 reversed");
    row("colours 5 bands both ends", "brown black black red brown", R, "C",
        "colours 10000 ±1; colours 120 ±1 reversed");
    row("colours 4 bands both ends", "red red brown brown", R, "C", "colours 220 ±1; colours 1100 ±2 reversed");
    row("colours 6 bands", "brown black black red brown red", R, "C", "colours 10000 ±1 tcr 50");
    row("colours capacitor", "yellow violet orange", C, "C", "colours 47000 ±20; colours 370000 ±20 reversed");
    row("colours capacitor 5 bands", "brown black black orange brown", C, "C",
        "colours 100000 ±1; colours 130 ±1 reversed");
    row("colours capacitor 6 bands", "brown black black red brown red", C, "C", "");
    row("colours 7 bands", "red red red red red red red", R, "C", "");
    row("colours 2 bands", "red green", R, "C", "");
    row("colours black first", "black red red gold", R, "C", "");
    row("colours gold as digit", "red gold red", R, "C", "");
    row("colours and a word", "yellow violet red gold ohm", R, "C", "");

    // Ambiguous text: every reading, the one landing on a standard value first.
    row("10R", "10R", R, "C", "letter 10; eia96 1.24");
    row("44R", "44R", R, "C", "eia96 2.8; letter 44");
    row("104 on a resistor", "104", R, "C", "smd 100000; value 104");
    row("6400", "6400", R, "C", "value 6400; smd 640");
    row("4700", "4700", R, "C", "value 4700; smd 470");

    // Values in the locale's notation and in the C notation.
    row("comma locale 6,4k", "6,4k", R, "de_DE", "value 6400");
    row("comma locale 6.4k", "6.4k", R, "de_DE", "value 6400");
    row("point locale 6,4k", "6,4k", R, "en_US", "");
    row("comma locale grouping", "1.234,5", R, "de_DE", "");
    row("point locale grouping", "1,234.5", R, "en_US", "");
    row("comma locale label", "10,00 KOhm", R, "de_DE", "value 10000");
    row("comma locale capacitor", "4,70 nF", C, "de_DE", "value 4700");
    row("exponent", "4.7e3", R, "C", "value 4700");
    row("exponent comma locale", "4,7e3", R, "de_DE", "value 4700");
    row("negative exponent", "1E-3", R, "C", "value 0.001");
    row("below one milliohm", "1e-4", R, "C", "");
    row("space before prefix", "4.7 k", R, "C", "value 4700");
    row("value with unit", u"22 k\u03a9"_qs, R, "C", "value 22000");
    row("22K", "22K", R, "C", "value 22000");
    row("100nF", "100nF", C, "C", "value 100000");
    row("arabic digits", u"\u0664\u0667\u0660\u0660"_qs, R, "ar_EG", "value 4700; smd 470");

    // Codes and markings as real parts carry them, read as decode and the standards
    // read them: colour readings ordered by standard values as every other reading,
    // codes from the other end whatever their size, tolerance letters after a code
    // (IEC 60062), a tolerance after a value, zero-ohm jumpers, invisible characters.
    row("reversed E24 first", "blue orange orange brown", R, "C", "colours 13000 ±0.25 reversed; colours 63000 ±1");
    row("reversed E24 first 2", "blue green red blue", R, "C", "colours 6200000 ±0.25 reversed; colours 6500 ±0.25");
    row("none band", "yellow violet red none", R, "C", "colours 4700 ±20");
    row("3 bands reversed", "green brown blue", R, "C", "colours 51000000 ±20; colours 6100000 ±20 reversed");
    row("3 bands only reversed", "black orange grey", R, "C", "colours 83 ±20 reversed");
    row("reversed above 100M", "brown violet red red", R, "C", "colours 220000000 ±1 reversed; colours 1700 ±2");
    row("bare F capacitor", "47F", C, "C", "value 47 ±1; letter 4.7e+13");
    row("cap code K", "104K", C, "C", "cap3 100000 ±10");
    row("cap code J", "473J", C, "C", "cap3 47000 ±5");
    row("letter code J", "4K7J", R, "C", "letter 4700 ±5");
    row("letter code F unit", "4n7F", C, "C", "letter 4700");
    row("resistor 47K stays kilo", "47K", R, "C", "value 47000");
    row("tolerance after value", "4K7 5%", R, "C", "letter 4700 ±5");
    row("tolerance after value ±", "4.7k ±0.5 %", R, "C", "value 4700 ±0.5");
    row("tolerance letter and percent disagree", "4K7J 1%", R, "C", "");
    row("zero letter code", "0R", R, "C", "letter 0");
    row("zero one black band", "black", R, "C", "colours 0");
    row("format characters", u"\u200e4K7\u200b"_qs, R, "C", "letter 4700");
    row("thousands point de", "1.000", R, "de_DE", "value 1000; value 1");
    row("decimal point C", "1.000", R, "C", "value 1");
    row("no thousands with a leading zero", "0.047", R, "de_DE", "value 0.047");

    // Text that names nothing.
    row("empty", "", R, "C", "");
    row("spaces", "   ", R, "C", "");
    row("word", "hello", R, "C", "");
    row("one colour", "red", R, "C", "");
    row("zero", "0", R, "C", "value 0");
    row("negative", "-4.7k", R, "C", "");
    row("two prefixes", "4.7kk", R, "C", "");
    row("spaced digits", "4 7 2", R, "C", "");
    row("markup", "<b>4K7</b>", R, "C", "");
    row("fullwidth digits", u"\uff14\uff17\uff10"_qs, R, "C", "");
    row("huge exponent", "1e400", R, "C", "");
    row("above a petaohm", "2e15", R, "C", "");
}

void TextReadingTest::readings()
{
    QFETCH(QString, text);
    QFETCH(Quantity, quantity);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(Describe(ReadText(text, quantity, QLocale(locale))), expected);
}

void TextReadingTest::everyReadingKeepsTheText()
{
    for (const TextReading& r : ReadText(u"  brown black black red brown \n", R, QLocale::c()))
        QCOMPARE(r.text, QStringLiteral("brown black black red brown"));
    const auto readings = ReadText(u"brown black black red brown", R, QLocale::c());
    QCOMPARE(readings.size(), std::size_t(2));
    // Each colour reading carries its bands in the order it takes them.
    QCOMPARE(ColourNames(*readings[0].bands), QStringLiteral("brown black black red brown"));
    QCOMPARE(ColourNames(*readings[1].bands), QStringLiteral("brown red black black brown"));
    QCOMPARE(ReadingKindId(ReadingKind::Cap3), std::string_view("cap3"));
    QCOMPARE(ReadingKindName(ReadingKind::Colours), std::string_view("colour code"));
}

void TextReadingTest::robustAgainstAnyText()
{
    const QChar nul(u'\0');
    const QChar loneHigh(static_cast<char16_t>(0xD800));
    const QChar loneLow(static_cast<char16_t>(0xDC00));
    const QList<QString> texts = {
        QString(4, nul),
        QStringLiteral("4K7") + nul,
        QString(loneHigh) + QStringLiteral("472"),
        QStringLiteral("472") + loneLow,
        QStringLiteral("red\tred\u0001red"),
        QString(LongestReadableText + 1, u'1'),
        QStringLiteral("red ").repeated(1000),
        QString(100000, u'9'),
        QStringLiteral("\u200b\u200e"),
    };
    for (const QString& text : texts)
        for (const Quantity q : {R, C})
            QVERIFY2(ReadText(text, q, QLocale::c()).empty(), qPrintable(text.left(20)));
    // The longest text read at all is read.
    const QString longest = QString(LongestReadableText - 1, u' ') + u'7';
    QCOMPARE(Describe(ReadText(longest, R, QLocale::c())), QStringLiteral("value 7"));
}

// Every 3- and 4-band code that reads validly from either end, as decode reads the
// words in that order, is among the readings of the words.
void TextReadingTest::readsEveryCodeDecodeReads()
{
    std::vector<BandColour> all;
    for (const ColourWord& w : ColourWords())
        if (ChartColourOfName(ColourChart::Kolvane, QString::fromLatin1(w.word.data(), qsizetype(w.word.size()))) &&
            std::find(all.begin(), all.end(), w.colour) == all.end())
            all.push_back(w.colour);
    int checked = 0;
    for (const Quantity q : {R, C}) {
        for (int count = 3; count <= 4; ++count) {
            std::vector<std::size_t> at(static_cast<std::size_t>(count), 0);
            while (at.back() < all.size()) {
                std::vector<BandColour> printed;
                QStringList words;
                for (const std::size_t i : at) {
                    printed.push_back(all[i]);
                    words << QString::fromLatin1(ChartColourName(all[i]).data());
                }
                const std::vector<TextReading> readings = ReadText(words.join(u' '), q, QLocale::c());
                for (const bool reversed : {false, true}) {
                    std::vector<BandColour> order = printed;
                    if (reversed)
                        std::reverse(order.begin(), order.end());
                    const auto code = CodeOfPrintedBands(order);
                    const auto decoded = code ? ReadBands(*code, q) : std::nullopt;
                    if (!decoded)
                        continue;
                    ++checked;
                    QVERIFY2(std::any_of(readings.begin(), readings.end(),
                                         [&](const TextReading& r) {
                                             return r.value == decoded->value &&
                                                    r.tolerancePercent == decoded->tolerancePercent;
                                         }),
                             qPrintable(words.join(u' ')));
                }
                for (std::size_t k = 0; k < at.size() && ++at[k] == all.size() && k + 1 < at.size(); ++k)
                    at[k] = 0;
            }
        }
    }
    QVERIFY(checked > 10000);
}

void TextReadingTest::details_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Quantity>("quantity");
    // Codes joined by " | ": letter, SMD 3, SMD 4, EIA-96 (resistors) or capacitor code,
    // 4 bands, 5 bands; "-" where there is none, "*" after an assumed tolerance, "!" after
    // a code that also reads from the other end.
    QTest::addColumn<QString>("codes");
    QTest::addColumn<QString>("series"); // the members, or the E24 and E96 neighbours
    QTest::addColumn<QString>("span");   // "low..high", or empty without a tolerance
    QTest::addColumn<QString>("otherEnd");

    QTest::newRow("4.7k") << "4.7k" << R
                          << "4K7 | 472 | 4701 | - | yellow violet red gold* | yellow violet black brown brown*"
                          << "E3 E6 E12 E24 E192"
                          << ""
                          << "";
    QTest::newRow("01C") << "01C" << R
                         << "10K | 103 | 1002 | 01C | brown black orange gold* | brown black black red brown*!"
                         << "E3 E6 E12 E24 E48 E96 E192"
                         << ""
                         << "";
    QTest::newRow("49R9") << "49R9" << R << "49R9 | - | 49R9 | 68X | - | yellow white white gold brown*"
                          << "E96 E192"
                          << ""
                          << "";
    QTest::newRow("0.47") << "0.47" << R << "R47 | R47 | R470 | - | yellow violet silver gold* | -"
                          << "E3 E6 E12 E24 E192"
                          << ""
                          << "";
    QTest::newRow("6400") << "6400" << R
                          << "6K4 | 642 | 6401 | - | blue yellow red gold* | blue yellow black brown brown*!"
                          << "E24 6200..6800 E96 6340..6490"
                          << ""
                          << "";
    QTest::newRow("5 bands reversible") << "brown black black red brown" << R
                                        << "10K | 103 | 1002 | 01C | brown black orange brown! | brown black black red "
                                           "brown!"
                                        << "E3 E6 E12 E24 E48 E96 E192"
                                        << "9900..10100"
                                        << "120 ±1";
    // A letter code is written only when it states the value: 12K35 is 12 350 Ω.
    QTest::newRow("12345 has no letter code") << "12345" << R << "- | - | - | - | - | -"
                                              << "E24 12000..13000 E96 12100..12400"
                                              << ""
                                              << "";
    QTest::newRow("3.3 ±5 %") << "orange orange gold gold" << R
                              << "3R3 | 3R3 | 3R30 | - | orange orange gold gold | orange orange black silver gold"
                              << "E6 E12 E24"
                              << "3.14..3.47"
                              << "";
    QTest::newRow("104 pF") << "104" << C << "100n | 104 | brown black yellow gold* | brown black black orange brown*!"
                            << "E3 E6 E12 E24 E48 E96 E192"
                            << ""
                            << "";
    QTest::newRow("4.7 pF") << "479" << C << "4p7 | 479 | yellow violet gold gold* | yellow violet black silver brown*"
                            << "E3 E6 E12 E24 E192"
                            << ""
                            << "";
    QTest::newRow("4.7 nF ±5 %") << "yellow violet red gold" << C
                                 << "4n7 | 472 | yellow violet red gold | yellow violet black brown gold"
                                 << "E3 E6 E12 E24 E192"
                                 << "4470..4940"
                                 << "";
}

void TextReadingTest::details()
{
    QFETCH(QString, text);
    QFETCH(Quantity, quantity);
    QFETCH(QString, codes);
    QFETCH(QString, series);
    QFETCH(QString, span);
    QFETCH(QString, otherEnd);

    const auto readings = ReadText(text, quantity, QLocale::c());
    QVERIFY(!readings.empty());
    const ReadingDetails d = DetailsOf(readings.front(), quantity);
    QCOMPARE(d.value, readings.front().value);

    const auto code = [](const std::optional<QString>& c) { return c.value_or(QStringLiteral("-")); };
    const auto bands = [](const std::optional<ColourCodeDetail>& c) {
        if (!c)
            return QStringLiteral("-");
        return c->names.join(u' ') + (c->toleranceAssumed ? QStringLiteral("*") : QString()) +
               (c->otherEnd ? QStringLiteral("!") : QString());
    };
    QStringList got{code(d.letterCode)};
    if (quantity == R)
        got << code(d.smd3) << code(d.smd4) << code(d.eia96);
    else
        got << code(d.cap3);
    got << bands(d.fourBands) << bands(d.fiveBands);
    QCOMPARE(got.join(QStringLiteral(" | ")), codes);
    // The kinds a quantity does not have stay empty.
    QVERIFY(quantity == R ? !d.cap3 : !d.smd3 && !d.smd4 && !d.eia96);

    QStringList place;
    for (const ESeries s : d.series.members)
        place << QString::fromLatin1(SeriesName(s).data());
    for (const auto& [name, n] : {std::pair{"E24", d.series.e24}, std::pair{"E96", d.series.e96}})
        if (n)
            place << QStringLiteral("%1 %2..%3").arg(QLatin1String(name)).arg(n->below).arg(n->above);
    QCOMPARE(place.join(u' '), series);

    QCOMPARE(d.span ? QStringLiteral("%1..%2").arg(d.span->low).arg(d.span->high) : QString(), span);
    QCOMPARE(d.otherEnd ? QStringLiteral("%1 \u00b1%2").arg(d.otherEnd->value).arg(d.otherEnd->tolerancePercent)
                        : QString(),
             otherEnd);
}

void TextReadingTest::writtenMarkingsReadBack()
{
    // Every code written for a value reads back as that value, and every E96 value of
    // the EIA-96 range has one.
    int eia96 = 0;
    for (const ESeries s : {ESeries::E24, ESeries::E192}) {
        for (const double v : SeriesValues(s, 1e-3, 1e10)) {
            const QByteArray at = QByteArray::number(v, 'g', 17);
            for (const int length : {3, 4})
                if (const auto smd = SmdCode(v, length))
                    QVERIFY2(smd->size() == length && ReadSmdCode(*smd) == v, at + " " + smd->toLatin1());
            if (const auto code = Eia96Code(v)) {
                eia96 += s == ESeries::E192 ? 1 : 0;
                QVERIFY2(ReadEia96Code(*code) == v, at + " " + code->toLatin1());
            }
            if (const auto code = CapacitorCode(v))
                QVERIFY2(ReadCapacitorCode(*code) == v, at + " " + code->toLatin1());
            for (const int digits : {2, 3}) {
                if (const auto bands = CodeOfValue(v, digits, colours::Brown)) {
                    const auto back = ReadBands(*bands, R);
                    QVERIFY2(back && back->value == v, at);
                }
            }
        }
    }
    // E96's 96 mantissas times the nine multipliers 10^-3 … 10^5, found in E192.
    QCOMPARE(eia96, 96 * 9);
    QCOMPARE(SmdCode(470, 3), std::optional(QStringLiteral("471")));
    QCOMPARE(SmdCode(4.75, 3), std::nullopt); // three significant digits
    QCOMPARE(CodeOfValue(4750, 2, colours::Gold), std::nullopt);
    QCOMPARE(CodeOfValue(1e9, 3, colours::Brown), std::nullopt); // grey is no 5-band multiplier
}

void TextReadingTest::shownSpans_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("percent");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    // Two decimals in the unit each end is written in, halves away from zero, from the
    // decimal value: 3.3 is the double just below 3.3, 4.935 as a float is below its half.
    QTest::newRow("4.7k 5%") << 4700.0 << 5.0 << 4470.0 << 4940.0;
    QTest::newRow("2.7k 5%") << 2700.0 << 5.0 << 2570.0 << 2840.0;
    QTest::newRow("3.3 5%") << 3.3 << 5.0 << 3.14 << 3.47;
    QTest::newRow("0.47 5%") << 0.47 << 5.0 << 0.45 << 0.49;
    QTest::newRow("22k 5%") << 22000.0 << 5.0 << 20900.0 << 23100.0;
    QTest::newRow("100 0.25%") << 100.0 << 0.25 << 99.75 << 100.25;
    QTest::newRow("1M 20%: kilo and mega") << 1e6 << 20.0 << 800000.0 << 1200000.0;
    QTest::newRow("4.7M 0.05%") << 4.7e6 << 0.05 << 4700000.0 << 4700000.0;
    QTest::newRow("10.5 0.1%") << 10.5 << 0.1 << 10.49 << 10.51;
    QTest::newRow("1m 20%: both ends below a hundredth") << 0.001 << 20.0 << 0.0 << 0.0;
}

void TextReadingTest::shownSpans()
{
    QFETCH(double, value);
    QFETCH(double, percent);
    QFETCH(double, low);
    QFETCH(double, high);
    const auto span = ShownToleranceSpan(value, percent);
    QVERIFY(span);
    QCOMPARE(span->low, low);
    QCOMPARE(span->high, high);
    QCOMPARE(ShownToleranceSpan(value, 100.0).has_value(), false);
}

QTEST_GUILESS_MAIN(TextReadingTest)
#include "test_textreading.moc"
