// SPDX-License-Identifier: MIT
#include "colourchart.h"

#include "bandcode.h"

#include <QString>

#include <algorithm>
#include <array>
#include <vector>

namespace kolvane {
namespace {

using namespace colours;

// IEC 60062:2016, table 1 as published. Where published charts differ, violet is
// ±0.1 % (B) and grey ±0.01 % (L): the chart that gives orange ±0.05 % (W) leaves grey
// the next finer step; the older reading of grey as ±0.05 % is the program's own chart.
constexpr std::array<ToleranceBand, 11> IecTolerances = {{{Grey, 0.01},
                                                          {Yellow, 0.02},
                                                          {Orange, 0.05},
                                                          {Violet, 0.1},
                                                          {Blue, 0.25},
                                                          {Green, 0.5},
                                                          {Brown, 1.0},
                                                          {Red, 2.0},
                                                          {Gold, 5.0},
                                                          {Silver, 10.0},
                                                          {NoColour, 20.0}}};
constexpr std::array<TcrBand, 9> IecTcrs = {{{Grey, 1},
                                             {Violet, 5},
                                             {Blue, 10},
                                             {Orange, 15},
                                             {Green, 20},
                                             {Yellow, 25},
                                             {Red, 50},
                                             {Brown, 100},
                                             {Black, 250}}};

// The program's own chart, from core's lists.
const std::vector<ToleranceBand>& OwnTolerances()
{
    static const std::vector<ToleranceBand> table = [] {
        std::vector<ToleranceBand> t;
        t.reserve(ToleranceItemCount);
        for (int i = 0; i < ToleranceItemCount; ++i)
            t.push_back({*ToleranceColour(i), TolerancePercent(i)});
        return t;
    }();
    return table;
}

const std::vector<TcrBand>& OwnTcrs()
{
    static const std::vector<TcrBand> table = [] {
        std::vector<TcrBand> t;
        for (int i = 0; i < TfrItemCount; ++i)
            if (const auto ppm = TfrPpm(i))
                t.push_back({*TfrColour(i), *ppm});
        return t;
    }();
    return table;
}

} // namespace

std::optional<ColourChart> ChartFromName(QStringView name)
{
    if (name.compare(QLatin1String("kolvane"), Qt::CaseInsensitive) == 0)
        return ColourChart::Kolvane;
    if (name.compare(QLatin1String("iec"), Qt::CaseInsensitive) == 0)
        return ColourChart::Iec60062;
    return std::nullopt;
}

std::optional<BandColour> ChartColourOfName(ColourChart chart, QStringView name)
{
    // The longest word is six letters: anything longer is no colour.
    if (name.size() > 6)
        return std::nullopt;
    for (const ColourWord& w : ColourWords()) {
        if (name.compare(QLatin1String(w.word.data(), static_cast<qsizetype>(w.word.size())), Qt::CaseInsensitive) != 0)
            continue;
        if (w.colour == colours::Pink && chart != ColourChart::Iec60062)
            return std::nullopt;
        return w.colour;
    }
    return std::nullopt;
}

std::string_view ChartColourName(BandColour colour)
{
    if (colour == NoColour)
        return "none";
    if (colour == colours::Pink)
        return "pink";
    return ColourName(colour);
}

std::span<const ToleranceBand> ChartTolerances(ColourChart chart)
{
    if (chart == ColourChart::Iec60062)
        return IecTolerances;
    return OwnTolerances();
}

std::span<const TcrBand> ChartTcrs(ColourChart chart)
{
    if (chart == ColourChart::Iec60062)
        return IecTcrs;
    return OwnTcrs();
}

std::optional<int> ChartMultiplierExponent(ColourChart chart, BandColour colour)
{
    if (chart == ColourChart::Iec60062 && colour == colours::Pink)
        return -3;
    for (int e = -2; e <= 9; ++e)
        if (MultiplierColour(e) == colour)
            return e;
    return std::nullopt;
}

std::optional<BandColour> ChartMultiplierColour(ColourChart chart, int exponent)
{
    if (chart == ColourChart::Iec60062 && exponent == -3)
        return colours::Pink;
    if (exponent < -2 || exponent > 9)
        return std::nullopt;
    return MultiplierColour(exponent);
}

bool ChartAccepts(ColourChart chart, BandRole role, BandColour colour)
{
    if (chart == ColourChart::Kolvane)
        return RoleAccepts(role, colour);
    switch (role) {
    case BandRole::FirstDigit:
    case BandRole::Digit: return RoleAccepts(role, colour);
    case BandRole::MultiplierOfFour:
    case BandRole::MultiplierOfMore: return ChartMultiplierExponent(chart, colour).has_value();
    case BandRole::Tolerance:
        return std::any_of(IecTolerances.begin(), IecTolerances.end(),
                           [colour](const ToleranceBand& b) { return b.colour == colour; });
    case BandRole::Tfr:
        return colour == NoColour ||
               std::any_of(IecTcrs.begin(), IecTcrs.end(), [colour](const TcrBand& b) { return b.colour == colour; });
    }
    return false;
}

} // namespace kolvane
