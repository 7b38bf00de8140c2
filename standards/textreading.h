// SPDX-License-Identifier: MIT
// Any text a user types or pastes to name a part, read every way it can be: a value,
// the letter code, an SMD, EIA-96 or capacitor marking, or colour names. Which kinds
// there are, the order of the readings and what counts as ambiguous are decided here
// once, for the window and the command line alike.
#pragma once

#include "bandcode.h"
#include "colourchart.h"
#include "lettercode.h"
#include "markings.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>
#include <vector>

namespace kolvane {

struct TextReading {
    ReadingKind kind = ReadingKind::Value;
    double value = 0.0;                     // ohm or picofarad
    std::optional<double> tolerancePercent; // colour codes only: what their bands say
    std::optional<int> tcrPpm;              // a 6-band code's TFR band, unless "none"
    QString text;                           // the input, without surrounding white space
    // Colour codes: the bands in the order this reading takes them, and whether that
    // is from the other end of what was typed.
    std::optional<BandCode> bands;
    bool fromOtherEnd = false;
};

// Longer input is no part's name; it is refused before any work.
inline constexpr qsizetype LongestReadableText = 200;

// Every valid reading of the text for the quantity, best first; empty when it reads
// no way.
//
// - Colour names: every word a band colour ("grey" or "gray", "violet" or "purple", any
//   case, words separated by white space, commas or hyphens), 3 to 6 of them (3 to 5
//   for capacitors), read from the first word. When the same bands also read validly
//   and plausibly from the other end (ReverseReading), that reading follows, marked
//   fromOtherEnd; when they read only from the other end, it is the one reading.
// - Anything else may read as several of: a value (ParseValue's syntax, the number
//   also in the locale's notation, "6,4k" under a comma locale, or with an exponent,
//   "4.7e3"; one space may stand between number and unit), the letter code (4K7, R47,
//   10R, 4n7; a trailing R is the letter code's, not a value's), and the markings of
//   ReadMarking. One reading per distinct value, the first of value, letter, SMD,
//   EIA-96, capacitor code keeping it. Then readings landing on an E24 value come
//   first, then those on an E48 to E192 value, then the rest, each group in that kind
//   order: "472" is 4.7 kΩ (SMD) before 472 Ω, "6400" is 6.4 kΩ before 640 Ω (SMD),
//   "10R" is 10 Ω (letter code) before 1.24 Ω (EIA-96).
//
// Readings outside LowestSeriesValue..HighestSeriesValue (1 mΩ to 10^15 Ω, 0.001 pF to
// 1000 F) name no part and are left out.
std::vector<TextReading> ReadText(QStringView text, Quantity q, const QLocale& locale);

} // namespace kolvane
