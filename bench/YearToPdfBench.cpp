// A year of planners from the command line: 52 weeks from the 20,000-event
// calendar of BM_ImportCalendar, imported, built into one document and
// written to one PDF, as `dorvane --import big.ics --weeks 52 --pdf year.pdf`
// does, with TZ unset as desktops leave it (the C library then checks the
// zone file on every local time conversion that asks it). Aim: 1 s of CPU.
//
// Beside it, LibreOffice converting the same year, saved as a Word document,
// to PDF (soffice --headless --convert-to pdf, its profile made beforehand),
// when soffice is installed: "ratio" is how many times longer it takes than
// our whole run from the calendar. Aim: 10.
#include "BigCalendar.h"
#include "RunProgram.h"
#include "cli/BatchRun.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <optional>

namespace {

// The year's request, its calendar written into `folder`.
std::optional<cli::BatchRequest> yearRequest(const QTemporaryDir& folder)
{
    // The calendar as BM_ImportCalendar makes it (its UNTIL dates are read
    // in Berlin time); the run then in the zone of the machine.
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    const QByteArray bytes = bigCalendar();
    unsetenv("TZ");
    tzset();
    cli::BatchRequest request;
    request.source = folder.filePath(QStringLiteral("big.ics"));
    request.pdfFile = folder.filePath(QStringLiteral("year.pdf"));
    request.firstMonday = QDate(2026, 1, 5);
    request.weeks = 52;
    request.force = true;
    request.quiet = true;
    QFile file(request.source);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return std::nullopt;
    return request;
}

void BM_YearToPdf(benchmark::State& state)
{
    QTemporaryDir folder;
    const std::optional<cli::BatchRequest> request = yearRequest(folder);
    if (!request) {
        state.SkipWithError("cannot write the calendar");
        return;
    }
    QString summary;
    QTextStream out(&summary);
    for (auto _ : state) {
        if (cli::runBatch(*request, out) != cli::Done) {
            state.SkipWithError("the run failed");
            return;
        }
    }
    state.counters["pdf_bytes"] = double(QFile(request->pdfFile).size());
}

void BM_YearToPdfBesideLibreOffice(benchmark::State& state)
{
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty()) {
        state.SkipWithError("LibreOffice (soffice) is not installed");
        return;
    }
    QTemporaryDir folder;
    std::optional<cli::BatchRequest> request = yearRequest(folder);
    if (!request) {
        state.SkipWithError("cannot write the calendar");
        return;
    }
    request->saveFile = folder.filePath(QStringLiteral("year.doc"));
    QString summary;
    QTextStream out(&summary);
    QTemporaryDir profile;
    const QString outDir = folder.filePath(QStringLiteral("libreoffice"));
    const QStringList convert{QStringLiteral("--headless"), QStringLiteral("--norestore"),
                              QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile.path()).toString(),
                              QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"), outDir,
                              request->saveFile};
    // Once untimed: the document to convert, and LibreOffice's profile.
    QByteArray log;
    if (cli::runBatch(*request, out) != cli::Done || !runProgram(QStringLiteral("soffice"), convert, 600000, &log)) {
        state.SkipWithError(("the first run failed: " + log).constData());
        return;
    }
    request->saveFile.clear();
    double ours = 0;
    double theirs = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        if (cli::runBatch(*request, out) != cli::Done) {
            state.SkipWithError("our run failed");
            return;
        }
        const double ourSeconds = clock.nsecsElapsed() / 1e9;
        clock.restart();
        if (!runProgram(QStringLiteral("soffice"), convert, 600000, &log)) {
            state.SkipWithError(("LibreOffice failed: " + log).constData());
            return;
        }
        const double theirSeconds = clock.nsecsElapsed() / 1e9;
        state.SetIterationTime(ourSeconds);
        ours += ourSeconds;
        theirs += theirSeconds;
    }
    state.counters["libreoffice_s"] = theirs / double(state.iterations());
    state.counters["ratio"] = theirs / ours;
}

}  // namespace

// The PDF is written on a second thread: CPU time is the whole process's.
BENCHMARK(BM_YearToPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_YearToPdfBesideLibreOffice)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
