// SPDX-License-Identifier: MIT
#include "stocklist.h"

#include "excerpt.h"
#include "valuetext.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace kolvane {
namespace {

StockList Refused(const QString& error)
{
    return {{}, error};
}

} // namespace

StockList ReadStockList(QIODevice& device, const QString& name)
{
    const QString source = QuotedExcerpt(name);
    // A pipe or a device reports no size, so the limit is counted while reading: one
    // byte past it is enough to know the list is too long.
    QByteArray bytes;
    while (bytes.size() <= LargestStockList) {
        const QByteArray chunk = device.read(LargestStockList + 1 - bytes.size());
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (bytes.size() > LargestStockList)
        return Refused(QStringLiteral("%1 is too large for a stock list (over 1 MiB)").arg(source));
    if (device.isReadable() && !device.atEnd() && !device.isSequential())
        return Refused(QStringLiteral("%1 cannot be read to its end").arg(source));

    const QString text = QString::fromUtf8(bytes);
    std::vector<double> values;
    int lineNumber = 0;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        ++lineNumber;
        const qsizetype hash = line.indexOf(QLatin1Char('#'));
        if (hash >= 0)
            line.truncate(hash);
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        const auto v = ParseValue(line, Quantity::Resistance);
        if (!v)
            return Refused(QStringLiteral("%1 on line %2 of %3 is not a resistance value")
                               .arg(QuotedExcerpt(line))
                               .arg(lineNumber)
                               .arg(source));
        values.push_back(*v);
    }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    if (values.empty())
        return Refused(QStringLiteral("%1 lists no values").arg(source));
    if (values.size() > MostStockValues)
        return Refused(QStringLiteral("%1 lists more than %2 different values").arg(source).arg(MostStockValues));
    return {values, {}};
}

StockList ReadStockFile(const QString& path)
{
    // An empty name is checked here: QFile would warn about it on stderr.
    if (path.isEmpty())
        return Refused(QStringLiteral("'' names no stock file"));
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return Refused(QStringLiteral("%1 cannot be read").arg(QuotedExcerpt(path)));
    return ReadStockList(file, path);
}

} // namespace kolvane
