// SPDX-License-Identifier: MIT
// decode, encode and marking: colour codes and printed markings.
#include "arguments.h"
#include "commands.h"

#include "bandcode.h"
#include "bandcolours.h"
#include "markings.h"
#include "numbers.h"
#include "tolerance.h"
#include "valuetext.h"

#include <QJsonArray>

#include <optional>
#include <vector>

namespace kolvane {
namespace {

std::optional<BandColour> ColourOfName(QString name)
{
    name = name.toLower();
    if (name == QLatin1String("none"))
        return NoColour;
    if (name == QLatin1String("purple"))
        name = QStringLiteral("violet");
    else if (name == QLatin1String("gray"))
        name = QStringLiteral("grey");
    std::vector<BandColour> all;
    for (int d = 0; d <= 9; ++d)
        all.push_back(ColourOfDigit(d));
    all.push_back(MultiplierColour(-1));
    all.push_back(MultiplierColour(-2));
    for (const BandColour c : all)
        if (FromView(ColourName(c)) == name)
            return c;
    return std::nullopt;
}

// "the first digit", "the multiplier", "the TFR": core's name of the role as it reads
// inside a sentence; a name written in capitals stays so.
QString RoleText(BandRole role, int position)
{
    QString name = FromView(RoleName(role, position));
    if (name.size() > 1 && !name[1].isUpper())
        name[0] = name[0].toLower();
    return QStringLiteral("the ") + name;
}

struct Significand {
    std::vector<int> digits; // every significant digit, most significant first
    int exponent = 0;        // value = 0.d1d2d3... × 10^(exponent + 1)
};

// Fifteen significant digits: the decimal text the value was typed as, without the
// binary noise (4.7 is 4.70000000000000018 as a double, 0.29 is 0.28999...).
Significand DecimalDigits(double value)
{
    const QString text = QString::number(value, 'e', 14); // d.dddddddddddddde±XX
    Significand s;
    for (const QChar c : text.section(QLatin1Char('e'), 0, 0))
        if (c.isDigit())
            s.digits.push_back(c.unicode() - '0');
    s.exponent = text.section(QLatin1Char('e'), 1).toInt();
    return s;
}

} // namespace

Answer Decode(const Options& o)
{
    const Quantity q = QuantityOf(o);
    const QStringList names = o.positional();
    const std::size_t most = q == Quantity::Resistance ? 6 : 5;
    if (names.size() < 3)
        Refuse(QStringLiteral("'decode' needs at least 3 bands, got %1").arg(names.size()));
    if (static_cast<std::size_t>(names.size()) > most)
        Refuse(QStringLiteral("%1 is one band too many: a %2 code has at most %3 bands")
                   .arg(Quoted(names[static_cast<qsizetype>(most)]), PartName(q))
                   .arg(most));

    const std::span<const BandRole> roles = RolesOf(static_cast<int>(names.size()));
    std::vector<BandColour> bands;
    for (std::size_t i = 0; i < roles.size(); ++i) {
        const QString& name = names[static_cast<qsizetype>(i)];
        const auto colour = ColourOfName(name);
        if (!colour)
            Refuse(QStringLiteral("%1 is not a band colour").arg(Quoted(name)));
        if (!RoleAccepts(roles[i], *colour))
            Refuse(QStringLiteral("%1 cannot be %2").arg(Quoted(name), RoleText(roles[i], static_cast<int>(i))));
        bands.push_back(*colour);
    }

    BandCode code;
    const std::size_t digitCount = bands.size() >= 5 ? 3 : 2;
    code.digits.assign(bands.begin(), bands.begin() + static_cast<std::ptrdiff_t>(digitCount));
    code.multiplier = bands[digitCount];
    if (bands.size() > digitCount + 1)
        code.tolerance = bands[digitCount + 1];
    if (bands.size() == 6)
        code.tfr = bands[5];

    const auto reading = ReadBands(code, q);
    if (!reading)
        Refuse(QStringLiteral("%1 is not a valid code").arg(Quoted(names.join(QLatin1Char(' ')))));
    const auto span = ToleranceSpan(reading->value, reading->tolerancePercent);
    const double low = span ? span->low : reading->value;
    const double high = span ? span->high : reading->value;
    // A 3-band code has no tolerance band to lead from the other end.
    const std::optional<CodeReading> reversed = ReverseReading(code, q);

    Answer a;
    a.json[QStringLiteral("value")] = reading->value;
    a.json[QStringLiteral("unit")] = UnitName(q);
    a.json[QStringLiteral("tolerance")] = reading->tolerancePercent;
    a.json[QStringLiteral("min")] = low;
    a.json[QStringLiteral("max")] = high;
    a.json[QStringLiteral("tcr")] = reading->tcrPpm ? QJsonValue(*reading->tcrPpm) : QJsonValue(QJsonValue::Null);
    a.json[QStringLiteral("series")] = SeriesNames(reading->value);
    if (reversed) {
        a.json[QStringLiteral("reversed")] = QJsonObject{{QStringLiteral("value"), reversed->value},
                                                         {QStringLiteral("tolerance"), reversed->tolerancePercent}};
    } else {
        a.json[QStringLiteral("reversed")] = QJsonValue(QJsonValue::Null);
    }

    a.text = QuantityText(reading->value, q) + QLatin1Char(' ') + ToleranceText(reading->tolerancePercent);
    if (reading->tcrPpm)
        a.text += QStringLiteral(", %1 ppm/K").arg(*reading->tcrPpm);
    a.text += QStringLiteral(" (%1 \u2026 %2), ").arg(QuantityText(low, q), QuantityText(high, q));
    a.text += SeriesText(reading->value);
    if (reversed)
        a.text += QStringLiteral("; read from the other end: %1 %2")
                      .arg(QuantityText(reversed->value, q), ToleranceText(reversed->tolerancePercent));
    return a;
}

Answer Encode(const Options& o)
{
    const Quantity q = QuantityOf(o);
    const QString token = OnlyPositional(o, QStringLiteral("a value"));
    const double value = ValueOf(token, q);

    int digitCount = 2;
    if (o.has(QStringLiteral("digits"))) {
        const QString d = o.single(QStringLiteral("digits"));
        if (d != QLatin1String("2") && d != QLatin1String("3"))
            Refuse(QStringLiteral("%1 is not a digit count (2 or 3)").arg(Quoted(d)));
        digitCount = d.toInt();
    }

    BandColour tolerance = NoColour;
    if (o.has(QStringLiteral("tolerance"))) {
        const QString t = o.single(QStringLiteral("tolerance"));
        const auto percent = PercentOf(t);
        std::optional<BandColour> colour;
        for (std::size_t i = 0; percent && i < ToleranceItems.size(); ++i)
            if (SameNumber(*percent, TolerancePercent(static_cast<int>(i))))
                colour = ToleranceColour(static_cast<int>(i));
        if (!colour)
            Refuse(QStringLiteral("%1 is not a tolerance of the colour code (0.05 0.1 0.25 0.5 1 2 5 10 20)")
                       .arg(Quoted(t)));
        tolerance = *colour;
    }

    std::optional<BandColour> tfr;
    if (o.has(QStringLiteral("tcr"))) {
        const QString t = o.single(QStringLiteral("tcr"));
        for (std::size_t i = 0; i < TfrItems.size(); ++i)
            if (TfrColour(static_cast<int>(i)) != NoColour && t == FromView(TfrItems[i]))
                tfr = TfrColour(static_cast<int>(i));
        if (!tfr)
            Refuse(QStringLiteral("%1 is not a TFR of the colour code (1 5 10 15 25 50 100)").arg(Quoted(t)));
        if (q == Quantity::Capacitance)
            Refuse(QStringLiteral("'--tcr' is for resistors only: a capacitor code has no TFR band"));
        if (digitCount != 3)
            Refuse(QStringLiteral("'--tcr' needs '--digits 3': the TFR band is the sixth of six"));
        if (tolerance == NoColour)
            Refuse(QStringLiteral("'--tcr' needs '--tolerance': a 6-band code has a tolerance band"));
    }

    // The multiplier colours this band count accepts, from its role.
    const BandRole multiplierRole = digitCount == 2 ? BandRole::MultiplierOfFour : BandRole::MultiplierOfMore;
    int lowest = 99;
    int highest = -99;
    for (int k = -2; k <= 9; ++k) {
        if (RoleAccepts(multiplierRole, MultiplierColour(k))) {
            lowest = std::min(lowest, k);
            highest = std::max(highest, k);
        }
    }
    const double largestSignificand = digitCount == 2 ? 99.0 : 999.0;
    const double smallest = TimesPowerOfTen(digitCount == 2 ? 10.0 : 100.0, lowest);
    const double largest = TimesPowerOfTen(largestSignificand, highest);

    const Significand s = DecimalDigits(value);
    const int exponent = s.exponent + 1 - digitCount;
    if (exponent < lowest || exponent > highest || value > largest * (1.0 + 1e-12))
        Refuse(QStringLiteral("%1 is outside what %2 digit bands can show (%3 to %4)")
                   .arg(Quoted(token))
                   .arg(digitCount)
                   .arg(QuantityText(smallest, q), QuantityText(largest, q)));

    // Digits beyond the code are cut, never rounded, as the pages cut them.
    int significand = 0;
    bool exact = true;
    std::vector<BandColour> bands;
    for (std::size_t i = 0; i < s.digits.size(); ++i) {
        if (i < static_cast<std::size_t>(digitCount)) {
            significand = significand * 10 + s.digits[i];
            bands.push_back(ColourOfDigit(s.digits[i]));
        } else if (s.digits[i] != 0) {
            exact = false;
        }
    }
    bands.push_back(MultiplierColour(exponent));
    // A three-digit code keeps its tolerance band even at 20 %: without it the four
    // bands would be read as two digits, a multiplier and a tolerance.
    if (tolerance != NoColour || digitCount == 3)
        bands.push_back(tolerance);
    if (tfr)
        bands.push_back(*tfr);
    const double encoded = TimesPowerOfTen(significand, exponent);

    QJsonArray names;
    QStringList words;
    for (const BandColour b : bands) {
        const QString name = b == NoColour ? QStringLiteral("none") : FromView(ColourName(b));
        names.append(name);
        words << name;
    }
    Answer a;
    a.json[QStringLiteral("bands")] = names;
    a.json[QStringLiteral("value")] = encoded;
    a.json[QStringLiteral("exact")] = exact;
    a.text = words.join(QLatin1Char(' ')) + QStringLiteral(" = ") + QuantityText(encoded, q);
    if (!exact)
        a.text += QStringLiteral(" (digits beyond the code cut from %1)").arg(QuantityText(value, q));
    return a;
}

Answer Marking(const Options& o)
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
        const QString kind = FromView(MarkingKindName(r.kind));
        list.append(QJsonObject{{QStringLiteral("kind"), kind}, {QStringLiteral("value"), r.value}});
        lines << QStringLiteral("%1 (%2)").arg(QuantityText(r.value, q), kind);
    }
    a.json[QStringLiteral("readings")] = list;
    a.text = lines.join(QLatin1Char('\n'));
    return a;
}

} // namespace kolvane
