// SPDX-License-Identifier: MIT
#include "tolerance.h"

#include "colourcode.h"
#include "numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace kolvane {
namespace {

bool ValidPart(double value, double percent)
{
    return std::isfinite(value) && value > 0.0 && percent >= 0.0 && percent < 100.0;
}

// The span, or nothing when the arithmetic left the finite positive numbers.
std::optional<ValueSpan> Checked(double low, double high)
{
    if (!std::isfinite(low) || !std::isfinite(high) || !(low > 0.0) || low > high)
        return std::nullopt;
    return ValueSpan{low, high};
}

} // namespace

std::optional<ValueSpan> ToleranceSpan(double value, double percent)
{
    if (!ValidPart(value, percent))
        return std::nullopt;
    return Checked(value * (100.0 - percent) / 100.0, value * (100.0 + percent) / 100.0);
}

namespace {

// Whole numbers beyond 64 bits: a 17-digit value times a 21-digit factor.
__extension__ using Wide = __int128;

// value = digits × 10^exponent, from the shortest text that reads back as the double.
struct Decimal {
    std::int64_t digits = 0;
    int exponent = 0;
};

std::optional<Decimal> ShortestDecimal(double value)
{
    std::array<char, 32> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific);
    if (error != std::errc())
        return std::nullopt;
    Decimal d;
    const char* p = buffer.data();
    int fractionDigits = 0;
    bool inFraction = false;
    for (; p < end && *p != 'e'; ++p) {
        if (*p == '.') {
            inFraction = true;
            continue;
        }
        d.digits = d.digits * 10 + (*p - '0');
        if (inFraction)
            ++fractionDigits;
    }
    if (p == end)
        return std::nullopt;
    int exponent = 0;
    if (std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent).ec != std::errc())
        return std::nullopt;
    d.exponent = exponent - fractionDigits;
    return d;
}

Wide PowerOfTen(int n)
{
    Wide p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

// One end: value × (100 ∓ percent) / 100, rounded at the step of the unit it is
// written in. `approximate` is the end as ToleranceSpan works it out, which picks the
// unit (as the value labels pick it from their value).
double ShownEnd(Decimal value, Decimal percent, bool high, double approximate)
{
    // 100 ∓ percent = (a ∓ b) × 10^scale with whole a and b.
    const int scale = std::min(percent.exponent, 0);
    if (-scale > 17)
        return approximate; // a percentage no tolerance is written with
    const Wide a = 100 * PowerOfTen(-scale);
    const Wide b = static_cast<Wide>(percent.digits) * PowerOfTen(percent.exponent - scale);
    const Wide product = static_cast<Wide>(value.digits) * (high ? a + b : a - b);

    int unitExponent = 0;
    for (std::size_t i = UnitFactors.size(); i-- > 1;) {
        if (approximate >= static_cast<double>(UnitFactors[i])) {
            unitExponent = static_cast<int>(std::lround(std::log10(static_cast<double>(UnitFactors[i]))));
            break;
        }
    }
    const int stepExponent = unitExponent - 2; // two decimals
    // The end is product × 10^shift; in steps it is product × 10^(shift - stepExponent).
    const int shift = value.exponent + scale - 2;
    const int drop = stepExponent - shift;
    if (drop <= 0)
        return approximate; // already a whole number of steps
    if (drop > 38)
        return 0.0; // less than half a step: 10^38 exceeds any product
    const Wide divisor = PowerOfTen(drop);
    Wide steps = product / divisor;
    if (2 * (product % divisor) >= divisor)
        ++steps;
    return TimesPowerOfTen(static_cast<double>(steps), stepExponent);
}

} // namespace

std::optional<ValueSpan> ShownToleranceSpan(double value, double percent)
{
    const auto span = ToleranceSpan(value, percent);
    if (!span)
        return std::nullopt;
    const auto v = ShortestDecimal(value);
    const auto p = ShortestDecimal(percent);
    if (!v || !p)
        return span;
    return ValueSpan{ShownEnd(*v, *p, false, span->low), ShownEnd(*v, *p, true, span->high)};
}

std::optional<ValueSpan> SeriesSpan(std::span<const TolerancedPart> parts)
{
    if (parts.empty())
        return std::nullopt;
    double low = 0.0;
    double high = 0.0;
    for (const TolerancedPart& part : parts) {
        const auto span = ToleranceSpan(part.value, part.percent);
        if (!span)
            return std::nullopt;
        low += span->low;
        high += span->high;
    }
    return Checked(low, high);
}

std::optional<ValueSpan> ParallelSpan(std::span<const TolerancedPart> parts)
{
    if (parts.empty())
        return std::nullopt;
    double lowConductance = 0.0;
    double highConductance = 0.0;
    for (const TolerancedPart& part : parts) {
        const auto span = ToleranceSpan(part.value, part.percent);
        if (!span)
            return std::nullopt;
        // The lowest values conduct most: they give the low end of the span.
        lowConductance += 1.0 / span->low;
        highConductance += 1.0 / span->high;
    }
    return Checked(1.0 / lowConductance, 1.0 / highConductance);
}

} // namespace kolvane
