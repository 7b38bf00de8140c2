// SPDX-License-Identifier: MIT
// The standards library's entry points for outside text and codes: the letter-code
// parser and the readings of a band code from either end, plus the series lookups on
// any double. The first input byte chooses what the rest is:
//
//   bits 0-1  0: letter code as UTF-8, 1: as raw UTF-16 code units,
//             2: a band code, 3: eight bytes of a double for the series and letter code
//   bit 2     capacitance instead of resistance
//
// A band code is one byte per band: the digit count (2 or 3 from bit 0), then the
// digits, multiplier, tolerance and, when bit 1 of the count byte is set, a TFR band.
// Each band byte picks one of the twelve colours, NoColour, or a value that is no
// band colour at all.
#include "bandcode.h"
#include "eseries.h"
#include "lettercode.h"
#include "tolerance.h"

#include <QString>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace kolvane;

namespace {

[[noreturn]] void Fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "fuzz_standards: %s: %s\n", what, detail.toUtf8().constData());
    std::abort();
}

using namespace colours;
constexpr std::array<BandColour, 14> Palette = {Black,  Brown, Red,   Orange, Yellow, Green,    Blue,
                                                Violet, Grey,  White, Gold,   Silver, NoColour, 0x00FFFF};

// A letter code holds four significant digits, so a value comes back within half a
// unit of the fourth digit.
void CheckLetterRoundTrip(double value, Quantity q, const char* what)
{
    const auto code = LetterCode(value, q);
    if (!code) {
        if (std::isfinite(value) && value >= LowestSeriesValue && value <= HighestSeriesValue)
            Fail(what, QStringLiteral("no letter code for %1").arg(value, 0, 'g', 17));
        return;
    }
    const auto back = ParseLetterCode(*code, q);
    if (!back || std::fabs(*back / value - 1.0) > 5.0001e-4)
        Fail(what,
             QStringLiteral("%1 -> %2 -> %3").arg(value, 0, 'g', 17).arg(*code).arg(back.value_or(-1), 0, 'g', 17));
}

void CheckText(const QString& text, Quantity q)
{
    const auto value = ParseLetterCode(text, q);
    if (!value)
        return;
    if (!(*value >= LowestSeriesValue && *value <= HighestSeriesValue))
        Fail("ParseLetterCode", QStringLiteral("%1 out of range for \"%2\"").arg(*value).arg(text));
    CheckLetterRoundTrip(*value, q, "letter code of a parsed value");
}

void CheckSeries(double value, Quantity q)
{
    CheckLetterRoundTrip(value, q, "letter code of a double");
    for (const ESeries s : AllSeries) {
        const bool member = IsInSeries(value, s);
        const auto n = NearestInSeries(value, s);
        if (!n)
            continue;
        // A member is its own nearest, between its neighbours; any other value lies
        // between its neighbours and is nearest one of them.
        const bool shaped =
            member ? n->below < n->nearest && n->nearest < n->above && std::fabs(n->nearest / value - 1.0) <= 1e-6
                   : n->below < value && value < n->above && (n->nearest == n->below || n->nearest == n->above);
        if (n->member != member || !shaped)
            Fail("NearestInSeries", QString::number(value, 'g', 17));
        if (!IsInSeries(n->below, s) || !IsInSeries(n->above, s))
            Fail("NearestInSeries: neighbour not a member", QString::number(value, 'g', 17));
    }
    if (const auto span = ToleranceSpan(value, 20.0); span && !(span->low <= value && value <= span->high))
        Fail("ToleranceSpan", QString::number(value, 'g', 17));
}

void CheckBands(const std::uint8_t* data, std::size_t size, Quantity q)
{
    if (size < 1)
        return;
    const std::size_t digits = (data[0] & 1) ? 3 : 2;
    const bool withTfr = (data[0] & 2) != 0;
    if (size < 1 + digits + 2 + (withTfr ? 1 : 0))
        return;
    auto colour = [&](std::size_t i) { return Palette[data[1 + i] % Palette.size()]; };
    BandCode code;
    for (std::size_t i = 0; i < digits; ++i)
        code.digits.push_back(colour(i));
    code.multiplier = colour(digits);
    code.tolerance = colour(digits + 1);
    if (withTfr)
        code.tfr = colour(digits + 2);

    const auto forward = ReadBands(code, q);
    if (forward && !(forward->value >= 0.01 && forward->value <= 999e6))
        Fail("ReadBands", QString::number(forward->value));
    const auto reverse = ReverseReading(code, q);
    if (!reverse)
        return;
    if (code.tolerance == NoColour || !IsPlausible(reverse->value, q))
        Fail("ReverseReading offered", QString::number(reverse->value));
    if (forward && forward->value == reverse->value && forward->tolerancePercent == reverse->tolerancePercent &&
        forward->tcrPpm == reverse->tcrPpm)
        Fail("ReverseReading equals the forward one", QString::number(reverse->value));

    // The other-end reading is the forward reading of the bands written the other way.
    std::vector<BandColour> printed = code.digits;
    printed.push_back(code.multiplier);
    printed.push_back(code.tolerance);
    if (code.tfr && *code.tfr != NoColour)
        printed.push_back(*code.tfr);
    BandCode flipped;
    flipped.digits.assign(printed.rbegin(), printed.rbegin() + static_cast<std::ptrdiff_t>(digits));
    flipped.multiplier = printed.rbegin()[static_cast<std::ptrdiff_t>(digits)];
    flipped.tolerance = printed.rbegin()[static_cast<std::ptrdiff_t>(digits) + 1];
    if (printed.size() == digits + 3)
        flipped.tfr = printed.front();
    const auto direct = ReadBands(flipped, q);
    if (!direct || direct->value != reverse->value || direct->tolerancePercent != reverse->tolerancePercent ||
        direct->tcrPpm != reverse->tcrPpm)
        Fail("ReverseReading differs from the flipped code's reading", QString::number(reverse->value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t mode = data[0];
    ++data;
    --size;
    const Quantity q = (mode & 4) != 0 ? Quantity::Capacitance : Quantity::Resistance;
    switch (mode & 3) {
    case 0: CheckText(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), q); break;
    case 1: {
        // Copied rather than cast: the fuzzer's buffer need not be aligned for char16_t.
        QString text(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
        std::memcpy(text.data(), data, size / 2 * 2);
        CheckText(text, q);
        break;
    }
    case 2: CheckBands(data, size, q); break;
    case 3:
        if (size >= 8) {
            double value = 0;
            std::memcpy(&value, data, 8);
            CheckSeries(value, q);
        }
        break;
    }
    return 0;
}
