// SPDX-License-Identifier: MIT
#include "readingdetails.h"

#include "numbers.h"

#include <array>
#include <cmath>

namespace kolvane {
namespace {

std::optional<BandColour> ToleranceBandOf(std::optional<double> percent)
{
    if (!percent)
        return std::nullopt;
    const auto index = ToleranceIndexOfPercent(*percent);
    const auto colour = index ? ToleranceColour(*index) : std::nullopt;
    if (colour && *colour != NoColour)
        return colour;
    return std::nullopt;
}

std::optional<ColourCodeDetail> ColourCodeOf(double value, int digitCount, std::optional<double> percent, Quantity q)
{
    const auto tolerance = ToleranceBandOf(percent);
    // The customary tolerance of each band count where the reading brings none.
    const BandColour assumed = digitCount == 2 ? colours::Gold : colours::Brown;
    const auto code = CodeOfValue(value, digitCount, tolerance.value_or(assumed));
    if (!code)
        return std::nullopt;
    ColourCodeDetail detail;
    detail.bands = *code;
    for (const BandColour band : PrintedBands(*code)) {
        const std::string_view name = ColourName(band);
        detail.names << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    detail.toleranceAssumed = !tolerance;
    detail.otherEnd = ReverseReading(*code, q);
    return detail;
}

} // namespace

SeriesPlace SeriesPlaceOf(double value)
{
    SeriesPlace place;
    place.members = SeriesContaining(value);
    if (place.members.empty()) {
        place.e24 = NearestInSeries(value, ESeries::E24);
        place.e96 = NearestInSeries(value, ESeries::E96);
    }
    return place;
}

std::optional<BandCode> CodeOfValue(double value, int digitCount, BandColour tolerance)
{
    auto encoded = EncodeValue(value, digitCount);
    if (!encoded || !encoded->exact || !RoleAccepts(BandRole::Tolerance, tolerance))
        return std::nullopt;
    encoded->code.tolerance = tolerance;
    return encoded->code;
}

ReadingDetails DetailsOf(const TextReading& reading, Quantity q)
{
    ReadingDetails details;
    details.value = reading.value;
    details.tolerancePercent = reading.tolerancePercent;
    if (reading.tolerancePercent)
        details.span = ShownToleranceSpan(reading.value, *reading.tolerancePercent);
    details.series = SeriesPlaceOf(reading.value);
    details.fourBands = ColourCodeOf(reading.value, 2, reading.tolerancePercent, q);
    details.fiveBands = ColourCodeOf(reading.value, 3, reading.tolerancePercent, q);
    const ExactMarkings markings = MarkingsOfValue(reading.value, q);
    details.letterCode = markings.letter;
    details.smd3 = markings.smd3;
    details.smd4 = markings.smd4;
    details.eia96 = markings.eia96;
    details.cap3 = markings.cap3;
    if (reading.bands)
        details.otherEnd = ReverseReading(*reading.bands, q);
    return details;
}

} // namespace kolvane
