#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace word {
class DocumentPages;
}

class QPrinter;

namespace output {

// "Print...": reads the planner document at `wordFile`, opens the system's
// print dialog on the document's paper and margins, and prints to the
// chosen CUPS queue (or, when the dialog prints to a file, writes that PDF).
// Cancelling prints nothing. Throws std::runtime_error naming the reason
// when there is no printer, the queue refuses the job, or the CUPS server
// does not answer in time (see desktop/PrintJob.h); the window goes on
// handling its events while CUPS is asked.
void printPlanner(const QString& wordFile);

// Prints `pages` as one job to the CUPS queue `printer` (empty: the system's
// default queue) on the pages' paper, with no dialog: for runs without a
// window. Throws std::runtime_error when there is no printer or the queue
// refuses the job.
void printPages(const word::DocumentPages& pages, const QString& printer);

// Hands `pages` to the CUPS queue `queue` as a finished PDF, one job with
// `options`. Throws std::runtime_error when the PDF cannot be written or
// the queue refuses the job.
void submitPages(const word::DocumentPages& pages, const QString& queue, const QList<QPair<QString, QString>>& options);

// The CUPS job options for what the dialog left in `printer`: paper, copies,
// collation, two-sided printing, page range, and the options of Qt's CUPS
// dialog page (pages per sheet, banners, ...).
QList<QPair<QString, QString>> cupsOptions(const QPrinter& printer);

}  // namespace output
