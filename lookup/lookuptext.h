// SPDX-License-Identifier: MIT
// The texts of the Look up window: a reading as one line, the details of a reading as
// lines, a combination as "expression = value (error)". Every value is written as the
// colour-code pages write values, in the given locale.
#pragma once

#include "combinationfinder.h"
#include "readingdetails.h"
#include "textreading.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace kolvane {

// "letter code: 4,70 KOhm", "colour code: 10,00 KOhm ±1%".
QString ReadingLine(const TextReading& reading, Quantity q, const QLocale& locale);

// The details of a reading (DetailsOf) as lines: the value, its span, its place in the
// series, the codes that write it and the other-end warning, one line each. Nothing is
// worked out again here.
QStringList DetailLines(const ReadingDetails& details, Quantity q, const QLocale& locale);

// "10K ‖ 10K = 5,00 KOhm (exact)", "(1K0 + 2K2) ‖ 4K7 = 1,90 KOhm (-0,21 %)".
QString CombinationLine(const Combination& c, const QLocale& locale);

} // namespace kolvane
