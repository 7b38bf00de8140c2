// SPDX-License-Identifier: MIT
#include "combinationfinder.h"

#include "valuetext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kolvane {

int PartCount(Topology t)
{
    switch (t) {
    case Topology::Single: return 1;
    case Topology::Series2:
    case Topology::Parallel2: return 2;
    case Topology::Series3:
    case Topology::Parallel3:
    case Topology::SeriesInParallel:
    case Topology::ParallelInSeries: return 3;
    }
    return 0;
}

namespace {

double Par(double a, double b)
{
    return 1.0 / (1.0 / a + 1.0 / b);
}

} // namespace

double CombinedValue(Topology t, const std::array<double, 3>& p)
{
    switch (t) {
    case Topology::Single: return p[0];
    case Topology::Series2: return p[0] + p[1];
    case Topology::Parallel2: return Par(p[0], p[1]);
    case Topology::Series3: return p[0] + p[1] + p[2];
    case Topology::Parallel3: return 1.0 / (1.0 / p[0] + 1.0 / p[1] + 1.0 / p[2]);
    case Topology::SeriesInParallel: return Par(p[0] + p[1], p[2]);
    case Topology::ParallelInSeries: return Par(p[0], p[1]) + p[2];
    }
    return 0.0;
}

double ErrorRank(double error)
{
    const double magnitude = std::abs(error);
    return magnitude < ExactError ? 0.0 : magnitude;
}

bool SameErrorRank(double x, double y)
{
    return std::abs(x - y) <= 1e-12 * std::max(x, y);
}

bool BetterCombination(const Combination& x, const Combination& y)
{
    const double rx = ErrorRank(x.error);
    const double ry = ErrorRank(y.error);
    if (!SameErrorRank(rx, ry))
        return rx < ry;
    const int px = PartCount(x.topology);
    const int py = PartCount(y.topology);
    if (px != py)
        return px < py;
    if (x.value != y.value)
        return x.value < y.value;
    // Only to make the order total: the same value, size and error from different parts.
    if (x.topology != y.topology)
        return x.topology < y.topology;
    return x.parts < y.parts;
}

namespace {

// The best answers so far, best first, never more than `top`.
class Board {
public:
    Board(double target, std::size_t top) : m_target(target), m_top(top) { m_list.reserve(top + 1); }

    // Whether an answer with this error could still enter the board.
    bool admits(double error) const
    {
        const double rank = ErrorRank(error);
        return m_list.size() < m_top || rank <= m_worstRank || SameErrorRank(rank, m_worstRank);
    }

    void offer(Topology t, const std::array<double, 3>& parts)
    {
        Combination c;
        c.topology = t;
        c.parts = parts;
        c.value = CombinedValue(t, parts);
        c.error = (c.value - m_target) / m_target;
        if (!admits(c.error) || partOfItComesAsNear(c))
            return;
        const auto at = std::upper_bound(m_list.begin(), m_list.end(), c, BetterCombination);
        if (m_list.size() == m_top && at == m_list.end())
            return;
        m_list.insert(at, c);
        if (m_list.size() > m_top)
            m_list.pop_back();
        m_worstRank = ErrorRank(m_list.back().error);
    }

    // Whether fewer of the answer's parts, joined any way, come at least as near: then
    // the answer is that one with a part added for nothing (4K7 + 1R0 beside 4K7).
    bool partOfItComesAsNear(const Combination& c) const
    {
        const int count = PartCount(c.topology);
        if (count == 1)
            return false;
        const double rank = ErrorRank(c.error);
        const auto asNear = [&](Topology t, double a, double b) {
            const double r = ErrorRank(error(t, {a, b, 0.0}));
            return r <= rank || SameErrorRank(r, rank);
        };
        for (int i = 0; i < count; ++i) {
            const double a = c.parts[static_cast<std::size_t>(i)];
            if (asNear(Topology::Single, a, 0.0))
                return true;
            for (int j = i + 1; j < count && count == 3; ++j) {
                const double b = c.parts[static_cast<std::size_t>(j)];
                if (asNear(Topology::Series2, a, b) || asNear(Topology::Parallel2, a, b))
                    return true;
            }
        }
        return false;
    }

    double error(Topology t, const std::array<double, 3>& parts) const
    {
        return (CombinedValue(t, parts) - m_target) / m_target;
    }

    std::vector<Combination> take() { return std::move(m_list); }

private:
    double m_target;
    std::size_t m_top;
    double m_worstRank = std::numeric_limits<double>::infinity();
    std::vector<Combination> m_list;
};

// With every part but the last fixed, the combined value rises with the last part, so
// the error falls towards the ideal value and rises beyond it. The candidates are
// walked outwards from the ideal value in both directions, each direction stopping
// at the first candidate that can no longer enter the board.
void OfferAround(Board& board, Topology t, std::array<double, 3> parts, int free, std::span<const double> values,
                 std::size_t first, double ideal)
{
    const auto begin = values.begin() + static_cast<std::ptrdiff_t>(first);
    std::size_t at = first;
    if (std::isnan(ideal) || ideal <= 0.0 || ideal == std::numeric_limits<double>::infinity())
        at = ideal > 0.0 ? values.size() : first; // infinite ideal: every part falls short
    else
        at = static_cast<std::size_t>(std::lower_bound(begin, values.end(), ideal) - values.begin());
    const std::size_t f = static_cast<std::size_t>(free);
    for (std::size_t i = at; i < values.size(); ++i) {
        parts[f] = values[i];
        if (!board.admits(board.error(t, parts)))
            break;
        board.offer(t, parts);
    }
    for (std::size_t i = at; i > first; --i) {
        parts[f] = values[i - 1];
        if (!board.admits(board.error(t, parts)))
            break;
        board.offer(t, parts);
    }
}

// The ideal last part x with fixed + x = target, or with fixed ‖ x = target (infinite
// when the fixed part alone is already at or below the target).
double IdealInSeries(double fixed, double target)
{
    return target - fixed;
}
double IdealInParallel(double fixed, double target)
{
    const double inverse = 1.0 / target - 1.0 / fixed;
    return inverse > 0.0 ? 1.0 / inverse : std::numeric_limits<double>::infinity();
}

} // namespace

std::optional<ReachableSpan> ReachableValues(std::span<const double> values, int maxParts)
{
    if (values.empty() || maxParts < 1)
        return std::nullopt;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return ReachableSpan{*low / maxParts, *high * maxParts};
}

std::vector<Combination> FindCombinations(std::span<const double> input, double target, int maxParts, int top)
{
    if (!std::isfinite(target) || target <= 0.0 || top <= 0 || maxParts < 1 || input.empty())
        return {};
    std::vector<double> values(input.begin(), input.end());
    for (const double v : values)
        if (!std::isfinite(v) || v <= 0.0)
            return {};
    // Reuse is allowed, so a repeated value adds nothing but repeated answers.
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    const std::size_t n = values.size();
    const std::span<const double> all(values);

    Board board(target, static_cast<std::size_t>(top));
    OfferAround(board, Topology::Single, {}, 0, all, 0, target);
    if (maxParts >= 2) {
        // a <= b: the second part is searched from the first one's place on.
        for (std::size_t i = 0; i < n; ++i) {
            const double a = values[i];
            OfferAround(board, Topology::Series2, {a, 0, 0}, 1, all, i, IdealInSeries(a, target));
            OfferAround(board, Topology::Parallel2, {a, 0, 0}, 1, all, i, IdealInParallel(a, target));
        }
    }
    if (maxParts >= 3) {
        for (std::size_t i = 0; i < n; ++i) {
            const double a = values[i];
            for (std::size_t j = i; j < n; ++j) {
                const double b = values[j];
                const double sum = a + b;
                const double par = 1.0 / (1.0 / a + 1.0 / b);
                // a <= b <= c for the symmetric ones; c is free for the mixed ones.
                OfferAround(board, Topology::Series3, {a, b, 0}, 2, all, j, IdealInSeries(sum, target));
                OfferAround(board, Topology::Parallel3, {a, b, 0}, 2, all, j, IdealInParallel(par, target));
                OfferAround(board, Topology::SeriesInParallel, {a, b, 0}, 2, all, 0, IdealInParallel(sum, target));
                OfferAround(board, Topology::ParallelInSeries, {a, b, 0}, 2, all, 0, IdealInSeries(par, target));
            }
        }
    }
    return board.take();
}

std::optional<QString> OutOfReach(std::span<const double> values, double target, int maxParts)
{
    const auto reach = ReachableValues(values, maxParts);
    if (!reach || (target >= reach->low * (1.0 - 1e-12) && target <= reach->high * (1.0 + 1e-12)))
        return std::nullopt;
    return QStringLiteral("out of reach: %1 these parts make %2 to %3")
        .arg(maxParts == 1 ? QStringLiteral("one of") : QStringLiteral("up to %1 of").arg(maxParts),
             QuantityText(reach->low, Quantity::Resistance), QuantityText(reach->high, Quantity::Resistance));
}

QString CombinationExpression(const Combination& c, const std::function<QString(double)>& partText)
{
    QString a = partText(c.parts[0]);
    const auto part = [&](std::size_t i) { return partText(c.parts[i]); };
    switch (c.topology) {
    case Topology::Single: return a;
    case Topology::Series2: return QStringLiteral("%1 + %2").arg(a, part(1));
    case Topology::Parallel2: return QStringLiteral("%1 \u2016 %2").arg(a, part(1));
    case Topology::Series3: return QStringLiteral("%1 + %2 + %3").arg(a, part(1), part(2));
    case Topology::Parallel3: return QStringLiteral("%1 \u2016 %2 \u2016 %3").arg(a, part(1), part(2));
    case Topology::SeriesInParallel: return QStringLiteral("(%1 + %2) \u2016 %3").arg(a, part(1), part(2));
    case Topology::ParallelInSeries: return QStringLiteral("(%1 \u2016 %2) + %3").arg(a, part(1), part(2));
    }
    return {};
}

QString CombinationErrorText(double error, const QLocale& locale)
{
    if (ErrorRank(error) == 0)
        return QStringLiteral("exact");
    return (error > 0 ? QStringLiteral("+") : QString()) + locale.toString(error * 100.0, 'g', 3) +
           QStringLiteral(" %");
}

} // namespace kolvane
