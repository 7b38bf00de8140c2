// SPDX-License-Identifier: MIT
// combine: the one to three parts nearest a target.
#include "arguments.h"
#include "commands.h"

#include "combinationfinder.h"
#include "stocklist.h"
#include "valuetext.h"

#include <QFile>
#include <QJsonArray>

#include <algorithm>
#include <vector>

namespace kolvane {
namespace {

// "-" is standard input, read as any other source.
std::vector<double> StockValues(const QString& path)
{
    StockList list;
    if (path == QLatin1String("-")) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            Refuse(QStringLiteral("standard input cannot be read"));
        list = ReadStockList(in, QStringLiteral("standard input"));
    } else {
        list = ReadStockFile(path);
    }
    if (!list.error.isEmpty())
        Refuse(list.error);
    return list.values;
}

} // namespace

Answer commands::Combine(const Options& o)
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
        values =
            SeriesValues(o.has(QStringLiteral("series")) ? SeriesOf(o.single(QStringLiteral("series"))) : ESeries::E24,
                         SmallestSeriesPart, LargestSeriesPart);
    // Every value to leave out is looked up before any is, so that naming one twice
    // is no error.
    const std::vector<double> set = values;
    for (const QString& token : o.values(QStringLiteral("exclude"))) {
        const double excluded = ValueOf(token, Quantity::Resistance);
        if (std::none_of(set.begin(), set.end(), [excluded](double v) { return SameNumber(v, excluded); }))
            Refuse(QStringLiteral("'--exclude' %1: %2 is not one of the parts")
                       .arg(Quoted(token), QuantityText(excluded, Quantity::Resistance)));
        std::erase_if(values, [excluded](double v) { return SameNumber(v, excluded); });
    }
    if (values.empty())
        Refuse(QStringLiteral("'--exclude' leaves no parts to combine"));
    if (const auto why = OutOfReach(values, target, parts))
        Refuse(Quoted(targetToken) + QStringLiteral(" is ") + *why);

    const std::vector<Combination> found = FindCombinations(values, target, parts, top);
    Answer a;
    QJsonArray results;
    QStringList lines;
    for (const Combination& c : found) {
        QJsonArray values;
        for (int i = 0; i < PartCount(c.topology); ++i)
            values.append(c.parts[static_cast<std::size_t>(i)]);
        const QString expression = CombinationExpression(c, CompactValue);
        results.append(QJsonObject{{QStringLiteral("value"), c.value},
                                   {QStringLiteral("unit"), UnitName(Quantity::Resistance)},
                                   {QStringLiteral("error"), c.error},
                                   {QStringLiteral("parts"), values},
                                   {QStringLiteral("expression"), expression}});
        QString line = expression + QStringLiteral(" = ") + QuantityText(c.value, Quantity::Resistance);
        const QString error = CombinationErrorText(c.error, QLocale::c());
        line += ErrorRank(c.error) == 0 ? QLatin1Char(' ') + error : QStringLiteral(" (%1)").arg(error);
        lines << line;
    }
    a.json[QStringLiteral("results")] = results;
    a.text = lines.join(QLatin1Char('\n'));
    return a;
}

} // namespace kolvane
