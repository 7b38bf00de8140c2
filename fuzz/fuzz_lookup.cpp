// SPDX-License-Identifier: MIT
// The reader of any typed text and the details of each of its readings. The first
// input byte chooses how the rest is taken:
//
//   bit 0     the text as UTF-8, or as raw UTF-16 code units
//   bit 1     capacitance instead of resistance
//   bits 2-3  the locale: C, German, US English, Egyptian Arabic
//
// Beyond not crashing, every reading must be a value a part can have, hold the text it
// came from, and every code its details write must read back as its value.
#include "lettercode.h"
#include "markings.h"
#include "readingdetails.h"
#include "textreading.h"

#include <QString>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace kolvane;

namespace {

[[noreturn]] void Fail(const char* what, const QString& text)
{
    std::fprintf(stderr, "fuzz_lookup: %s: \"%s\"\n", what, text.toUtf8().constData());
    std::abort();
}

bool Same(double a, double b)
{
    return std::abs(a - b) <= 1e-12 * std::abs(b);
}

void CheckCode(const std::optional<QString>& code, std::optional<double> back, double value, const char* what,
               const QString& text)
{
    if (code && !(back && Same(*back, value)))
        Fail(what, text + QStringLiteral(" -> ") + *code);
}

void CheckDetails(const TextReading& r, Quantity q, const QString& text)
{
    const ReadingDetails d = DetailsOf(r, q);
    if (d.value != r.value)
        Fail("details of another value", text);
    if (d.letterCode) {
        const auto back = ParseLetterCode(*d.letterCode, q);
        if (!back || std::abs(*back / r.value - 1.0) > 5.0001e-4)
            Fail("letter code does not read back", text + QStringLiteral(" -> ") + *d.letterCode);
    }
    CheckCode(d.smd3, d.smd3 ? ReadSmdCode(*d.smd3) : std::nullopt, r.value, "SMD code", text);
    CheckCode(d.smd4, d.smd4 ? ReadSmdCode(*d.smd4) : std::nullopt, r.value, "SMD code", text);
    CheckCode(d.eia96, d.eia96 ? ReadEia96Code(*d.eia96) : std::nullopt, r.value, "EIA-96 code", text);
    CheckCode(d.cap3, d.cap3 ? ReadCapacitorCode(*d.cap3) : std::nullopt, r.value, "capacitor code", text);
    if (q == Quantity::Resistance ? d.cap3.has_value() : d.smd3 || d.smd4 || d.eia96)
        Fail("a marking of the other quantity", text);
    for (const auto& bands : {d.fourBands, d.fiveBands}) {
        if (!bands)
            continue;
        const auto back = ReadBands(bands->bands, q);
        if (!back || !Same(back->value, r.value))
            Fail("colour code does not read back", text + QStringLiteral(" -> ") + bands->names.join(u' '));
        if (bands->names.size() != static_cast<qsizetype>(PrintedBands(bands->bands).size()))
            Fail("colour names", text);
    }
    if (d.span && !(d.span->low >= 0.0 && d.span->low <= d.span->high))
        Fail("span", text);
    if (d.span.has_value() != r.tolerancePercent.has_value())
        Fail("span without a tolerance", text);
}

void Check(const QString& text, Quantity q, const QLocale& locale)
{
    const std::vector<TextReading> readings = ReadText(text, q, locale);
    if (readings.empty())
        return;
    if (text.size() > LongestReadableText)
        Fail("a text over the limit was read", text.left(40));
    const QString trimmed = text.trimmed();
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const TextReading& r = readings[i];
        // A zero-ohm jumper is the one reading below the range.
        const bool jumper = r.value == 0.0 && q == Quantity::Resistance;
        if (!jumper && !(r.value >= LowestSeriesValue && r.value <= HighestSeriesValue))
            Fail("value out of range", text);
        if (r.text != trimmed)
            Fail("reading lost its text", text);
        const bool colours = r.kind == ReadingKind::Colours;
        // Colour codes carry their bands and tolerance (a jumper's one black band has
        // neither); other readings may carry a tolerance written with them.
        if ((colours && !jumper && (!r.bands || !r.tolerancePercent)) || (!colours && r.bands) ||
            (r.fromOtherEnd && !colours))
            Fail("kind and fields disagree", text);
        if (colours && r.bands) {
            const auto back = ReadBands(*r.bands, q);
            if (!back || back->value != r.value)
                Fail("colour reading differs from its bands", text);
        }
        // One reading per value among the notations.
        for (std::size_t j = 0; j < i && !colours; ++j)
            if (Same(readings[j].value, r.value))
                Fail("the same value twice", text);
        CheckDetails(r, q, text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::array<QLocale, 4> Locales = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                                                   QLocale(QLocale::English, QLocale::UnitedStates),
                                                   QLocale(QLocale::Arabic, QLocale::Egypt)};
    if (size < 1)
        return 0;
    const std::uint8_t mode = data[0];
    ++data;
    --size;
    const Quantity q = (mode & 2) != 0 ? Quantity::Capacitance : Quantity::Resistance;
    const QLocale& locale = Locales[(mode >> 2) & 3];
    QString text;
    if ((mode & 1) == 0) {
        text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    } else {
        // Copied rather than cast: the fuzzer's buffer need not be aligned for char16_t.
        text = QString(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
        std::memcpy(text.data(), data, size / 2 * 2);
    }
    Check(text, q, locale);
    return 0;
}
