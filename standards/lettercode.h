// SPDX-License-Identifier: MIT
// The IEC 60062 letter code, where the unit letter stands for the decimal point:
// R47, 3R9, 4K7, 22K, 1M0 for resistances; 2p2, 4n7, 33n, 68µ for capacitances.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace kolvane {

enum class Quantity { Resistance, Capacitance };

// Values in [LowestSeriesValue, HighestSeriesValue] (ohm or picofarad). Letters:
// R, K, M, G, T for ohms; p, n, µ (U+00B5), m, F for picofarads. At most four
// significant digits, rounded half away from zero; at least two digits are written,
// so one ohm is 1R0 and one megaohm 1M0.
std::optional<QString> LetterCode(double value, Quantity q);

// The reverse: one or more ASCII digits with exactly one unit letter among or after
// them, nothing else. Resistances take R, K, M, G, T and their lower-case forms
// except m, which would be milli and is refused. Capacitances take p, n, µ, the
// Greek μ (U+03BC), u, m and F. At most 15 digits; the value must lie in the range
// above.
std::optional<double> ParseLetterCode(QStringView code, Quantity q);

} // namespace kolvane
