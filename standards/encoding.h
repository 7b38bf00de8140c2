// SPDX-License-Identifier: MIT
// Writing a value onto a part: its colour bands, with whether they state it exactly,
// and the printed markings that state it exactly. The pages, the Look up details, the
// command line and the labels all write codes through these functions, so a code is
// cut, checked and named by one rule. The reverse, reading printed bands by position,
// is CodeOfPrintedBands (bandcode.h).
#pragma once

#include "bandcode.h"
#include "colourchart.h"
#include "lettercode.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace kolvane {

// The digit and multiplier bands of a value; tolerance and TFR are left unset.
struct EncodedBands {
    BandCode code;
    double value = 0.0; // what the bands read: the value with digits beyond the code cut
    bool exact = false; // the bands read the value itself
};

// The bands of value = d1.d2d3… × 10^exponent, written with `digitCount` (2 or 3) digit
// bands by the chart. Digits beyond the code are cut, never rounded, as the pages cut
// them: 999 000 000 in two digit bands is 990 MΩ, not exact. Nothing when `digits` is
// not one or more ASCII digits led by a non-zero one, or when the multiplier the code
// needs is none the chart gives that band count.
std::optional<EncodedBands> EncodeDigits(QStringView digits, int exponent, int digitCount, ColourChart chart);

// The same for a double, by its shortest decimal form: 4.7 is "47", 10^0, never the
// digits of the double just below 4.7.
std::optional<EncodedBands> EncodeValue(double value, int digitCount, ColourChart chart = ColourChart::Kolvane);

// The smallest and the largest value `digitCount` digit bands can show by the chart
// (10 mΩ to 990 MΩ with two digits by the program's own chart).
struct EncodableRange {
    double low = 0.0;
    double high = 0.0;
};
EncodableRange EncodableValues(int digitCount, ColourChart chart = ColourChart::Kolvane);

// The markings that write the value exactly, as the markings' readers read them back;
// a marking that would round the value is absent. Resistors: the letter code, SMD with
// 3 characters (472, 4R7, R47) and 4 (4701, 10R0, R100), EIA-96 (01C) for three-digit
// E96 values. Capacitors: the letter code and the 3-digit code (104, 479).
std::optional<QString> ExactLetterCode(double value, Quantity q);
std::optional<QString> SmdCode(double ohms, int length);
std::optional<QString> Eia96Code(double ohms);
std::optional<QString> CapacitorCode(double picofarads);

struct ExactMarkings {
    std::optional<QString> letter;
    std::optional<QString> smd3;
    std::optional<QString> smd4;
    std::optional<QString> eia96;
    std::optional<QString> cap3;
};
ExactMarkings MarkingsOfValue(double value, Quantity q);

} // namespace kolvane
