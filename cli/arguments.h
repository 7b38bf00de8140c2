// SPDX-License-Identifier: MIT
// What the commands' arguments mean (values, series, percentages, how many positional
// arguments) and the pieces of text that several answers share.
#pragma once

#include "colourchart.h"
#include "eseries.h"
#include "lettercode.h"
#include "options.h"

#include <QJsonArray>
#include <QString>

#include <optional>
#include <string_view>

namespace kolvane {

QString FromView(std::string_view s);

// Resistance, or capacitance with --capacitor.
Quantity QuantityOf(const Options& o);
QString UnitName(Quantity q);
// "resistor" or "capacitor".
QString PartName(Quantity q);

// The value a token names, or bad input that says why not.
double ValueOf(const QString& token, Quantity q);
ESeries SeriesOf(const QString& token);
// A percentage "5", "5%" or "0.05", read the same in every locale.
std::optional<double> PercentOf(QString token);
// The colour chart of --chart; the program's own without it.
ColourChart ChartOf(const Options& o);
// Equal up to the noise of a decimal text read as a double.
bool SameNumber(double a, double b);

// The whole number of option `name`, from `low` to `high`; `fallback` without it.
int WholeOption(const Options& o, const QString& name, int low, int high, int fallback);

// Bad input when more than `allowed` positional arguments were given.
void NoPositional(const Options& o, qsizetype allowed);
// The one positional argument; `what` names it when it is missing.
QString OnlyPositional(const Options& o, const QString& what);

// The E series a value belongs to, as JSON names and as "standard in E3 … E192".
QJsonArray SeriesNames(double value);
QString SeriesText(double value);

} // namespace kolvane
