// SPDX-License-Identifier: MIT
// decode, encode and marking: colour codes and printed markings.
#include "arguments.h"
#include "commands.h"

#include "bandcode.h"
#include "bandcolours.h"
#include "colourchart.h"
#include "encoding.h"
#include "eseries.h"
#include "markings.h"
#include "numbers.h"
#include "textreading.h"
#include "tolerance.h"
#include "valuetext.h"

#include <QJsonArray>
#include <QLocale>

#include <optional>
#include <vector>

namespace kolvane {
namespace {

// "the first digit", "the multiplier", "the TFR": core's name of the role as it reads
// inside a sentence; a name written in capitals stays so.
QString RoleText(BandRole role, int position)
{
    QString name = FromView(RoleName(role, position));
    if (name.size() > 1 && !name[1].isUpper())
        name[0] = name[0].toLower();
    return QStringLiteral("the ") + name;
}

QString NumberList(const QStringList& numbers)
{
    return numbers.join(QLatin1Char(' '));
}

// The tolerance band of --tolerance, by the chart; NoColour for 20 %, which has none.
BandColour ToleranceBandOf(const QString& token, ColourChart chart)
{
    const auto percent = PercentOf(token);
    QStringList known;
    for (const ToleranceBand& t : ChartTolerances(chart)) {
        if (percent && SameNumber(*percent, t.percent))
            return t.colour;
        known << PlainNumber(t.percent);
    }
    Refuse(QStringLiteral("%1 is not a tolerance of the colour code (%2)").arg(Quoted(token), NumberList(known)));
}

BandColour TcrBandOf(const QString& token, ColourChart chart)
{
    const auto ppm = ParseNumber(token);
    QStringList known;
    for (const TcrBand& t : ChartTcrs(chart)) {
        if (ppm && *ppm == t.ppm)
            return t.colour;
        known << QString::number(t.ppm);
    }
    Refuse(QStringLiteral("%1 is not a TFR of the colour code (%2)").arg(Quoted(token), NumberList(known)));
}

QJsonObject ReadingJson(const CodeReading& r, Quantity q)
{
    return QJsonObject{{QStringLiteral("value"), r.value},
                       {QStringLiteral("unit"), UnitName(q)},
                       {QStringLiteral("tolerance"), r.tolerancePercent}};
}

} // namespace

Answer commands::Decode(const Options& o)
{
    const Quantity q = QuantityOf(o);
    const ColourChart chart = ChartOf(o);
    const QStringList names = o.positional();
    const qsizetype most = q == Quantity::Resistance ? 6 : 5;
    if (names.size() < 3)
        Refuse(QStringLiteral("'decode' needs at least 3 bands, got %1").arg(names.size()));
    if (names.size() > most)
        Refuse(QStringLiteral("%1 is one band too many: a %2 code has at most %3 bands")
                   .arg(Quoted(names[most]), PartName(q))
                   .arg(most));

    const std::span<const BandRole> roles = RolesOf(static_cast<int>(names.size()));
    std::vector<BandColour> bands;
    for (std::size_t i = 0; i < roles.size(); ++i) {
        const QString& name = names[static_cast<qsizetype>(i)];
        const auto colour = ChartColourOfName(chart, name);
        if (!colour)
            Refuse(QStringLiteral("%1 is not a band colour").arg(Quoted(name)));
        if (!ChartAccepts(chart, roles[i], *colour))
            Refuse(QStringLiteral("%1 cannot be %2").arg(Quoted(name), RoleText(roles[i], static_cast<int>(i))));
        bands.push_back(*colour);
    }

    const BandCode code = *CodeOfPrintedBands(bands);

    const auto reading = ReadBands(code, q, chart);
    if (!reading)
        Refuse(QStringLiteral("%1 is not a valid code").arg(Quoted(names.join(QLatin1Char(' ')))));
    const auto span = ToleranceSpan(reading->value, reading->tolerancePercent);
    const double low = span ? span->low : reading->value;
    const double high = span ? span->high : reading->value;
    // A 3-band code has no tolerance band to lead from the other end.
    const std::optional<CodeReading> reversed = ReverseReading(code, q, chart);

    Answer a;
    a.json = ReadingJson(*reading, q);
    a.json[QStringLiteral("min")] = low;
    a.json[QStringLiteral("max")] = high;
    a.json[QStringLiteral("tcr")] = reading->tcrPpm ? QJsonValue(*reading->tcrPpm) : QJsonValue(QJsonValue::Null);
    a.json[QStringLiteral("series")] = SeriesNames(reading->value);
    a.json[QStringLiteral("reversed")] = reversed ? QJsonValue(ReadingJson(*reversed, q)) : QJsonValue();

    a.text = QuantityText(reading->value, q) + QLatin1Char(' ') + ToleranceText(reading->tolerancePercent);
    if (reading->tcrPpm)
        a.text += TcrText(*reading->tcrPpm);
    a.text += QStringLiteral(" (%1 \u2026 %2), ").arg(QuantityText(low, q), QuantityText(high, q));
    a.text += SeriesText(reading->value);
    if (reversed)
        a.text += QStringLiteral("; read from the other end: %1 %2")
                      .arg(QuantityText(reversed->value, q), ToleranceText(reversed->tolerancePercent));
    return a;
}

namespace {

// The digits as written: cutting a double's digits would first round
// 4.699999999999999 to 4.7. Sixteen digits are as many as doubles tell apart; a text
// of seventeen or more is a double printed in full (0.14999999999999999 is how a
// program prints 0.15) and stands for that double's shortest form.
WrittenValue WrittenDigits(const QString& token, double value, Quantity q)
{
    WrittenValue written = *ParseWrittenValue(token, q);
    if (written.digits.size() >= 17)
        written = *ParseWrittenValue(QString::number(value, 'g', QLocale::FloatingPointShortest), q);
    return written;
}

int DigitCountOf(const Options& o)
{
    if (!o.has(QStringLiteral("digits")))
        return 2;
    const QString d = o.single(QStringLiteral("digits"));
    if (d != QLatin1String("2") && d != QLatin1String("3"))
        Refuse(QStringLiteral("%1 is not a digit count (2 or 3)").arg(Quoted(d)));
    return d.toInt();
}

// The TFR band of --tcr, after the checks that the code can carry one.
std::optional<BandColour> TfrBandOf(const Options& o, Quantity q, int digitCount, ColourChart chart)
{
    if (!o.has(QStringLiteral("tcr")))
        return std::nullopt;
    const BandColour tfr = TcrBandOf(o.single(QStringLiteral("tcr")), chart);
    if (q == Quantity::Capacitance)
        Refuse(QStringLiteral("'--tcr' is for resistors only: a capacitor code has no TFR band"));
    if (digitCount != 3)
        Refuse(QStringLiteral("'--tcr' needs '--digits 3': the TFR band is the sixth of six"));
    // 20 % counts: its band is "none", which a 6-band code shows as such.
    if (!o.has(QStringLiteral("tolerance")))
        Refuse(QStringLiteral("'--tcr' needs '--tolerance': a 6-band code has a tolerance band"));
    return tfr;
}

} // namespace

Answer commands::Encode(const Options& o)
{
    const Quantity q = QuantityOf(o);
    const ColourChart chart = ChartOf(o);
    const QString token = OnlyPositional(o, QStringLiteral("a value"));
    const double value = ValueOf(token, q);
    const WrittenValue written = WrittenDigits(token, value, q);
    const int digitCount = DigitCountOf(o);
    const bool withTolerance = o.has(QStringLiteral("tolerance"));
    const BandColour tolerance =
        withTolerance ? ToleranceBandOf(o.single(QStringLiteral("tolerance")), chart) : NoColour;
    const std::optional<BandColour> tfr = TfrBandOf(o, q, digitCount, chart);

    auto encoded = EncodeDigits(written.digits, written.exponent, digitCount, chart);
    const EncodableRange range = EncodableValues(digitCount, chart);
    // Cut down to the largest code, the bands would understate the value: refused.
    if (!encoded || (encoded->value == range.high && !encoded->exact)) {
        Refuse(QStringLiteral("%1 is outside what %2 digit bands can show (%3 to %4)")
                   .arg(Quoted(token))
                   .arg(digitCount)
                   .arg(QuantityText(range.low, q), QuantityText(range.high, q)));
    }
    encoded->code.tolerance = tolerance;
    encoded->code.tfr = tfr;
    std::vector<BandColour> bands = PrintedBands(encoded->code);
    // A three-digit code keeps its tolerance band even at 20 %: without it the four
    // bands would be read as two digits, a multiplier and a tolerance.
    if (tolerance == NoColour && digitCount == 3)
        bands.insert(bands.begin() + digitCount + 1, NoColour);

    QJsonArray names;
    QStringList words;
    for (const BandColour b : bands) {
        const QString name = FromView(ChartColourName(b));
        names.append(name);
        words << name;
    }
    Answer a;
    a.json[QStringLiteral("bands")] = names;
    a.json[QStringLiteral("value")] = encoded->value;
    a.json[QStringLiteral("unit")] = UnitName(q);
    a.json[QStringLiteral("exact")] = encoded->exact;
    a.text = words.join(QLatin1Char(' ')) + QStringLiteral(" = ") + QuantityText(encoded->value, q);
    if (!encoded->exact)
        a.text += QStringLiteral(" (digits beyond the code cut from %1)").arg(QuantityText(value, q));
    return a;
}

Answer commands::Marking(const Options& o)
{
    const Quantity q = QuantityOf(o);
    const QString code = OnlyPositional(o, QStringLiteral("a marking"));
    const std::vector<MarkingReading> readings = ReadMarking(code, q);
    if (readings.empty())
        Refuse(QStringLiteral("%1 is not a %2 marking").arg(Quoted(code), PartName(q)));
    Answer a;
    QJsonArray list;
    QStringList lines;
    for (const MarkingReading& r : readings) {
        const QString kind = FromView(ReadingKindId(r.kind));
        QJsonObject reading{
            {QStringLiteral("kind"), kind}, {QStringLiteral("value"), r.value}, {QStringLiteral("unit"), UnitName(q)}};
        QString line = QuantityText(r.value, q);
        if (r.tolerancePercent) {
            reading[QStringLiteral("tolerance")] = *r.tolerancePercent;
            line += QLatin1Char(' ') + ToleranceText(*r.tolerancePercent);
        }
        list.append(reading);
        lines << QStringLiteral("%1 (%2)").arg(line, kind);
    }
    a.json[QStringLiteral("readings")] = list;
    a.text = lines.join(QLatin1Char('\n'));
    return a;
}

Answer commands::Lookup(const Options& o)
{
    const Quantity q = QuantityOf(o);
    // The words are one text, so colour names need no quotes.
    const QString text = o.positional().join(QLatin1Char(' '));
    if (text.trimmed().isEmpty())
        Refuse(QStringLiteral("'lookup' needs a value, a marking or colour names"));
    // The command line writes numbers with a point in every locale.
    const std::vector<TextReading> readings = ReadText(text, q, QLocale::c());
    if (readings.empty()) {
        // A value the range leaves out is named as such, not as no value at all.
        if (const auto v = ParseValue(text.trimmed(), q); v && (*v < LowestSeriesValue || *v > HighestSeriesValue))
            Refuse(QStringLiteral("%1 is outside the values of a %2 (%3)")
                       .arg(Quoted(text), PartName(q), PartRangeText(q)));
        Refuse(QStringLiteral("%1 is no value, marking or colour code of a %2").arg(Quoted(text), PartName(q)));
    }
    Answer a;
    QJsonArray list;
    QStringList lines;
    for (const TextReading& r : readings) {
        list.append(QJsonObject{{QStringLiteral("kind"), FromView(ReadingKindId(r.kind))},
                                {QStringLiteral("value"), r.value},
                                {QStringLiteral("unit"), UnitName(q)},
                                {QStringLiteral("tolerance"),
                                 r.tolerancePercent ? QJsonValue(*r.tolerancePercent) : QJsonValue(QJsonValue::Null)},
                                {QStringLiteral("text"), r.text}});
        QString line = QuantityText(r.value, q);
        if (r.tolerancePercent)
            line += QLatin1Char(' ') + ToleranceText(*r.tolerancePercent);
        QString kind = FromView(ReadingKindName(r.kind));
        if (r.fromOtherEnd)
            kind += QStringLiteral(", read from the other end");
        lines << QStringLiteral("%1 (%2)").arg(line, kind);
    }
    a.json[QStringLiteral("readings")] = list;
    a.text = lines.join(QLatin1Char('\n'));
    return a;
}

} // namespace kolvane
