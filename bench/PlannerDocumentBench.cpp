// The planner document, two ways.
// BM_PlannerDocument: one generation by the real generator, on a full week and
// without any window: the document built through the Word calls, saved under
// a fresh temporary name, opened again and copied as a picture, the picture
// file written and read back, and the hand-over. Aim: under 15 ms median.
// BM_PlannerBuildAndSave: the document engine's share alone, the same Word
// calls on the same week and SaveAs, with nothing opened again, drawn or
// handed over: the work another document library would be compared on.
#include "PlannerRun.h"

#include "word/Word.h"

#include <QFile>
#include <QTemporaryDir>

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

// The generator's calls for a week whose six days all have entries, in its
// order; its steps cannot be run apart from the rest of a generation, so they
// are made here through the same public calls.
void buildAndSavePlanner(const entry::WeekSource& week, const QString& path)
{
    word::Application application = word::Application::CreateObject();
    word::Document document = application.Documents().Add();
    auto selection = [&] { return document.ActiveWindow().Selection(); };
    auto moveCells = [&](int count) { selection().MoveRight(word::wdCell, count); };

    selection().Font().setBold(true);
    selection().Font().setName(QStringLiteral("Trebuchet MS"));
    selection().TypeText(QStringLiteral("Week of ") + week.weekTitle());
    selection().ParagraphFormat().setAlignment(word::wdAlignParagraphCenter);
    selection().TypeParagraph();

    word::Table table = application.ActiveDocument().Tables().Add(selection().Range(), 36, 5, word::wdWord9TableBehavior,
                                                                  word::wdAutoFitFixed);
    const double widths[] = {50, 180, 20, 180, 50};
    for (int column = 1; column <= 5; ++column) {
        table.Columns(column).setWidth(widths[column - 1]);
        if (column == 3)
            table.Columns(3).Cells().Shading().setBackgroundPatternColor(plannertest::MiddleColour);
    }
    if (table.Style() != QLatin1String("Table Grid"))
        table.setStyle(QStringLiteral("Table Grid"));
    table.setApplyStyleHeadingRows(true);
    table.setApplyStyleLastRow(true);
    table.setApplyStyleFirstColumn(true);
    table.setApplyStyleLastColumn(true);

    // Size 10, bold or not, the text, and on to the next cell.
    auto entryCell = [&](bool bold, const QString& text) {
        selection().Font().setSize(10);
        selection().Font().setBold(bold);
        selection().TypeText(text);
        moveCells(1);
    };
    for (int block = 0; block < 3; ++block) {
        for (int side = 0; side < 2; ++side) {
            const int day = 2 * block + side;
            selection().MoveRight(word::wdCharacter, 2, word::wdExtend);
            selection().Cells().Merge();
            selection().Font().setSize(11);
            word::Shading shading = selection().Cells().Shading();
            shading.setTexture(word::wdTextureNone);
            shading.setForegroundPatternColor(word::wdColorAutomatic);
            shading.setBackgroundPatternColor(plannertest::DayColours[day]);
            selection().TypeText(plannertest::DayNames[day]);
            moveCells(2 - side);
        }
        const std::pair<const char*, int> titles[] = {{"Number", 1}, {"Name", 2}, {"Name", 1}, {"Number", 1}};
        for (const auto& [title, cells] : titles) {
            selection().Font().setSize(10);
            selection().TypeText(QString::fromLatin1(title));
            moveCells(cells);
        }
        const auto left = week.dayStore(2 * block);
        const auto right = week.dayStore(2 * block + 1);
        for (int row = 0; row < 10; ++row) {
            const entry::EntryFields leftFields = left->entry(row);
            entryCell(false, leftFields.number);
            entryCell(false, leftFields.name);
            entryCell(true, leftFields.time);
            const entry::EntryFields rightFields = right->entry(row);
            entryCell(false, rightFields.name);
            entryCell(false, rightFields.number);
        }
    }

    document.SaveAs(path);
    application.setDisplayAlerts(false);
    document.Close();
    application.Quit();
}

void BM_PlannerBuildAndSave(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("planner.doc"));
    const entry::Week week = plannertest::fullWeek(QStringLiteral("March 3"));
    for (auto _ : state) {
        try {
            buildAndSavePlanner(week, path);
        } catch (const word::AutomationError& error) {
            state.SkipWithError(error.description().toUtf8().constData());
            break;
        }
    }
}

}  // namespace

BENCHMARK(BM_PlannerDocument)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_PlannerBuildAndSave)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
