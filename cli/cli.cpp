// SPDX-License-Identifier: MIT
#include "cli.h"

#include "bandcode.h"
#include "bandcolours.h"
#include "combinationfinder.h"
#include "eseries.h"
#include "markings.h"
#include "numbers.h"
#include "tolerance.h"
#include "valuetext.h"
#include "version.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace kolvane {
namespace {

const QString Program = QStringLiteral("kolvane-cli");

// Bad input ends the run at once; RunCli turns it into the one line on stderr.
struct BadInput {
    QString message;
};

[[noreturn]] void Refuse(const QString& message)
{
    throw BadInput{message};
}

QString Quoted(const QString& token)
{
    return QLatin1Char('\'') + token + QLatin1Char('\'');
}

QString FromView(std::string_view s)
{
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// ---- options --------------------------------------------------------------------

struct CommandInfo {
    const char* name;
    const char* usage;
    const char* summary;
};

constexpr std::array<CommandInfo, 7> Commands = {{
    {"decode", "decode [--capacitor] COLOUR...", "the value of a colour code, read in band order"},
    {"encode", "encode [--capacitor] [--digits 2|3] [--tolerance PCT] [--tcr PPM] VALUE",
     "the colour bands of a value"},
    {"nearest", "nearest [--series EN] VALUE", "the nearest standard value and its neighbours"},
    {"series", "series [--capacitor] VALUE[/TOL%] VALUE[/TOL%]...", "parts in series, with the spread"},
    {"parallel", "parallel [--capacitor] VALUE[/TOL%] VALUE[/TOL%]...", "parts in parallel, with the spread"},
    {"marking", "marking [--capacitor] CODE", "every reading of a letter code, SMD, EIA-96 or capacitor marking"},
    {"combine", "combine [--series EN | --stock FILE] [--parts 1|2|3] [--exclude VALUE]... [--top N] TARGET",
     "one to three resistors that come nearest a target"},
}};

QString GeneralHelp()
{
    QString text = QStringLiteral("Usage: kolvane-cli COMMAND [OPTIONS] ARGUMENTS\n"
                                  "Reads and writes resistor and capacitor colour codes and markings.\n\nCommands:\n");
    for (const CommandInfo& c : Commands)
        text += QStringLiteral("  %1  %2\n").arg(QString::fromLatin1(c.name), -9).arg(QString::fromLatin1(c.summary));
    text += QStringLiteral("\nEvery command takes --json and --help.\n"
                           "  --version  print the version\n"
                           "Values: 4700, 4.7k, 4k7, R47, 2.2M, 470R, 4.7kohm; with --capacitor 100n, 2n2, 4u7, "
                           "47p (picofarads when no prefix).\n");
    return text;
}

QString CommandHelp(const CommandInfo& c, const QCommandLineParser& parser)
{
    QString summary = QString::fromLatin1(c.summary);
    summary[0] = summary[0].toUpper();
    QString text = QStringLiteral("Usage: kolvane-cli %1\n%2.\n").arg(QString::fromLatin1(c.usage), summary);
    const QString options = parser.helpText().section(QStringLiteral("Options:\n"), 1);
    if (!options.isEmpty())
        text += QStringLiteral("\nOptions:\n") + options;
    return text;
}

// One command's options, parsed with Qt's parser; every failure becomes bad input
// that names the token.
class Options {
public:
    explicit Options(const CommandInfo& command) : m_command(command)
    {
        m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
        Add(QStringLiteral("json"), QStringLiteral("answer as JSON"));
        Add(QStringLiteral("help"), QStringLiteral("show this help"));
    }

    void Add(const QString& name, const QString& description, const QString& valueName = {})
    {
        m_parser.addOption(QCommandLineOption(name, description, valueName));
    }

    // False when --help was asked for, after writing the help to `help`.
    bool Parse(const QStringList& args, QString& help)
    {
        if (!m_parser.parse(QStringList{Program} + args)) {
            const QStringList unknown = m_parser.unknownOptionNames();
            if (!unknown.isEmpty()) {
                const QString& name = unknown.first();
                Refuse(QStringLiteral("%1 is not an option of '%2'")
                           .arg(Quoted((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name),
                                QString::fromLatin1(m_command.name)));
            }
            QString text = m_parser.errorText();
            if (text.endsWith(QLatin1Char('.')))
                text.chop(1);
            Refuse(text);
        }
        if (m_parser.isSet(QStringLiteral("help"))) {
            help = CommandHelp(m_command, m_parser);
            return false;
        }
        return true;
    }

    bool Has(const QString& name) const { return m_parser.isSet(name); }
    QString Value(const QString& name) const { return m_parser.value(name); }
    QStringList Values(const QString& name) const { return m_parser.values(name); }
    QStringList Positional() const { return m_parser.positionalArguments(); }
    bool Json() const { return Has(QStringLiteral("json")); }

    // The option may be given once at most: a second value would silently win.
    QString Single(const QString& name) const
    {
        const QStringList values = Values(name);
        if (values.size() > 1)
            Refuse(QStringLiteral("%1 is given more than once").arg(Quoted(QStringLiteral("--") + name)));
        return values.isEmpty() ? QString() : values.first();
    }

    const CommandInfo& Command() const { return m_command; }

private:
    const CommandInfo& m_command;
    QCommandLineParser m_parser;
};

// ---- shared readings ------------------------------------------------------------

Quantity QuantityOf(const Options& o)
{
    return o.Has(QStringLiteral("capacitor")) ? Quantity::Capacitance : Quantity::Resistance;
}

QString UnitName(Quantity q)
{
    return q == Quantity::Resistance ? QStringLiteral("ohm") : QStringLiteral("pF");
}

double ValueOf(const QString& token, Quantity q)
{
    if (const auto v = ParseValue(token, q))
        return *v;
    if (q == Quantity::Resistance && token.contains(QLatin1Char('m')) && !token.endsWith(QLatin1String("ohm")) &&
        !token.endsWith(QLatin1String("ohms")))
        Refuse(QStringLiteral("%1: a lower-case m could be milli or mega; write M for mega").arg(Quoted(token)));
    Refuse(QStringLiteral("%1 is not a %2 value")
               .arg(Quoted(token),
                    q == Quantity::Resistance ? QStringLiteral("resistance") : QStringLiteral("capacitance")));
}

ESeries SeriesOf(const QString& token)
{
    if (const auto s = SeriesFromName(token.toStdString()))
        return *s;
    Refuse(QStringLiteral("%1 is not an E series (E3 E6 E12 E24 E48 E96 E192)").arg(Quoted(token)));
}

// A percentage "5", "5%" or "0.05", read the same in every locale.
std::optional<double> PercentOf(QString token)
{
    if (token.endsWith(QLatin1Char('%')))
        token.chop(1);
    if (token.isEmpty() || token.startsWith(QLatin1Char('+')) || token.startsWith(QLatin1Char('-')))
        return std::nullopt;
    bool ok = false;
    const double v = QLocale::c().toDouble(token, &ok);
    if (!ok || !std::isfinite(v) || v < 0.0)
        return std::nullopt;
    return v;
}

bool SameNumber(double a, double b)
{
    return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}

QJsonArray SeriesNames(double value)
{
    QJsonArray names;
    for (const ESeries s : SeriesContaining(value))
        names.append(FromView(SeriesName(s)));
    return names;
}

// "standard in E3 … E192" when the series run unbroken in their order, else each named.
QString SeriesText(double value)
{
    const std::vector<ESeries> in = SeriesContaining(value);
    if (in.empty())
        return QStringLiteral("in no E series");
    bool unbroken = in.size() > 2;
    for (std::size_t i = 1; i < in.size() && unbroken; ++i)
        unbroken = static_cast<int>(in[i]) == static_cast<int>(in[i - 1]) + 1;
    if (unbroken)
        return QStringLiteral("standard in %1 \u2026 %2")
            .arg(FromView(SeriesName(in.front())), FromView(SeriesName(in.back())));
    QStringList names;
    for (const ESeries s : in)
        names << FromView(SeriesName(s));
    return QStringLiteral("standard in ") + names.join(QStringLiteral(", "));
}

void NoPositional(const Options& o, qsizetype allowed)
{
    const QStringList p = o.Positional();
    if (p.size() > allowed)
        Refuse(QStringLiteral("%1 is one argument too many for '%2'")
                   .arg(Quoted(p[allowed]), QString::fromLatin1(o.Command().name)));
}

QString OnlyPositional(const Options& o, const QString& what)
{
    const QStringList p = o.Positional();
    if (p.isEmpty())
        Refuse(QStringLiteral("'%1' needs %2").arg(QString::fromLatin1(o.Command().name), what));
    NoPositional(o, 1);
    return p.first();
}

struct Answer {
    QJsonObject json;
    QString text;
};

// ---- decode ---------------------------------------------------------------------

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

QString RoleName(BandRole role, std::size_t position)
{
    switch (role) {
    case BandRole::FirstDigit: return QStringLiteral("the first digit");
    case BandRole::Digit: return position == 1 ? QStringLiteral("the second digit") : QStringLiteral("the third digit");
    case BandRole::MultiplierOfFour:
    case BandRole::MultiplierOfMore: return QStringLiteral("the multiplier");
    case BandRole::Tolerance: return QStringLiteral("the tolerance");
    case BandRole::Tfr: return QStringLiteral("the TFR");
    }
    return {};
}

std::vector<BandRole> RolesOf(std::size_t count)
{
    using R = BandRole;
    switch (count) {
    case 3: return {R::FirstDigit, R::Digit, R::MultiplierOfFour};
    case 4: return {R::FirstDigit, R::Digit, R::MultiplierOfFour, R::Tolerance};
    case 5: return {R::FirstDigit, R::Digit, R::Digit, R::MultiplierOfMore, R::Tolerance};
    case 6: return {R::FirstDigit, R::Digit, R::Digit, R::MultiplierOfMore, R::Tolerance, R::Tfr};
    default: return {};
    }
}

QString ToleranceText(double percent)
{
    return QStringLiteral("\u00b1") + PlainNumber(percent) + QStringLiteral(" %");
}

Answer Decode(const Options& o)
{
    const Quantity q = QuantityOf(o);
    const QStringList names = o.Positional();
    const std::size_t most = q == Quantity::Resistance ? 6 : 5;
    if (names.size() < 3)
        Refuse(QStringLiteral("'decode' needs at least 3 bands, got %1").arg(names.size()));
    if (static_cast<std::size_t>(names.size()) > most)
        Refuse(QStringLiteral("%1 is one band too many: a %2 code has at most %3 bands")
                   .arg(Quoted(names[static_cast<qsizetype>(most)]),
                        q == Quantity::Resistance ? QStringLiteral("resistor") : QStringLiteral("capacitor"))
                   .arg(most));

    const std::vector<BandRole> roles = RolesOf(static_cast<std::size_t>(names.size()));
    std::vector<BandColour> bands;
    for (std::size_t i = 0; i < roles.size(); ++i) {
        const QString& name = names[static_cast<qsizetype>(i)];
        const auto colour = ColourOfName(name);
        if (!colour)
            Refuse(QStringLiteral("%1 is not a band colour").arg(Quoted(name)));
        if (!RoleAccepts(roles[i], *colour))
            Refuse(QStringLiteral("%1 cannot be %2").arg(Quoted(name), RoleName(roles[i], i)));
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

// ---- encode ---------------------------------------------------------------------

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

Answer Encode(const Options& o)
{
    const Quantity q = QuantityOf(o);
    const QString token = OnlyPositional(o, QStringLiteral("a value"));
    const double value = ValueOf(token, q);

    int digitCount = 2;
    if (o.Has(QStringLiteral("digits"))) {
        const QString d = o.Single(QStringLiteral("digits"));
        if (d != QLatin1String("2") && d != QLatin1String("3"))
            Refuse(QStringLiteral("%1 is not a digit count (2 or 3)").arg(Quoted(d)));
        digitCount = d.toInt();
    }

    BandColour tolerance = NoColour;
    if (o.Has(QStringLiteral("tolerance"))) {
        const QString t = o.Single(QStringLiteral("tolerance"));
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
    if (o.Has(QStringLiteral("tcr"))) {
        const QString t = o.Single(QStringLiteral("tcr"));
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

// ---- nearest --------------------------------------------------------------------

Answer Nearest(const Options& o)
{
    const Quantity q = QuantityOf(o);
    const QString token = OnlyPositional(o, QStringLiteral("a value"));
    const double value = ValueOf(token, q);
    std::vector<ESeries> series(AllSeries.begin(), AllSeries.end());
    if (o.Has(QStringLiteral("series")))
        series = {SeriesOf(o.Single(QStringLiteral("series")))};

    Answer a;
    QJsonArray results;
    QStringList lines;
    for (const ESeries s : series) {
        const auto n = NearestInSeries(value, s);
        if (!n)
            Refuse(
                QStringLiteral("%1 is outside the E series (from 1 m\u03A9, or 0.001 pF, upwards)").arg(Quoted(token)));
        const QString name = FromView(SeriesName(s));
        results.append(QJsonObject{{QStringLiteral("series"), name},
                                   {QStringLiteral("member"), n->member},
                                   {QStringLiteral("nearest"), n->nearest},
                                   {QStringLiteral("below"), n->below},
                                   {QStringLiteral("above"), n->above}});
        lines << QStringLiteral("%1: %2 %3 (below %4, above %5)")
                     .arg(name, n->member ? QStringLiteral("member") : QStringLiteral("nearest"),
                          QuantityText(n->nearest, q), QuantityText(n->below, q), QuantityText(n->above, q));
    }
    if (o.Has(QStringLiteral("series")))
        a.json = results.first().toObject();
    else
        a.json[QStringLiteral("results")] = results;
    a.text = lines.join(QLatin1Char('\n'));
    return a;
}

// ---- series and parallel --------------------------------------------------------

Answer Network(const Options& o, bool inSeries)
{
    const Quantity q = QuantityOf(o);
    const QStringList tokens = o.Positional();
    if (tokens.size() < 2)
        Refuse(QStringLiteral("'%1' needs two or more values").arg(QString::fromLatin1(o.Command().name)));
    std::vector<TolerancedPart> parts;
    std::vector<TolerancedPart> exact;
    bool anyTolerance = false;
    for (const QString& token : tokens) {
        const qsizetype slash = token.lastIndexOf(QLatin1Char('/'));
        const double value = ValueOf(slash < 0 ? token : token.left(slash), q);
        double percent = 0.0;
        if (slash >= 0) {
            const auto p = PercentOf(token.mid(slash + 1));
            if (!p || *p >= 100.0)
                Refuse(QStringLiteral("%1 is not a tolerance (0 to below 100 %)").arg(Quoted(token.mid(slash + 1))));
            percent = *p;
            anyTolerance = anyTolerance || percent > 0.0;
        }
        parts.push_back({value, percent});
        exact.push_back({value, 0.0});
    }
    // Capacitors combine the other way round: in parallel they add.
    const bool sum = inSeries == (q == Quantity::Resistance);
    const auto span = sum ? SeriesSpan(parts) : ParallelSpan(parts);
    const auto nominal = sum ? SeriesSpan(exact) : ParallelSpan(exact);
    if (!span || !nominal)
        Refuse(QStringLiteral("%1 has no finite value").arg(Quoted(tokens.join(QLatin1Char(' ')))));

    Answer a;
    a.json[QStringLiteral("value")] = nominal->low;
    a.json[QStringLiteral("unit")] = UnitName(q);
    a.json[QStringLiteral("min")] = span->low;
    a.json[QStringLiteral("max")] = span->high;
    a.text = QuantityText(nominal->low, q);
    if (anyTolerance)
        a.text += QStringLiteral(" (%1 \u2026 %2)").arg(QuantityText(span->low, q), QuantityText(span->high, q));
    return a;
}

// ---- marking --------------------------------------------------------------------

Answer Marking(const Options& o)
{
    const Quantity q = QuantityOf(o);
    const QString code = OnlyPositional(o, QStringLiteral("a marking"));
    const std::vector<MarkingReading> readings = ReadMarking(code, q);
    if (readings.empty())
        Refuse(QStringLiteral("%1 is not a %2 marking")
                   .arg(Quoted(code),
                        q == Quantity::Resistance ? QStringLiteral("resistor") : QStringLiteral("capacitor")));
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

// ---- combine --------------------------------------------------------------------

// A stock file bigger than this is no parts list; the search over n values takes n²
// steps, so the count is bounded too.
constexpr qint64 LargestStockFile = 1 << 20;
constexpr std::size_t MostStockValues = 2000;

std::vector<double> StockValues(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Refuse(QStringLiteral("%1 cannot be read").arg(Quoted(path)));
    if (file.size() > LargestStockFile)
        Refuse(QStringLiteral("%1 is too large for a stock list").arg(Quoted(path)));
    const QString text = QString::fromUtf8(file.read(LargestStockFile + 1));
    std::vector<double> values;
    for (QString line : text.split(QLatin1Char('\n'))) {
        const qsizetype hash = line.indexOf(QLatin1Char('#'));
        if (hash >= 0)
            line.truncate(hash);
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        const auto v = ParseValue(line, Quantity::Resistance);
        if (!v)
            Refuse(QStringLiteral("%1 in %2 is not a resistance value").arg(Quoted(line), Quoted(path)));
        values.push_back(*v);
    }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    if (values.empty())
        Refuse(QStringLiteral("%1 lists no values").arg(Quoted(path)));
    if (values.size() > MostStockValues)
        Refuse(QStringLiteral("%1 lists more than %2 different values").arg(Quoted(path)).arg(MostStockValues));
    return values;
}

int WholeOption(const Options& o, const QString& name, int low, int high, int fallback)
{
    if (!o.Has(name))
        return fallback;
    const QString t = o.Single(name);
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok || v < low || v > high || t.startsWith(QLatin1Char('+')))
        Refuse(QStringLiteral("%1 is not a value for '--%2' (%3 to %4)").arg(Quoted(t), name).arg(low).arg(high));
    return v;
}

QString Expression(const Combination& c)
{
    QString a = CompactValue(c.parts[0]);
    const QString b = CompactValue(c.parts[1]);
    const QString d = CompactValue(c.parts[2]);
    switch (c.topology) {
    case Topology::Single: return a;
    case Topology::Series2: return QStringLiteral("%1 + %2").arg(a, b);
    case Topology::Parallel2: return QStringLiteral("%1 \u2016 %2").arg(a, b);
    case Topology::Series3: return QStringLiteral("%1 + %2 + %3").arg(a, b, d);
    case Topology::Parallel3: return QStringLiteral("%1 \u2016 %2 \u2016 %3").arg(a, b, d);
    case Topology::SeriesInParallel: return QStringLiteral("(%1 + %2) \u2016 %3").arg(a, b, d);
    case Topology::ParallelInSeries: return QStringLiteral("(%1 \u2016 %2) + %3").arg(a, b, d);
    }
    return {};
}

Answer Combine(const Options& o)
{
    const QString targetToken = OnlyPositional(o, QStringLiteral("a target value"));
    const double target = ValueOf(targetToken, Quantity::Resistance);
    const int parts = WholeOption(o, QStringLiteral("parts"), 1, 3, 2);
    const int top = WholeOption(o, QStringLiteral("top"), 1, 1000, 5);
    if (o.Has(QStringLiteral("series")) && o.Has(QStringLiteral("stock")))
        Refuse(QStringLiteral("'--series' and '--stock' exclude each other"));

    std::vector<double> values;
    if (o.Has(QStringLiteral("stock")))
        values = StockValues(o.Single(QStringLiteral("stock")));
    else
        values = SeriesValues(
            o.Has(QStringLiteral("series")) ? SeriesOf(o.Single(QStringLiteral("series"))) : ESeries::E24, 1.0, 10e6);
    for (const QString& token : o.Values(QStringLiteral("exclude"))) {
        const double excluded = ValueOf(token, Quantity::Resistance);
        std::erase_if(values, [excluded](double v) { return SameNumber(v, excluded); });
    }
    if (values.empty())
        Refuse(QStringLiteral("'--exclude' leaves no parts to combine"));

    const std::vector<Combination> found = FindCombinations(values, target, parts, top);
    Answer a;
    QJsonArray results;
    QStringList lines;
    for (const Combination& c : found) {
        QJsonArray values;
        for (int i = 0; i < PartCount(c.topology); ++i)
            values.append(c.parts[static_cast<std::size_t>(i)]);
        const QString expression = Expression(c);
        results.append(QJsonObject{{QStringLiteral("value"), c.value},
                                   {QStringLiteral("error"), c.error},
                                   {QStringLiteral("parts"), values},
                                   {QStringLiteral("expression"), expression}});
        QString line = expression + QStringLiteral(" = ") + QuantityText(c.value, Quantity::Resistance);
        if (ErrorRank(c.error) == 0)
            line += QStringLiteral(" exact");
        else
            line += QStringLiteral(" (%1%2 %)")
                        .arg(c.error > 0 ? QStringLiteral("+") : QString(), QString::number(c.error * 100.0, 'g', 3));
        lines << line;
    }
    a.json[QStringLiteral("results")] = results;
    a.text = lines.join(QLatin1Char('\n'));
    return a;
}

// ---- dispatch -------------------------------------------------------------------

const CommandInfo* FindCommand(const QString& name)
{
    for (const CommandInfo& c : Commands)
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

// Runs one command; false when only help was asked for (written to `text`).
bool RunCommand(const CommandInfo& c, const QStringList& args, Answer& answer, QString& help)
{
    const QString name = QString::fromLatin1(c.name);
    Options o(c);
    const QString capacitor = QStringLiteral("capacitor");
    const QString forCapacitor = QStringLiteral("the value is a capacitance, in pF");
    if (name == QLatin1String("decode")) {
        o.Add(capacitor, QStringLiteral("the bands are a capacitor's, read in pF"));
    } else if (name == QLatin1String("encode")) {
        o.Add(capacitor, forCapacitor);
        o.Add(QStringLiteral("digits"), QStringLiteral("significant digit bands, 2 (default) or 3"),
              QStringLiteral("N"));
        o.Add(QStringLiteral("tolerance"), QStringLiteral("add the tolerance band, in %"), QStringLiteral("PCT"));
        o.Add(QStringLiteral("tcr"), QStringLiteral("add the TFR band (resistors, 3 digits)"), QStringLiteral("PPM"));
    } else if (name == QLatin1String("nearest")) {
        o.Add(QStringLiteral("series"), QStringLiteral("only this series (E3 ... E192)"), QStringLiteral("EN"));
        o.Add(capacitor, forCapacitor);
    } else if (name == QLatin1String("series") || name == QLatin1String("parallel") ||
               name == QLatin1String("marking")) {
        o.Add(capacitor, forCapacitor);
    } else if (name == QLatin1String("combine")) {
        o.Add(QStringLiteral("series"), QStringLiteral("parts from this series, 1 ohm to 10 Mohm (default E24)"),
              QStringLiteral("EN"));
        o.Add(QStringLiteral("stock"), QStringLiteral("parts from this file, one value a line"),
              QStringLiteral("FILE"));
        o.Add(QStringLiteral("parts"), QStringLiteral("most parts, 1 to 3 (default 2)"), QStringLiteral("N"));
        o.Add(QStringLiteral("exclude"), QStringLiteral("leave this value out (repeatable)"), QStringLiteral("VALUE"));
        o.Add(QStringLiteral("top"), QStringLiteral("number of answers (default 5)"), QStringLiteral("N"));
    }
    if (!o.Parse(args, help))
        return false;

    if (name == QLatin1String("decode"))
        answer = Decode(o);
    else if (name == QLatin1String("encode"))
        answer = Encode(o);
    else if (name == QLatin1String("nearest"))
        answer = Nearest(o);
    else if (name == QLatin1String("series"))
        answer = Network(o, true);
    else if (name == QLatin1String("parallel"))
        answer = Network(o, false);
    else if (name == QLatin1String("marking"))
        answer = Marking(o);
    else
        answer = Combine(o);
    if (o.Json())
        answer.text = QString::fromUtf8(QJsonDocument(answer.json).toJson(QJsonDocument::Compact));
    return true;
}

} // namespace

int RunCli(const QStringList& args, QTextStream& out, QTextStream& err)
{
    try {
        if (args.isEmpty())
            Refuse(QStringLiteral("no command given; try 'kolvane-cli --help'"));
        const QString& first = args.first();
        if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
            out << GeneralHelp();
            out.flush();
            return 0;
        }
        if (first == QLatin1String("--version")) {
            out << Program << QLatin1Char(' ') << QStringLiteral(KOLVANE_VERSION) << QLatin1Char('\n');
            out.flush();
            return 0;
        }
        const CommandInfo* command = FindCommand(first);
        if (!command)
            Refuse(QStringLiteral("%1 is not a command (decode encode nearest series parallel marking combine)")
                       .arg(Quoted(first)));
        Answer answer;
        QString help;
        if (!RunCommand(*command, args.mid(1), answer, help)) {
            out << help;
            out.flush();
            return 0;
        }
        out << answer.text << QLatin1Char('\n');
        out.flush();
        return 0;
    } catch (const BadInput& bad) {
        QString line = bad.message;
        // One line, whatever the token held.
        line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
        err << Program << QStringLiteral(": ") << line << QLatin1Char('\n');
        err.flush();
        return BadInputStatus;
    }
}

} // namespace kolvane
