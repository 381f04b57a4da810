// One zoom step to 4.0 in the preview window, on a picture the size of the
// planner's (640 x 700 pixels at 1.0): the redraw from the full-size copy, the
// new geometry and scroll ranges, and one repaint of the window. One frame's
// budget (16 ms) is the target.
#include "preview/Form2.h"

#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Swallows error reports, which would otherwise wait for a click.
class SilentBoxes final : public platform::MessageBoxes {
public:
    platform::Answer show(const platform::MessageRequest&) override { return platform::Answer::Ok; }
};

QImage plannerSizedPicture()
{
    QImage picture(640, 700, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (int row = 0; row < 36; ++row) {
        painter.fillRect(10, 40 + row * 18, 620, 17, row % 6 == 0 ? QColor(204, 255, 255) : QColor(Qt::white));
        painter.drawLine(10, 40 + row * 18, 630, 40 + row * 18);
        painter.drawText(20, 54 + row * 18, QStringLiteral("8   Appointment %1").arg(row));
    }
    return picture;
}

// Shown, exposed and set up at 1.0, then zoomed in `steps` times.
void showPreview(preview::Form2& form, int steps)
{
    form.setPicture(plannerSizedPicture());
    form.show();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    form.Form_Activate();
    for (int i = 0; i < steps; ++i)
        form.PushButton1_Click();
}

// The step from 3.75 to 4.0, again and again in one window.
void BM_ZoomStep(benchmark::State& state)
{
    SilentBoxes boxes;
    platform::setMessageBoxes(&boxes);
    preview::Form2 form;
    showPreview(form, 11);  // 3.75
    for (auto _ : state) {
        form.PushButton1_Click();  // 4.0
        form.repaint();
        state.PauseTiming();
        if (form.viewport().mZoom() != 4.0f)
            state.SkipWithError("the zoom step to 4.0 was refused");
        form.PushButton2_Click();  // back to 3.75
        state.ResumeTiming();
    }
    platform::setMessageBoxes(nullptr);
}

// The first step to 4.0 in a fresh window, whose drawing memory has never
// been that large: here the system hands out and clears new pages.
void BM_ZoomStepFirstTimeTo4(benchmark::State& state)
{
    SilentBoxes boxes;
    platform::setMessageBoxes(&boxes);
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<preview::Form2>();
        showPreview(*form, 11);
        state.ResumeTiming();
        form->PushButton1_Click();
        form->repaint();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    platform::setMessageBoxes(nullptr);
}

}  // namespace

BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ZoomStepFirstTimeTo4)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
