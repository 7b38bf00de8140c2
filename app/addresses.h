// SPDX-License-Identifier: MIT
// The maker's web addresses and support mail address, shared by the Help menu and
// the About dialog so both always open the same targets.
#pragma once

namespace kolvane {

inline constexpr char HomePageAddress[] = "https://tarnwick.example/";
inline constexpr char ProductPageAddress[] = "https://tarnwick.example/kolvane/";
// Short enough that "E-mail: " and the address fit the About dialog's link label.
inline constexpr char SupportMailAddress[] = "info@tarnwick.example";

} // namespace kolvane
