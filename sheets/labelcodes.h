// SPDX-License-Identifier: MIT
// Everything a label writes about a value, asked of standards/ in this one file, so a
// change in how standards/ encodes values is one change here.
#pragma once

#include "bandcode.h"
#include "lettercode.h"

#include <QString>

#include <optional>

namespace kolvane {

// Each code is present only where it states the value exactly.
struct LabelCodes {
    QString value;     // "4.7 kΩ", with the decimal point asked for
    QString alternate; // capacitors: the value in the next unit up or down ("0.1 µF"), else empty
    std::optional<QString> letter;
    std::optional<BandCode> fourBands; // resistors: 2 digits, multiplier, gold
    std::optional<BandCode> fiveBands; // resistors: 3 digits, multiplier, brown
    std::optional<BandCode> capBands;  // capacitors: 2 digits and multiplier, in pF
    std::optional<QString> smd3;
    std::optional<QString> smd4;
    std::optional<QString> eia96;
    std::optional<QString> cap3;
};

// `value` in ohm or picofarad.
LabelCodes CodesOf(double value, Quantity q, QChar decimalPoint);

// The value in the unit SVG and scripts use: ohm, or farad for a capacitor in pF.
double SiValue(double value, Quantity q);

} // namespace kolvane
