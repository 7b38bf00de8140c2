// SPDX-License-Identifier: MIT
#include "readingdetails.h"

#include "numbers.h"

#include <array>
#include <cmath>

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

std::optional<BandColour> ToleranceBandOf(std::optional<double> percent)
{
    if (!percent)
        return std::nullopt;
    const auto index = ToleranceIndexOfPercent(*percent);
    const auto colour = index ? ToleranceColour(*index) : std::nullopt;
    if (colour && *colour != NoColour)
        return colour;
    return std::nullopt;
}

std::optional<ColourCodeDetail> ColourCodeOf(double value, int digitCount, std::optional<double> percent, Quantity q)
{
    const auto tolerance = ToleranceBandOf(percent);
    // The customary tolerance of each band count where the reading brings none.
    const BandColour assumed = digitCount == 2 ? colours::Gold : colours::Brown;
    const auto code = CodeOfValue(value, digitCount, tolerance.value_or(assumed));
    if (!code)
        return std::nullopt;
    ColourCodeDetail detail;
    detail.bands = *code;
    for (const BandColour band : PrintedBands(*code)) {
        const std::string_view name = ColourName(band);
        detail.names << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    detail.toleranceAssumed = !tolerance;
    detail.otherEnd = ReverseReading(*code, q);
    return detail;
}

} // namespace

SeriesPlace SeriesPlaceOf(double value)
{
    SeriesPlace place;
    place.members = SeriesContaining(value);
    if (place.members.empty()) {
        place.e24 = NearestInSeries(value, ESeries::E24);
        place.e96 = NearestInSeries(value, ESeries::E96);
    }
    return place;
}

std::optional<BandCode> CodeOfValue(double value, int digitCount, BandColour tolerance)
{
    if (digitCount != 2 && digitCount != 3)
        return std::nullopt;
    const auto d = ExactDigits(value, digitCount);
    if (!d || d->exponent < -2 || d->exponent > 9)
        return std::nullopt;
    BandCode code;
    const QString digits = QString::number(d->significand);
    for (const QChar c : digits)
        code.digits.push_back(ColourOfDigit(c.unicode() - '0'));
    code.multiplier = MultiplierColour(d->exponent);
    code.tolerance = tolerance;
    const BandRole multiplierRole = digitCount == 2 ? BandRole::MultiplierOfFour : BandRole::MultiplierOfMore;
    if (!RoleAccepts(multiplierRole, code.multiplier) || !RoleAccepts(BandRole::Tolerance, tolerance))
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

ReadingDetails DetailsOf(const TextReading& reading, Quantity q)
{
    ReadingDetails details;
    details.value = reading.value;
    details.tolerancePercent = reading.tolerancePercent;
    if (reading.tolerancePercent)
        details.span = ShownToleranceSpan(reading.value, *reading.tolerancePercent);
    details.series = SeriesPlaceOf(reading.value);
    details.fourBands = ColourCodeOf(reading.value, 2, reading.tolerancePercent, q);
    details.fiveBands = ColourCodeOf(reading.value, 3, reading.tolerancePercent, q);
    details.letterCode = LetterCode(reading.value, q);
    if (q == Quantity::Resistance) {
        details.smd3 = SmdCode(reading.value, 3);
        details.smd4 = SmdCode(reading.value, 4);
        details.eia96 = Eia96Code(reading.value);
    } else {
        details.cap3 = CapacitorCode(reading.value);
    }
    if (reading.bands)
        details.otherEnd = ReverseReading(*reading.bands, q);
    return details;
}

} // namespace kolvane
