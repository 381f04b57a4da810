#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QPrinter;

namespace preview {

// "Print...": reads the planner document at `wordFile`, opens the system's
// print dialog on the document's paper and margins, and prints to the
// chosen CUPS queue (or, when the dialog prints to a file, writes that PDF).
// Cancelling prints nothing. Throws std::runtime_error naming the reason
// when there is no printer, the queue refuses the job, or the CUPS server
// does not answer in time (see desktop/PrintJob.h); the window goes on
// handling its events while CUPS is asked.
void printPlanner(const QString& wordFile);

// The CUPS job options for what the dialog left in `printer`: paper, copies,
// collation, two-sided printing, page range, and the options of Qt's CUPS
// dialog page (pages per sheet, banners, ...).
QList<QPair<QString, QString>> cupsOptions(const QPrinter& printer);

}  // namespace preview
