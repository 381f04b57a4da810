// The whole planner document through the Word calls: build, save, open and
// render, as one generation does it. Aim: all four under 15 ms median.
#include "PlannerReplay.h"

#include "word/PictureSink.h"
#include "word/Word.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Stages {
    bool open = false;
    bool render = false;
};

// One generation's document work; `stages` says how far past saving it goes.
void plannerDocument(benchmark::State& state, Stages stages)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("kelvas12345678.doc"));
    const wordtest::PlannerWeek week = wordtest::fullWeek(QStringLiteral("March 3"));
    qint64 bytes = 0;
    word::setPictureSink([&](const QPicture& picture) { bytes += picture.size(); });

    for (auto _ : state) {
        try {
            word::Application builder = word::Application::CreateObject();
            word::Document document = wordtest::replayPlanner(builder, week);
            document.SaveAs(path);
            builder.setDisplayAlerts(false);
            document.Close();
            builder.Quit();
            if (stages.open) {
                word::Application viewer = word::Application::CreateObject();
                word::Document opened = viewer.Documents().Open(path);
                if (stages.render)
                    opened.Range().CopyAsPicture();
                viewer.ActiveDocument().Close(0);
                viewer.Quit();
            }
        } catch (const word::AutomationError& error) {
            state.SkipWithError(error.description().toStdString().c_str());
            break;
        }
    }
    word::setPictureSink(nullptr);
    benchmark::DoNotOptimize(bytes);
}

void BM_PlannerDocument(benchmark::State& state)
{
    plannerDocument(state, {true, true});
}

void BM_PlannerDocumentBuildAndSave(benchmark::State& state)
{
    plannerDocument(state, {false, false});
}

void BM_PlannerDocumentBuildSaveOpen(benchmark::State& state)
{
    plannerDocument(state, {true, false});
}

}  // namespace

BENCHMARK(BM_PlannerDocument)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlannerDocumentBuildAndSave)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlannerDocumentBuildSaveOpen)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
