// SPDX-License-Identifier: MIT
// Readings of the short markings printed on parts too small for colour bands: the
// letter code, SMD resistor codes, EIA-96 and the capacitor 3-digit code. A marking
// can be read more than one way ("10R"), so the reader lists every valid reading.
#pragma once

#include "lettercode.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>
#include <vector>

namespace kolvane {

// The one set of kinds for markings and every other reading of a text: a marking is
// a letter code, SMD, EIA-96 or capacitor code; a text may also be a value or colour
// names.
enum class ReadingKind { Value, Letter, Smd, Eia96, Cap3, Colours };

// Stable short ids for machine-readable answers: "value", "letter", "smd", "eia96",
// "cap3", "colours".
std::string_view ReadingKindId(ReadingKind kind);
// What a person calls the kind: "value", "letter code", "SMD", "EIA-96", "capacitor
// code", "colour code".
std::string_view ReadingKindName(ReadingKind kind);

struct MarkingReading {
    ReadingKind kind;
    double value;                           // ohm or picofarad
    std::optional<double> tolerancePercent; // a tolerance letter after the code
};

// The IEC 60062 tolerance letters printed after a code: B ±0.1 %, C ±0.25 %, D ±0.5 %,
// F ±1 %, G ±2 %, J ±5 %, K ±10 %, M ±20 %; nothing for any other character.
std::optional<double> ToleranceOfLetter(QChar letter);

// The text without the characters nobody sees and nobody means in a marking: the
// direction marks, zero-width spaces and joiners, word joiner, byte-order mark and
// soft hyphen that pasted text carries. Overrides and isolates stay, and the text then
// reads as nothing. Messages quote the text as typed, where they are made visible.
QString WithoutFormatCharacters(QStringView text);

// SMD resistor codes: three digits (two significant digits and the power of ten, 472)
// or four (three and the power, 1002); an R in place of one digit is the decimal point
// (4R7, R100, 10R0) and then every other character is a significant digit.
std::optional<double> ReadSmdCode(QStringView code);

// EIA-96: two digits 01 to 96 naming the E96 mantissa, then the multiplier letter.
std::optional<double> ReadEia96Code(QStringView code);

// Capacitors: two significant digits and a third that is the power of ten in pF, where
// 8 and 9 stand for 0.01 and 0.1 (104 = 100 nF, 479 = 4.7 pF).
std::optional<double> ReadCapacitorCode(QStringView code);

// Every reading of the marking for the quantity, one per distinct value; the first
// kind to give a value keeps it. First the readings with a tolerance letter after the
// code: a letter code (4K7J, 4n7K), a capacitor code (104K) or a capacitor's bare
// number of picofarads (47F: 47 pF ±1 %, before the 47 F that the same text says as a
// letter code); a resistor's bare number keeps its K and M as units (47K). An F after
// a capacitor's letter code is its unit (4n7F). Then the code itself, in the order
// letter, smd, eia96 (resistors) or letter, cap3 (capacitors). Format characters are
// ignored.
std::vector<MarkingReading> ReadMarking(QStringView code, Quantity q);

} // namespace kolvane
