#pragma once

#include <QString>

namespace windowoutput {

// "Print...": reads the planner document at `wordFile`, opens the system's
// print dialog on the document's paper and margins, and prints to the
// chosen printer (or, when the dialog prints to a file, writes that PDF).
// Cancelling prints nothing. Throws errors::UserError naming the reason
// when there is no printer, the printer refuses the job, or the print
// server does not answer in time (see DialogPrinter.h); the window goes on
// handling its events while the server is asked.
void printPlanner(const QString& wordFile);

}  // namespace windowoutput
