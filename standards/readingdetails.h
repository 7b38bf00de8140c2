// SPDX-License-Identifier: MIT
// Everything the standards say about one reading of a text: its span, its place in
// the E series, and every other way the same value is written on a part.
#pragma once

#include "bandcode.h"
#include "encoding.h"
#include "eseries.h"
#include "textreading.h"
#include "tolerance.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kolvane {

// Where a value stands among the series, as the value labels' hint says it: the series
// it belongs to, or, when none, its neighbours in E24 and E96 (the common 5 % and 1 %
// ranges; either may be missing at the ends of the series' range).
struct SeriesPlace {
    std::vector<ESeries> members;
    std::optional<SeriesNeighbours> e24;
    std::optional<SeriesNeighbours> e96;
};
SeriesPlace SeriesPlaceOf(double value);

// The bands that write the value exactly with `digitCount` (2 or 3) digit bands and the
// tolerance band given (NoColour: none): nothing when the value needs more digits or a
// multiplier the band count does not accept: EncodeValue's code when it is exact.
std::optional<BandCode> CodeOfValue(double value, int digitCount, BandColour tolerance);

// A colour code the value has: its bands, their names in reading order, and what they
// read from the other end when that is valid too.
struct ColourCodeDetail {
    BandCode bands;
    QStringList names;             // "yellow", "violet", "red", "gold"
    bool toleranceAssumed = false; // the reading has no tolerance band: 5 % or 1 % shown
    std::optional<CodeReading> otherEnd;
};

struct ReadingDetails {
    double value = 0.0;
    std::optional<double> tolerancePercent;
    // The span as a page writes it (ShownToleranceSpan); only with a tolerance.
    std::optional<ValueSpan> span;
    SeriesPlace series;
    // 2 digit bands (4 bands) and 3 (5 bands); the tolerance band is the reading's, or
    // gold (5 %) and brown (1 %) where the reading has none or has 20 %, which is no band.
    std::optional<ColourCodeDetail> fourBands;
    std::optional<ColourCodeDetail> fiveBands;
    std::optional<QString> letterCode;
    // Resistors only.
    std::optional<QString> smd3;
    std::optional<QString> smd4;
    std::optional<QString> eia96;
    // Capacitors only.
    std::optional<QString> cap3;
    // A colour-code reading: what its bands read from the other end, when that is a
    // valid and plausible code too (the warning the hint gives).
    std::optional<CodeReading> otherEnd;
};

ReadingDetails DetailsOf(const TextReading& reading, Quantity q);

} // namespace kolvane
