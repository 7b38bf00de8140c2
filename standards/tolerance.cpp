// SPDX-License-Identifier: MIT
#include "tolerance.h"

#include <cmath>

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
