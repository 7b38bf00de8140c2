// SPDX-License-Identifier: MIT
// The pure pieces: colour lookups, whole-number parsing, the two-decimal text and the
// value-to-bands rule.
#include "numbers.h"
#include "bandcolours.h"
#include "colourcode.h"

#include <QTest>

#include <cstring>
#include <vector>

using namespace kolvane;

class LogicTest : public QObject {
    Q_OBJECT
private slots:
    void lookupsKeepExactValues();
    void rolesOfEachBandCount_data();
    void rolesOfEachBandCount();
    void parse_data();
    void parse();
    void parseInt32Bounds();
    void format_data();
    void format();
    void valueTextRoundsAsFormatFixed2();
    void decimalTiesOfExtendedQuotients();
    void codeForValueCutsDigits_data();
    void codeForValueCutsDigits();
    void rangeMessages();
    void quotedTextIsolatesBidiControls_data();
    void quotedTextIsolatesBidiControls();
    void descriptions();
};

void LogicTest::lookupsKeepExactValues()
{
    using namespace colours;
    // Near misses of yellow and red mean nothing: colours are compared exactly.
    QVERIFY(!DigitOfColour(0x00FFFF, false));
    QVERIFY(!DigitOfColour(0x0000FF, false));
    QCOMPARE(*DigitOfColour(Yellow, false), 4);
    QVERIFY(!DigitOfColour(Black, true));
    QCOMPARE(*DigitOfColour(Black, false), 0);
    QVERIFY(!DigitOfColour(Gold, false));
    QCOMPARE(*MultiplierOfColour(Gold), 0.1L);
    QCOMPARE(*MultiplierOfColour(Silver), 0.01L);
    QCOMPARE(*MultiplierOfColour(White), 1e9L);
    QVERIFY(!MultiplierOfColour(NoColour));
    QCOMPARE(*ToleranceIndexOfColour(Gold), 6);
    QCOMPARE(*ToleranceIndexOfColour(NoColour), 8);
    QCOMPARE(*ToleranceIndexOfColour(Grey), 0);
    QCOMPARE(*TfrIndexOfColour(NoColour), 7);
    QCOMPARE(*TfrIndexOfColour(White), 0);
    QVERIFY(!TfrIndexOfColour(Green));
    QVERIFY(!ToleranceColour(9) && !ToleranceColour(-1) && !TfrColour(8));
    QCOMPARE(MultiplierColour(-1), Gold);
    QCOMPARE(MultiplierColour(-2), Silver);
    QCOMPARE(MultiplierColour(7), Violet);
    QCOMPARE(ToArgb(Red), 0xFFFF1A1Au);
    QCOMPARE(FromArgb(0xFFFF1A1Au), Red);
    // Roles: violet multiplies only in a 4-band code; grey and white never multiply.
    QVERIFY(RoleAccepts(BandRole::MultiplierOfFour, Violet));
    QVERIFY(!RoleAccepts(BandRole::MultiplierOfMore, Violet));
    QVERIFY(!RoleAccepts(BandRole::MultiplierOfFour, Grey));
    QVERIFY(!RoleAccepts(BandRole::MultiplierOfFour, NoColour));
    QVERIFY(RoleAccepts(BandRole::Tfr, NoColour));
}

// A band's role by its place, as colour-code charts read a code: digits first, then the
// multiplier, the tolerance and, in six bands, the temperature coefficient.
void LogicTest::rolesOfEachBandCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("names");
    QTest::newRow("2 bands: no code") << 2 << "";
    QTest::newRow("3 bands") << 3 << "First digit|Second digit|Multiplier";
    QTest::newRow("4 bands") << 4 << "First digit|Second digit|Multiplier|Tolerance";
    QTest::newRow("5 bands") << 5 << "First digit|Second digit|Third digit|Multiplier|Tolerance";
    QTest::newRow("6 bands") << 6 << "First digit|Second digit|Third digit|Multiplier|Tolerance|TFR";
    QTest::newRow("7 bands: no code") << 7 << "";
}

void LogicTest::rolesOfEachBandCount()
{
    QFETCH(int, count);
    QFETCH(QString, names);
    const auto roles = RolesOf(count);
    QStringList seen;
    for (std::size_t i = 0; i < roles.size(); ++i)
        seen << QString::fromLatin1(RoleName(roles[i], static_cast<int>(i)).data());
    QCOMPARE(seen.join(QLatin1Char('|')), names);
    if (roles.empty())
        return;
    // Violet multiplies only where two digits leave room for ×10^7; black never leads.
    const BandRole multiplier = roles[count <= 4 ? 2 : 3];
    QCOMPARE(RoleAccepts(multiplier, colours::Violet), count <= 4);
    QVERIFY(!RoleAccepts(roles[0], colours::Black));
}

void LogicTest::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qlonglong>("value");
    QTest::newRow("plain") << "4700" << true << 4700LL;
    QTest::newRow("leading zeros") << "0047" << true << 47LL;
    QTest::newRow("plus") << "+5" << true << 5LL;
    QTest::newRow("minus") << "-5" << true << -5LL;
    QTest::newRow("min int64") << "-9223372036854775808" << true << std::numeric_limits<qlonglong>::min();
    QTest::newRow("max int64") << "9223372036854775807" << true << std::numeric_limits<qlonglong>::max();
    QTest::newRow("overflow") << "9223372036854775808" << false << 0LL;
    QTest::newRow("empty") << "" << false << 0LL;
    QTest::newRow("sign only") << "-" << false << 0LL;
    QTest::newRow("letters") << "12a" << false << 0LL;
    QTest::newRow("space") << " 12" << false << 0LL;
    QTest::newRow("point") << "1.5" << false << 0LL;
    QTest::newRow("hex prefix") << "$FF" << false << 0LL;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662") << false << 0LL;
    QTest::newRow("fullwidth digits") << QString::fromUtf8("\uff11\uff12") << false << 0LL;
}

void LogicTest::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(qlonglong, value);
    const auto parsed = ParseInt64(text);
    QCOMPARE(parsed.has_value(), ok);
    if (ok)
        QCOMPARE(*parsed, value);
}

// The 32-bit parse has bounds of its own.
void LogicTest::parseInt32Bounds()
{
    QVERIFY(!ParseInt32(QStringLiteral("2147483648")));
    QCOMPARE(*ParseInt32(QStringLiteral("-2147483648")), std::numeric_limits<std::int32_t>::min());
}

void LogicTest::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("point");
    QTest::newRow("float 4.7") << double(4.7f) << 10 << "4.70";
    QTest::newRow("float 0.47") << double(0.47f) << 10 << "0.47";
    QTest::newRow("tie up") << 5.625 << 8 << "5.63";
    QTest::newRow("tie 0.875") << 0.875 << 8 << "0.88";
    QTest::newRow("negative tie") << -5.625 << 8 << "-5.63";
    QTest::newRow("below tie") << 0.12499999999 << 8 << "0.12";
    QTest::newRow("carry") << 9.999 << 10 << "10.00";
    QTest::newRow("zero") << 0.0 << 8 << "0.00";
    QTest::newRow("negative zero") << -0.0 << 8 << "0.00";
    QTest::newRow("tiny negative") << -0.001 << 8 << "0.00";
    QTest::newRow("significant digits cut decimals") << 1234567.891 << 8 << "1234567.90";
    QTest::newRow("significant digits cut units") << 123456789.0 << 8 << "123456790.00";
    QTest::newRow("ten digits") << 999000000.0 << 10 << "999000000.00";
    QTest::newRow("large") << 49999.5 << 8 << "49999.50";
}

void LogicTest::format()
{
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(QString, point);
    QCOMPARE(FormatFixed2(value, digits, QLocale::c()), point);
    QString comma = point;
    comma.replace(QLatin1Char('.'), QLatin1Char(','));
    QCOMPARE(FormatFixed2(value, digits, QLocale(QLocale::German)), comma);
}

void LogicTest::valueTextRoundsAsFormatFixed2()
{
    // A sweep over the 32-bit values up past the largest unit, and the values whose
    // hundredths end in exactly one half, where the shortcut must leave the rounding
    // to FormatFixed2.
    std::vector<float> values;
    std::uint32_t bits = 0;
    const float top = 2e9f;
    for (float v = 0.0f; v < top; bits += 2003, std::memcpy(&v, &bits, sizeof v))
        values.push_back(v);
    for (int cents = 0; cents < 100000; ++cents)
        values.push_back(static_cast<float>(cents) / 100.0f + 0.005f);
    for (const float tie : {0.125f, 0.375f, 5.625f, 1000.125f, 99.995f, 9.995f, 999999.9f, 1e8f, 99999992.0f})
        values.push_back(tie);

    const auto& units = ResistorUnits();
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German)}) {
        for (const float v : values) {
            int unit = v >= 1000000.0f ? 2 : v >= 1000.0f ? 1 : 0;
            const float scaled =
                unit == 0 ? v : static_cast<float>(static_cast<long double>(v) / (unit == 1 ? 1e3L : 1e6L));
            const QString want =
                FormatFixed2(scaled, 10, locale) + QLatin1Char(' ') + units.names[static_cast<std::size_t>(unit)];
            const QString got = ValueText(v, units, locale);
            if (got != want)
                QFAIL(qPrintable(QStringLiteral("%1: got %2, want %3").arg(double(v), 0, 'g', 12).arg(got, want)));
        }
    }
}

void LogicTest::decimalTiesOfExtendedQuotients()
{
    // Exact decimal ties that binary cannot hold still round away from zero.
    const long double tie = 99999.0L * 32841.0L / 132840.0L; // exactly 24721.975
    QCOMPARE(FormatFixed2(tie, 8, QLocale::c()), QStringLiteral("24721.98"));
    QCOMPARE(FormatFixed2(-tie, 8, QLocale::c()), QStringLiteral("-24721.98"));
    QCOMPARE(FormatFixed2(1.005L, 10, QLocale::c()), QStringLiteral("1.01"));
    QCOMPARE(FormatFixed2(1.0049999999L, 10, QLocale::c()), QStringLiteral("1.00"));
    QCOMPARE(FormatFixed2(1e-30L, 10, QLocale::c()), QStringLiteral("0.00"));
    QCOMPARE(FormatFixed2(1e20L, 10, QLocale::c()), QStringLiteral("100000000000000000000.00"));
}

void LogicTest::codeForValueCutsDigits_data()
{
    using namespace colours;
    QTest::addColumn<qlonglong>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QList<uint>>("bands");
    QTest::newRow("1 four") << 1LL << 2 << QList<uint>{Brown, Black, Gold};
    QTest::newRow("1 five") << 1LL << 3 << QList<uint>{Brown, Black, Black, Silver};
    QTest::newRow("4751 four") << 4751LL << 2 << QList<uint>{Yellow, Violet, Red};
    QTest::newRow("4751 five") << 4751LL << 3 << QList<uint>{Yellow, Violet, Green, Brown};
    QTest::newRow("999000000 four") << 999000000LL << 2 << QList<uint>{White, White, Violet};
    QTest::newRow("999000000 five") << 999000000LL << 3 << QList<uint>{White, White, White, Blue};
    QTest::newRow("10 five") << 10LL << 3 << QList<uint>{Brown, Black, Black, Gold};
}

void LogicTest::codeForValueCutsDigits()
{
    QFETCH(qlonglong, value);
    QFETCH(int, digits);
    QFETCH(QList<uint>, bands);
    const auto code = CodeForValue(value, digits);
    QCOMPARE(code.count, static_cast<int>(bands.size()));
    for (int i = 0; i < code.count; ++i)
        QCOMPARE(code.bands[static_cast<std::size_t>(i)], bands[i]);
}

void LogicTest::rangeMessages()
{
    QCOMPARE(RangeMessage(ResistorUnits(), 0), QStringLiteral("Enter 1..999000000 Ohm"));
    QCOMPARE(RangeMessage(ResistorUnits(), 1), QStringLiteral("Enter 1..999000 KOhm"));
    QCOMPARE(RangeMessage(ResistorUnits(), 2), QStringLiteral("Enter 1..999 MOhm"));
    QCOMPARE(RangeMessage(CapacitorUnits(), 2), QString::fromUtf8("Enter 1..999 \u00b5F"));
    QCOMPARE(RangeMessage(CapacitorUnits(), 1), QStringLiteral("Enter 1..999000 nF"));
}

// The quoted part of a message is isolated only when it holds a bidi control; the
// controls are listed one per row, each at the edge of its set.
void LogicTest::quotedTextIsolatesBidiControls_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("isolated");
    QTest::newRow("ASCII") << QStringLiteral("12a") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\u0664\u0667") << false;
    QTest::newRow("Hebrew letters") << QString::fromUtf8("\u05D0\u05D1") << false;
    QTest::newRow("zero-width joiner") << QString::fromUtf8("4\u200D7") << false;
    QTest::newRow("next after the isolates") << QString::fromUtf8("4\u206A") << false;
    QTest::newRow("before the embeddings") << QString::fromUtf8("4\u2029") << false;
    QTest::newRow("left-to-right mark") << QString::fromUtf8("4\u200E7") << true;
    QTest::newRow("right-to-left mark") << QString::fromUtf8("\u200F47") << true;
    QTest::newRow("Arabic letter mark") << QString::fromUtf8("47\u061C") << true;
    QTest::newRow("left-to-right embedding") << QString::fromUtf8("\u202A47") << true;
    QTest::newRow("right-to-left override") << QString::fromUtf8("\u202E47") << true;
    QTest::newRow("left-to-right isolate") << QString::fromUtf8("\u206647") << true;
    QTest::newRow("pop directional isolate") << QString::fromUtf8("47\u2069") << true;
}

void LogicTest::quotedTextIsolatesBidiControls()
{
    QFETCH(QString, typed);
    QFETCH(bool, isolated);
    const QString quoted = isolated ? QChar(0x2068) + typed + QChar(0x2069) : typed;
    QCOMPARE(QuotedText(typed), quoted);
    QCOMPARE(InvalidIntegerMessage(typed),
             QStringLiteral("'") + quoted + QStringLiteral("' is not a valid integer value"));
}

void LogicTest::descriptions()
{
    using namespace colours;
    QCOMPARE(BandDescription("Second digit", BandRole::Digit, Violet), QStringLiteral("Second digit: violet, 7"));
    QCOMPARE(BandDescription("Multiplier", BandRole::MultiplierOfFour, Gold),
             QString::fromUtf8("Multiplier: gold, \u00d70.1"));
    QCOMPARE(BandDescription("Multiplier", BandRole::MultiplierOfMore, Blue),
             QString::fromUtf8("Multiplier: blue, \u00d71000000"));
    QCOMPARE(BandDescription("Tolerance", BandRole::Tolerance, NoColour), QStringLiteral("Tolerance: not set, 20%"));
    QCOMPARE(BandDescription("TFR", BandRole::Tfr, Brown), QStringLiteral("TFR: brown, 100"));
    QCOMPARE(BandDescription("First digit", BandRole::FirstDigit, NoColour), QStringLiteral("First digit: not set"));
}

QTEST_APPLESS_MAIN(LogicTest)
#include "test_logic.moc"
