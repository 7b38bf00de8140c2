// SPDX-License-Identifier: MIT
#include "bandcode.h"

#include "numbers.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cmath>

namespace kolvane {
namespace {

bool SameReading(const CodeReading& a, const CodeReading& b)
{
    return a.value == b.value && a.tolerancePercent == b.tolerancePercent && a.tcrPpm == b.tcrPpm;
}

} // namespace

// The lists' own items, read as numbers once.
double TolerancePercent(int index)
{
    static const auto percents = [] {
        std::array<double, ToleranceItemCount> table{};
        for (std::size_t i = 0; i < table.size(); ++i) {
            QString text =
                QString::fromLatin1(ToleranceItems[i].data(), static_cast<qsizetype>(ToleranceItems[i].size()));
            text.chop(1); // the percent sign
            table[i] = text.replace(u',', u'.').toDouble();
        }
        return table;
    }();
    return percents[static_cast<std::size_t>(index)];
}

std::optional<int> ToleranceIndexOfPercent(double percent)
{
    for (int i = 0; i < ToleranceItemCount; ++i)
        if (std::abs(TolerancePercent(i) - percent) <= 1e-9 * percent)
            return i;
    return std::nullopt;
}

std::optional<int> TfrPpm(int index)
{
    static const auto ppms = [] {
        std::array<std::optional<int>, TfrItemCount> table{};
        for (std::size_t i = 0; i < table.size(); ++i) {
            bool ok = false;
            const int ppm =
                QString::fromLatin1(TfrItems[i].data(), static_cast<qsizetype>(TfrItems[i].size())).toInt(&ok);
            if (ok)
                table[i] = ppm;
        }
        return table;
    }();
    return ppms[static_cast<std::size_t>(index)];
}

std::optional<CodeReading> ReadBands(const BandCode& code, Quantity q)
{
    return ReadBands(code, q, ColourChart::Kolvane);
}

std::optional<CodeReading> ReadBands(const BandCode& code, Quantity q, ColourChart chart)
{
    const std::size_t count = code.digits.size();
    if (count != 2 && count != 3)
        return std::nullopt;
    if (code.tfr && (q != Quantity::Resistance || count != 3))
        return std::nullopt;

    // Digits, multiplier and tolerance, then the TFR of a six-band code.
    const auto roles = RolesOf(static_cast<int>(count) + (code.tfr ? 3 : 2));
    int significand = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const BandColour band = code.digits[i];
        if (!ChartAccepts(chart, roles[i], band))
            return std::nullopt;
        significand = significand * 10 + *DigitOfColour(band, i == 0);
    }
    if (!ChartAccepts(chart, roles[count], code.multiplier) || !ChartAccepts(chart, roles[count + 1], code.tolerance))
        return std::nullopt;
    if (code.tfr && !ChartAccepts(chart, roles[count + 2], *code.tfr))
        return std::nullopt;

    // Dividing by a power of ten rounds once, where multiplying by 0.1 would not.
    const double value = TimesPowerOfTen(significand, *ChartMultiplierExponent(chart, code.multiplier));

    CodeReading reading{value, 20.0, std::nullopt};
    for (const ToleranceBand& t : ChartTolerances(chart))
        if (t.colour == code.tolerance)
            reading.tolerancePercent = t.percent;
    if (code.tfr)
        for (const TcrBand& t : ChartTcrs(chart))
            if (t.colour == *code.tfr)
                reading.tcrPpm = t.ppm;
    return reading;
}

bool IsPlausible(double value, Quantity q)
{
    return value > 0.0 && value <= (q == Quantity::Resistance ? MostPlausibleResistance : MostPlausibleCapacitance);
}

std::optional<CodeReading> ReverseReading(const BandCode& code, Quantity q)
{
    return ReverseReading(code, q, ColourChart::Kolvane);
}

std::optional<CodeReading> ReverseReading(const BandCode& code, Quantity q, ColourChart chart)
{
    if (code.tolerance == NoColour)
        return std::nullopt;
    const std::size_t count = code.digits.size();
    if (count != 2 && count != 3)
        return std::nullopt;

    // The whole printed sequence, first band first; an unset TFR band is not printed.
    std::array<BandColour, 6> printed{};
    std::copy(code.digits.begin(), code.digits.end(), printed.begin());
    printed[count] = code.multiplier;
    printed[count + 1] = code.tolerance;
    const bool withTfr = code.tfr && *code.tfr != NoColour;
    if (withTfr)
        printed[count + 2] = *code.tfr;
    const auto last = printed.begin() + static_cast<std::ptrdiff_t>(count + (withTfr ? 3 : 2));
    std::reverse(printed.begin(), last);

    BandCode reversed;
    reversed.digits.assign(printed.begin(), printed.begin() + static_cast<std::ptrdiff_t>(count));
    reversed.multiplier = printed[count];
    reversed.tolerance = printed[count + 1];
    if (withTfr)
        reversed.tfr = printed[count + 2];

    const auto reading = ReadBands(reversed, q, chart);
    if (!reading || !IsPlausible(reading->value, q))
        return std::nullopt;
    if (const auto forward = ReadBands(code, q, chart); forward && SameReading(*forward, *reading))
        return std::nullopt;
    return reading;
}

std::vector<BandColour> PrintedBands(const BandCode& code)
{
    std::vector<BandColour> bands = code.digits;
    bands.push_back(code.multiplier);
    if (code.tolerance != NoColour)
        bands.push_back(code.tolerance);
    if (code.tfr && *code.tfr != NoColour)
        bands.push_back(*code.tfr);
    return bands;
}

std::optional<BandCode> CodeOfPrintedBands(std::span<const BandColour> printed)
{
    const std::span<const BandRole> roles = RolesOf(static_cast<int>(printed.size()));
    if (roles.empty())
        return std::nullopt;
    BandCode code;
    for (std::size_t i = 0; i < roles.size(); ++i) {
        switch (roles[i]) {
        case BandRole::FirstDigit:
        case BandRole::Digit: code.digits.push_back(printed[i]); break;
        case BandRole::MultiplierOfFour:
        case BandRole::MultiplierOfMore: code.multiplier = printed[i]; break;
        case BandRole::Tolerance: code.tolerance = printed[i]; break;
        case BandRole::Tfr: code.tfr = printed[i]; break;
        }
    }
    return code;
}

QString ColourNames(const BandCode& code)
{
    QString names;
    for (const BandColour band : PrintedBands(code)) {
        const std::string_view name = ColourName(band);
        if (!names.isEmpty())
            names += QLatin1Char(' ');
        names += QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
    }
    return names;
}

} // namespace kolvane
