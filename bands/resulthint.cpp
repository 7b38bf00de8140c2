// SPDX-License-Identifier: MIT
#include "resulthint.h"

#include "readingdetails.h"
#include "tolerance.h"
#include "valuetext.h"

#include <cmath>

namespace kolvane {
namespace {

// The hint is rewritten on every click and pick, so it is built in one string.
void AppendValue(QString& text, double value, const CodeUnits& units, QStringView point)
{
    AppendValueText(text, static_cast<float>(value), units, point);
}

QLatin1String Name(ESeries s)
{
    return QLatin1String(SeriesName(s).data(), static_cast<qsizetype>(SeriesName(s).size()));
}

// "±0,25%" under a comma locale: the same separator as the values beside it. The
// tolerances are whole hundredths of a percent.
void AppendPercent(QString& text, double percent, QStringView point)
{
    const auto hundredths = std::llround(percent * 100.0);
    text += QChar(u'\u00b1') + QString::number(hundredths / 100);
    if (const auto cents = hundredths % 100; cents != 0) {
        text += point;
        text += QLatin1Char(static_cast<char>('0' + cents / 10));
        if (cents % 10 != 0)
            text += QLatin1Char(static_cast<char>('0' + cents % 10));
    }
    text += QLatin1Char('%');
}

void AppendSeries(QString& text, const SeriesPlace& place, const CodeUnits& units, QStringView point)
{
    if (!place.members.empty()) {
        text += QLatin1String("Standard value in ");
        for (std::size_t i = 0; i < place.members.size(); ++i) {
            if (i > 0)
                text += QLatin1String(", ");
            text += Name(place.members[i]);
        }
        return;
    }

    text += QLatin1String("Not a standard value; neighbours");
    QLatin1String separator(" in ");
    for (const auto& [s, n] : {std::pair{ESeries::E24, place.e24}, std::pair{ESeries::E96, place.e96}}) {
        if (!n)
            continue;
        text += separator + Name(s) + QLatin1String(": ");
        AppendValue(text, n->below, units, point);
        text += QLatin1String(" and ");
        AppendValue(text, n->above, units, point);
        separator = QLatin1String("; in ");
    }
}

} // namespace

QString ToleranceLine(double value, double percent, const CodeUnits& units, const QLocale& locale)
{
    const auto span = ShownToleranceSpan(value, percent);
    return span ? ToleranceLine(*span, percent, units, locale) : QString();
}

QString ToleranceLine(const ValueSpan& span, double percent, const CodeUnits& units, const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    QString text = QLatin1String("Tolerance ");
    AppendPercent(text, percent, point);
    text += QLatin1String(": ");
    AppendValue(text, span.low, units, point);
    text += QStringView(u" \u2026 ");
    AppendValue(text, span.high, units, point);
    return text;
}

QString SeriesLine(double value, const CodeUnits& units, const QLocale& locale)
{
    return SeriesLine(SeriesPlaceOf(value), units, locale);
}

QString SeriesLine(const SeriesPlace& place, const CodeUnits& units, const QLocale& locale)
{
    QString text;
    AppendSeries(text, place, units, locale.decimalPoint());
    return text;
}

QString OtherEndLine(const CodeReading& other, const CodeUnits& units, const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    QString text = QLatin1String("Warning: read from the other end: ");
    AppendValue(text, other.value, units, point);
    text += QLatin1Char(' ');
    AppendPercent(text, other.tolerancePercent, point);
    if (other.tcrPpm)
        text += TcrText(*other.tcrPpm);
    return text;
}

QString PercentText(double percent, const QLocale& locale)
{
    QString text;
    AppendPercent(text, percent, locale.decimalPoint());
    return text;
}

QString ResultHint(const BandCode& code, Quantity q, const CodeUnits& units, const QLocale& locale)
{
    const auto reading = ReadBands(code, q);
    if (!reading)
        return {};
    // The hint is rewritten on every click and pick: its lines are joined in one string.
    QString text;
    text.reserve(200);
    if (const QString tolerance = ToleranceLine(reading->value, reading->tolerancePercent, units, locale);
        !tolerance.isEmpty())
        text += tolerance + QLatin1Char('\n');
    text += SeriesLine(reading->value, units, locale);
    if (const auto other = ReverseReading(code, q))
        text += QLatin1Char('\n') + OtherEndLine(*other, units, locale);
    return text;
}

} // namespace kolvane
