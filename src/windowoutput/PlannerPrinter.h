#pragma once

#include <QString>

namespace word {
class DocumentPages;
}

namespace output {

// "Print...": reads the planner document at `wordFile`, opens the system's
// print dialog on the document's paper and margins, and prints to the
// chosen printer (or, when the dialog prints to a file, writes that PDF).
// Cancelling prints nothing. Throws std::runtime_error naming the reason
// when there is no printer, the printer refuses the job, or the print
// server does not answer in time (see PrinterQueue.h); the window goes on
// handling its events while the server is asked.
void printPlanner(const QString& wordFile);

// Prints `pages` as one job to the printer `printer` (empty: the system's
// default printer) on the pages' paper, with no dialog: for runs without a
// window. Throws std::runtime_error when there is no printer or the queue
// refuses the job.
void printPages(const word::DocumentPages& pages, const QString& printer);

}  // namespace output
