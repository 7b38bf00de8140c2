// SPDX-License-Identifier: MIT
// What crosses from a band click to the picker and back: which band is being chosen
// for (1 to 11; 0 before the first click) and the colour of the last pick.
#pragma once

#include "bandcolours.h"

#include <cstdint>

namespace kolvane {

inline std::uint8_t PickTarget = 0;
inline BandColour PickedColour = 0;

inline constexpr int PickTargetCount = 11;

} // namespace kolvane
