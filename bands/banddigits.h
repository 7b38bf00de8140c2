// SPDX-License-Identifier: MIT
// The digits that the two colour-code pages last read from their bands: cells 0 to 2
// belong to the resistor page, 3 to 5 to the capacitor page. They outlive a reading
// because a band that gives no digit keeps the digit read before.
#pragma once

#include <array>
#include <cstdint>

namespace kolvane {

inline std::array<std::int8_t, 6> BandDigits{};

} // namespace kolvane
