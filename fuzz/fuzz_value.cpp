// SPDX-License-Identifier: MIT
// Typed text → whole number → painted bands → shown value, checked against integer
// arithmetic written out again here. The first input byte chooses how the rest is
// read and which page settings apply; the rest is the typed text.
//
//   bit 0     text as UTF-8 (0) or as raw UTF-16 code units (1)
//   bits 1-2  unit: base, thousands, millions (3 reads as base)
//   bit 3     two or three digit bands
//   bit 4     instead, format a long double: next byte the significant-digit cap,
//             then eight bytes of mantissa and two of sign and exponent
#include "numbers.h"
#include "colourcode.h"

#include <QLocale>
#include <QString>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <span>
#include <string>

using namespace kolvane;

namespace {

[[noreturn]] void Fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "fuzz_value: %s: %s\n", what, detail.toUtf8().constData());
    std::abort();
}

// The reference parse: an optional sign, then one or more ASCII digits. Exact in
// 128 bits, so overflow of 64 or 32 bits is decided by a plain comparison.
struct Reference {
    bool wellFormed = false;
    bool huge = false; // past 2^100, far outside every width checked here
    __int128 value = 0;
};

Reference ReferenceParse(QStringView text)
{
    Reference r;
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    if (i == text.size())
        return r;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return r;
        if (r.value > (__int128(1) << 100))
            r.huge = true;
        else
            r.value = r.value * 10 + (c - u'0');
    }
    r.wellFormed = true;
    if (negative)
        r.value = -r.value;
    return r;
}

template <typename Int>
void CheckParse(const std::optional<Int>& got, const Reference& ref, const QString& text, const char* name)
{
    const bool fits = ref.wellFormed && !ref.huge && ref.value >= std::numeric_limits<Int>::min() &&
                      ref.value <= std::numeric_limits<Int>::max();
    if (got.has_value() != fits)
        Fail(name, QStringLiteral("accepted %1 for \"%2\"").arg(got.has_value()).arg(text));
    if (got && __int128(*got) != ref.value)
        Fail(name, QStringLiteral("%1 for \"%2\"").arg(*got).arg(text));
}

// What the page must show for a quantity in base units painted with `digits`
// digit bands: the leading digits kept, the rest cut to zeros, in hundredths.
QString ExpectedText(std::int64_t baseUnits, int digits, const CodeUnits& units, QChar separator)
{
    const std::string decimal = std::to_string(baseUnits);
    const int length = static_cast<int>(decimal.size());
    std::int64_t significand = 0;
    for (int i = 0; i < digits; ++i)
        significand = significand * 10 + (i < length ? decimal[static_cast<std::size_t>(i)] - '0' : 0);
    // value = significand × 10^(length - digits); in hundredths that is one power
    // of ten per kept position, at least 10^0 since length >= 1 and digits <= 3.
    std::int64_t hundredths = significand;
    for (int k = 0; k < length - digits + 2; ++k)
        hundredths *= 10;
    int unit = 0;
    if (hundredths >= 100000000) {
        unit = 2;
        hundredths /= 1000000;
    } else if (hundredths >= 100000) {
        unit = 1;
        hundredths /= 1000;
    }
    char fraction[3];
    std::snprintf(fraction, sizeof fraction, "%02d", static_cast<int>(hundredths % 100));
    return QString::number(hundredths / 100) + separator + QLatin1String(fraction) + QLatin1Char(' ') +
           units.names[static_cast<std::size_t>(unit)];
}

void CheckValueToText(std::int64_t number, int unit, int digits)
{
    const std::int64_t base = number * UnitFactors[static_cast<std::size_t>(unit)];
    const PaintedCode code = CodeForValue(base, digits);
    if (code.count != digits + 1)
        Fail("CodeForValue", QStringLiteral("%1 bands for %2").arg(code.count).arg(base));

    // Cells as the main window starts them: no digit read yet.
    std::array<std::int8_t, 3> cells = {-1, -1, -1};
    long double multiplier = 0.0L;
    const auto value = ReadCode(std::span<const BandColour>(code.bands.data(), static_cast<std::size_t>(code.count)),
                                std::span<std::int8_t>(cells.data(), static_cast<std::size_t>(digits)), multiplier);
    if (!value)
        Fail("ReadCode", QStringLiteral("no value for painted %1").arg(base));

    static const QLocale point = QLocale::c();
    static const QLocale comma(QLocale::German, QLocale::Germany);
    for (const CodeUnits* units : {&ResistorUnits(), &CapacitorUnits()}) {
        for (const QLocale* locale : {&point, &comma}) {
            const QString got = ValueText(*value, *units, *locale);
            const QString want = ExpectedText(base, digits, *units, locale == &point ? u'.' : u',');
            if (got != want)
                Fail("ValueText",
                     QStringLiteral("%1 with %2 bands: got \"%3\", want \"%4\"").arg(base).arg(digits).arg(got, want));
        }
    }
}

// Any finite long double gives "[-]digits<sep>dd"; the rest must not crash. The value
// is built with ldexpl, so only encodings that arithmetic can produce occur (the x87
// format also has invalid "unnormal" ones, which no computation here ever yields).
void CheckFormat(const std::uint8_t* bytes, int maxSignificant)
{
    std::uint64_t mantissa = 0;
    std::uint16_t exponent = 0;
    std::memcpy(&mantissa, bytes, 8);
    std::memcpy(&exponent, bytes + 8, 2);
    long double value = std::ldexp(static_cast<long double>(mantissa), (exponent & 0x7FFF) % 32900 - 16500);
    if ((exponent & 0x8000) != 0)
        value = -value;
    const QString text = FormatFixed2(value, maxSignificant, QLocale(QLocale::German, QLocale::Germany));
    if (std::isnan(value) || std::isinf(value))
        return;
    const qsizetype comma = text.indexOf(u',');
    bool shaped = comma > 0 && comma == text.size() - 3;
    for (qsizetype i = 0; shaped && i < text.size(); ++i)
        shaped = i == comma || text[i].isDigit() || (i == 0 && text[i] == u'-' && comma > 1);
    if (!shaped)
        Fail("FormatFixed2", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t mode = data[0];
    ++data;
    --size;

    if ((mode & 0x10) != 0 && size >= 11) {
        CheckFormat(data + 1, 1 + data[0] % 20);
        return 0;
    }

    QString text;
    if ((mode & 1) != 0) {
        // Copied rather than cast: the fuzzer's buffer need not be aligned for char16_t.
        text.resize(static_cast<qsizetype>(size / 2));
        std::memcpy(text.data(), data, size / 2 * 2);
    } else {
        text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    }
    const Reference ref = ReferenceParse(text);
    CheckParse(ParseInt32(text), ref, text, "ParseInt32");
    const auto number = ParseInt64(text);
    CheckParse(number, ref, text, "ParseInt64");

    const int unit = ((mode >> 1) & 3) % 3;
    const int digits = (mode & 8) != 0 ? 3 : 2;
    if (number && *number >= 1 && *number <= UnitMaximum(unit))
        CheckValueToText(*number, unit, digits);
    return 0;
}
