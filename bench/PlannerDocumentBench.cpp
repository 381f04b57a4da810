// One generation of the planner by the real generator, on a full week and
// without any window: the document built through the Word calls, saved under
// a fresh temporary name, opened again and copied as a picture, the picture
// file written and read back, and the hand-over. Aim: under 15 ms median.
#include "PlannerRun.h"

#include <QFile>

#include <benchmark/benchmark.h>

namespace {

void BM_PlannerDocument(benchmark::State& state)
{
    plannertest::PlannerRun run;
    const week::Week week = plannertest::fullWeek(QStringLiteral("March 3"));
    for (auto _ : state) {
        run.generate(week);
        state.PauseTiming();
        if (!run.boxes.shown.isEmpty()) {
            state.SkipWithError(run.boxes.shown.front().text.toUtf8().constData());
            break;
        }
        QFile::remove(run.documentPath);  // the preview's part, not measured
        run.handOver.clear();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_PlannerDocument)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
