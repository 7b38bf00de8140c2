// SPDX-License-Identifier: MIT
#include "labelcodes.h"

#include "encoding.h"
#include "readingdetails.h"
#include "valuetext.h"

#include <cmath>

namespace kolvane {

namespace {

QString WithPoint(QString text, QChar point)
{
    if (point != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), point);
    return text;
}

// A capacitor's value in its neighbouring unit, as parts lists write it beside the
// first: 100 nF is 0.1 µF, 4.7 nF is 4700 pF, 22 nF 0.022 µF. Only between pF, nF and
// µF, and nothing where lists do not write it so (22 pF as 0.022 nF).
QString AlternateCapacitance(double picofarads)
{
    static constexpr std::array<double, 3> Factors = {1.0, 1e3, 1e6};
    static const std::array<QString, 3> Units = {QStringLiteral(" pF"), QStringLiteral(" nF"),
                                                 QStringLiteral(" \u00B5F")};
    int unit = 0;
    while (unit < 2 && picofarads >= Factors[static_cast<std::size_t>(unit) + 1] * (1.0 - 5e-7))
        ++unit;
    const double number = picofarads / Factors[static_cast<std::size_t>(unit)];
    int other = -1;
    if (number < 10.0 && unit > 0)
        other = unit - 1;
    else if (unit < 2 && (number >= 100.0 || (unit == 1 && number >= 10.0)))
        other = unit + 1;
    if (other < 0)
        return {};
    return PlainNumber(picofarads / Factors[static_cast<std::size_t>(other)]) + Units[static_cast<std::size_t>(other)];
}

} // namespace

LabelCodes CodesOf(double value, Quantity q, QChar decimalPoint)
{
    LabelCodes codes;
    codes.value = WithPoint(QuantityText(value, q), decimalPoint);
    ExactMarkings markings = MarkingsOfValue(value, q);
    codes.letter = std::move(markings.letter);
    codes.smd3 = std::move(markings.smd3);
    codes.smd4 = std::move(markings.smd4);
    codes.eia96 = std::move(markings.eia96);
    codes.cap3 = std::move(markings.cap3);
    if (q == Quantity::Resistance) {
        codes.fourBands = CodeOfValue(value, 2, colours::Gold);
        codes.fiveBands = CodeOfValue(value, 3, colours::Brown);
    } else {
        codes.alternate = WithPoint(AlternateCapacitance(value), decimalPoint);
        codes.capBands = CodeOfValue(value, 2, NoColour);
    }
    return codes;
}

double SiValue(double value, Quantity q)
{
    return q == Quantity::Resistance ? value : value * 1e-12;
}

} // namespace kolvane
