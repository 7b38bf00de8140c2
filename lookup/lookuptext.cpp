// SPDX-License-Identifier: MIT
#include "lookuptext.h"

#include "colourcode.h"
#include "readingdetails.h"
#include "valuetext.h"
#include "resulthint.h"

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

} // namespace

QString ReadingLine(const TextReading& reading, Quantity q, const QLocale& locale)
{
    QString line = Latin1(ReadingKindName(reading.kind));
    if (reading.fromOtherEnd)
        line += QStringLiteral(" read from the other end");
    line += QStringLiteral(": ") + ValueText(static_cast<float>(reading.value), UnitsOf(q), locale);
    if (reading.tolerancePercent)
        line += QLatin1Char(' ') + PercentText(*reading.tolerancePercent, locale);
    if (reading.tcrPpm)
        line += TcrText(*reading.tcrPpm);
    return line;
}

QStringList DetailLines(const TextReading& reading, Quantity q, const QLocale& locale)
{
    const ReadingDetails d = DetailsOf(reading, q);
    const CodeUnits& units = UnitsOf(q);
    QStringList lines;
    const auto add = [&lines](const QString& line) {
        if (!line.isEmpty())
            lines << line;
    };
    add(QStringLiteral("Value: ") + ValueText(static_cast<float>(d.value), units, locale));
    if (d.tolerancePercent)
        add(ToleranceLine(d.value, *d.tolerancePercent, units, locale));
    add(SeriesLine(d.value, units, locale));
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
