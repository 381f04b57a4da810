#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace word {
class DocumentPages;
}

namespace output {

// Printing through CUPS, the Linux way (PrinterQueue.cpp, and the print
// dialog's jobs in windowoutput/DialogPrinter.cpp). Not built for Windows.

// A finished PDF handed to a CUPS queue. Qt's own CUPS print engine drops
// the answer of the server, so a queue that refuses the job would go
// unnoticed; this submits the file itself and reports what CUPS says. The
// server is the one the CUPS client library picks (CUPS_SERVER, client.conf,
// or the local scheduler).
struct PrintJob {
    QString printer;  // queue name
    QString file;     // PDF to print; CUPS has read it when submit() returns
    QString title;    // the job's name in the queue
    QList<QPair<QString, QString>> options;  // CUPS job options, e.g. {"copies", "2"}
};

// How long the CUPS server has, in milliseconds, to take a connection and
// then to answer each step of a request, before the program gives up on it.
// Both together stay well under 15 s.
constexpr int CupsConnectTimeoutMs = 5000;
constexpr int CupsAnswerTimeoutMs = 5000;

// Talking to CUPS never holds up the windows: the calls below run on a
// thread of their own while the caller's thread goes on handling events
// (a local event loop), and they give up after the timeouts above. The
// caller must keep the command that called them from starting again
// meanwhile.

// Submits the job and returns its id. Throws std::runtime_error with CUPS's
// own description when the job is refused (no such queue, a queue that does
// not accept jobs, no scheduler) or the server does not answer in time.
int submitPrintJob(const PrintJob& job);

// Asks the CUPS server for its default queue, which is what Qt's printer
// and print dialog need from it. Throws std::runtime_error "The print server
// <name> does not answer." when it does not take the connection or does not
// answer in time; returns normally when it answers, and when there is no
// server at all (the dialog then offers printing to a file).
void checkCupsServerAnswers();

// The queue CUPS prints to when none is named: the user's default
// (lpoptions, $PRINTER or $LPDEST) or the server's. Empty when there is no
// default or no server; throws errors::UserError "The print server <name>
// does not answer." when it does not answer in time.
QString defaultQueue();

// Hands `pages` to `queue` as a finished PDF, one job with `options`.
// Throws errors::UserError when the PDF cannot be written or the queue
// refuses the job.
void submitPages(const word::DocumentPages& pages, const QString& queue, const QList<QPair<QString, QString>>& options);

}  // namespace output
