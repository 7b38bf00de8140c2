// SPDX-License-Identifier: MIT
// nearest, series and parallel: standard values and networks of parts.
#include "arguments.h"
#include "commands.h"

#include "eseries.h"
#include "tolerance.h"
#include "valuetext.h"

#include <QJsonArray>

#include <vector>

namespace kolvane {
namespace {

Answer Network(const Options& o, bool inSeries)
{
    const Quantity q = QuantityOf(o);
    const QStringList tokens = o.positional();
    if (tokens.size() < 2)
        Refuse(QStringLiteral("'%1' needs two or more values").arg(o.command()));
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

} // namespace

Answer commands::Nearest(const Options& o)
{
    const Quantity q = QuantityOf(o);
    const QString token = OnlyPositional(o, QStringLiteral("a value"));
    const double value = ValueOf(token, q);
    std::vector<ESeries> series(AllSeries.begin(), AllSeries.end());
    if (o.has(QStringLiteral("series")))
        series = {SeriesOf(o.single(QStringLiteral("series")))};

    Answer a;
    QJsonArray results;
    QStringList lines;
    for (const ESeries s : series) {
        const auto n = NearestInRange(value, s);
        if (!n)
            Refuse(QStringLiteral("%1 is outside the E series (%2)").arg(Quoted(token), PartRangeText(q)));
        const QString name = FromView(SeriesName(s));
        const auto number = [](std::optional<double> v) { return v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null); };
        results.append(QJsonObject{{QStringLiteral("series"), name},
                                   {QStringLiteral("unit"), UnitName(q)},
                                   {QStringLiteral("member"), n->member},
                                   {QStringLiteral("nearest"), n->nearest},
                                   {QStringLiteral("below"), number(n->below)},
                                   {QStringLiteral("above"), number(n->above)}});
        QStringList sides;
        if (n->below)
            sides << QStringLiteral("below ") + QuantityText(*n->below, q);
        if (n->above)
            sides << QStringLiteral("above ") + QuantityText(*n->above, q);
        lines << QStringLiteral("%1: %2 %3 (%4)")
                     .arg(name, n->member ? QStringLiteral("member") : QStringLiteral("nearest"),
                          QuantityText(n->nearest, q), sides.join(QStringLiteral(", ")));
    }
    if (o.has(QStringLiteral("series")))
        a.json = results.first().toObject();
    else
        a.json[QStringLiteral("results")] = results;
    a.text = lines.join(QLatin1Char('\n'));
    return a;
}

Answer commands::Series(const Options& o)
{
    return Network(o, true);
}

Answer commands::Parallel(const Options& o)
{
    return Network(o, false);
}

} // namespace kolvane
