// SPDX-License-Identifier: MIT
// Whole user actions through the widgets, offscreen: a "Calculate" click, and one
// pick from the press on a band to the hidden picker, beside the cost of showing and
// hiding an empty dialog; and the value label's hint on its own, the part of a click
// that explains the value.
#include "mainform.h"
#include "colorform.h"
#include "resistorpage.h"
#include "resulthint.h"
#include "tests/support/controls.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

using namespace kolvane;

namespace {

Windows& App()
{
    static Windows windows = [] {
        Windows w = CreateWindows();
        w.mainForm->show();
        return w;
    }();
    return windows;
}

void CalculateClick(benchmark::State& state)
{
    const test::MainControls f(App().mainForm.get());
    const QString values[] = {QStringLiteral("4700"), QStringLiteral("4751"), QStringLiteral("999000000")};
    std::size_t i = 0;
    for (auto _ : state) {
        f.Edit1->setText(values[i++ % 3]);
        f.Button1->click();
        benchmark::DoNotOptimize(f.Label1->text());
    }
}
BENCHMARK(CalculateClick);

// The hint for the codes the clicks above paint (4 bands, no tolerance band): 4.7 kΩ
// twice, in E3 to E24 and E192, and 990 MΩ, in no series, whose neighbours are
// written too.
void ValueHint(benchmark::State& state)
{
    using namespace colours;
    const BandCode codes[] = {{{Yellow, Violet}, Red, NoColour, {}},
                              {{Yellow, Violet}, Red, NoColour, {}},
                              {{White, White}, Violet, NoColour, {}}};
    const QLocale locale;
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ResultHint(codes[i++ % 3], Quantity::Resistance, ResistorUnits(), locale));
}
BENCHMARK(ValueHint);

// The picker runs a nested event loop; a zero-time timer inside it presses a swatch,
// as a user would once the picker is up.
void WholePick(benchmark::State& state)
{
    const test::MainControls f(App().mainForm.get());
    const test::PickerControls picker(App().colorForm());
    int swatch = 0;
    for (auto _ : state) {
        TShape* target = (swatch++ % 2) ? picker.Shape3 : picker.Shape4;
        QTimer::singleShot(0, target, [target] { QTest::mousePress(target, Qt::LeftButton); });
        QTest::mousePress(f.Shape2, Qt::LeftButton);
        benchmark::DoNotOptimize(f.Label3->text());
    }
    if (App().colorForm()->isVisible())
        state.SkipWithError("picker left open");
}
BENCHMARK(WholePick)->Unit(benchmark::kMicrosecond);

void EmptyDialogShowHide(benchmark::State& state)
{
    QDialog dialog(App().mainForm.get());
    dialog.setFixedSize(289, 81);
    for (auto _ : state) {
        QTimer::singleShot(0, &dialog, &QDialog::reject);
        dialog.exec();
    }
}
BENCHMARK(EmptyDialogShowHide)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(kolvane);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
