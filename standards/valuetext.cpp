// SPDX-License-Identifier: MIT
#include "valuetext.h"

#include "eseries.h"

#include <QLocale>

#include <algorithm>
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

// The power of ten of a letter-code letter ("4k7", "R47", "2n2", "4F7").
std::optional<int> LetterExponent(QChar c, Quantity q)
{
    if (q == Quantity::Resistance && (c == QLatin1Char('R') || c == QLatin1Char('r')))
        return 0;
    if (q == Quantity::Resistance && (c == QLatin1Char('g') || c == QLatin1Char('t')))
        return c == QLatin1Char('g') ? 9 : 12;
    if (q == Quantity::Capacitance && c == QLatin1Char('F'))
        return 12;
    if (const auto f = PrefixFactor(c, q))
        return static_cast<int>(std::lround(std::log10(*f)));
    return std::nullopt;
}

bool IsPrefixLetter(QChar c, Quantity q)
{
    return PrefixFactor(c, q).has_value();
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Removes a trailing unit. A capacitor's F needs a prefix or prefix letter before it:
// "47F" would be 47 farads to some readers, 47 pF at ±1 % to others. Nothing when the
// unit is there but cannot be taken.
std::optional<QStringView> WithoutUnit(QStringView text, Quantity q)
{
    if (q == Quantity::Resistance) {
        for (const QStringView unit :
             {QStringView(u"\u03A9"), QStringView(u"\u2126"), QStringView(u"ohms"), QStringView(u"ohm")}) {
            if (text.size() > unit.size() && text.endsWith(unit, Qt::CaseInsensitive))
                return text.chopped(unit.size());
        }
        return text;
    }
    if (text.size() >= 2 && text.endsWith(QLatin1Char('F'))) {
        const QStringView body = text.chopped(1);
        if (!std::any_of(body.begin(), body.end(), [q](QChar c) { return IsPrefixLetter(c, q); }))
            return std::nullopt;
        return body;
    }
    return text;
}

// A decimal number with an optional exponent, as its digits: "4.70e3" is digits
// "470", exponent 3. Nothing for anything else.
std::optional<WrittenValue> DecimalDigits(QStringView text)
{
    QStringView mantissa = text;
    int exponent = 0;
    const qsizetype e = text.indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive);
    if (e >= 0) {
        QStringView power = text.mid(e + 1);
        mantissa = text.left(e);
        bool negative = false;
        if (!power.isEmpty() && (power.front() == QLatin1Char('+') || power.front() == QLatin1Char('-'))) {
            negative = power.front() == QLatin1Char('-');
            power = power.mid(1);
        }
        if (power.isEmpty() || power.size() > 4 || !std::all_of(power.begin(), power.end(), IsDigit))
            return std::nullopt;
        exponent = power.toInt() * (negative ? -1 : 1);
    }
    WrittenValue w;
    int points = 0;
    int wholeDigits = 0;
    for (const QChar c : mantissa) {
        if (c == QLatin1Char('.')) {
            ++points;
        } else if (IsDigit(c)) {
            if (points == 0)
                ++wholeDigits;
            w.digits += c;
        } else {
            return std::nullopt;
        }
    }
    if (w.digits.isEmpty() || points > 1)
        return std::nullopt;
    w.exponent = exponent + wholeDigits - 1;
    while (w.digits.startsWith(QLatin1Char('0'))) {
        w.digits.remove(0, 1);
        --w.exponent;
    }
    return w;
}

// The double nearest d1.d2d3… × 10^exponent, rounded once.
double ValueOfDigits(const WrittenValue& w)
{
    if (w.digits.isEmpty())
        return 0.0;
    const QString text =
        w.digits.left(1) + QLatin1Char('.') + w.digits.mid(1) + QLatin1Char('e') + QString::number(w.exponent);
    return QLocale::c().toDouble(text);
}

bool Positive(double v)
{
    return std::isfinite(v) && v > 0.0;
}

// Letter-code digits: the letter stands for the point and sets the power of ten.
std::optional<WrittenValue> LetterCodeDigits(QStringView body, Quantity q)
{
    const auto letter = std::find_if_not(body.begin(), body.end(), IsDigit);
    if (letter == body.end())
        return std::nullopt;
    const auto exponent = LetterExponent(*letter, q);
    if (!exponent)
        return std::nullopt;
    QString plain = body.toString();
    plain[letter - body.begin()] = QLatin1Char('.');
    auto w = DecimalDigits(plain);
    if (w)
        w->exponent += *exponent;
    return w;
}

} // namespace

std::optional<WrittenValue> ParseWrittenValue(QStringView text, Quantity q)
{
    if (text.isEmpty() || text.size() > 64)
        return std::nullopt;
    const auto withoutUnit = WithoutUnit(text, q);
    if (!withoutUnit)
        return std::nullopt;
    const QStringView body = *withoutUnit;
    if (q == Quantity::Resistance && body.contains(QLatin1Char('m')))
        return std::nullopt;

    // Number, or number and prefix.
    int prefixExponent = 0;
    QStringView number = body;
    if (!body.isEmpty()) {
        if (const auto f = PrefixFactor(body.back(), q)) {
            prefixExponent = static_cast<int>(std::lround(std::log10(*f)));
            number = body.chopped(1);
        }
    }
    if (auto w = DecimalDigits(number)) {
        w->exponent += prefixExponent;
        w->value = ValueOfDigits(*w);
        if (!Positive(w->value))
            return std::nullopt;
        return w;
    }
    // The letter code: 4k7, R47, 470R, 2n2, 4µ7. Its own reader has the last word on
    // what a letter code is; the digits come from the text as written.
    if (const auto v = ParseLetterCode(body, q); v && Positive(*v)) {
        WrittenValue w = LetterCodeDigits(body, q).value_or(WrittenValue{});
        w.value = *v;
        if (w.digits.isEmpty() || ValueOfDigits(w) != *v) {
            // Not expected; the double's own fifteen digits are then the best account.
            const QString e = QString::number(*v, 'e', 14);
            w = *DecimalDigits(e);
            w.value = *v;
        }
        return w;
    }
    return std::nullopt;
}

std::optional<double> ParseValue(QStringView text, Quantity q)
{
    if (const auto w = ParseWrittenValue(text, q))
        return w->value;
    return std::nullopt;
}

QString WhyNotAValue(QStringView text, Quantity q)
{
    if (text.size() > 1 && text.front() == QLatin1Char('-') && ParseValue(text.mid(1), q))
        return QStringLiteral("is negative: values are positive");
    if (text.size() > 1 && text.front() == QLatin1Char('-') && (IsDigit(text[1]) || text[1] == QLatin1Char('.')))
        return QStringLiteral("is negative: values are positive");
    if (q == Quantity::Resistance && text.contains(QLatin1Char('m')) && !text.endsWith(QLatin1String("ohm")) &&
        !text.endsWith(QLatin1String("ohms")))
        return QStringLiteral("has a lower-case m, which could be milli or mega: write M for mega");
    if (q == Quantity::Capacitance && text.size() >= 2 && text.endsWith(QLatin1Char('F')) && !WithoutUnit(text, q))
        return QStringLiteral("has a bare F, which could mean farads or \u00b11 %: write a prefix, as in 47pF or "
                              "4.7uF");
    return {};
}

std::optional<double> ParseNumber(QStringView text)
{
    const auto w = DecimalDigits(text);
    if (!w)
        return std::nullopt;
    const double v = ValueOfDigits(*w);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
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

QString PartRangeText(Quantity q)
{
    return QuantityText(LowestSeriesValue, q) + QStringLiteral(" to ") + QuantityText(HighestSeriesValue, q);
}

QString ToleranceText(double percent)
{
    return QStringLiteral("\u00b1") + PlainNumber(percent) + QStringLiteral(" %");
}

QString TcrText(int ppm)
{
    return QStringLiteral(", %1 ppm/K").arg(ppm);
}

} // namespace kolvane
