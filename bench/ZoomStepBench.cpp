// One zoom step to 4.0 in the preview window, on the planner's picture: the
// redraw from the full-size copy's vectors (what the viewport shows of it),
// the new geometry and scroll ranges, and one repaint of the window. One
// frame's budget (16 ms) is the target.
#include "preview/PreviewWindow.h"

#include "PlannerRun.h"
#include "platform/MessageBoxes.h"
#include "seam/Seam.h"

#include <QCoreApplication>
#include <QPicture>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Swallows error reports, which would otherwise wait for a click.
class SilentBoxes final : public platform::MessageBoxes {
public:
    platform::Answer show(const platform::MessageRequest&) override { return platform::Answer::Ok; }
};

// The planner's own picture, as the generator hands it over (652 x 653
// pixels at 1.0).
QPicture plannerPicture()
{
    static const QPicture picture = [] {
        plannertest::PlannerRun run;
        run.generate(plannertest::fullWeek(QStringLiteral("March 3")));
        return run.picture;
    }();
    return picture;
}

// Shown, exposed and set up at 1.0, then zoomed in `steps` times.
void showPreview(preview::PreviewWindow& form, int steps)
{
    form.setPicture(plannerPicture());
    form.show();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    form.activate();
    for (int i = 0; i < steps; ++i)
        form.zoomInClicked();
}

// The step from 3.75 to 4.0, again and again in one window.
void BM_ZoomStep(benchmark::State& state)
{
    SilentBoxes boxes;
    seam::Seam<platform::MessageBoxes>::install(&boxes);
    preview::PreviewWindow form;
    showPreview(form, 11);  // 3.75
    for (auto _ : state) {
        form.zoomInClicked();  // 4.0
        form.repaint();
        state.PauseTiming();
        if (form.viewport().zoom() != 4.0f)
            state.SkipWithError("the zoom step to 4.0 was refused");
        form.zoomOutClicked();  // back to 3.75
        state.ResumeTiming();
    }
    seam::Seam<platform::MessageBoxes>::install(nullptr);
}

// The first step to 4.0 in a fresh window: nothing of that size has ever
// been drawn in it.
void BM_ZoomStepFirstTimeTo4(benchmark::State& state)
{
    SilentBoxes boxes;
    seam::Seam<platform::MessageBoxes>::install(&boxes);
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<preview::PreviewWindow>();
        showPreview(*form, 11);
        state.ResumeTiming();
        form->zoomInClicked();
        form->repaint();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    seam::Seam<platform::MessageBoxes>::install(nullptr);
}

}  // namespace

BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ZoomStepFirstTimeTo4)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
