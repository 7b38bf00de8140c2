// SPDX-License-Identifier: MIT
#include "pagecode.h"

#include "encoding.h"

namespace kolvane {
namespace {

const QString NoCodeOnPage = QStringLiteral("The page's colour chart has no code for this reading");
const QString TooManyDigits = QStringLiteral("A code of 4 or 5 bands cannot state this value exactly");
const QString NoToleranceBand = QStringLiteral("The page's colour chart has no band for this tolerance");

} // namespace

PageCode PageCodeOf(const TextReading& reading, Quantity q)
{
    if (reading.bands) {
        // A colour code goes on as it was read, band for band.
        const BandCode& code = *reading.bands;
        if (code.digits.size() < 2 || code.digits.size() > 3 || !ReadBands(code, q))
            return {std::nullopt, NoCodeOnPage};
        return {code, {}};
    }
    BandColour tolerance = NoColour;
    if (reading.tolerancePercent) {
        const auto item = ToleranceIndexOfPercent(*reading.tolerancePercent);
        if (!item)
            return {std::nullopt, NoToleranceBand};
        tolerance = ToleranceColour(*item).value_or(NoColour);
    }
    // Two digits where they state the value (4 bands), else three (5 bands).
    bool inRange = false; // some code comes near, if not exactly
    for (const int count : {2, 3}) {
        auto encoded = EncodeValue(reading.value, count);
        inRange = inRange || encoded.has_value();
        if (!encoded || !encoded->exact)
            continue;
        encoded->code.tolerance = tolerance;
        if (ReadBands(encoded->code, q))
            return {encoded->code, {}};
    }
    return {std::nullopt, inRange ? TooManyDigits : NoCodeOnPage};
}

} // namespace kolvane
