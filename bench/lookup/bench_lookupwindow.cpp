// SPDX-License-Identifier: MIT
// The Look up window offscreen: one keystroke from the field's change to the readings
// and details on screen (the finder only started, as typing never waits for it), and
// the finder's own work for three parts over E192, as its worker thread does it.
#include "combinationfinder.h"
#include "eseries.h"
#include "lookupwindow.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

using namespace kolvane;

namespace {

void KeystrokeUpdate(benchmark::State& state)
{
    LookupWindow window(nullptr);
    window.show();
    QLineEdit* field = window.findChild<QLineEdit*>();
    const QString texts[] = {QStringLiteral("4K7"), QStringLiteral("yellow violet red gold"), QStringLiteral("01C"),
                             QStringLiteral("6.4k"), QStringLiteral("472")};
    std::size_t i = 0;
    for (auto _ : state) {
        field->setText(texts[i++ % std::size(texts)]);
        // The repaint that follows is part of what the user waits for.
        QCoreApplication::sendPostedEvents();
    }
    while (window.isFinding())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
BENCHMARK(KeystrokeUpdate)->Unit(benchmark::kMicrosecond);

void FinderThreePartsE192(benchmark::State& state)
{
    const std::vector<double> parts = SeriesValues(ESeries::E192, 1.0, 10e6);
    const double targets[] = {4700.0, 6400.0, 123456.0};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FindCombinations(parts, targets[i++ % 3], 3, 10));
    state.counters["parts"] = double(parts.size());
}
BENCHMARK(FinderThreePartsE192)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
