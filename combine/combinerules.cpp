#include "combine/combinerules.h"

#include "app/numbers.h"

namespace kolvane {

QString SumRuleText(std::int32_t first, std::int32_t second)
{
    // The fields hold at most five characters, so the sum fits 32 bits there; the
    // wider type keeps the rule defined for any caller.
    const std::int64_t sum = std::int64_t{first} + std::int64_t{second};
    return QString::number(sum) + QStringLiteral(",00");
}

std::optional<QString> ProductOverSumText(std::int32_t first, std::int32_t second, const QLocale& locale)
{
    // Up to 8 significant digits: never fewer than two decimals for inputs the
    // fields can hold, but it bounds the text for anything larger.
    constexpr int kMaxSignificant = 8;
    if (first == 0 || second == 0)
        return FormatFixed2(0.0L, kMaxSignificant, locale);
    const std::int64_t sum = std::int64_t{first} + std::int64_t{second};
    if (sum == 0)
        return std::nullopt;
    // The 64-bit mantissa of long double holds every product of two 32-bit
    // inputs exactly, so only the division rounds.
    const long double product = static_cast<long double>(std::int64_t{first} * std::int64_t{second});
    return FormatFixed2(product / static_cast<long double>(sum), kMaxSignificant, locale);
}

QString DivisionByZeroMessage()
{
    return QStringLiteral("Floating point division by zero");
}

} // namespace kolvane
