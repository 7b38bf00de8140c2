// SPDX-License-Identifier: MIT
// The colour-code colours and what each means as digit, multiplier, tolerance and TFR.
// This is the only place that knows the colour values; pages go through these lookups.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kolvane {

// A band's fill colour, laid out 0x00BBGGRR (low byte red).
using BandColour = std::uint32_t;

namespace colours {
inline constexpr BandColour Black = 0x000000;
inline constexpr BandColour Brown = 0x004080;
inline constexpr BandColour Red = 0x1A1AFF;
inline constexpr BandColour Orange = 0x0080FF;
inline constexpr BandColour Yellow = 0x15FFFF;
inline constexpr BandColour Green = 0x008C00;
inline constexpr BandColour Blue = 0xFF1A1A;
inline constexpr BandColour Violet = 0xAA00AA;
inline constexpr BandColour Grey = 0x787878;
inline constexpr BandColour White = 0xFFFFFF;
inline constexpr BandColour Gold = 0x72B8B8;
inline constexpr BandColour Silver = 0xC5C5C5;
// The IEC chart's multiplier of 10^-3; the program's own chart has no pink band.
inline constexpr BandColour Pink = 0xCBC0FF;
} // namespace colours

// Cream: the fill of a band that is not set.
inline constexpr BandColour NoColour = 0xE6F8FF;

inline constexpr int ToleranceItemCount = 9;
inline constexpr int TfrItemCount = 8;
inline constexpr std::array<std::string_view, ToleranceItemCount> ToleranceItems = {
    "0,05%", "0,1%", "0,25%", "0,5%", "1%", "2%", "5%", "10%", "20%"};
inline constexpr std::array<std::string_view, TfrItemCount> TfrItems = {"1",  "5",  "10",  "15",
                                                                        "25", "50", "100", "none"};

// The role a band plays; which colours it accepts depends on it.
enum class BandRole {
    FirstDigit,
    Digit,            // second or third significant digit
    MultiplierOfFour, // third band of a 4-band code
    MultiplierOfMore, // fourth band of a 5- or 6-band code
    Tolerance,
    Tfr,
};

std::optional<int> DigitOfColour(BandColour colour, bool firstDigit);
std::optional<long double> MultiplierOfColour(BandColour colour);
BandColour ColourOfDigit(int digit);       // digit 0..9
BandColour MultiplierColour(int exponent); // exponent -2..9
std::optional<int> ToleranceIndexOfColour(BandColour colour);
std::optional<BandColour> ToleranceColour(int index); // none outside 0..8
std::optional<int> TfrIndexOfColour(BandColour colour);
std::optional<BandColour> TfrColour(int index); // none outside 0..7

bool RoleAccepts(BandRole role, BandColour colour);

// The roles of a code's bands in reading order, for 3 to 6 bands; empty for any other
// count. Three bands are two digits and a multiplier with no tolerance band, as a
// 4-band code reads when its tolerance band is missing.
std::span<const BandRole> RolesOf(int bandCount);

// What a band in `role` is called where it is named alone: "First digit", "Second
// digit", "Third digit", "Multiplier", "Tolerance", "TFR". `position` is the band's
// place in reading order, which tells the digits apart.
std::string_view RoleName(BandRole role, int position);

// The one table of colour words: every band colour's English name, then the other
// spellings people use ("gray", "purple"), then "pink" (a band of the IEC chart only)
// and "none" (no band, NoColour). Readers of colour words go through
// ChartColourOfName (standards), which reads this table.
struct ColourWord {
    std::string_view word;
    BandColour colour;
};
std::span<const ColourWord> ColourWords();

// The English name of a colour ("violet", "not set"), or an empty view for a value
// that is no band colour of the program's own chart.
std::string_view ColourName(BandColour colour);

// Conversions to and from Qt's 0xAARRGGBB layout, for painting and reading fills.
constexpr std::uint32_t ToArgb(BandColour c)
{
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
constexpr BandColour FromArgb(std::uint32_t argb)
{
    return ((argb >> 16) & 0xFFu) | (argb & 0xFF00u) | ((argb & 0xFFu) << 16);
}

} // namespace kolvane
