// SPDX-License-Identifier: MIT
#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace kolvane {
namespace {

template <typename Int>
std::optional<Int> ParseSigned(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // Accumulate towards the negative side so that the minimum value parses too.
    Int value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const Int digit = static_cast<Int>(c - u'0');
        if (value < (std::numeric_limits<Int>::min() + digit) / 10)
            return std::nullopt;
        value = static_cast<Int>(value * 10 - digit);
    }
    if (!negative) {
        if (value == std::numeric_limits<Int>::min())
            return std::nullopt;
        value = static_cast<Int>(-value);
    }
    return value;
}

// Rounds a plain decimal digit string "ddd.ddd" at the given number of fraction
// digits, half away from zero (the caller handles the sign).
std::string RoundDecimal(const std::string& digits, int fractionDigits)
{
    const auto point = digits.find('.');
    std::string intPart = digits.substr(0, point);
    std::string frac = point == std::string::npos ? std::string() : digits.substr(point + 1);
    if (static_cast<int>(frac.size()) < fractionDigits)
        frac.append(static_cast<std::size_t>(fractionDigits) - frac.size(), '0');
    const bool roundUp =
        static_cast<int>(frac.size()) > fractionDigits && frac[static_cast<std::size_t>(fractionDigits)] >= '5';
    std::string kept = intPart + frac.substr(0, static_cast<std::size_t>(fractionDigits));
    if (roundUp) {
        int k = static_cast<int>(kept.size()) - 1;
        while (k >= 0 && kept[static_cast<std::size_t>(k)] == '9') {
            kept[static_cast<std::size_t>(k)] = '0';
            --k;
        }
        if (k < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[static_cast<std::size_t>(k)];
    }
    const std::size_t intLen = kept.size() - static_cast<std::size_t>(fractionDigits);
    std::string result = kept.substr(0, intLen);
    if (fractionDigits > 0) {
        result += '.';
        result.append(kept, intLen, std::string::npos);
    }
    return result;
}

// The value's decimal form with the 18 significant digits that extended precision
// carries, written out plainly ("24721.9750000000000"). Rounding works on this form,
// so a quotient whose exact value is a decimal tie that binary cannot hold, such as
// 99999 x 32841 / 132840 = 24721.975, still rounds as the tie it is.
std::string ExtendedDecimal(long double magnitude)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", magnitude);
    const std::string text = buffer;
    const auto e = text.find('e');
    const std::string mantissa = text.substr(0, 1) + text.substr(2, e - 2); // 18 digits
    const int exponent = std::stoi(text.substr(e + 1));
    const int count = static_cast<int>(mantissa.size());
    if (exponent >= count - 1)
        return mantissa + std::string(static_cast<std::size_t>(exponent - count + 1), '0');
    if (exponent >= 0)
        return mantissa.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
               mantissa.substr(static_cast<std::size_t>(exponent) + 1);
    return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
}

} // namespace

std::optional<std::int64_t> ParseInt64(QStringView text)
{
    return ParseSigned<std::int64_t>(text);
}

std::optional<std::int32_t> ParseInt32(QStringView text)
{
    return ParseSigned<std::int32_t>(text);
}

QString QuotedText(const QString& text)
{
    const auto isBidiControl = [](QChar c) {
        const char16_t u = c.unicode();
        return u == 0x200E || u == 0x200F || u == 0x061C || (u >= 0x202A && u <= 0x202E) ||
               (u >= 0x2066 && u <= 0x2069);
    };
    if (!std::any_of(text.cbegin(), text.cend(), isBidiControl))
        return text;
    return QChar(0x2068) + text + QChar(0x2069);
}

QString InvalidIntegerMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(QuotedText(text));
}

QString FormatFixed2(long double value, int maxSignificant, const QLocale& locale)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    const bool negative = std::signbit(value);
    const std::string digits = ExtendedDecimal(std::fabs(value));

    // Fewer significant digits than two decimals would keep: round there first.
    const auto point = digits.find('.');
    const std::string intPart = digits.substr(0, point);
    int intDigits = intPart == "0" ? 0 : static_cast<int>(intPart.size());
    int fraction = 2;
    if (intDigits > 0 && intDigits + 2 > maxSignificant)
        fraction = maxSignificant - intDigits;
    std::string rounded;
    if (fraction >= 0) {
        rounded = RoundDecimal(digits, fraction);
    } else {
        // Round away whole digits: shift, round at the point, shift back.
        const int drop = -fraction;
        std::string shifted = intPart.substr(0, intPart.size() - static_cast<std::size_t>(drop)) + "." +
                              intPart.substr(intPart.size() - static_cast<std::size_t>(drop));
        if (shifted.front() == '.')
            shifted.insert(shifted.begin(), '0');
        rounded = RoundDecimal(shifted, 0);
        rounded.append(static_cast<std::size_t>(drop), '0');
    }
    // Always two decimals in the text, whatever precision the rounding kept.
    auto dot = rounded.find('.');
    if (dot == std::string::npos) {
        rounded += ".";
        dot = rounded.size() - 1;
    }
    const std::size_t have = rounded.size() - dot - 1;
    if (have < 2)
        rounded.append(2 - have, '0');

    const bool zero = rounded.find_first_not_of("0.") == std::string::npos;
    QString text = QString::fromLatin1(rounded.c_str());
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    if (negative && !zero)
        text.prepend(QLatin1Char('-'));
    return text;
}

double TimesPowerOfTen(double value, int exponent)
{
    double power = 1.0;
    for (int i = 0; i < std::abs(exponent); ++i)
        power *= 10.0;
    return exponent < 0 ? value / power : value * power;
}

} // namespace kolvane
