// A year of planners from the command line: 52 weeks from the 20,000-event
// calendar of BM_ImportCalendar, imported, built into one document and
// written to one PDF, as `dorvane --import big.ics --weeks 52 --pdf year.pdf`
// does. Aim: under 1.5 s, and no worse than 52 times one week's import
// (BM_ImportCalendar) plus a page of PDF.
#include "BigCalendar.h"
#include "cli/BatchRun.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>

namespace {

void BM_YearToPdf(benchmark::State& state)
{
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    QTemporaryDir folder;
    cli::BatchRequest request;
    request.source = folder.filePath(QStringLiteral("big.ics"));
    request.pdfFile = folder.filePath(QStringLiteral("year.pdf"));
    request.firstMonday = QDate(2026, 1, 5);
    request.weeks = 52;
    request.force = true;
    request.quiet = true;
    const QByteArray bytes = bigCalendar();
    QFile file(request.source);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the calendar");
        return;
    }
    file.close();
    QString summary;
    QTextStream out(&summary);
    for (auto _ : state) {
        if (cli::runBatch(request, out) != cli::Done) {
            state.SkipWithError("the run failed");
            return;
        }
    }
    state.counters["pdf_bytes"] = double(QFile(request.pdfFile).size());
}

}  // namespace

BENCHMARK(BM_YearToPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);
