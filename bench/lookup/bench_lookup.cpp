// SPDX-License-Identifier: MIT
// The text reader on one input of every kind, as a keystroke hands it over, and the
// details of a reading: both run on every keystroke in the look-up window.
#include "readingdetails.h"
#include "textreading.h"

#include <benchmark/benchmark.h>

using namespace kolvane;

namespace {

void Read(benchmark::State& state, const char16_t* text, Quantity q, QLocale::Language language)
{
    const QLocale locale(language);
    const QString input = QString::fromUtf16(text);
    for (auto _ : state) {
        auto readings = ReadText(input, q, locale);
        benchmark::DoNotOptimize(readings);
    }
}

constexpr auto R = Quantity::Resistance;
constexpr auto C = Quantity::Capacitance;
BENCHMARK_CAPTURE(Read, value_comma, u"6,4k", R, QLocale::German);
BENCHMARK_CAPTURE(Read, value_exponent, u"4.7e3", R, QLocale::C);
BENCHMARK_CAPTURE(Read, value_unit, u"10,00 KOhm", R, QLocale::German);
BENCHMARK_CAPTURE(Read, letter, u"4K7", R, QLocale::C);
BENCHMARK_CAPTURE(Read, letter_capacitor, u"4n7", C, QLocale::C);
BENCHMARK_CAPTURE(Read, smd, u"1002", R, QLocale::C);
BENCHMARK_CAPTURE(Read, eia96, u"01C", R, QLocale::C);
BENCHMARK_CAPTURE(Read, ambiguous_10R, u"10R", R, QLocale::C);
BENCHMARK_CAPTURE(Read, cap3, u"104", C, QLocale::C);
BENCHMARK_CAPTURE(Read, colours_4, u"yellow violet red gold", R, QLocale::C);
BENCHMARK_CAPTURE(Read, colours_both_ends, u"brown black black red brown", R, QLocale::C);
BENCHMARK_CAPTURE(Read, rubbish, u"<b>not a part at all</b>", R, QLocale::C);

void Details(benchmark::State& state, const char16_t* text, Quantity q)
{
    const auto readings = ReadText(QString::fromUtf16(text), q, QLocale::c());
    if (readings.empty()) {
        state.SkipWithError("no reading");
        return;
    }
    for (auto _ : state) {
        auto details = DetailsOf(readings.front(), q);
        benchmark::DoNotOptimize(details);
    }
}
BENCHMARK_CAPTURE(Details, value, u"6400", R);
BENCHMARK_CAPTURE(Details, eia96, u"01C", R);
BENCHMARK_CAPTURE(Details, colours, u"brown black black red brown", R);
BENCHMARK_CAPTURE(Details, cap3, u"104", C);

// What a keystroke costs the window without its widgets: every reading, and the
// details of the first.
void Keystroke(benchmark::State& state)
{
    const QString input = QStringLiteral("brown black black red brown");
    const QLocale locale(QLocale::German);
    for (auto _ : state) {
        const auto readings = ReadText(input, R, locale);
        auto details = DetailsOf(readings.front(), R);
        benchmark::DoNotOptimize(details);
    }
}
BENCHMARK(Keystroke);

} // namespace

BENCHMARK_MAIN();
