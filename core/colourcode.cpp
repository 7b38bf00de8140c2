// SPDX-License-Identifier: MIT
#include "colourcode.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace kolvane {

namespace {

// FormatFixed2(value, 10, locale) for a 32-bit value, without its decimal string work
// where the answer is plain: a float has 24 significant bits, so value × 100 is exact,
// and unless its fraction lies within a hair of one half,
// FormatFixed2's rounding (18 significant digits, then half away from zero at two
// decimals) rounds it the same way as rounding the exact product. Below 10^8 the ten
// significant digits always keep both decimals. The value labels and their hints
// write several values per click, so this is on the path a user waits for.
void AppendFixed(QString& out, float value, QStringView point)
{
    // 24 significant bits times 100 fit a double's 53, so the product and its fraction
    // are exact.
    const double hundredths = static_cast<double>(value) * 100.0;
    const double whole = std::floor(hundredths);
    const double fraction = hundredths - whole;
    if (!(value >= 0.0f && value < 1e8f) || std::fabs(fraction - 0.5) < 1e-6) {
        QString text = FormatFixed2(value, 10, QLocale::c());
        text.replace(QLatin1Char('.'), point.toString());
        out += text;
        return;
    }
    auto rounded = static_cast<std::int64_t>(whole) + (fraction > 0.5 ? 1 : 0);

    // Digits from the right: two decimals, then at least one whole digit.
    std::array<char, 24> digits{};
    std::size_t first = digits.size();
    do {
        digits[--first] = static_cast<char>('0' + rounded % 10);
        rounded /= 10;
    } while (rounded > 0 || digits.size() - first < 3);
    out += QLatin1String(digits.data() + first, static_cast<qsizetype>(digits.size() - first - 2));
    out += point;
    out += QLatin1String(digits.data() + digits.size() - 2, 2);
}

} // namespace

const CodeUnits& ResistorUnits()
{
    static const CodeUnits units{{QStringLiteral("Ohm"), QStringLiteral("KOhm"), QStringLiteral("MOhm")}};
    return units;
}

const CodeUnits& CapacitorUnits()
{
    static const CodeUnits units{{QStringLiteral("pF"), QStringLiteral("nF"), QStringLiteral("\u00b5F")}};
    return units;
}

std::int64_t UnitMaximum(int unitIndex)
{
    return LargestBaseValue / UnitFactors.at(static_cast<std::size_t>(unitIndex));
}

QString RangeMessage(const CodeUnits& units, int unitIndex)
{
    return QStringLiteral("Enter 1..%1 %2")
        .arg(UnitMaximum(unitIndex))
        .arg(units.names.at(static_cast<std::size_t>(unitIndex)));
}

std::optional<float> ReadCode(std::span<const BandColour> bands, std::span<std::int8_t> digitCells,
                              long double& multiplier)
{
    for (const BandColour band : bands)
        if (band == NoColour)
            return std::nullopt;

    const std::size_t digitCount = bands.size() - 1;
    int significand = 0;
    for (std::size_t i = 0; i < digitCount; ++i) {
        if (const auto digit = DigitOfColour(bands[i], i == 0))
            digitCells[i] = static_cast<std::int8_t>(*digit);
        significand = significand * 10 + digitCells[i];
    }
    if (const auto m = MultiplierOfColour(bands[digitCount]))
        multiplier = *m;
    return static_cast<float>(static_cast<long double>(significand) * multiplier);
}

QString ValueText(float value, const CodeUnits& units, const QLocale& locale)
{
    QString text;
    text.reserve(24);
    AppendValueText(text, value, units, locale.decimalPoint());
    return text;
}

void AppendValueText(QString& out, float value, const CodeUnits& units, QStringView decimalPoint)
{
    // Scaled values are stored as 32-bit floats again, as the bands' value is.
    std::size_t unit = 0;
    if (value >= 1000000.0f) {
        value = static_cast<float>(static_cast<long double>(value) / 1000000.0L);
        unit = 2;
    } else if (value >= 1000.0f) {
        value = static_cast<float>(static_cast<long double>(value) / 1000.0L);
        unit = 1;
    }
    AppendFixed(out, value, decimalPoint);
    out += QLatin1Char(' ');
    out += units.names[unit];
}

CutDigits CutToBands(QStringView digits, int exponent, int digitCount)
{
    CutDigits cut;
    for (qsizetype i = 0; i < std::max<qsizetype>(digits.size(), digitCount); ++i) {
        const int digit = i < digits.size() ? digits[i].unicode() - '0' : 0;
        if (i < digitCount) {
            cut.digits[static_cast<std::size_t>(i)] = digit;
            cut.significand = cut.significand * 10 + digit;
        } else if (digit != 0) {
            cut.exact = false;
        }
    }
    cut.multiplierExponent = exponent + 1 - digitCount;
    return cut;
}

PaintedCode CodeForValue(std::int64_t baseUnits, int digitCount)
{
    const QString text = QString::number(baseUnits);
    const CutDigits cut = CutToBands(text, static_cast<int>(text.size()) - 1, digitCount);
    PaintedCode code;
    code.count = digitCount + 1;
    for (int i = 0; i < digitCount; ++i)
        code.bands[static_cast<std::size_t>(i)] = ColourOfDigit(cut.digits[static_cast<std::size_t>(i)]);
    code.bands[static_cast<std::size_t>(digitCount)] = MultiplierColour(cut.multiplierExponent);
    return code;
}

} // namespace kolvane

namespace kolvane {
namespace {

QString MultiplierText(BandColour colour)
{
    if (colour == colours::Gold)
        return QStringLiteral("0.1");
    if (colour == colours::Silver)
        return QStringLiteral("0.01");
    const auto exponent = DigitOfColour(colour, false);
    return QLatin1Char('1') + QString(*exponent, QLatin1Char('0'));
}

// The meaning of the colour in the role, or nothing when the role cannot read it.
QString Meaning(BandRole role, BandColour colour)
{
    if (!RoleAccepts(role, colour))
        return {};
    switch (role) {
    case BandRole::FirstDigit:
    case BandRole::Digit: return QString::number(*DigitOfColour(colour, false));
    case BandRole::MultiplierOfFour:
    case BandRole::MultiplierOfMore: return QStringLiteral("\u00d7") + MultiplierText(colour);
    case BandRole::Tolerance:
        return QString::fromLatin1(ToleranceItems[static_cast<std::size_t>(*ToleranceIndexOfColour(colour))]);
    case BandRole::Tfr: return QString::fromLatin1(TfrItems[static_cast<std::size_t>(*TfrIndexOfColour(colour))]);
    }
    return {};
}

} // namespace

QString BandDescription(const QString& roleName, BandRole role, BandColour colour)
{
    const std::string_view name = ColourName(colour);
    QString text = roleName + QStringLiteral(": ") +
                   (name.empty() ? QStringLiteral("unknown colour")
                                 : QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    const QString meaning = Meaning(role, colour);
    if (!meaning.isEmpty())
        text += QStringLiteral(", ") + meaning;
    return text;
}

} // namespace kolvane
