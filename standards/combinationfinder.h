// SPDX-License-Identifier: MIT
// The combination finder: which one, two or three resistors from a set come nearest a
// target, in series, in parallel or mixed. Every value of the set may be used more
// than once.
#pragma once

#include <QString>

#include <array>
#include <functional>
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
// Errors closer than 1e-12 count as equal, so rounding in a sum or a reciprocal never
// puts a longer exact answer before a shorter one.
double ErrorRank(double error);
bool BetterCombination(const Combination& x, const Combination& y);

// The best `top` answers, best first, over every topology of up to maxParts parts (1
// to 3). No two answers have the same topology and the same parts up to the
// topology's symmetry. Nothing for a target that is not a positive finite number, an
// empty set, or a set holding a value that is not.
// The combination written out: "a + b", "a ‖ b", "(a + b) ‖ c", each part as
// `partText` writes it.
QString CombinationExpression(const Combination& c, const std::function<QString(double)>& partText);

std::vector<Combination> FindCombinations(std::span<const double> values, double target, int maxParts, int top);

} // namespace kolvane
