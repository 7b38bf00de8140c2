// SPDX-License-Identifier: MIT
// The one JSON shape of every --json answer: compact, numbers with at most 15
// significant digits (0.1 + 0.2 is 0.3, not 0.30000000000000004), and in every object
// the unit first, before the numbers it measures; the other keys in QJsonObject's
// order, as the answers always had them.
#pragma once

#include <QJsonObject>
#include <QString>

namespace kolvane {

QString JsonText(const QJsonObject& object);

} // namespace kolvane
