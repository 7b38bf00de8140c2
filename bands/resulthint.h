// SPDX-License-Identifier: MIT
// What a colour-code page says about a shown value beyond the value itself: the span
// its tolerance allows, the standard series it belongs to (or its neighbours there),
// and a warning when the same bands also make a valid code read from the other end.
#pragma once

#include "bandcode.h"
#include "colourcode.h"

#include <QLocale>
#include <QString>

namespace kolvane {

// The hint's lines, joined by line breaks, every value written as the page writes its
// value; empty when the bands make no valid code.
QString ResultHint(const BandCode& code, Quantity q, const CodeUnits& units, const QLocale& locale);

} // namespace kolvane
