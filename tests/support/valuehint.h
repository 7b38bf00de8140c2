// SPDX-License-Identifier: MIT
// A value label's hint as the page tests compare it: the lines that describe the value.
#pragma once

#include "resulthint.h"

#include <QLabel>
#include <QString>

namespace kolvane::test {

// The hint without its last line, which names the Look up window and is checked here;
// a text saying what is wrong when assistive tools would read something else than the
// mouse, or when that line is missing.
inline QString ValueHint(const QLabel* label)
{
    if (label->accessibleDescription() != label->toolTip())
        return QStringLiteral("description differs: ") + label->accessibleDescription();
    QString text = label->toolTip();
    if (text.isEmpty())
        return text;
    if (!text.endsWith(QLatin1Char('\n') + LookUpHintLine))
        return QStringLiteral("no Ctrl+L line: ") + text;
    text.chop(LookUpHintLine.size() + 1);
    return text;
}

} // namespace kolvane::test
