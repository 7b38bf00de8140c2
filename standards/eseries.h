// SPDX-License-Identifier: MIT
// The IEC 60063 preferred-number series E3 to E192: membership, neighbours and the
// members in a range. Values are in the base unit (ohm or picofarad).
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kolvane {

enum class ESeries { E3, E6, E12, E24, E48, E96, E192 };
inline constexpr std::array<ESeries, 7> AllSeries = {ESeries::E3,  ESeries::E6,  ESeries::E12, ESeries::E24,
                                                     ESeries::E48, ESeries::E96, ESeries::E192};

// The members of a series run through every decade from LowestSeriesValue (1 mΩ)
// up to HighestSeriesValue (10^15: a petaohm, or a thousand farads in picofarads).
// A value outside that range, or one that is not a finite positive number, belongs
// to no series and has no neighbours.
inline constexpr double LowestSeriesValue = 1e-3;
inline constexpr double HighestSeriesValue = 1e15;

std::string_view SeriesName(ESeries s);                       // "E24"
std::optional<ESeries> SeriesFromName(std::string_view name); // "E24" or "e24"; nullopt otherwise

// One decade: two digits (10..91) for E3 to E24, three digits (100..988) for E48 up.
std::span<const int> SeriesMantissas(ESeries s);

// A value counts as a member when it lies within one part in a million of one, so a
// value that went through a 32-bit float (as the pages' values do) still counts.
bool IsInSeries(double value, ESeries s);

// `below` and `above` are the members strictly below and above the value (the
// member's own neighbours when the value is one). `nearest` is the member nearest by
// ratio (logarithmic distance); an exact tie goes to the larger member. No answer
// when either neighbour would fall outside the series' range.
struct SeriesNeighbours {
    bool member;
    double nearest;
    double below;
    double above;
};
std::optional<SeriesNeighbours> NearestInSeries(double value, ESeries s);

// The same for every value of the range, its ends included: the two ends (1 mΩ and
// 10^15) are members of every series, with a neighbour on one side only.
struct SeriesPlaceInRange {
    bool member;
    double nearest;
    std::optional<double> below;
    std::optional<double> above;
};
std::optional<SeriesPlaceInRange> NearestInRange(double value, ESeries s);

// Every member in [low, high], ascending; members are the doubles nearest to their
// decimal values (0.047, not 0.047000000000000006).
std::vector<double> SeriesValues(ESeries s, double low, double high);

// The series the value belongs to, in AllSeries order.
std::vector<ESeries> SeriesContaining(double value);

} // namespace kolvane
