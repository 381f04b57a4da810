#include "output/PrintJob.h"

#include "errors/UserError.h"
#include "output/CupsLibrary.h"
#include "files/AtomicFileWriter.h"
#include "output/PdfExport.h"
#include "word/DocumentPages.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMetaObject>
#include <QRandomGenerator>

#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace output {
namespace {

// Runs `work` on a thread of its own and handles this thread's events until
// it is done; returns what it returned (or throws what it threw).
template <typename Work>
auto awayFromTheWindows(Work work)
{
    QEventLoop loop;
    auto done = std::async(std::launch::async, [&loop, work = std::move(work)]() mutable {
        struct Quit {
            QEventLoop* loop;
            ~Quit() { QMetaObject::invokeMethod(loop, &QEventLoop::quit, Qt::QueuedConnection); }
        } quit{&loop};
        return work();
    });
    loop.exec();
    return done.get();
}

// The connection to the server of this thread's CUPS settings, with the
// timeouts: `http` is nullptr when there is none to be had. `silent` is set
// when the server let a timeout run out: it did not take the connection, or
// took it and then did not answer.
struct Connection {
    const CupsLibrary& cups;
    http_t* http = nullptr;
    bool silent = false;
    explicit Connection(const CupsLibrary& library) : cups(library)
    {
        const auto start = std::chrono::steady_clock::now();
        http = cups.httpConnect2(cups.cupsServer(), cups.ippPort(), nullptr, AF_UNSPEC, cups.cupsEncryption(), 1,
                                 CupsConnectTimeoutMs, nullptr);
        if (http)
            cups.httpSetTimeout(http, CupsAnswerTimeoutMs / 1000.0, &giveUp, this);
        else
            silent = std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(CupsConnectTimeoutMs);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection()
    {
        if (http)
            cups.httpClose(http);
    }
    // Called when nothing came for the whole timeout: 0 ends the wait.
    static int giveUp(http_t*, void* self)
    {
        static_cast<Connection*>(self)->silent = true;
        return 0;
    }
};

QString silentServer(const CupsLibrary& cups)
{
    return QCoreApplication::translate("output::PrintJob", "The print server %1 does not answer.")
        .arg(QString::fromUtf8(cups.cupsServer()));
}

}  // namespace

int submitPrintJob(const PrintJob& job)
{
    const CupsLibrary& cups = CupsLibrary::get();
    const std::string printer = job.printer.toStdString();
    const std::string file = QFile::encodeName(job.file).toStdString();
    const std::string title = job.title.toStdString();
    std::vector<std::pair<std::string, std::string>> named;
    for (const auto& [name, value] : job.options)
        named.emplace_back(name.toStdString(), value.toStdString());

    const auto [id, reason] = awayFromTheWindows([&]() -> std::pair<int, QString> {
        Connection connection(cups);
        const auto failure = [&] {
            return connection.silent ? silentServer(cups) : QString::fromUtf8(cups.cupsLastErrorString());
        };
        if (!connection.http)
            return {0, failure()};
        cups_option_t* options = nullptr;
        int count = 0;
        for (const auto& [name, value] : named)
            count = cups.cupsAddOption(name.c_str(), value.c_str(), count, &options);
        const int id =
            cups.cupsPrintFile2(connection.http, printer.c_str(), file.c_str(), title.c_str(), count, options);
        cups.cupsFreeOptions(count, options);
        if (id == 0)
            return {0, failure()};
        return {id, QString()};
    });
    if (id == 0)
        throw errors::UserError(
            QCoreApplication::translate("output::PrintJob", "The printer %1 did not take the job: %2")
                .arg(job.printer, reason));
    return id;
}

void checkCupsServerAnswers()
{
    const CupsLibrary& cups = CupsLibrary::get();
    const QString silent = awayFromTheWindows([&cups]() -> QString {
        Connection connection(cups);
        if (!connection.http)  // no server, nothing to wait for; or one that did not take the connection
            return connection.silent ? silentServer(cups) : QString();
        ipp_t* response = cups.cupsDoRequest(connection.http, cups.ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
        cups.ippDelete(response);
        return connection.silent ? silentServer(cups) : QString();
    });
    if (!silent.isEmpty())
        throw errors::UserError(silent);
}

QString defaultQueue()
{
    const CupsLibrary& cups = CupsLibrary::get();
    const auto [queue, silent] = awayFromTheWindows([&cups]() -> std::pair<QString, bool> {
        Connection connection(cups);
        if (!connection.http)
            return {QString(), connection.silent};
        QString name;
        if (cups_dest_t* dest = cups.cupsGetNamedDest(connection.http, nullptr, nullptr)) {
            name = QString::fromUtf8(dest->name);
            cups.cupsFreeDests(1, dest);
        }
        return {name, connection.silent};
    });
    if (silent)
        throw errors::UserError(silentServer(cups));
    return queue;
}

void submitPages(const word::DocumentPages& pages, const QString& queue, const QList<QPair<QString, QString>>& options)
{
    // The queue gets a finished PDF, which CUPS has read by the time it
    // answers; the file goes away with this procedure. Written like every
    // other file, whole or not at all, under a name nobody can guess.
    const QString spool = QDir::tempPath() + QStringLiteral("/dorvane-print-") +
                          QString::number(QRandomGenerator::system()->generate64(), 16) + QStringLiteral(".pdf");
    const errors::Outcome written = files::AtomicFileWriter::write(spool, pdfBytes(pages));
    if (!written)
        throw errors::UserError(
            QCoreApplication::translate("output::PlannerPrinter", "Cannot write a temporary file for printing: %1")
                .arg(written.why()));
    const std::unique_ptr<const QString, void (*)(const QString*)> removeSpool(&spool, [](const QString* path) {
        QFile::remove(*path);
    });
    submitPrintJob({queue, spool, pages.title(), options});
}

}  // namespace output
