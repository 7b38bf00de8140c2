// SPDX-License-Identifier: MIT
// Labels for E192 from 1 Ω to 10 MΩ (1,345 labels) on avery-5160: the whole
// kolvane-cli process to PDF (target under 1 s) and to SVG (under 0.3 s), and the
// parts inside it: the layout, the SVG writer, and one page painted at preview size
// (a page turn, target within a 16 ms frame).
#include "labellayout.h"
#include "labelpainter.h"
#include "labelsvg.h"
#include "valuelist.h"

#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace kolvane;

namespace {

const QStringList RangeArgs = {QStringLiteral("labels"), QStringLiteral("--series"), QStringLiteral("E192"),
                               QStringLiteral("--from"), QStringLiteral("1"),        QStringLiteral("--to"),
                               QStringLiteral("10M"),    QStringLiteral("--sheet"),  QStringLiteral("avery-5160")};

LabelOptions Options()
{
    LabelOptions o;
    o.sheet = *FindPresetSheet(u"avery-5160");
    return o;
}

const LabelValues& Values()
{
    static const LabelValues values = SeriesRange(ESeries::E192, u"1", u"10M", Quantity::Resistance).values;
    return values;
}

void WholeProcess(benchmark::State& state, const QString& file)
{
    QTemporaryDir dir;
    const QStringList args = RangeArgs + QStringList{QStringLiteral("-o"), dir.filePath(file)};
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral(KOLVANE_CLI), args);
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            state.SkipWithError("kolvane-cli labels failed");
            return;
        }
    }
    state.counters["labels"] = static_cast<double>(Values().size());
}

void BM_CliPdf(benchmark::State& state)
{
    WholeProcess(state, QStringLiteral("e192.pdf"));
}
BENCHMARK(BM_CliPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_CliSvg(benchmark::State& state)
{
    WholeProcess(state, QStringLiteral("e192.svg"));
}
BENCHMARK(BM_CliSvg)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_Layout(benchmark::State& state)
{
    const LabelOptions o = Options();
    for (auto _ : state)
        benchmark::DoNotOptimize(LayOutLabels(Values(), o));
}
BENCHMARK(BM_Layout)->Unit(benchmark::kMillisecond);

void BM_SvgAllPages(benchmark::State& state)
{
    const LabelLayout layout = LayOutLabels(Values(), Options());
    for (auto _ : state)
        for (int i = 0; i < static_cast<int>(layout.pages.size()); ++i)
            benchmark::DoNotOptimize(LabelPageSvg(layout, i, Quantity::Resistance));
}
BENCHMARK(BM_SvgAllPages)->Unit(benchmark::kMillisecond);

// A page turn in the preview: one page painted into a window-sized image.
void BM_PreviewPage(benchmark::State& state)
{
    const LabelLayout layout = LayOutLabels(Values(), Options());
    QImage image(600, 776, QImage::Format_ARGB32_Premultiplied);
    int page = 0;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintLabelPage(painter, layout.pages[static_cast<std::size_t>(page)], FitPaper(layout.page, image.rect()));
        page = (page + 1) % static_cast<int>(layout.pages.size());
    }
}
BENCHMARK(BM_PreviewPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
