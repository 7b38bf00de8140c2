// SPDX-License-Identifier: MIT
// What the resistor and capacitor codes share: reading value bands into a value with
// its unit, and painting value bands for a typed whole number. Each page passes in
// its units; nothing here knows which component it describes.
#pragma once

#include "bandcolours.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace kolvane {

// "Check color!" is the program's own text, American spelling included, and is kept.
inline const QString CheckColourText = QStringLiteral("Check color!");

// The three units of a page, base unit first: " Ohm", " KOhm", " MOhm" or pF, nF, µF.
struct CodeUnits {
    std::array<QString, 3> names;
};
const CodeUnits& ResistorUnits();
const CodeUnits& CapacitorUnits();

inline constexpr std::array<std::int64_t, 3> UnitFactors = {1, 1000, 1000000};
// Every unit's upper bound is the same quantity: 999 000 000 base units.
inline constexpr std::int64_t LargestBaseValue = 999000000;
std::int64_t UnitMaximum(int unitIndex);
QString RangeMessage(const CodeUnits& units, int unitIndex);

// Bands to value. `bands` holds the digit bands then the multiplier band (three bands
// for a two-digit code, four for a three-digit one). A digit band whose colour gives
// no digit keeps its cell, and a multiplier band without a multiplier keeps the
// multiplier, both from the previous reading. Gives nothing when a value band is
// not set.
std::optional<float> ReadCode(std::span<const BandColour> bands, std::span<std::int8_t> digitCells,
                              long double& multiplier);

// The value in fixed notation with two decimals and the unit that suits its size.
QString ValueText(float value, const CodeUnits& units, const QLocale& locale);
// The same text appended to `out`, for callers that write several values into one text.
void AppendValueText(QString& out, float value, const CodeUnits& units, QStringView decimalPoint);

// The one rule for writing digits into bands: the first `digitCount` digits of
// d1.d2d3… × 10^exponent, short ones filled with zeros, and the power of ten of the
// multiplier band. Digits beyond the code are cut, never rounded; `exact` says none of
// them was other than zero. `digits` are ASCII digits.
struct CutDigits {
    std::array<int, 3> digits{};
    int significand = 0;
    int multiplierExponent = 0;
    bool exact = true;
};
CutDigits CutToBands(QStringView digits, int exponent, int digitCount);

// Value to bands for the pages' whole numbers: the digit colours then the multiplier
// colour for a quantity of 1 to 999 000 000 base units, cut by CutToBands. Every
// multiplier it gives is one the band count accepts; the encoder of other values and
// of both charts is EncodeDigits (standards).
struct PaintedCode {
    std::array<BandColour, 4> bands{}; // digits, then multiplier
    int count = 0;                     // digitCount + 1
};
PaintedCode CodeForValue(std::int64_t baseUnits, int digitCount);

} // namespace kolvane

namespace kolvane {

// What a band says to someone who cannot tell its colour: "Second digit: violet, 7",
// "Multiplier: gold, ×0.1", "Tolerance: not set, 20%".
QString BandDescription(const QString& roleName, BandRole role, BandColour colour);

} // namespace kolvane
