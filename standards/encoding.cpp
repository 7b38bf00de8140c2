// SPDX-License-Identifier: MIT
#include "encoding.h"

#include "colourcode.h"
#include "eseries.h"
#include "numbers.h"

#include <QLocale>

#include <array>
#include <cmath>
#include <span>

namespace kolvane {
namespace {

// value = significand × 10^exponent with exactly `digits` significant digits, when the
// value has no more than that: within a few steps of a double of the decimal (a value
// that is a ten-billionth off is another value, and its code would read back as
// something else).
struct Digits {
    int significand;
    int exponent;
};

std::optional<Digits> ExactDigits(double value, int digits)
{
    if (!(value >= LowestSeriesValue && value <= HighestSeriesValue))
        return std::nullopt;
    const long long lowest = digits == 2 ? 10 : 100;
    const long long highest = lowest * 10;
    int exponent = static_cast<int>(std::floor(std::log10(value))) - (digits - 1);
    long long significand = std::llround(TimesPowerOfTen(value, -exponent));
    // log10 may land a hair on the wrong side of a power of ten.
    if (significand >= highest) {
        ++exponent;
        significand = std::llround(TimesPowerOfTen(value, -exponent));
    } else if (significand < lowest) {
        --exponent;
        significand = std::llround(TimesPowerOfTen(value, -exponent));
    }
    if (significand < lowest || significand >= highest)
        return std::nullopt;
    if (std::abs(TimesPowerOfTen(static_cast<double>(significand), exponent) - value) > 1e-13 * value)
        return std::nullopt;
    return Digits{static_cast<int>(significand), exponent};
}

// The significand's digits with the decimal point written as R `fractionDigits` from
// the right: "4R7", "R47", "10R0".
QString WithPointR(int significand, int fractionDigits)
{
    QString digits = QString::number(significand);
    digits.insert(digits.size() - fractionDigits, QLatin1Char('R'));
    return digits;
}

// The lowest and highest power of ten a multiplier band takes with that many digit
// bands, by the chart and the band's role.
std::pair<int, int> MultiplierExponents(int digitCount, ColourChart chart)
{
    const BandRole role = digitCount == 2 ? BandRole::MultiplierOfFour : BandRole::MultiplierOfMore;
    int lowest = 99;
    int highest = -99;
    for (int k = -3; k <= 9; ++k) {
        const auto colour = ChartMultiplierColour(chart, k);
        if (colour && ChartAccepts(chart, role, *colour)) {
            lowest = std::min(lowest, k);
            highest = std::max(highest, k);
        }
    }
    return {lowest, highest};
}

bool IsDigitText(QStringView digits)
{
    if (digits.isEmpty() || digits.front() == QLatin1Char('0'))
        return false;
    for (const QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

std::optional<EncodedBands> EncodeDigits(QStringView digits, int exponent, int digitCount, ColourChart chart)
{
    if ((digitCount != 2 && digitCount != 3) || !IsDigitText(digits))
        return std::nullopt;
    const auto [lowest, highest] = MultiplierExponents(digitCount, chart);
    const CutDigits cut = CutToBands(digits, exponent, digitCount);
    const int multiplier = cut.multiplierExponent;
    const int significand = cut.significand;
    EncodedBands encoded;
    encoded.exact = cut.exact;
    for (int i = 0; i < digitCount; ++i)
        encoded.code.digits.push_back(ColourOfDigit(cut.digits[static_cast<std::size_t>(i)]));
    if (multiplier < lowest || multiplier > highest)
        return std::nullopt;
    encoded.code.multiplier = *ChartMultiplierColour(chart, multiplier);
    encoded.value = TimesPowerOfTen(significand, multiplier);
    return encoded;
}

std::optional<EncodedBands> EncodeValue(double value, int digitCount, ColourChart chart)
{
    if (!std::isfinite(value) || value <= 0.0)
        return std::nullopt;
    // "4.7e+03": the shortest digits that give the double back.
    const QString text = QString::number(value, 'e', QLocale::FloatingPointShortest);
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    QString digits = text.first(e);
    digits.remove(QLatin1Char('.'));
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    return EncodeDigits(digits, text.sliced(e + 1).toInt(), digitCount, chart);
}

EncodableRange EncodableValues(int digitCount, ColourChart chart)
{
    const auto [lowest, highest] = MultiplierExponents(digitCount, chart);
    return {TimesPowerOfTen(digitCount == 2 ? 10.0 : 100.0, lowest),
            TimesPowerOfTen(digitCount == 2 ? 99.0 : 999.0, highest)};
}

std::optional<QString> ExactLetterCode(double value, Quantity q)
{
    auto code = LetterCode(value, q);
    if (!code)
        return std::nullopt;
    const auto back = ParseLetterCode(*code, q);
    if (!back || std::abs(*back - value) > 1e-13 * value)
        return std::nullopt;
    return code;
}

std::optional<QString> SmdCode(double ohms, int length)
{
    if (length != 3 && length != 4)
        return std::nullopt;
    const int digits = length - 1;
    const auto d = ExactDigits(ohms, digits);
    if (!d)
        return std::nullopt;
    if (d->exponent >= 0 && d->exponent <= 9)
        return QString::number(d->significand) + QChar(u'0' + d->exponent);
    // Below the smallest multiplier the R stands for the point: 4R7, R47, 10R0, R100.
    if (d->exponent < 0 && -d->exponent <= digits)
        return WithPointR(d->significand, -d->exponent);
    return std::nullopt;
}

std::optional<QString> Eia96Code(double ohms)
{
    const auto d = ExactDigits(ohms, 3);
    if (!d || d->exponent < -3 || d->exponent > 5)
        return std::nullopt;
    const std::span<const int> mantissas = SeriesMantissas(ESeries::E96);
    for (std::size_t i = 0; i < mantissas.size(); ++i) {
        if (mantissas[i] != d->significand)
            continue;
        // Z Y X A B C D E F for 10^-3 … 10^5; R, S and H are the other spellings of Y, X, B.
        static constexpr std::array<char, 9> Letters = {'Z', 'Y', 'X', 'A', 'B', 'C', 'D', 'E', 'F'};
        const int index = static_cast<int>(i) + 1;
        QString code;
        code += QChar(u'0' + index / 10);
        code += QChar(u'0' + index % 10);
        const int letter = d->exponent + 3;
        code += QLatin1Char(Letters[static_cast<std::size_t>(letter)]);
        return code;
    }
    return std::nullopt;
}

std::optional<QString> CapacitorCode(double picofarads)
{
    const auto d = ExactDigits(picofarads, 2);
    if (!d || d->exponent < -2 || d->exponent > 7)
        return std::nullopt;
    const int power = d->exponent == -2 ? 8 : d->exponent == -1 ? 9 : d->exponent;
    return QString::number(d->significand) + QChar(u'0' + power);
}

ExactMarkings MarkingsOfValue(double value, Quantity q)
{
    ExactMarkings m;
    m.letter = ExactLetterCode(value, q);
    if (q == Quantity::Resistance) {
        m.smd3 = SmdCode(value, 3);
        m.smd4 = SmdCode(value, 4);
        m.eia96 = Eia96Code(value);
    } else {
        m.cap3 = CapacitorCode(value);
    }
    return m;
}

} // namespace kolvane
