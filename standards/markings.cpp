// SPDX-License-Identifier: MIT
#include "markings.h"

#include "eseries.h"
#include "numbers.h"
#include "valuetext.h"

#include <algorithm>
#include <array>

#include <cmath>

namespace kolvane {
namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int DigitValue(QChar c)
{
    return c.unicode() - '0';
}

// The power of ten that an EIA-96 letter multiplies the series value by.
std::optional<int> Eia96Exponent(QChar letter)
{
    switch (letter.toUpper().unicode()) {
    case 'Z': return -3;
    case 'Y':
    case 'R': return -2;
    case 'X':
    case 'S': return -1;
    case 'A': return 0;
    case 'B':
    case 'H': return 1;
    case 'C': return 2;
    case 'D': return 3;
    case 'E': return 4;
    case 'F': return 5;
    default: return std::nullopt;
    }
}

bool HasLetter(QStringView code)
{
    for (const QChar c : code)
        if (!IsAsciiDigit(c) && c != QLatin1Char('.'))
            return true;
    return false;
}

} // namespace

std::string_view ReadingKindId(ReadingKind kind)
{
    switch (kind) {
    case ReadingKind::Value: return "value";
    case ReadingKind::Letter: return "letter";
    case ReadingKind::Smd: return "smd";
    case ReadingKind::Eia96: return "eia96";
    case ReadingKind::Cap3: return "cap3";
    case ReadingKind::Colours: return "colours";
    }
    return {};
}

std::string_view ReadingKindName(ReadingKind kind)
{
    switch (kind) {
    case ReadingKind::Value: return "value";
    case ReadingKind::Letter: return "letter code";
    case ReadingKind::Smd: return "SMD";
    case ReadingKind::Eia96: return "EIA-96";
    case ReadingKind::Cap3: return "capacitor code";
    case ReadingKind::Colours: return "colour code";
    }
    return {};
}

std::optional<double> ReadSmdCode(QStringView code)
{
    if (code.size() != 3 && code.size() != 4)
        return std::nullopt;
    const qsizetype point = code.indexOf(QLatin1Char('R'));
    if (point >= 0) {
        // Every character but the R is a significant digit, read as the decimal text it
        // is: one division by a power of ten, so 1R14 is the double nearest 1.14 (adding
        // 14/100 to 1 would round twice and land one step above it).
        int significand = 0;
        for (qsizetype i = 0; i < code.size(); ++i) {
            if (i == point)
                continue;
            if (!IsAsciiDigit(code[i]))
                return std::nullopt;
            significand = significand * 10 + DigitValue(code[i]);
        }
        const double value = TimesPowerOfTen(significand, -static_cast<int>(code.size() - 1 - point));
        return value > 0.0 ? std::optional<double>(value) : std::nullopt;
    }
    for (const QChar c : code)
        if (!IsAsciiDigit(c))
            return std::nullopt;
    int significand = 0;
    for (qsizetype i = 0; i + 1 < code.size(); ++i)
        significand = significand * 10 + DigitValue(code[i]);
    const double value = TimesPowerOfTen(significand, DigitValue(code.back()));
    // 000 and 0000 are zero-ohm links, not resistances.
    return value > 0.0 ? std::optional<double>(value) : std::nullopt;
}

std::optional<double> ReadEia96Code(QStringView code)
{
    if (code.size() != 3 || !IsAsciiDigit(code[0]) || !IsAsciiDigit(code[1]))
        return std::nullopt;
    const int index = DigitValue(code[0]) * 10 + DigitValue(code[1]);
    const std::span<const int> mantissas = SeriesMantissas(ESeries::E96);
    if (index < 1 || static_cast<std::size_t>(index) > mantissas.size())
        return std::nullopt;
    const auto exponent = Eia96Exponent(code[2]);
    if (!exponent)
        return std::nullopt;
    return TimesPowerOfTen(mantissas[static_cast<std::size_t>(index - 1)], *exponent);
}

std::optional<double> ReadCapacitorCode(QStringView code)
{
    if (code.size() != 3)
        return std::nullopt;
    for (const QChar c : code)
        if (!IsAsciiDigit(c))
            return std::nullopt;
    const int significand = DigitValue(code[0]) * 10 + DigitValue(code[1]);
    const int power = DigitValue(code[2]);
    // 6 and 7 would name tens of microfarads, which a 3-digit part never carries, but
    // they follow the rule and are read; 8 and 9 are the two small multipliers.
    const int exponent = power == 8 ? -2 : power == 9 ? -1 : power;
    const double value = TimesPowerOfTen(significand, exponent);
    return value > 0.0 ? std::optional<double>(value) : std::nullopt;
}

std::optional<double> ToleranceOfLetter(QChar letter)
{
    switch (letter.unicode()) {
    case 'B': return 0.1;
    case 'C': return 0.25;
    case 'D': return 0.5;
    case 'F': return 1.0;
    case 'G': return 2.0;
    case 'J': return 5.0;
    case 'K': return 10.0;
    case 'M': return 20.0;
    default: return std::nullopt;
    }
}

QString WithoutFormatCharacters(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    // Marks and joiners only: an override or isolate changes how the text shows, so
    // text holding one reads as nothing rather than as what it does not show.
    static constexpr std::array<char16_t, 9> Invisible = {u'\u00ad', u'\u061c', u'\u200b', u'\u200c', u'\u200d',
                                                          u'\u200e', u'\u200f', u'\u2060', u'\ufeff'};
    for (const QChar c : text)
        if (std::find(Invisible.begin(), Invisible.end(), c.unicode()) == Invisible.end())
            kept += c;
    return kept;
}

std::vector<MarkingReading> ReadMarking(QStringView text, Quantity q)
{
    const QString code = WithoutFormatCharacters(text);
    std::vector<MarkingReading> readings;
    const auto add = [&readings](ReadingKind kind, std::optional<double> value, std::optional<double> tolerance) {
        if (!value || !std::isfinite(*value) || *value <= 0.0)
            return;
        for (const MarkingReading& r : readings)
            if (std::abs(r.value - *value) <= 1e-9 * *value)
                return;
        readings.push_back({kind, *value, tolerance});
    };
    const auto tolerance = code.size() >= 2 ? ToleranceOfLetter(code.back()) : std::nullopt;
    if (tolerance) {
        const QStringView body = QStringView(code).chopped(1);
        const bool capacitor = q == Quantity::Capacitance;
        if (HasLetter(body)) {
            if (!capacitor || code.back() != QLatin1Char('F'))
                add(ReadingKind::Letter, ParseLetterCode(body, q), tolerance);
        } else if (capacitor && body.size() == 3) {
            add(ReadingKind::Cap3, ReadCapacitorCode(body), tolerance);
        } else if (capacitor && std::all_of(body.begin(), body.end(), IsAsciiDigit)) {
            add(ReadingKind::Value, ParseValue(body, q), tolerance);
        }
    }
    // Plain digits are no letter code: "472" is a marking, not 472 Ω.
    if (HasLetter(code))
        add(ReadingKind::Letter, ParseLetterCode(code, q), std::nullopt);
    if (q == Quantity::Resistance) {
        add(ReadingKind::Smd, ReadSmdCode(code), std::nullopt);
        add(ReadingKind::Eia96, ReadEia96Code(code), std::nullopt);
    } else {
        add(ReadingKind::Cap3, ReadCapacitorCode(code), std::nullopt);
    }
    return readings;
}

} // namespace kolvane
