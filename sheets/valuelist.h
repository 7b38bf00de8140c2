// SPDX-License-Identifier: MIT
// The values a sheet of labels is printed for: a list typed or read from a file (one
// value a line, "#" starting a comment, "-" alone for a blank label), or a range of a
// series. The window and kolvane-cli read lists through this one reader.
#pragma once

#include "eseries.h"
#include "labellayout.h"

#include <QString>
#include <QStringView>

namespace kolvane {

// A list longer than this is refused whole, never read in part.
inline constexpr int MostListedLabels = 10000;

struct ValueListResult {
    LabelValues values; // empty when refused
    int errorLine = 0;  // 1-based line of the fault; 0 when the list was read
    QString error;      // "line 3: '4k7x' is not a value"; empty when read
};

// Reads the text of a list. Blank lines and comment-only lines give no label; a line
// holds one value, optionally followed by a comment.
ValueListResult ReadValueList(QStringView text, Quantity q);

// The values of a comma-separated list ("4k7,22k,-"), as kolvane-cli's --values takes
// them; the error names the item ("item 2: ...").
ValueListResult ReadValueItems(QStringView text, Quantity q);

struct RangeResult {
    LabelValues values;
    QString error; // "from '1M' is above to '10'"; empty when read
};

// Every member of the series from `from` to `to` inclusive, both in Kolvane's value
// syntax.
RangeResult SeriesRange(ESeries series, QStringView from, QStringView to, Quantity q);

} // namespace kolvane
