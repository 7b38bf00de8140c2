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
