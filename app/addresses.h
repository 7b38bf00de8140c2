// The maker's web addresses and support mail address, shared by the Help menu and
// the About dialog so both always open the same targets.
#pragma once

namespace kolvane {

inline constexpr char HomePageAddress[] = "https://tarnwick.example/";
inline constexpr char ProductPageAddress[] = "https://tarnwick.example/kolvane/";
inline constexpr char SupportMailAddress[] = "support@tarnwick.example";

} // namespace kolvane
