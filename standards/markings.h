// SPDX-License-Identifier: MIT
// Readings of the short markings printed on parts too small for colour bands: the
// letter code, SMD resistor codes, EIA-96 and the capacitor 3-digit code. A marking
// can be read more than one way ("10R"), so the reader lists every valid reading.
#pragma once

#include "lettercode.h"

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
    double value; // ohm or picofarad
};

// SMD resistor codes: three digits (two significant digits and the power of ten, 472)
// or four (three and the power, 1002); an R in place of one digit is the decimal point
// (4R7, R100, 10R0) and then every other character is a significant digit.
std::optional<double> ReadSmdCode(QStringView code);

// EIA-96: two digits 01 to 96 naming the E96 mantissa, then the multiplier letter.
std::optional<double> ReadEia96Code(QStringView code);

// Capacitors: two significant digits and a third that is the power of ten in pF, where
// 8 and 9 stand for 0.01 and 0.1 (104 = 100 nF, 479 = 4.7 pF).
std::optional<double> ReadCapacitorCode(QStringView code);

// Every reading of the marking for the quantity, one per distinct value, in the order
// letter, smd, eia96 (resistors) or letter, cap3 (capacitors); the first kind to give
// a value keeps it.
std::vector<MarkingReading> ReadMarking(QStringView code, Quantity q);

} // namespace kolvane
