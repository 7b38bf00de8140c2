// SPDX-License-Identifier: MIT
// Values as people type and read them: "4.7k", "4k7", "100nF", and back to "4.7 kΩ".
// The text is the same in every locale: a point, never a comma.
#pragma once

#include "lettercode.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace kolvane {

// A positive finite value in the base unit (ohm, or picofarad for capacitors), from a
// decimal number (with an optional exponent: 4.7e3, 1E6) with an optional SI prefix and
// unit, or from the letter code. For resistors k and K are kilo, M mega, G giga, T tera
// and a lower-case m is refused (milli or mega are both plausible slips); for
// capacitors p, n, u or µ, m, and a number alone is in picofarads. A capacitor's unit F
// follows a prefix or a prefix letter (47pF, 4.7uF, 4n7F); after a bare number (47F) it
// is refused, since F is also the letter of ±1 % and 47 farads is rarely meant.
std::optional<double> ParseValue(QStringView text, Quantity q);

// A value as it was written: its significant digits, without leading zeros, and the
// power of ten of the first one, so value = d1.d2d3… × 10^exponent. "0.2900" is digits
// "2900", exponent -1; "4k7" is "47", 3. Nothing where ParseValue gives nothing.
struct WrittenValue {
    QString digits;
    int exponent = 0;
    double value = 0.0; // ParseValue's answer
};
std::optional<WrittenValue> ParseWrittenValue(QStringView text, Quantity q);

// Why a text that ParseValue refuses is no value, where a common slip explains it (a
// resistor's lower-case m, a capacitor's bare F, a minus sign), as a clause to follow
// the quoted text ("is negative: values are positive"); empty otherwise.
QString WhyNotAValue(QStringView text, Quantity q);

// A plain decimal number as tolerances and temperature coefficients are written:
// digits with at most one point and an optional exponent ("50", "0.05", "50.0", "5e0"),
// no sign, no group separator, the same in every locale.
std::optional<double> ParseNumber(QStringView text);

// A number with up to six significant digits and no trailing zeros: "4.7", "0.047".
QString PlainNumber(double value);

// "4.7 kΩ", "120 Ω", "100 nF", "4.7 pF".
QString QuantityText(double value, Quantity q);

// The short form used inside a combination: "4.7k", "10k", "470", "1M".
QString CompactValue(double ohms);

// The domain's wording, written once for every answer that states it.
// The range of values that name a part: "0.001 Ω to 1000 TΩ", "0.001 pF to 1000 F".
QString PartRangeText(Quantity q);
// A tolerance: "±5 %", "±0.25 %".
QString ToleranceText(double percent);
// A temperature coefficient as it follows a tolerance: ", 50 ppm/K".
QString TcrText(int ppm);

} // namespace kolvane
