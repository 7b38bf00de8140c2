// SPDX-License-Identifier: MIT
#include "bandcolours.h"

namespace kolvane {
namespace {

using namespace colours;

// Digit order is also the multiplier order: black is 10^0, white 10^9.
constexpr std::array<BandColour, 10> DigitColours = {Black, Brown, Red,    Orange, Yellow,
                                                     Green, Blue,  Violet, Grey,   White};

constexpr std::array<BandColour, ToleranceItemCount> ToleranceColours = {Grey, Violet, Blue,   Green,   Brown,
                                                                         Red,  Gold,   Silver, NoColour};

constexpr std::array<BandColour, TfrItemCount> TfrColours = {White, Violet, Blue, Orange, Yellow, Red, Brown, NoColour};

template <std::size_t N>
std::optional<int> IndexIn(const std::array<BandColour, N>& table, BandColour colour)
{
    for (std::size_t i = 0; i < N; ++i)
        if (table[i] == colour)
            return static_cast<int>(i);
    return std::nullopt;
}

} // namespace

std::optional<int> DigitOfColour(BandColour colour, bool firstDigit)
{
    const auto digit = IndexIn(DigitColours, colour);
    if (digit && firstDigit && *digit == 0)
        return std::nullopt;
    return digit;
}

std::optional<long double> MultiplierOfColour(BandColour colour)
{
    // Gold and silver are the extended values nearest to 0.1 and 0.01.
    if (colour == Gold)
        return 0.1L;
    if (colour == Silver)
        return 0.01L;
    const auto exponent = IndexIn(DigitColours, colour);
    if (!exponent)
        return std::nullopt;
    long double m = 1.0L;
    for (int i = 0; i < *exponent; ++i)
        m *= 10.0L;
    return m;
}

BandColour ColourOfDigit(int digit)
{
    return DigitColours.at(static_cast<std::size_t>(digit));
}

BandColour MultiplierColour(int exponent)
{
    if (exponent == -2)
        return Silver;
    if (exponent == -1)
        return Gold;
    return DigitColours.at(static_cast<std::size_t>(exponent));
}

std::optional<int> ToleranceIndexOfColour(BandColour colour)
{
    return IndexIn(ToleranceColours, colour);
}

std::optional<BandColour> ToleranceColour(int index)
{
    if (index < 0 || index >= ToleranceItemCount)
        return std::nullopt;
    return ToleranceColours[static_cast<std::size_t>(index)];
}

std::optional<int> TfrIndexOfColour(BandColour colour)
{
    return IndexIn(TfrColours, colour);
}

std::optional<BandColour> TfrColour(int index)
{
    if (index < 0 || index >= TfrItemCount)
        return std::nullopt;
    return TfrColours[static_cast<std::size_t>(index)];
}

bool RoleAccepts(BandRole role, BandColour colour)
{
    switch (role) {
    case BandRole::FirstDigit: return DigitOfColour(colour, true).has_value();
    case BandRole::Digit: return DigitOfColour(colour, false).has_value();
    case BandRole::MultiplierOfFour:
        return colour == Gold || colour == Silver || IndexIn(DigitColours, colour).value_or(99) <= 7;
    case BandRole::MultiplierOfMore:
        return colour == Gold || colour == Silver || IndexIn(DigitColours, colour).value_or(99) <= 6;
    case BandRole::Tolerance: return ToleranceIndexOfColour(colour).has_value();
    case BandRole::Tfr: return TfrIndexOfColour(colour).has_value();
    }
    return false;
}

std::span<const BandRole> RolesOf(int bandCount)
{
    using R = BandRole;
    static constexpr std::array<R, 3> Three = {R::FirstDigit, R::Digit, R::MultiplierOfFour};
    static constexpr std::array<R, 4> Four = {R::FirstDigit, R::Digit, R::MultiplierOfFour, R::Tolerance};
    static constexpr std::array<R, 5> Five = {R::FirstDigit, R::Digit, R::Digit, R::MultiplierOfMore, R::Tolerance};
    static constexpr std::array<R, 6> Six = {R::FirstDigit,       R::Digit,     R::Digit,
                                             R::MultiplierOfMore, R::Tolerance, R::Tfr};
    switch (bandCount) {
    case 3: return Three;
    case 4: return Four;
    case 5: return Five;
    case 6: return Six;
    default: return {};
    }
}

std::string_view RoleName(BandRole role, int position)
{
    switch (role) {
    case BandRole::FirstDigit: return "First digit";
    case BandRole::Digit: return position == 1 ? "Second digit" : "Third digit";
    case BandRole::MultiplierOfFour:
    case BandRole::MultiplierOfMore: return "Multiplier";
    case BandRole::Tolerance: return "Tolerance";
    case BandRole::Tfr: return "TFR";
    }
    return {};
}

std::span<const ColourWord> ColourWords()
{
    static constexpr std::array<ColourWord, 16> Words = {{{"black", Black},
                                                          {"brown", Brown},
                                                          {"red", Red},
                                                          {"orange", Orange},
                                                          {"yellow", Yellow},
                                                          {"green", Green},
                                                          {"blue", Blue},
                                                          {"violet", Violet},
                                                          {"grey", Grey},
                                                          {"white", White},
                                                          {"gold", Gold},
                                                          {"silver", Silver},
                                                          {"gray", Grey},
                                                          {"purple", Violet},
                                                          {"pink", Pink},
                                                          {"none", NoColour}}};
    return Words;
}

std::string_view ColourName(BandColour colour)
{
    if (colour == NoColour)
        return "not set";
    // The first twelve words are the program's own chart, each colour's name first.
    for (const ColourWord& w : ColourWords().first(12))
        if (w.colour == colour)
            return w.word;
    return {};
}

} // namespace kolvane
