// SPDX-License-Identifier: MIT
// The span of values a toleranced part may have, alone and in series or parallel
// combinations. Every answer is "no value" for input that is not a finite positive
// value with a tolerance in [0, 100) percent.
#pragma once

#include <optional>
#include <span>

namespace kolvane {

struct ValueSpan {
    double low;
    double high;
};
// value · (1 ∓ t/100), computed as value · (100 ∓ t) / 100 so whole percentages of
// whole values come out exact.
std::optional<ValueSpan> ToleranceSpan(double value, double percent);

// The span as a page writes it, two decimals in the unit it writes the end in (the
// base unit, a thousand or a million of it, by the end's size): each end worked out
// from the decimal values of `value` and `percent` (their shortest decimal forms, so
// 3.3 is 3.3 and not the double just below it) and rounded half away from zero, then
// given as the double nearest that decimal. 3.3 Ω ±5 % ends at 3.47 Ω and 4.7 nF ±5 %
// at 4.94 nF. A small low end may round to zero. Nothing where ToleranceSpan gives
// nothing.
std::optional<ValueSpan> ShownToleranceSpan(double value, double percent);

struct TolerancedPart {
    double value;
    double percent; // 0: exact
};
// The sum of the parts' lowest and of their highest values.
std::optional<ValueSpan> SeriesSpan(std::span<const TolerancedPart> parts);
// 1 / Σ(1 / extreme) for the lowest and the highest values: not symmetric about the
// nominal parallel value.
std::optional<ValueSpan> ParallelSpan(std::span<const TolerancedPart> parts);

} // namespace kolvane
