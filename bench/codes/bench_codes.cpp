// SPDX-License-Identifier: MIT
// Bands to value and value to bands in the pure library, over every accepted code.
#include "colourcode.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace kolvane;

namespace {

std::vector<std::array<BandColour, 4>> FiveBandCodes()
{
    std::vector<std::array<BandColour, 4>> codes;
    for (int code = 100; code < 1000; ++code)
        for (int exponent = -2; exponent <= 6; ++exponent)
            codes.push_back({ColourOfDigit(code / 100), ColourOfDigit(code / 10 % 10), ColourOfDigit(code % 10),
                             MultiplierColour(exponent)});
    return codes;
}

void BandsToValueText(benchmark::State& state)
{
    const auto codes = FiveBandCodes();
    const QLocale locale(QLocale::German);
    std::array<std::int8_t, 3> cells{};
    long double multiplier = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& bands = codes[i++ % codes.size()];
        const auto value = ReadCode(bands, cells, multiplier);
        QString text = ValueText(*value, ResistorUnits(), locale);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BandsToValueText);

void ValueToBands(benchmark::State& state)
{
    std::int64_t n = 1;
    for (auto _ : state) {
        auto code = CodeForValue(n, 3);
        benchmark::DoNotOptimize(code);
        n = n % 999000000 + 7919;
    }
}
BENCHMARK(ValueToBands);

} // namespace

BENCHMARK_MAIN();
