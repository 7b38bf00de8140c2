// SPDX-License-Identifier: MIT
// How a message quotes what someone typed or a file held: short, on one line, with
// nothing in it that a terminal would act on.
#pragma once

#include <QString>
#include <QStringView>

namespace kolvane {

inline constexpr qsizetype MostQuotedCharacters = 40;

// The text in single quotes: at most MostQuotedCharacters characters of it and then
// "…" when it is longer; control and format characters (escape, NUL, line breaks,
// bidirectional overrides) written as \xNN or \uNNNN so that they show and do nothing.
QString QuotedExcerpt(QStringView text);

} // namespace kolvane
