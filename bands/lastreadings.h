// SPDX-License-Identifier: MIT
// What a colour-code page last read from its bands. A band that gives no digit keeps
// the digit read before, so a reading outlives the bands that made it; each page owns
// its own, so two pages or two windows never share one.
#pragma once

#include <array>
#include <cstdint>

namespace kolvane {

struct LastReading {
    std::array<std::int8_t, 3> digits{};
    long double multiplier = 0.0L; // ohms, or picofarads on the capacitor page
};

// Both pages' readings at once, as the main window reports them.
struct LastReadings {
    LastReading resistor;
    LastReading capacitor;
};

} // namespace kolvane
