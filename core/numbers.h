// SPDX-License-Identifier: MIT
// Whole-number parsing and the fixed two-decimal text of every computed value.
// Pure functions: the locale comes in as a parameter, never from global state.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace kolvane {

// A decimal whole number: an optional sign and ASCII digits, nothing else (no spaces,
// no hex prefix, no non-ASCII digits). Fails on overflow of the given width.
std::optional<std::int64_t> ParseInt64(QStringView text);
std::optional<std::int32_t> ParseInt32(QStringView text);

// The text of the error that a failed parse raises.
QString InvalidIntegerMessage(const QString& text);

// Typed or pasted text as a message quotes it. Text that holds a bidi control
// character is isolated (U+2068 ... U+2069), so a pasted direction mark or override
// turns only the quoted part, never the message around it; other text is kept as it is.
QString QuotedText(const QString& text);

// Fixed notation with exactly two decimals, the locale's decimal separator and no
// grouping. The value is rounded to two decimals, or to maxSignificant significant
// digits when that keeps fewer; a tie rounds away from zero.
QString FormatFixed2(long double value, int maxSignificant, const QLocale& locale);

// value × 10^exponent with one rounding: the power is exact in a double up to 10^22,
// and a negative exponent divides by it, so 47 × 10^-2 is the double nearest 0.47
// (multiplying by 0.01 would round twice and give 0.47000000000000003).
double TimesPowerOfTen(double value, int exponent);

} // namespace kolvane
