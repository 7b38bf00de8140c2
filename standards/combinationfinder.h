// SPDX-License-Identifier: MIT
// The combination finder: which one, two or three resistors from a set come nearest a
// target, in series, in parallel or mixed. Every value of the set may be used more
// than once.
#pragma once

#include <QLocale>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kolvane {

enum class Topology {
    Single,           // a
    Series2,          // a + b
    Parallel2,        // a ‖ b
    Series3,          // a + b + c
    Parallel3,        // a ‖ b ‖ c
    SeriesInParallel, // (a + b) ‖ c
    ParallelInSeries, // (a ‖ b) + c
};

int PartCount(Topology t);

// The resistance of the parts joined as the topology says; parts beyond its count
// are ignored.
double CombinedValue(Topology t, const std::array<double, 3>& parts);

struct Combination {
    Topology topology = Topology::Single;
    std::array<double, 3> parts{}; // the first PartCount(topology) are used
    double value = 0.0;
    double error = 0.0; // (value - target) / target
};

// How answers are ranked: smallest |error|, then fewer parts, then the smaller value.
// The exact error decides; two errors count as equal only when they agree within a
// relative 1e-12, or when both are below ExactError, the rounding noise of a sum or
// a reciprocal of exact parts, so that such noise never puts a longer exact answer
// before a shorter one.
inline constexpr double ExactError = 1e-14;
// |error|, or 0 for an error below ExactError: an exact answer.
double ErrorRank(double error);
bool SameErrorRank(double x, double y);
bool BetterCombination(const Combination& x, const Combination& y);

// The values that up to maxParts parts of the set can make: from the smallest part
// maxParts times in parallel to the largest maxParts times in series. Nothing for an
// empty set.
struct ReachableSpan {
    double low;
    double high;
};
std::optional<ReachableSpan> ReachableValues(std::span<const double> values, int maxParts);
// Why the target lies beyond what the parts can make, as every list of answers says
// it after the target: "out of reach: up to 2 of these parts make 0.5 Ω to 20 MΩ".
// Nothing when the target is within reach (or there are no parts): beyond it every
// answer would be far off and the ranking meaningless.
std::optional<QString> OutOfReach(std::span<const double> values, double target, int maxParts);

// The best `top` answers, best first, over every topology of up to maxParts parts (1
// to 3). No two answers have the same topology and the same parts up to the
// topology's symmetry, and none is another answer with a part added for nothing: an
// answer is left out when some of its parts, joined any way, come at least as near
// (4K7 + 1R0 beside the exact 4K7), while an exact answer of other parts (1K1 + 3K6)
// stays. Nothing for a target that is not a positive finite number, an
// empty set, or a set holding a value that is not.
// The combination written out: "a + b", "a ‖ b", "(a + b) ‖ c", each part as
// `partText` writes it.
QString CombinationExpression(const Combination& c, const std::function<QString(double)>& partText);
// How near an answer comes, as every list of answers writes it: "exact", "+0.0213 %",
// "-1.5e-05 %" (three significant digits, in the locale's notation).
QString CombinationErrorText(double error, const QLocale& locale);

// The parts the finder takes from a series when nobody names others: 1 Ω to 10 MΩ.
inline constexpr double SmallestSeriesPart = 1.0;
inline constexpr double LargestSeriesPart = 10e6;

std::vector<Combination> FindCombinations(std::span<const double> values, double target, int maxParts, int top);

} // namespace kolvane
