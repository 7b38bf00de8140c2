// SPDX-License-Identifier: MIT
// Decoding the four circuit diagrams, the JPEG work the main window does at start-up.
#include "jpegdecoder.h"
#include "mainform.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <array>

// The resource registration is declared where it is used, so it stays outside any
// namespace.
static void InitResources()
{
    Q_INIT_RESOURCE(kolvane);
}

namespace {

const std::array<const char*, 4> Diagrams = {":/diagrams/resistors-series.jpg", ":/diagrams/resistors-parallel.jpg",
                                             ":/diagrams/capacitors-series.jpg", ":/diagrams/capacitors-parallel.jpg"};

QByteArray Load(const char* name)
{
    QFile file(QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// As at start-up: read each diagram from the resources and decode it.
void BM_DecodeFourDiagrams(benchmark::State& state)
{
    InitResources();
    for (auto _ : state) {
        for (const char* name : Diagrams) {
            QImage image = kolvane::DecodeJpeg(Load(name));
            if (image.isNull()) {
                state.SkipWithError("a diagram did not decode");
                return;
            }
            benchmark::DoNotOptimize(image.constBits());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Diagrams.size()));
}
BENCHMARK(BM_DecodeFourDiagrams)->Unit(benchmark::kMicrosecond);

// One diagram, already in memory: the decoder alone.
void BM_DecodeOneDiagram(benchmark::State& state)
{
    InitResources();
    const QByteArray data = Load(Diagrams[static_cast<std::size_t>(state.range(0))]);
    for (auto _ : state) {
        QImage image = kolvane::DecodeJpeg(data);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_DecodeOneDiagram)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// A damaged picture costs no more than a good one: the decoder stops at the fault.
void BM_RefuseTruncated(benchmark::State& state)
{
    InitResources();
    const QByteArray data = Load(Diagrams[1]);
    const QByteArray half = data.left(data.size() / 2);
    for (auto _ : state) {
        QImage image = kolvane::DecodeJpeg(half);
        benchmark::DoNotOptimize(image.isNull());
    }
}
BENCHMARK(BM_RefuseTruncated)->Unit(benchmark::kMicrosecond);

// The whole start-up of the windows offscreen, in the same run, beside the decoding
// above: create the main window (the dialogs wait for their first use, the diagrams
// for their page), show it, and let it lay out and paint.
void BM_StartUpWindows(benchmark::State& state)
{
    for (auto _ : state) {
        kolvane::Windows windows = kolvane::CreateWindows();
        windows.mainForm->show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(windows.mainForm->grab());
    }
}
BENCHMARK(BM_StartUpWindows)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitResources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
