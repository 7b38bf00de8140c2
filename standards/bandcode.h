// SPDX-License-Identifier: MIT
// A whole colour code as printed on a part, and its readings from either end.
#pragma once

#include "bandcolours.h"
#include "colourchart.h"
#include "lettercode.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace kolvane {

struct BandCode {
    std::vector<BandColour> digits; // 2 or 3 digit bands, first to last
    BandColour multiplier = NoColour;
    BandColour tolerance = NoColour; // NoColour: no tolerance band (20 %)
    std::optional<BandColour> tfr;   // 6-band resistors only
    bool operator==(const BandCode&) const = default;
};

// The tolerance list's item `index` (0..8) as a number: "0,05%" is 0.05.
double TolerancePercent(int index);
// The reverse: the list item of a percent (0.05 is 0), nothing for a percent no item has.
std::optional<int> ToleranceIndexOfPercent(double percent);
// The TFR list's item `index` (0..7) in ppm/K; none for "none".
std::optional<int> TfrPpm(int index);

struct CodeReading {
    double value; // ohm or picofarad, the double nearest the decimal value
    double tolerancePercent;
    std::optional<int> tcrPpm; // nothing for a TFR band of "none"
};

// The forward reading, by core's colour tables and role rules: nothing when a band is
// not valid in its role, when there are not 2 or 3 digits, or when a capacitor code
// carries a TFR band (only 3-digit resistor codes have one).
std::optional<CodeReading> ReadBands(const BandCode& code, Quantity q);
// The same by either chart; ReadBands(code, q) is the program's own chart.
std::optional<CodeReading> ReadBands(const BandCode& code, Quantity q, ColourChart chart);

// Whether a reading is a believable part: a reading from the wrong end often lands far
// outside what colour-coded parts come in. Resistors up to 100 MΩ; capacitors up to
// 10 µF (colour-coded film and ceramic capacitors stay well below that).
inline constexpr double MostPlausibleResistance = 100e6;
inline constexpr double MostPlausibleCapacitance = 10e6; // picofarads
bool IsPlausible(double value, Quantity q);

// The same bands read from the other end: the printed sequence reversed, so d1 d2 m t
// reads as digits t m, multiplier d2, tolerance d1, and d1 d2 d3 m t f as digits f t m,
// multiplier d3, tolerance d2, TFR d1. A 6-band code whose TFR band is unset is printed
// with five bands and reversed as such. Offered only when
//  - the code has a tolerance band (without one, the end to start from is plain),
//  - every band is valid in its reversed role (ReadBands' rules, as the picker's),
//  - the reading is plausible (IsPlausible), and
//  - it differs from the forward reading (a symmetric code reads the same both ways).
std::optional<CodeReading> ReverseReading(const BandCode& code, Quantity q);
std::optional<CodeReading> ReverseReading(const BandCode& code, Quantity q, ColourChart chart);

// The bands as printed, first to last; unset tolerance and TFR bands are left out.
std::vector<BandColour> PrintedBands(const BandCode& code);

// The printed bands given the roles RolesOf assigns to their count (3 to 6): the way a
// code is read from its first band. Nothing for any other count.
std::optional<BandCode> CodeOfPrintedBands(std::span<const BandColour> printed);

// The band colours as printed, first to last, in lower-case English separated by one
// space; unset tolerance and TFR bands are left out.
QString ColourNames(const BandCode& code);

} // namespace kolvane
