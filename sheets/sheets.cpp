// SPDX-License-Identifier: MIT
#include "sheets.h"

#include <QList>
#include <QRegularExpression>

#include <array>

namespace kolvane {

namespace {

// Published figures for some of these differ by up to a millimetre; the offsets and
// the calibration page close that gap on a user's printer.
const std::array<Sheet, 8>& Presets()
{
    static const std::array<Sheet, 8> table = {{
        {QStringLiteral("avery-5160"),
         QStringLiteral("Letter"),
         LetterPage,
         3,
         10,
         {66.675, 25.4},
         4.7625,
         12.7,
         69.85,
         25.4,
         {}},
        {QStringLiteral("avery-5161"),
         QStringLiteral("Letter"),
         LetterPage,
         2,
         10,
         {101.6, 25.4},
         3.969,
         12.7,
         106.3625,
         25.4,
         {}},
        {QStringLiteral("avery-5167"),
         QStringLiteral("Letter"),
         LetterPage,
         4,
         20,
         {44.45, 12.7},
         7.144,
         12.7,
         52.3875,
         12.7,
         {}},
        {QStringLiteral("avery-l7157"), QStringLiteral("A4"), A4Page, 3, 11, {64.0, 24.3}, 6.4, 14.1, 66.552, 24.3, {}},
        {QStringLiteral("avery-l7651"), QStringLiteral("A4"), A4Page, 5, 13, {38.1, 21.2}, 4.7, 10.9, 40.6, 21.2, {}},
        {QStringLiteral("avery-l4732"), QStringLiteral("A4"), A4Page, 5, 16, {35.6, 16.9}, 11.0, 13.0, 38.1, 16.9, {}},
        {QStringLiteral("ej-range-24"), QStringLiteral("A4"), A4Page, 3, 8, {63.5, 33.9}, 6.5, 13.2, 66.45, 33.9, {}},
        {QStringLiteral("a4-3x11"),
         QStringLiteral("A4"),
         A4Page,
         3,
         11,
         {66.0, 26.0},
         6.0,
         5.5,
         66.0,
         26.0,
         QStringLiteral("plain paper, cut")},
    }};
    return table;
}

// Other names a preset is sold under, and the preset they are.
struct Alias {
    const char* name;
    const char* id;
};
constexpr std::array<Alias, 2> Aliases = {{{"avery-5260", "avery-5160"}, {"avery-8160", "avery-5160"}}};

// Rounding in the published figures (a pitch of 69.85 beside a width of 66.675 read
// from inches) must not count as an overlap or as leaving the page.
constexpr double Slack = 0.01;
constexpr int MostColumnsOrRows = 50;

} // namespace

QRectF Sheet::slotRect(int index) const
{
    const int column = index % columns;
    const int row = index / columns;
    return {left + column * across, top + row * down, label.width(), label.height()};
}

std::span<const Sheet> PresetSheets()
{
    return Presets();
}

const Sheet* FindPresetSheet(QStringView id)
{
    for (const Sheet& s : Presets())
        if (id.compare(s.id, Qt::CaseInsensitive) == 0)
            return &s;
    for (const Alias& a : Aliases)
        if (id.compare(QLatin1String(a.name), Qt::CaseInsensitive) == 0)
            return FindPresetSheet(QString::fromLatin1(a.id));
    return nullptr;
}

QString SheetProblem(const Sheet& s)
{
    if (!(s.page.width() > 0) || !(s.page.height() > 0) || s.page.width() > 2000 || s.page.height() > 2000)
        return QStringLiteral("the page must be 0 to 2000 mm each way");
    if (s.columns < 1 || s.rows < 1 || s.columns > MostColumnsOrRows || s.rows > MostColumnsOrRows)
        return QStringLiteral("columns and rows must be 1 to %1").arg(MostColumnsOrRows);
    if (!(s.label.width() > 0) || !(s.label.height() > 0))
        return QStringLiteral("the label size must be positive");
    if (!(s.left >= 0) || !(s.top >= 0))
        return QStringLiteral("the margins must not be negative");
    if (s.columns > 1 && !(s.across + Slack >= s.label.width()))
        return QStringLiteral("the labels overlap across (pitch %1 mm, label %2 mm wide)")
            .arg(s.across)
            .arg(s.label.width());
    if (s.rows > 1 && !(s.down + Slack >= s.label.height()))
        return QStringLiteral("the labels overlap down (pitch %1 mm, label %2 mm high)")
            .arg(s.down)
            .arg(s.label.height());
    const QRectF last = s.slotRect(s.slotCount() - 1);
    if (last.right() > s.page.width() + Slack)
        return QStringLiteral("the labels leave the page at the right (%1 mm of %2)")
            .arg(last.right())
            .arg(s.page.width());
    if (last.bottom() > s.page.height() + Slack)
        return QStringLiteral("the labels leave the page at the bottom (%1 mm of %2)")
            .arg(last.bottom())
            .arg(s.page.height());
    return {};
}

std::optional<QSizeF> ParsePageSize(QStringView text)
{
    if (text.compare(QLatin1String("a4"), Qt::CaseInsensitive) == 0)
        return A4Page;
    if (text.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0)
        return LetterPage;
    const QList<QStringView> parts = text.split(QLatin1Char('x'), Qt::KeepEmptyParts, Qt::CaseInsensitive);
    if (parts.size() != 2)
        return std::nullopt;
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,4}(\\.[0-9]{1,4})?$"));
    if (!number.match(parts[0].toString()).hasMatch() || !number.match(parts[1].toString()).hasMatch())
        return std::nullopt;
    const QSizeF size(parts[0].toDouble(), parts[1].toDouble());
    if (!(size.width() > 0) || !(size.height() > 0))
        return std::nullopt;
    return size;
}

} // namespace kolvane
