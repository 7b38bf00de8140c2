#include "resulthint.h"

#include "eseries.h"
#include "tolerance.h"

namespace kolvane {
namespace {

QString Value(double value, const CodeUnits& units, const QLocale& locale)
{
    return ValueText(static_cast<float>(value), units, locale);
}

// "±0,25%" under a comma locale: the same separator as the values beside it.
QString Percent(double percent, const QLocale& locale)
{
    return QStringLiteral("\u00b1") + locale.toString(percent, 'g', 3) + QLatin1Char('%');
}

QString SeriesLine(double value, const CodeUnits& units, const QLocale& locale)
{
    QStringList names;
    for (const ESeries s : AllSeries)
        if (IsInSeries(value, s))
            names << QLatin1String(SeriesName(s).data(), static_cast<qsizetype>(SeriesName(s).size()));
    if (!names.isEmpty())
        return QStringLiteral("Standard value in ") + names.join(QStringLiteral(", "));

    // The two series people most often choose between: the common 5 % and 1 % ranges.
    QString line = QStringLiteral("Not a standard value; neighbours");
    QString separator = QStringLiteral(" in ");
    for (const ESeries s : {ESeries::E24, ESeries::E96}) {
        const auto n = NearestInSeries(value, s);
        if (!n)
            continue;
        line += separator + QLatin1String(SeriesName(s).data(), static_cast<qsizetype>(SeriesName(s).size())) +
                QStringLiteral(": ") + Value(n->below, units, locale) + QStringLiteral(" and ") +
                Value(n->above, units, locale);
        separator = QStringLiteral("; in ");
    }
    return line;
}

} // namespace

QString ResultHint(const BandCode& code, Quantity q, const CodeUnits& units, const QLocale& locale)
{
    const auto reading = ReadBands(code, q);
    if (!reading)
        return {};
    QStringList lines;
    if (const auto span = ToleranceSpan(reading->value, reading->tolerancePercent))
        lines << QStringLiteral("Tolerance ") + Percent(reading->tolerancePercent, locale) + QStringLiteral(": ") +
                     Value(span->low, units, locale) + QStringLiteral(" \u2026 ") + Value(span->high, units, locale);
    lines << SeriesLine(reading->value, units, locale);
    if (const auto other = ReverseReading(code, q)) {
        QString warning = QStringLiteral("Warning: read from the other end: ") + Value(other->value, units, locale) +
                          QLatin1Char(' ') + Percent(other->tolerancePercent, locale);
        if (other->tcrPpm)
            warning += QStringLiteral(", %1 ppm/K").arg(*other->tcrPpm);
        lines << warning;
    }
    return lines.join(QLatin1Char('\n'));
}

QString ColourNames(const BandCode& code)
{
    std::vector<BandColour> bands = code.digits;
    bands.push_back(code.multiplier);
    if (code.tolerance != NoColour)
        bands.push_back(code.tolerance);
    if (code.tfr && *code.tfr != NoColour)
        bands.push_back(*code.tfr);
    QStringList names;
    for (const BandColour band : bands) {
        const std::string_view name = ColourName(band);
        names << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    return names.join(QLatin1Char(' '));
}

} // namespace kolvane
