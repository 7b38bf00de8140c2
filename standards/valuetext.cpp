// SPDX-License-Identifier: MIT
#include "valuetext.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace kolvane {
namespace {

std::optional<double> PrefixFactor(QChar c, Quantity q)
{
    if (q == Quantity::Resistance) {
        switch (c.unicode()) {
        case 'k':
        case 'K': return 1e3;
        case 'M': return 1e6;
        case 'G': return 1e9;
        case 'T': return 1e12;
        default: return std::nullopt;
        }
    }
    // Picofarads are the base unit.
    switch (c.unicode()) {
    case 'p': return 1.0;
    case 'n': return 1e3;
    case 'u':
    case 0x00B5: // micro sign
    case 0x03BC: // Greek small mu
        return 1e6;
    case 'm': return 1e9;
    default: return std::nullopt;
    }
}

// Removes a trailing unit; for capacitors the unit needs a prefix before it, since a
// bare "47F" would be 47 farads to some readers and 47 pF to others.
QStringView WithoutUnit(QStringView text, Quantity q, bool& unitRemoved)
{
    unitRemoved = false;
    if (q == Quantity::Resistance) {
        for (const QStringView unit :
             {QStringView(u"\u03A9"), QStringView(u"\u2126"), QStringView(u"ohms"), QStringView(u"ohm")}) {
            if (text.size() > unit.size() && text.endsWith(unit, Qt::CaseInsensitive)) {
                unitRemoved = true;
                return text.chopped(unit.size());
            }
        }
        return text;
    }
    if (text.size() >= 3 && text.endsWith(QLatin1Char('F')) && PrefixFactor(text[text.size() - 2], q)) {
        unitRemoved = true;
        return text.chopped(1);
    }
    return text;
}

bool IsDecimalNumber(QStringView text)
{
    int digits = 0;
    int points = 0;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else if (c == QLatin1Char('.'))
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

bool Positive(double v)
{
    return std::isfinite(v) && v > 0.0;
}

} // namespace

std::optional<double> ParseValue(QStringView text, Quantity q)
{
    if (text.isEmpty() || text.size() > 64)
        return std::nullopt;
    bool unitRemoved = false;
    const QStringView body = WithoutUnit(text, q, unitRemoved);
    if (q == Quantity::Resistance && body.contains(QLatin1Char('m')))
        return std::nullopt;

    // Number, or number and prefix.
    double factor = 1.0;
    QStringView number = body;
    if (!body.isEmpty()) {
        if (const auto f = PrefixFactor(body.back(), q)) {
            factor = *f;
            number = body.chopped(1);
        }
    }
    if (IsDecimalNumber(number)) {
        bool ok = false;
        const double v = QLocale::c().toDouble(number, &ok) * factor;
        if (ok && Positive(v))
            return v;
        return std::nullopt;
    }
    // The letter code: 4k7, R47, 470R, 2n2, 4µ7.
    if (const auto v = ParseLetterCode(body, q); v && Positive(*v))
        return v;
    return std::nullopt;
}

QString PlainNumber(double value)
{
    // Six significant digits hide the binary noise of sums and reciprocals; a value
    // this far from 1 keeps its exponent rather than a long row of zeros.
    return QString::number(value, 'g', 6);
}

namespace {

// The value in the largest step it reaches, with that step's suffix; the last step
// (factor 1) takes everything smaller.
struct ScaleStep {
    double factor;
    const char16_t* suffix;
};

QString Scaled(double value, const std::array<ScaleStep, 5>& steps)
{
    for (const ScaleStep& s : steps) {
        // Rounding to six digits may carry 999.9995 up to the next step.
        if (std::abs(value) >= s.factor * (1.0 - 5e-7) || s.factor == 1.0)
            return PlainNumber(value / s.factor) + QString::fromUtf16(s.suffix);
    }
    return {};
}

} // namespace

QString QuantityText(double value, Quantity q)
{
    static constexpr std::array<ScaleStep, 5> Ohms = {
        {{1e12, u" T\u03A9"}, {1e9, u" G\u03A9"}, {1e6, u" M\u03A9"}, {1e3, u" k\u03A9"}, {1.0, u" \u03A9"}}};
    static constexpr std::array<ScaleStep, 5> Farads = {
        {{1e12, u" F"}, {1e9, u" mF"}, {1e6, u" \u00B5F"}, {1e3, u" nF"}, {1.0, u" pF"}}};
    return Scaled(value, q == Quantity::Resistance ? Ohms : Farads);
}

QString CompactValue(double ohms)
{
    static constexpr std::array<ScaleStep, 5> Steps = {
        {{1e12, u"T"}, {1e9, u"G"}, {1e6, u"M"}, {1e3, u"k"}, {1.0, u""}}};
    return Scaled(ohms, Steps);
}

} // namespace kolvane
