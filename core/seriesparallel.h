// SPDX-License-Identifier: MIT
// The two rules of the series and parallel calculators, as the texts the result
// fields show. Pure functions: the locale comes in as a parameter.
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace kolvane {

// Resistors in series and capacitors in parallel: the plain sum, always written
// with the literal ",00" whatever the locale's decimal separator.
QString SumRuleText(std::int32_t first, std::int32_t second);

// Resistors in parallel and capacitors in series: first × second / (first + second)
// in extended precision, two decimals with the locale's separator, ties away from
// zero. A zero input gives 0 without dividing. Nothing when the two inputs are
// nonzero and add up to zero (only reachable with a pasted sign).
std::optional<QString> ProductOverSumText(std::int32_t first, std::int32_t second, const QLocale& locale);

// The error a failed product-over-sum division raises.
QString DivisionByZeroMessage();

} // namespace kolvane
