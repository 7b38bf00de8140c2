// SPDX-License-Identifier: MIT
#include "resulthint.h"

#include "eseries.h"
#include "tolerance.h"

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

void AppendSeries(QString& text, double value, const CodeUnits& units, QStringView point)
{
    const auto member = SeriesContaining(value);
    if (!member.empty()) {
        text += QLatin1String("Standard value in ");
        for (std::size_t i = 0; i < member.size(); ++i) {
            if (i > 0)
                text += QLatin1String(", ");
            text += Name(member[i]);
        }
        return;
    }

    // The two series people most often choose between: the common 5 % and 1 % ranges.
    text += QLatin1String("Not a standard value; neighbours");
    QLatin1String separator(" in ");
    for (const ESeries s : {ESeries::E24, ESeries::E96}) {
        const auto n = NearestInSeries(value, s);
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

QString ResultHint(const BandCode& code, Quantity q, const CodeUnits& units, const QLocale& locale)
{
    const auto reading = ReadBands(code, q);
    if (!reading)
        return {};
    const QString point = locale.decimalPoint();
    QString text;
    text.reserve(200);
    if (const auto span = ToleranceSpan(reading->value, reading->tolerancePercent)) {
        text += QLatin1String("Tolerance ");
        AppendPercent(text, reading->tolerancePercent, point);
        text += QLatin1String(": ");
        AppendValue(text, span->low, units, point);
        text += QStringView(u" \u2026 ");
        AppendValue(text, span->high, units, point);
        text += QLatin1Char('\n');
    }
    AppendSeries(text, reading->value, units, point);
    if (const auto other = ReverseReading(code, q)) {
        text += QLatin1String("\nWarning: read from the other end: ");
        AppendValue(text, other->value, units, point);
        text += QLatin1Char(' ');
        AppendPercent(text, other->tolerancePercent, point);
        if (other->tcrPpm)
            text += QLatin1String(", ") + QString::number(*other->tcrPpm) + QLatin1String(" ppm/K");
    }
    return text;
}

QString ColourNames(const BandCode& code)
{
    std::vector<BandColour> bands = code.digits;
    bands.push_back(code.multiplier);
    if (code.tolerance != NoColour)
        bands.push_back(code.tolerance);
    if (code.tfr && *code.tfr != NoColour)
        bands.push_back(*code.tfr);
    QString names;
    for (const BandColour band : bands) {
        const std::string_view name = ColourName(band);
        if (!names.isEmpty())
            names += QLatin1Char(' ');
        names += QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
    }
    return names;
}

} // namespace kolvane
