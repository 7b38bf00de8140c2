// SPDX-License-Identifier: MIT
#include "seriesparallel.h"

#include "numbers.h"

namespace kolvane {
namespace {

constexpr int MaxSignificant = 8;

} // namespace

QString SumRuleText(std::int32_t first, std::int32_t second)
{
    // The fields hold at most five characters, so the sum fits 32 bits there; the
    // wider type keeps the rule defined for any caller.
    const std::int64_t sum = std::int64_t{first} + std::int64_t{second};
    return QString::number(sum) + QStringLiteral(",00");
}

std::optional<QString> ProductOverSumText(std::int32_t first, std::int32_t second, const QLocale& locale)
{
    if (first == 0 || second == 0)
        return FormatFixed2(0.0L, MaxSignificant, locale);
    const std::int64_t sum = std::int64_t{first} + std::int64_t{second};
    if (sum == 0)
        return std::nullopt;

    // The product of two 32-bit inputs is exact in 64 bits and in extended precision;
    // the formatter's decimal rounding then treats an exact tie such as 24721.975 as one.
    const long double total =
        static_cast<long double>(std::int64_t{first} * std::int64_t{second}) / static_cast<long double>(sum);
    return FormatFixed2(total, MaxSignificant, locale);
}

QString DivisionByZeroMessage()
{
    return QStringLiteral("Floating point division by zero");
}

} // namespace kolvane
