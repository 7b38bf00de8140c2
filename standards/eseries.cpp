// SPDX-License-Identifier: MIT
#include "eseries.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>

namespace kolvane {
namespace {

// IEC 60063. E3 to E12 are every second member of the next series; E24 keeps the
// historic values 27, 30, 33, 36, 39, 43, 47 and 82 that its formula would not give.
constexpr int E3[] = {10, 22, 47};
constexpr int E6[] = {10, 15, 22, 33, 47, 68};
constexpr int E12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr int E24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
// round(100 * 10^(i/N)), except E192's 920 where the formula gives 919.
constexpr int E48[] = {
    100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
    215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442,
    464, 487, 511, 536, 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953,
};
constexpr int E96[] = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255,
    261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976,
};
constexpr int E192[] = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123, 124, 126, 127, 129,
    130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167,
    169, 172, 174, 176, 178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218,
    221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284,
    287, 291, 294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361, 365, 370,
    374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459, 464, 470, 475, 481,
    487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556, 562, 569, 576, 583, 590, 597, 604, 612, 619, 626,
    634, 642, 649, 657, 665, 673, 681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816,
    825, 835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988,
};

// Exact in a double up to 10^22.
constexpr std::array<double, 23> PowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                                1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Relative distance within which a value counts as a member.
constexpr double MemberTolerance = 1e-6;

// The members of a series as one ladder over all decades: rung n is mantissa
// n mod count in decade floor(n / count), and rung 0 is 1 (one ohm or picofarad).
class Ladder {
public:
    explicit Ladder(ESeries s) : m_mantissas(SeriesMantissas(s)), m_count(static_cast<std::int64_t>(m_mantissas.size()))
    {
        m_digits = m_mantissas.front() >= 100 ? 3 : 2;
    }

    std::int64_t lowest() const { return -3 * m_count; }  // 1 mΩ
    std::int64_t highest() const { return 15 * m_count; } // 10^15

    // Multiplying or dividing by an exact power of ten rounds once, so each rung is
    // the double nearest its decimal value.
    double value(std::int64_t n) const
    {
        const std::int64_t decade = floorDiv(n, m_count);
        const double mantissa = m_mantissas[static_cast<std::size_t>(n - decade * m_count)];
        const std::int64_t exponent = decade - (m_digits - 1);
        return exponent >= 0 ? mantissa * PowersOfTen[static_cast<std::size_t>(exponent)]
                             : mantissa / PowersOfTen[static_cast<std::size_t>(-exponent)];
    }

    // The rung at or below the value; the value must lie within the ladder's range.
    // `log` is log10(value), which callers asking several ladders work out once.
    std::int64_t floorRung(double value, double log) const
    {
        // The members lie close to 10^(n / count), so this lands on the rung or next to it.
        const auto estimate = static_cast<std::int64_t>(std::floor(log * static_cast<double>(m_count)));
        std::int64_t n = std::clamp(estimate, lowest(), highest());
        while (n > lowest() && this->value(n) > value)
            --n;
        while (n < highest() && this->value(n + 1) <= value)
            ++n;
        return n;
    }

    // The rung the value is a member at, if any.
    std::optional<std::int64_t> memberRung(double value, double log) const
    {
        const std::int64_t n = floorRung(value, log);
        for (const std::int64_t rung : {n, n + 1})
            if (rung <= highest() && std::fabs(value / this->value(rung) - 1.0) <= MemberTolerance)
                return rung;
        return std::nullopt;
    }

private:
    static std::int64_t floorDiv(std::int64_t a, std::int64_t b)
    {
        return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
    }

    std::span<const int> m_mantissas;
    std::int64_t m_count;
    int m_digits = 2;
};

// Values that can be compared with the ladder at all; members themselves stop a hair
// inside, so the tolerance lets 0.99999999e-3 count as 1 mΩ.
bool InRange(double value)
{
    return std::isfinite(value) && value >= LowestSeriesValue * (1.0 - MemberTolerance) &&
           value <= HighestSeriesValue * (1.0 + MemberTolerance);
}

} // namespace

std::string_view SeriesName(ESeries s)
{
    switch (s) {
    case ESeries::E3: return "E3";
    case ESeries::E6: return "E6";
    case ESeries::E12: return "E12";
    case ESeries::E24: return "E24";
    case ESeries::E48: return "E48";
    case ESeries::E96: return "E96";
    case ESeries::E192: return "E192";
    }
    return {};
}

std::optional<ESeries> SeriesFromName(std::string_view name)
{
    if (name.size() < 2 || (name[0] != 'E' && name[0] != 'e'))
        return std::nullopt;
    for (const ESeries s : AllSeries)
        if (SeriesName(s).substr(1) == name.substr(1))
            return s;
    return std::nullopt;
}

std::span<const int> SeriesMantissas(ESeries s)
{
    switch (s) {
    case ESeries::E3: return E3;
    case ESeries::E6: return E6;
    case ESeries::E12: return E12;
    case ESeries::E24: return E24;
    case ESeries::E48: return E48;
    case ESeries::E96: return E96;
    case ESeries::E192: return E192;
    }
    return {};
}

bool IsInSeries(double value, ESeries s)
{
    if (!InRange(value) || SeriesMantissas(s).empty())
        return false;
    return Ladder(s).memberRung(value, std::log10(value)).has_value();
}

std::optional<SeriesNeighbours> NearestInSeries(double value, ESeries s)
{
    if (!InRange(value) || SeriesMantissas(s).empty())
        return std::nullopt;
    const Ladder ladder(s);
    const double log = std::log10(value);
    if (const auto rung = ladder.memberRung(value, log)) {
        if (*rung <= ladder.lowest() || *rung >= ladder.highest())
            return std::nullopt;
        return SeriesNeighbours{true, ladder.value(*rung), ladder.value(*rung - 1), ladder.value(*rung + 1)};
    }
    const std::int64_t n = ladder.floorRung(value, log);
    if (n + 1 > ladder.highest())
        return std::nullopt;
    const double below = ladder.value(n);
    const double above = ladder.value(n + 1);
    if (below >= value || above <= value)
        return std::nullopt; // outside the ladder at either end
    // By ratio: above is nearer when above/value < value/below, that is value² > below·above.
    const bool upper = value / below >= above / value;
    return SeriesNeighbours{false, upper ? above : below, below, above};
}

std::optional<SeriesPlaceInRange> NearestInRange(double value, ESeries s)
{
    if (const auto n = NearestInSeries(value, s))
        return SeriesPlaceInRange{n->member, n->nearest, n->below, n->above};
    if (!InRange(value) || SeriesMantissas(s).empty())
        return std::nullopt;
    const Ladder ladder(s);
    const auto rung = ladder.memberRung(value, std::log10(value));
    if (rung && *rung == ladder.lowest())
        return SeriesPlaceInRange{true, ladder.value(*rung), std::nullopt, ladder.value(*rung + 1)};
    if (rung && *rung == ladder.highest())
        return SeriesPlaceInRange{true, ladder.value(*rung), ladder.value(*rung - 1), std::nullopt};
    return std::nullopt;
}

std::vector<double> SeriesValues(ESeries s, double low, double high)
{
    std::vector<double> values;
    if (std::isnan(low) || std::isnan(high) || low > high || SeriesMantissas(s).empty())
        return values;
    low = std::max(low, LowestSeriesValue);
    high = std::min(high, HighestSeriesValue);
    if (low > high)
        return values;
    const Ladder ladder(s);
    std::int64_t n = ladder.floorRung(low, std::log10(low));
    if (ladder.value(n) < low)
        ++n;
    for (; n <= ladder.highest() && ladder.value(n) <= high; ++n)
        values.push_back(ladder.value(n));
    return values;
}

std::vector<ESeries> SeriesContaining(double value)
{
    std::vector<ESeries> series;
    if (!InRange(value))
        return series;
    const double log = std::log10(value);
    for (const ESeries s : AllSeries)
        if (Ladder(s).memberRung(value, log))
            series.push_back(s);
    return series;
}

} // namespace kolvane
