// SPDX-License-Identifier: MIT
// Drawing one face of a 75x25 button with an 18x18 glyph and a caption, in each look,
// beside a QPushButton of the same size painting itself.
#include "qevbutton.h"
#include "qevcustombutton_p.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

class Bench : public TQevButton {
public:
    using TQevButton::TQevButton;
    // The layout for the look is computed once, as the button does when its state
    // changes; the loop measures the paint alone.
    void prepare(TQevCustomButtonPrivate::TLook look)
    {
        TQevCustomButtonPrivate* d = d_ptr.get();
        d->m_captionPlain =
            (look == TQevCustomButtonPrivate::lkHot || look == TQevCustomButtonPrivate::lkPressed) ? 0 : 1;
        d->m_pressOffset = look == TQevCustomButtonPrivate::lkPressed ? 1 : 0;
        d->m_look = look;
        d->relayout();
    }
    void draw(QPainter& p) const { TQevCustomButtonPrivate::get(this)->drawFace(p); }
};

void FaceInLook(benchmark::State& state, TQevCustomButtonPrivate::TLook look, TQevCustomButton::TStyle style)
{
    QWidget parent;
    Bench b(&parent);
    b.setButtonStyle(style);
    b.setButtonKind(TQevButton::skCancel);
    QImage image(75, 25, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    b.prepare(look);
    for (auto _ : state) {
        b.draw(p);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void QevButtonRender(benchmark::State& state)
{
    QWidget parent;
    TQevButton b(&parent);
    b.setButtonStyle(TQevButton::stRaised);
    b.setButtonKind(TQevButton::skCancel);
    QImage image(75, 25, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        b.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void QPushButtonRender(benchmark::State& state)
{
    QWidget parent;
    QPushButton b(&parent);
    b.setText(QStringLiteral("Cancel"));
    TQevButton source;
    source.setButtonKind(TQevButton::skCancel);
    b.setIcon(QIcon(source.Glyph()));
    b.setIconSize(QSize(18, 18));
    b.setGeometry(0, 0, 75, 25);
    QImage image(75, 25, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        b.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

using B = TQevCustomButton;
using P = TQevCustomButtonPrivate;
BENCHMARK_CAPTURE(FaceInLook, flat_normal, P::lkNormal, B::stFlat);
BENCHMARK_CAPTURE(FaceInLook, flat_hot, P::lkHot, B::stFlat);
BENCHMARK_CAPTURE(FaceInLook, flat_pressed, P::lkPressed, B::stFlat);
BENCHMARK_CAPTURE(FaceInLook, flat_leave, P::lkLeave, B::stFlat);
BENCHMARK_CAPTURE(FaceInLook, flat_after_popup, P::lkAfterPopup, B::stFlat);
BENCHMARK_CAPTURE(FaceInLook, frame_raised_normal, P::lkNormal, B::stFrameRaised);
BENCHMARK_CAPTURE(FaceInLook, frame_raised_pressed, P::lkPressed, B::stFrameRaised);
BENCHMARK_CAPTURE(FaceInLook, raised_dot_hot, P::lkHot, B::stRaisedDot);
BENCHMARK(QevButtonRender);
BENCHMARK(QPushButtonRender);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
