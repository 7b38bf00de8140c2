// SPDX-License-Identifier: MIT
#include "valuelist.h"

#include "excerpt.h"
#include "valuetext.h"

#include <QList>

namespace kolvane {

namespace {

// One entry: "-" for a blank label, else a value. `where` names it in a message.
bool ReadEntry(QStringView entry, Quantity q, LabelValues& values, QString& error)
{
    if (entry == QLatin1String("-")) {
        values.emplace_back();
        return true;
    }
    const std::optional<double> value = ParseValue(entry, q);
    if (!value || *value < LowestSeriesValue || *value > HighestSeriesValue) {
        const QString why = WhyNotAValue(entry, q);
        error = QStringLiteral("%1 %2").arg(QuotedExcerpt(entry.toString()),
                                            why.isEmpty() ? QStringLiteral("is not a value") : why);
        return false;
    }
    values.emplace_back(*value);
    return true;
}

ValueListResult TooLong()
{
    ValueListResult r;
    r.error = QStringLiteral("more than %1 labels").arg(MostListedLabels);
    return r;
}

} // namespace

ValueListResult ReadValueList(QStringView text, Quantity q)
{
    ValueListResult result;
    int lineNumber = 0;
    for (QStringView line : text.split(QLatin1Char('\n'))) {
        ++lineNumber;
        const qsizetype hash = line.indexOf(QLatin1Char('#'));
        if (hash >= 0)
            line = line.left(hash);
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (static_cast<int>(result.values.size()) >= MostListedLabels)
            return TooLong();
        QString error;
        if (!ReadEntry(line, q, result.values, error)) {
            ValueListResult refused;
            refused.errorLine = lineNumber;
            refused.error = QStringLiteral("line %1: %2").arg(lineNumber).arg(error);
            return refused;
        }
    }
    return result;
}

ValueListResult ReadValueItems(QStringView text, Quantity q)
{
    ValueListResult result;
    int item = 0;
    for (QStringView entry : text.split(QLatin1Char(','))) {
        ++item;
        entry = entry.trimmed();
        if (static_cast<int>(result.values.size()) >= MostListedLabels)
            return TooLong();
        QString error;
        if (entry.isEmpty())
            error = QStringLiteral("is empty");
        if (!entry.isEmpty() && ReadEntry(entry, q, result.values, error))
            continue;
        ValueListResult refused;
        refused.errorLine = item;
        refused.error = QStringLiteral("item %1: %2").arg(item).arg(error);
        return refused;
    }
    return result;
}

RangeResult SeriesRange(ESeries series, QStringView from, QStringView to, Quantity q)
{
    RangeResult result;
    const std::optional<double> low = ParseValue(from, q);
    if (!low) {
        result.error = QStringLiteral("from %1 is not a value").arg(QuotedExcerpt(from.toString()));
        return result;
    }
    const std::optional<double> high = ParseValue(to, q);
    if (!high) {
        result.error = QStringLiteral("to %1 is not a value").arg(QuotedExcerpt(to.toString()));
        return result;
    }
    if (*low > *high) {
        result.error =
            QStringLiteral("from %1 is above to %2").arg(QuotedExcerpt(from.toString()), QuotedExcerpt(to.toString()));
        return result;
    }
    const std::vector<double> members = SeriesValues(series, *low, *high);
    if (static_cast<int>(members.size()) > MostListedLabels) {
        result.error = QStringLiteral("the range holds more than %1 labels").arg(MostListedLabels);
        return result;
    }
    if (members.empty()) {
        result.error =
            QStringLiteral("no %1 value lies from %2 to %3")
                .arg(QLatin1String(SeriesName(series).data(), static_cast<qsizetype>(SeriesName(series).size())),
                     QuotedExcerpt(from.toString()), QuotedExcerpt(to.toString()));
        return result;
    }
    result.values.assign(members.begin(), members.end());
    return result;
}

} // namespace kolvane
