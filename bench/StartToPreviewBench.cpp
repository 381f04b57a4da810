// The whole road of one press of Start, offscreen: the example week built into
// the planner through the Word calls, saved under a fresh temporary name,
// opened again and copied to the clipboard as a picture, the picture file
// written and loaded, and the preview window shown (its first frame
// painted). Target: under 10 ms, in real time too.
#include "app/Program.h"
#include "platform/MessageBoxes.h"
#include "seam/Seam.h"
#include "preview/PreviewWindow.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using app::Program;
using entry::EntryWindow;

namespace {

// Counts the message boxes a run shows (a clean run shows none) instead of waiting for a click.
class CountingBoxes final : public platform::MessageBoxes {
public:
    platform::Answer show(const platform::MessageRequest& request) override
    {
        ++shown;
        last = request.text;
        return platform::Answer::Yes;
    }
    int shown = 0;
    QString last;
};

void BM_StartToPreview(benchmark::State& state)
{
    QTemporaryDir temp;
    qputenv("TEMP", QFile::encodeName(temp.path()));
    CountingBoxes boxes;
    seam::Seam<platform::MessageBoxes>::install(&boxes);

    Program program;
    EntryWindow& form = program.entryWindow();
    form.load();
    form.today = [] { return QDate(2026, 12, 7); };
    form.sampleClicked();
    form.show();
    QCoreApplication::processEvents();

    for (auto _ : state) {
        form.startClicked();
        state.PauseTiming();
        if (boxes.shown) {
            state.SkipWithError(boxes.last.toUtf8().constData());
            break;
        }
        program.previewWindow()->backClicked();  // "< Back": the temporary document goes
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (program.previewWindow())
        program.previewWindow()->hide();
    seam::Seam<platform::MessageBoxes>::install(nullptr);
    qunsetenv("TEMP");
}
BENCHMARK(BM_StartToPreview)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
