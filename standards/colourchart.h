// SPDX-License-Identifier: MIT
// The two colour charts a band code can be read by: the program's own, which the pages
// use (core's tables), and IEC 60062:2016, which precision parts follow. They share
// the digits; the newer chart adds tolerances (orange ±0.05 %, yellow ±0.02 %, grey
// ±0.01 %), temperature coefficients for every colour from black (250 ppm/K) to grey
// (1 ppm/K), and multipliers from pink (10^-3) to white (10^9) in every code.
#pragma once

#include "bandcolours.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <span>
#include <string_view>

namespace kolvane {

enum class ColourChart { Kolvane, Iec60062 };

// "kolvane" or "iec", in any case.
std::optional<ColourChart> ChartFromName(QStringView name);

// Pink, the IEC chart's multiplier of 10^-3; the program's own chart has no pink band.
inline constexpr BandColour Pink = colours::Pink;

// The one reader of a colour word, for decode, lookup, the text reader and the
// window: a band colour by its English name in any case ("violet", "pink", "none" for
// no band), as the chart knows it; "purple" and "gray" are taken too, and pink only by
// the IEC chart. Reads core's ColourWords.
std::optional<BandColour> ChartColourOfName(ColourChart chart, QStringView name);
// The name of a colour the chart knows: "violet", "pink", "none" for NoColour.
std::string_view ChartColourName(BandColour colour);

struct ToleranceBand {
    BandColour colour; // NoColour: no tolerance band
    double percent;
};
struct TcrBand {
    BandColour colour;
    int ppm;
};
// Every tolerance of the chart, smallest first, the missing band (20 %) last.
std::span<const ToleranceBand> ChartTolerances(ColourChart chart);
// Every temperature coefficient of the chart, smallest first.
std::span<const TcrBand> ChartTcrs(ColourChart chart);

// The multiplier's power of ten, and the colour of a power of ten.
std::optional<int> ChartMultiplierExponent(ColourChart chart, BandColour colour);
std::optional<BandColour> ChartMultiplierColour(ColourChart chart, int exponent);

// Whether a band in `role` may take the colour by the chart. Under the program's own
// chart this is core's RoleAccepts; a TFR band may be NoColour ("none") in both.
bool ChartAccepts(ColourChart chart, BandRole role, BandColour colour);

} // namespace kolvane
