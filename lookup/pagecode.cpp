// SPDX-License-Identifier: MIT
#include "pagecode.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kolvane {
namespace {

const QString NoCodeOnPage = QStringLiteral("The page's colour chart has no code for this reading");
const QString TooManyDigits = QStringLiteral("A code of 4 or 5 bands cannot state this value exactly");
const QString NoToleranceBand = QStringLiteral("The page's colour chart has no band for this tolerance");

// `value` as significant digits times a power of ten, the digits without trailing
// zeros: 0.47 is "47" and -2, 4700 is "47" and 2. The shortest text that reads back as
// the same double is the decimal the user typed or the marking stated.
std::optional<std::pair<std::string, int>> DecimalDigits(double value)
{
    if (!(value > 0.0) || !std::isfinite(value))
        return std::nullopt;
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    if (written.ec != std::errc())
        return std::nullopt;
    const std::string_view all(text, static_cast<std::size_t>(written.ptr - text));
    const std::size_t e = all.find('e');
    std::string digits;
    for (const char c : all.substr(0, e))
        if (c != '.')
            digits += c;
    int exponent = 0;
    const std::string_view power = all.substr(e + 1);
    std::from_chars(power.data() + (power.front() == '+' ? 1 : 0), power.data() + power.size(), exponent);
    exponent -= int(digits.size()) - 1;
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    return std::pair(digits, exponent);
}

bool ReadsAs(const BandCode& code, Quantity q, double value)
{
    const auto reading = ReadBands(code, q);
    return reading && std::abs(reading->value - value) <= value * 1e-9;
}

} // namespace

PageCode PageCodeOf(const TextReading& reading, Quantity q)
{
    if (reading.bands) {
        // A colour code goes on as it was read, band for band.
        const BandCode& code = *reading.bands;
        if (code.digits.size() < 2 || code.digits.size() > 3 || !ReadBands(code, q))
            return {std::nullopt, NoCodeOnPage};
        return {code, {}};
    }
    BandColour tolerance = NoColour;
    if (reading.tolerancePercent) {
        const auto item = ToleranceIndexOfPercent(*reading.tolerancePercent);
        if (!item)
            return {std::nullopt, NoToleranceBand};
        tolerance = ToleranceColour(*item).value_or(NoColour);
    }
    const auto decimal = DecimalDigits(reading.value);
    if (!decimal)
        return {std::nullopt, NoCodeOnPage};
    const auto& [significant, power] = *decimal;
    if (significant.size() > 3)
        return {std::nullopt, TooManyDigits};
    // Two digits where they are enough (4 bands), else three (5 bands); a longer code
    // also reaches a smaller multiplier.
    for (std::size_t count = std::max<std::size_t>(2, significant.size()); count <= 3; ++count) {
        const int exponent = power - int(count - significant.size());
        if (exponent < -2 || exponent > 9)
            continue;
        BandCode code;
        for (std::size_t i = 0; i < count; ++i)
            code.digits.push_back(ColourOfDigit(i < significant.size() ? significant[i] - '0' : 0));
        code.multiplier = MultiplierColour(exponent);
        code.tolerance = tolerance;
        if (ReadsAs(code, q, reading.value))
            return {code, {}};
    }
    return {std::nullopt, NoCodeOnPage};
}

} // namespace kolvane
