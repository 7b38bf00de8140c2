// SPDX-License-Identifier: MIT
// combine: the one to three parts nearest a target.
#include "arguments.h"
#include "commands.h"

#include "combinationfinder.h"
#include "valuetext.h"

#include <QFile>
#include <QJsonArray>

#include <algorithm>
#include <vector>

namespace kolvane {
namespace {

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
    if (!o.has(name))
        return fallback;
    const QString t = o.single(name);
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

} // namespace

Answer Combine(const Options& o)
{
    const QString targetToken = OnlyPositional(o, QStringLiteral("a target value"));
    const double target = ValueOf(targetToken, Quantity::Resistance);
    const int parts = WholeOption(o, QStringLiteral("parts"), 1, 3, 2);
    const int top = WholeOption(o, QStringLiteral("top"), 1, 1000, 5);
    if (o.has(QStringLiteral("series")) && o.has(QStringLiteral("stock")))
        Refuse(QStringLiteral("'--series' and '--stock' exclude each other"));

    std::vector<double> values;
    if (o.has(QStringLiteral("stock")))
        values = StockValues(o.single(QStringLiteral("stock")));
    else
        values = SeriesValues(
            o.has(QStringLiteral("series")) ? SeriesOf(o.single(QStringLiteral("series"))) : ESeries::E24, 1.0, 10e6);
    for (const QString& token : o.values(QStringLiteral("exclude"))) {
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

} // namespace kolvane
