// SPDX-License-Identifier: MIT
// The Labels window offscreen: a page turn in the preview, from the press of "Next page"
// to the page painted at the window's size (a frame is 16 ms), with and without the
// fold-over half that doubles what a label draws; and laying out again after a change,
// for the largest range a user is likely to print.
#include "labelpreview.h"
#include "labelswindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

using namespace kolvane;

namespace {

template <typename T>
T* Named(QWidget* window, const QString& name)
{
    for (T* w : window->findChildren<T*>())
        if (w->accessibleName() == name || w->property("text").toString().remove(QLatin1Char('&')) == name)
            return w;
    return nullptr;
}

void PageTurn(benchmark::State& state)
{
    LabelsWindow window(nullptr);
    Named<QComboBox>(&window, QStringLiteral("Series"))->setCurrentText(QStringLiteral("E96"));
    Named<QCheckBox>(&window, QStringLiteral("Fold-over"))->setChecked(state.range(0) != 0);
    Named<QCheckBox>(&window, QStringLiteral("Outlines"))->setChecked(true);
    window.show();
    window.refresh();
    auto* preview = window.findChild<LabelPreview*>();
    auto* next = Named<QPushButton>(&window, QStringLiteral("Next page"));
    const int pages = preview->pageCount();
    for (auto _ : state) {
        if (preview->page() + 1 == pages)
            preview->setPage(0);
        next->click();
        // What the user waits for: the new page painted at the preview's size. grab()
        // paints whether or not a platform has exposed the window.
        benchmark::DoNotOptimize(preview->grab());
    }
    state.counters["pages"] = pages;
    state.counters["preview_px"] = preview->width() * preview->height();
}
BENCHMARK(PageTurn)->Arg(0)->Arg(1)->ArgNames({"fold"})->Unit(benchmark::kMillisecond);

// E192 from 1 Ω to 10 MΩ: 1,345 labels on 45 pages, laid out again for one keystroke.
void LayOutAgainE192(benchmark::State& state)
{
    LabelsWindow window(nullptr);
    Named<QComboBox>(&window, QStringLiteral("Series"))->setCurrentText(QStringLiteral("E192"));
    auto* from = Named<QLineEdit>(&window, QStringLiteral("From"));
    Named<QLineEdit>(&window, QStringLiteral("To"))->setText(QStringLiteral("10M"));
    window.show();
    std::size_t i = 0;
    for (auto _ : state) {
        from->setText(i++ % 2 ? QStringLiteral("1") : QStringLiteral("1.0"));
        window.refresh();
    }
    state.counters["labels"] = window.labelLayout().labelCount;
}
BENCHMARK(LayOutAgainE192)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window reads and writes its remembered choices; a benchmark keeps away from
    // the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
