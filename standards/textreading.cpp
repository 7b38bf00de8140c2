// SPDX-License-Identifier: MIT
#include "textreading.h"

#include "eseries.h"
#include "markings.h"
#include "numbers.h"
#include "valuetext.h"

#include <QLatin1String>

#include <algorithm>
#include <array>
#include <cmath>

namespace kolvane {
namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Words in colour names are split at these; a hyphen joins "yellow-violet-red" as
// people write a code in one token.
bool IsWordSeparator(QChar c)
{
    return c.isSpace() || c == QLatin1Char(',') || c == QLatin1Char('-');
}

constexpr int MostBands = 6;

// The colours of the words, or nothing when a word is no band colour or the count is
// not 3 to 6. Stops at the seventh word, so a long text costs no more than a short one.
std::optional<std::vector<BandColour>> ColoursOfWords(QStringView text)
{
    std::vector<BandColour> colours;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsWordSeparator(text[i]))
            ++i;
        if (i == text.size())
            break;
        qsizetype end = i;
        while (end < text.size() && !IsWordSeparator(text[end]))
            ++end;
        if (colours.size() == MostBands)
            return std::nullopt;
        const auto colour = ChartColourOfName(ColourChart::Kolvane, text.sliced(i, end - i));
        if (!colour)
            return std::nullopt;
        colours.push_back(*colour);
        i = end;
    }
    if (colours.size() < 3)
        return std::nullopt;
    return colours;
}

// The readings of printed bands, as decode reads them: from the first band, and from
// the last band as a code of its own, whenever that is valid and says something else.
// Unlike the details' warning (ReverseReading), which speaks only of a believable
// misreading, this lists every code the words make; the ordering by standard values
// puts the likelier one first.
void ReadColours(const std::vector<BandColour>& printed, Quantity q, const QString& text,
                 std::vector<TextReading>& readings)
{
    // A capacitor's code has no TFR band.
    if (q == Quantity::Capacitance && printed.size() > 5)
        return;
    const auto add = [&](const std::vector<BandColour>& bands, bool otherEnd) {
        const auto code = CodeOfPrintedBands(bands);
        const auto r = code ? ReadBands(*code, q) : std::nullopt;
        if (!r)
            return;
        for (const TextReading& earlier : readings)
            if (earlier.value == r->value && earlier.tolerancePercent == r->tolerancePercent &&
                earlier.tcrPpm == r->tcrPpm)
                return;
        TextReading reading;
        reading.kind = ReadingKind::Colours;
        reading.value = r->value;
        reading.tolerancePercent = r->tolerancePercent;
        reading.tcrPpm = r->tcrPpm;
        reading.text = text;
        reading.bands = code;
        reading.fromOtherEnd = otherEnd;
        readings.push_back(std::move(reading));
    };
    add(printed, false);
    add(std::vector<BandColour>(printed.rbegin(), printed.rend()), true);
}

// The text with the one run of white space a value may have between number and unit
// ("4.7 k", "10,00 KOhm") taken out; nothing when there is more, or when it stands
// anywhere else ("4 7 2" is no value).
std::optional<QString> WithoutInnerSpace(QStringView text)
{
    qsizetype runStart = -1;
    qsizetype runEnd = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isSpace())
            continue;
        if (runStart >= 0)
            return std::nullopt;
        runStart = i;
        runEnd = i;
        while (runEnd < text.size() && text[runEnd].isSpace())
            ++runEnd;
        i = runEnd;
    }
    if (runStart < 0)
        return text.toString();
    // Trimmed text: the run has characters on both sides.
    if (!IsAsciiDigit(text[runStart - 1]) || IsAsciiDigit(text[runEnd]))
        return std::nullopt;
    QString compact = text.first(runStart).toString();
    compact += text.sliced(runEnd);
    return compact;
}

// The locale's own digits and decimal separator in the C notation ParseValue reads.
// A text holding both the locale's separator and a point is left as it is: one of them
// would be a group separator, which no value here has.
void ToCNotation(QString& text, const QLocale& locale)
{
    const QString zero = locale.zeroDigit();
    if (zero.size() == 1 && zero[0] != QLatin1Char('0')) {
        const char16_t z = zero[0].unicode();
        for (QChar& c : text)
            if (c.unicode() >= z && c.unicode() <= z + 9)
                c = QChar(u'0' + (c.unicode() - z));
    }
    const QString point = locale.decimalPoint();
    if (point.size() != 1 || point[0] == QLatin1Char('.') || !text.contains(point[0]) ||
        text.contains(QLatin1Char('.')))
        return;
    text.replace(point[0], QLatin1Char('.'));
}

// How a value text is laid out: a decimal number, an optional exponent, then letters
// (prefix, unit) and no more digits.
struct ValueShape {
    qsizetype numberEnd = 0;
    std::optional<int> exponent;
    qsizetype restStart = 0;
};

std::optional<ValueShape> ShapeOfValue(QStringView text, Quantity q)
{
    ValueShape shape;
    qsizetype i = 0;
    int digits = 0;
    while (i < text.size() && IsAsciiDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < text.size() && IsAsciiDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    shape.numberEnd = i;
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        bool negative = false;
        if (j < text.size() && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-'))) {
            negative = text[j] == QLatin1Char('-');
            ++j;
        }
        int exponent = 0;
        int exponentDigits = 0;
        while (j < text.size() && IsAsciiDigit(text[j])) {
            if (++exponentDigits <= 3)
                exponent = exponent * 10 + (text[j].unicode() - '0');
            ++j;
        }
        if (exponentDigits > 0) {
            // Four digits or more: still a value's shape, but one only ParseValue may read;
            // no part is 10^1000 of anything.
            if (exponentDigits <= 3)
                shape.exponent = negative ? -exponent : exponent;
            i = j;
        }
    }
    shape.restStart = i;
    const QStringView rest = text.sliced(i);
    for (const QChar c : rest)
        if (IsAsciiDigit(c))
            return std::nullopt;
    // 10R is the letter code's ohm, read as such.
    if (q == Quantity::Resistance && (rest == QLatin1String("R") || rest == QLatin1String("r")))
        return std::nullopt;
    return shape;
}

// A tolerance written after the value and parted from it by white space or ±: "4K7 5%",
// "4.7k ±5 %". The text before it, and the percent; the text itself when there is none.
struct WrittenTolerance {
    QString body;
    std::optional<double> percent;
};

WrittenTolerance WithoutWrittenTolerance(const QString& text)
{
    if (!text.endsWith(QLatin1Char('%')))
        return {text, std::nullopt};
    qsizetype end = text.size() - 1;
    while (end > 0 && text[end - 1].isSpace())
        --end;
    qsizetype start = end;
    while (start > 0 && (IsAsciiDigit(text[start - 1]) || text[start - 1] == QLatin1Char('.')))
        --start;
    const auto percent = ParseNumber(QStringView(text).sliced(start, end - start));
    if (!percent || !(*percent > 0.0 && *percent < 100.0))
        return {text, std::nullopt};
    qsizetype bodyEnd = start;
    const bool plusMinus = bodyEnd > 0 && text[bodyEnd - 1] == QChar(u'\u00b1');
    if (plusMinus)
        --bodyEnd;
    const qsizetype beforeSpace = bodyEnd;
    while (bodyEnd > 0 && text[bodyEnd - 1].isSpace())
        --bodyEnd;
    if (bodyEnd == 0 || (!plusMinus && bodyEnd == beforeSpace))
        return {text, std::nullopt};
    return {text.first(bodyEnd), percent};
}

// Under a locale that groups thousands with a point (de_DE), "1.000" is also a
// thousand: the text without its group points when every group has three digits and
// the first has no leading zero ("0.047" is never 47).
std::optional<QString> WithoutThousandsPoints(const QString& text, const QLocale& locale)
{
    if (locale.groupSeparator() != QLatin1String("."))
        return std::nullopt;
    qsizetype i = 0;
    while (i < text.size() && IsAsciiDigit(text[i]))
        ++i;
    if (i == 0 || i > 3 || i == text.size() || text[i] != QLatin1Char('.') || text[0] == QLatin1Char('0'))
        return std::nullopt;
    QString digits = text.first(i);
    while (i < text.size() && text[i] == QLatin1Char('.')) {
        for (qsizetype k = i + 1; k <= i + 3; ++k)
            if (k >= text.size() || !IsAsciiDigit(text[k]))
                return std::nullopt;
        digits += text.sliced(i + 1, 3);
        i += 4;
    }
    if (i < text.size() && IsAsciiDigit(text[i]))
        return std::nullopt;
    return digits + text.sliced(i);
}

// A zero-ohm jumper as parts carry it: "0", SMD "000" or "0000", letter code "0R" or
// "0R0", or one black band.
std::optional<ReadingKind> ZeroOhmKind(QStringView text)
{
    if (text == QLatin1String("0"))
        return ReadingKind::Value;
    if (text == QLatin1String("000") || text == QLatin1String("0000"))
        return ReadingKind::Smd;
    if (text.compare(QLatin1String("0R"), Qt::CaseInsensitive) == 0 ||
        text.compare(QLatin1String("0R0"), Qt::CaseInsensitive) == 0)
        return ReadingKind::Letter;
    if (text.compare(QLatin1String("black"), Qt::CaseInsensitive) == 0)
        return ReadingKind::Colours;
    return std::nullopt;
}

// How standard the value is: on an E24 value, on an E48 to E192 one, or neither.
int Standardness(double value)
{
    if (IsInSeries(value, ESeries::E24))
        return 0;
    if (IsInSeries(value, ESeries::E192))
        return 1;
    return 2;
}

void ReadNotation(const QString& typed, const QString& trimmed, Quantity q, const QLocale& locale,
                  std::vector<TextReading>& readings)
{
    const WrittenTolerance split = WithoutWrittenTolerance(trimmed);
    const QString& body = split.body;
    const std::optional<double> written = split.percent;
    auto compact = WithoutInnerSpace(body);
    if (!compact)
        return;
    ToCNotation(*compact, locale);

    struct Candidate {
        ReadingKind kind;
        double value;
        std::optional<double> tolerance;
    };
    std::array<Candidate, 7> candidates{};
    std::size_t count = 0;
    const auto add = [&](ReadingKind kind, std::optional<double> value, std::optional<double> tolerance) {
        if (!value || !std::isfinite(*value) || *value < LowestSeriesValue || *value > HighestSeriesValue)
            return;
        // A tolerance written after the value must agree with a tolerance letter.
        if (written && tolerance && *tolerance != *written)
            return;
        for (std::size_t i = 0; i < count; ++i)
            if (std::abs(candidates[i].value - *value) <= 1e-9 * *value)
                return;
        if (count < candidates.size())
            candidates[count++] = {kind, *value, tolerance ? tolerance : written};
    };

    if (const auto grouped = WithoutThousandsPoints(*compact, locale))
        add(ReadingKind::Value, ParseValue(*grouped, q), std::nullopt);
    if (const auto shape = ShapeOfValue(*compact, q))
        add(ReadingKind::Value, ParseValue(*compact, q), std::nullopt);
    else
        add(ReadingKind::Letter, ParseValue(*compact, q), std::nullopt); // a letter code with its unit: 4K7Ω, 4n7F
    for (const MarkingReading& m : ReadMarking(*compact, q))
        add(m.kind, m.value, m.tolerancePercent);

    std::array<int, 7> rank{};
    for (std::size_t i = 0; i < count; ++i)
        rank[i] = Standardness(candidates[i].value);
    std::array<std::size_t, 7> order{0, 1, 2, 3, 4, 5, 6};
    std::stable_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(count),
                     [&rank](std::size_t a, std::size_t b) { return rank[a] < rank[b]; });
    for (std::size_t i = 0; i < count; ++i) {
        TextReading reading;
        reading.kind = candidates[order[i]].kind;
        reading.value = candidates[order[i]].value;
        reading.tolerancePercent = candidates[order[i]].tolerance;
        reading.text = typed;
        readings.push_back(std::move(reading));
    }
}

} // namespace

std::vector<TextReading> ReadText(QStringView text, Quantity q, const QLocale& locale)
{
    std::vector<TextReading> readings;
    if (text.size() > LongestReadableText)
        return readings;
    const QString typed = text.trimmed().toString();
    const QString visible = WithoutFormatCharacters(text).trimmed();
    if (visible.isEmpty())
        return readings;
    const auto zero = q == Quantity::Resistance ? ZeroOhmKind(visible) : std::nullopt;
    if (zero) {
        TextReading reading;
        reading.kind = *zero;
        reading.text = typed;
        readings.push_back(std::move(reading));
    } else if (const auto colours = ColoursOfWords(visible)) {
        ReadColours(*colours, q, typed, readings);
        std::stable_sort(readings.begin(), readings.end(), [](const TextReading& x, const TextReading& y) {
            return Standardness(x.value) < Standardness(y.value);
        });
    } else {
        ReadNotation(typed, visible, q, locale, readings);
    }
    return readings;
}

} // namespace kolvane
