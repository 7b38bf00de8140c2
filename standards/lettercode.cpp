// SPDX-License-Identifier: MIT
#include "lettercode.h"

#include "eseries.h"
#include "numbers.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace kolvane {
namespace {

struct UnitLetter {
    char16_t letter;
    int exponent; // of the base unit
};

// Writing: one letter per thousandfold step, the base letter also below one.
constexpr std::array<UnitLetter, 5> ResistanceLetters = {{{u'R', 0}, {u'K', 3}, {u'M', 6}, {u'G', 9}, {u'T', 12}}};
constexpr std::array<UnitLetter, 5> CapacitanceLetters = {
    {{u'p', 0}, {u'n', 3}, {u'\u00b5', 6}, {u'm', 9}, {u'F', 12}}};

// Reading also takes the spellings people type. A resistor's lower-case m is refused:
// it would be milliohm, a thousand million times what the capital means.
constexpr std::array<UnitLetter, 9> ResistanceReadLetters = {
    {{u'R', 0}, {u'r', 0}, {u'K', 3}, {u'k', 3}, {u'M', 6}, {u'G', 9}, {u'g', 9}, {u'T', 12}, {u't', 12}}};
constexpr std::array<UnitLetter, 7> CapacitanceReadLetters = {
    {{u'p', 0}, {u'n', 3}, {u'\u00b5', 6}, {u'\u03bc', 6}, {u'u', 6}, {u'm', 9}, {u'F', 12}}};

constexpr int SignificantDigits = 4;
constexpr int MostDigits = 15; // whole numbers up to 10^15 are exact in a double

bool InRange(double value)
{
    return std::isfinite(value) && value >= LowestSeriesValue && value <= HighestSeriesValue;
}

} // namespace

std::optional<QString> LetterCode(double value, Quantity q)
{
    if (!InRange(value))
        return std::nullopt;

    // value ≈ significand × 10^(exponent - 3), significand of exactly four digits.
    int exponent = static_cast<int>(std::floor(std::log10(value)));
    auto significand = std::llround(TimesPowerOfTen(value, SignificantDigits - 1 - exponent));
    if (significand >= 10000) {
        ++exponent;
        significand = std::llround(TimesPowerOfTen(value, SignificantDigits - 1 - exponent));
    } else if (significand < 1000) {
        --exponent;
        significand = std::llround(TimesPowerOfTen(value, SignificantDigits - 1 - exponent));
    }
    if (significand >= 10000) { // 9999.5 rounded up
        significand /= 10;
        ++exponent;
    }

    const auto& letters = q == Quantity::Resistance ? ResistanceLetters : CapacitanceLetters;
    std::size_t unit = 0;
    while (unit + 1 < letters.size() && exponent >= letters[unit + 1].exponent)
        ++unit;

    const QString digits = QString::number(significand);
    const int wholeDigits = exponent - letters[unit].exponent + 1; // may be zero or less
    QString whole;
    QString fraction;
    if (wholeDigits <= 0) {
        fraction = QString(-wholeDigits, u'0') + digits;
    } else if (wholeDigits >= SignificantDigits) {
        whole = digits + QString(wholeDigits - SignificantDigits, u'0');
    } else {
        whole = digits.left(wholeDigits);
        fraction = digits.mid(wholeDigits);
    }
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (whole.size() + fraction.size() < 2)
        fraction += u'0';
    return whole + QChar(letters[unit].letter) + fraction;
}

std::optional<double> ParseLetterCode(QStringView code, Quantity q)
{
    std::int64_t number = 0;
    int digitCount = 0;
    int fractionDigits = 0;
    std::optional<int> unitExponent;
    for (const QChar c : code) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9') {
            if (++digitCount > MostDigits)
                return std::nullopt;
            number = number * 10 + (u - u'0');
            if (unitExponent)
                ++fractionDigits;
            continue;
        }
        if (unitExponent)
            return std::nullopt; // a second letter
        auto letterExponent = [u](const auto& letters) -> std::optional<int> {
            for (const UnitLetter& l : letters)
                if (l.letter == u)
                    return l.exponent;
            return std::nullopt;
        };
        unitExponent =
            q == Quantity::Resistance ? letterExponent(ResistanceReadLetters) : letterExponent(CapacitanceReadLetters);
        if (!unitExponent)
            return std::nullopt;
    }
    if (!unitExponent || digitCount == 0)
        return std::nullopt;
    const double value = TimesPowerOfTen(static_cast<double>(number), *unitExponent - fractionDigits);
    if (!InRange(value))
        return std::nullopt;
    return value;
}

} // namespace kolvane
