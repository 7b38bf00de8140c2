// SPDX-License-Identifier: MIT
// The colour code a Look up reading goes on its page with: the bands as read for a
// colour code, and for a value or marking the fewest bands that state it exactly, by
// the page's own chart.
#pragma once

#include "bandcode.h"
#include "textreading.h"

#include <QString>

#include <optional>

namespace kolvane {

struct PageCode {
    std::optional<BandCode> code;
    QString whyNot; // set when there is no code: said on the disabled button
};

// A code of 2 digits and a multiplier (4 bands with the tolerance band), or 3 digits
// (5 bands, 6 with a TFR band), that the page reads back as the reading's value.
PageCode PageCodeOf(const TextReading& reading, Quantity q);

} // namespace kolvane
