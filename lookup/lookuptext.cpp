// SPDX-License-Identifier: MIT
#include "lookuptext.h"

#include "colourcode.h"
#include "readingdetails.h"
#include "valuetext.h"

#include <algorithm>
#include <cmath>
#include "resulthint.h"
#include "tolerance.h"

namespace kolvane {
namespace {

const CodeUnits& UnitsOf(Quantity q)
{
    return q == Quantity::Resistance ? ResistorUnits() : CapacitorUnits();
}

QString Latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString ColoursLine(const QString& title, const std::optional<ColourCodeDetail>& code, const QLocale& locale)
{
    if (!code)
        return {};
    QString line = title + code->names.join(QLatin1Char(' '));
    if (code->toleranceAssumed) {
        if (const auto index = ToleranceIndexOfColour(code->bands.tolerance))
            line += QStringLiteral(" (tolerance %1 assumed)").arg(PercentText(TolerancePercent(*index), locale));
    }
    return line;
}

// The value with two decimals as the pages write values, unless they would show
// another value (4701 Ω is no "4.70 KOhm", 1 mΩ no "0.00 Ohm"): then with the digits
// the value has, up to twelve significant ones, so different readings look different.
QString ReadingValueText(double value, const CodeUnits& units, const QLocale& locale)
{
    const std::size_t unit = value >= 1e6 ? 2 : value >= 1e3 ? 1 : 0;
    const double scaled = value / static_cast<double>(UnitFactors[unit]);
    if (std::abs(std::round(scaled * 100.0) / 100.0 - scaled) <= 1e-9 * scaled)
        return ValueText(static_cast<float>(value), units, locale);
    const int wholeDigits = scaled >= 1.0 ? static_cast<int>(std::floor(std::log10(scaled))) + 1 : 1;
    QString digits = QLocale::c().toString(scaled, 'f', std::max(2, 12 - wholeDigits));
    while (digits.endsWith(QLatin1Char('0')) && digits.size() - digits.indexOf(QLatin1Char('.')) > 3)
        digits.chop(1);
    digits.replace(QLatin1Char('.'), locale.decimalPoint());
    return digits + QLatin1Char(' ') + units.names[unit];
}

// The page's tolerance line, unless its two ends read the same ("4.70 KOhm … 4.70
// KOhm" for ±0.05 %): then the span's exact ends with the digits that tell them apart.
QString SpanLine(double value, const ValueSpan& shown, double percent, const CodeUnits& units, const QLocale& locale)
{
    QString paged = ToleranceLine(shown, percent, units, locale);
    const QString ends = paged.section(QStringLiteral(": "), 1);
    const auto exact = ToleranceSpan(value, percent);
    if (!exact || ends.section(QStringLiteral(" \u2026 "), 0, 0) != ends.section(QStringLiteral(" \u2026 "), 1))
        return paged;
    return paged.section(QStringLiteral(": "), 0, 0) + QStringLiteral(": ") +
           ReadingValueText(exact->low, units, locale) + QStringLiteral(" \u2026 ") +
           ReadingValueText(exact->high, units, locale);
}

} // namespace

QString ReadingLine(const TextReading& reading, Quantity q, const QLocale& locale)
{
    QString line = Latin1(ReadingKindName(reading.kind));
    if (reading.fromOtherEnd)
        line += QStringLiteral(" read from the other end");
    line += QStringLiteral(": ") + ReadingValueText(reading.value, UnitsOf(q), locale);
    if (reading.tolerancePercent)
        line += QLatin1Char(' ') + PercentText(*reading.tolerancePercent, locale);
    if (reading.tcrPpm)
        line += TcrText(*reading.tcrPpm);
    return line;
}

QStringList DetailLines(const ReadingDetails& d, Quantity q, const QLocale& locale)
{
    const CodeUnits& units = UnitsOf(q);
    QStringList lines;
    const auto add = [&lines](const QString& line) {
        if (!line.isEmpty())
            lines << line;
    };
    add(QStringLiteral("Value: ") + ReadingValueText(d.value, units, locale));
    if (d.span && d.tolerancePercent)
        add(SpanLine(d.value, *d.span, *d.tolerancePercent, units, locale));
    add(SeriesLine(d.series, units, locale));
    add(ColoursLine(QStringLiteral("4 bands: "), d.fourBands, locale));
    add(ColoursLine(QStringLiteral("5 bands: "), d.fiveBands, locale));
    if (d.letterCode)
        add(QStringLiteral("Letter code: ") + *d.letterCode);
    QStringList smd;
    for (const auto& code : {d.smd3, d.smd4})
        if (code)
            smd << *code;
    if (!smd.isEmpty())
        add(QStringLiteral("SMD: ") + smd.join(QStringLiteral(", ")));
    if (d.eia96)
        add(QStringLiteral("EIA-96: ") + *d.eia96);
    if (d.cap3)
        add(QStringLiteral("Capacitor code: ") + *d.cap3);
    if (d.otherEnd)
        add(OtherEndLine(*d.otherEnd, units, locale));
    return lines;
}

QString CombinationLine(const Combination& c, const QLocale& locale)
{
    const QString expression = CombinationExpression(
        c, [](double part) { return LetterCode(part, Quantity::Resistance).value_or(QString::number(part)); });
    const QString error = CombinationErrorText(c.error, locale);
    return QStringLiteral("%1 = %2 (%3)")
        .arg(expression, ValueText(static_cast<float>(c.value), ResistorUnits(), locale), error);
}

} // namespace kolvane
