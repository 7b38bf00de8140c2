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
// decimal number with an optional SI prefix and unit, or from the letter code. For
// resistors k and K are kilo, M mega, G giga, T tera and a lower-case m is refused (milli or
// mega are both plausible slips); for capacitors p, n, u or µ, m, and a number alone
// is in picofarads.
std::optional<double> ParseValue(QStringView text, Quantity q);

// A number with up to six significant digits and no trailing zeros: "4.7", "0.047".
QString PlainNumber(double value);

// "4.7 kΩ", "120 Ω", "100 nF", "4.7 pF".
QString QuantityText(double value, Quantity q);

// The short form used inside a combination: "4.7k", "10k", "470", "1M".
QString CompactValue(double ohms);

} // namespace kolvane
