#include "combine/combinerules.h"

#include "app/numbers.h"

#include <algorithm>
#include <cstdlib>

namespace kolvane {
namespace {

constexpr int kMaxSignificant = 8;

std::int64_t Pow10(int exponent)
{
    std::int64_t p = 1;
    while (exponent-- > 0)
        p *= 10;
    return p;
}

int DecimalDigits(std::int64_t value)
{
    int digits = 0;
    for (; value > 0; value /= 10)
        ++digits;
    return digits;
}

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
        return FormatFixed2(0.0L, kMaxSignificant, locale);
    const std::int64_t sum = std::int64_t{first} + std::int64_t{second};
    if (sum == 0)
        return std::nullopt;

    // The total is a fraction of two integers, so it is rounded exactly here rather
    // than from a binary quotient: 99999 and 32841 give exactly 24721.975, which no
    // binary value holds, and that tie must still round away from zero to 24721.98.
    const bool negativeProduct = (first < 0) != (second < 0);
    const bool negative = negativeProduct != (sum < 0);
    const std::int64_t n = std::llabs(std::int64_t{first} * std::int64_t{second});
    const std::int64_t s = std::llabs(sum);
    const std::int64_t whole = n / s;
    const std::int64_t remainder = n % s;

    // Two decimals, or fewer where 8 significant digits keep fewer; from 11 integer
    // digits on, whole digits are rounded away.
    const int decimals = std::min(2, kMaxSignificant - DecimalDigits(whole));
    long double rounded = 0;
    if (decimals >= 0) {
        // remainder < s < 2^33, so the scaled remainder stays far inside 64 bits.
        const std::int64_t scale = Pow10(decimals);
        const std::int64_t scaledRemainder = remainder * scale;
        std::int64_t units = whole * scale + scaledRemainder / s;
        if (2 * (scaledRemainder % s) >= s)
            ++units;
        rounded = static_cast<long double>(units) / static_cast<long double>(scale);
    } else {
        // Whole digits go: the dropped part is at least half exactly when its
        // integer digits are, since the fraction only adds to it.
        const std::int64_t step = Pow10(-decimals);
        std::int64_t units = whole / step;
        if (whole % step >= step / 2)
            ++units;
        rounded = static_cast<long double>(units) * static_cast<long double>(step);
    }
    // The rounded value has at most two decimals, which the formatter reproduces.
    return FormatFixed2(negative ? -rounded : rounded, kMaxSignificant, locale);
}

QString DivisionByZeroMessage()
{
    return QStringLiteral("Floating point division by zero");
}

} // namespace kolvane
