// SPDX-License-Identifier: MIT
// What a colour-code page says about a shown value beyond the value itself: the span
// its tolerance allows, the standard series it belongs to (or its neighbours there),
// and a warning when the same bands also make a valid code read from the other end.
#pragma once

#include "bandcode.h"
#include "colourcode.h"
#include "readingdetails.h"
#include "tolerance.h"

#include <QLocale>
#include <QString>

namespace kolvane {

// The hint's lines, joined by line breaks, every value written as the page writes its
// value; empty when the bands make no valid code.
QString ResultHint(const BandCode& code, Quantity q, const CodeUnits& units, const QLocale& locale);

// The value labels' hint ends with this line, naming the window that reads any value.
inline const QString LookUpHintLine = QStringLiteral("Ctrl+L looks up any value, marking or colour code");

// The hint's lines one by one, for other places that describe a value the same way.
// "Tolerance ±5%: 4,47 KOhm … 4,94 KOhm"; empty for a percent that spans nothing.
QString ToleranceLine(double value, double percent, const CodeUnits& units, const QLocale& locale);
// The same line for a span already worked out (ShownToleranceSpan).
QString ToleranceLine(const ValueSpan& span, double percent, const CodeUnits& units, const QLocale& locale);
// "Standard value in E6, E12, E24" or "Not a standard value; neighbours in E24: … and …".
QString SeriesLine(double value, const CodeUnits& units, const QLocale& locale);
// The same line for a place already worked out (SeriesPlaceOf).
QString SeriesLine(const SeriesPlace& place, const CodeUnits& units, const QLocale& locale);
// "Warning: read from the other end: 120,00 Ohm ±1%".
QString OtherEndLine(const CodeReading& other, const CodeUnits& units, const QLocale& locale);
// "±0,25%", with the locale's decimal point.
QString PercentText(double percent, const QLocale& locale);

} // namespace kolvane
