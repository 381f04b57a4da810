#pragma once

#include "cli/CommandLine.h"

#include <QTextStream>

namespace cli {

// Carries out a command-line request without any window: refuses two
// outputs that name one file (BadArguments, before anything is written),
// checks that no output file is in the way (unless forced), reads the
// calendar, lays out the weeks as the entry window's import does, builds
// them into one planner document (a page per week) and saves it, writes it
// as a PDF and prints it, as asked. An output named "-" goes to standard
// output. Without force a file is put in place only where none is at that
// moment, so of two runs racing for one name one fails. The import summary
// of each week goes to `summary` (unless quiet), after the outputs; failures
// go through the platform message boxes (in a run from main(),
// "dorvane: <message>" on standard error). Returns the exit status; the
// first failure ends the run, and files already written stay.
//
// Needs a QGuiApplication (fonts and the PDF writer); makes no widget.
ExitStatus runBatch(const BatchRequest& request, QTextStream& summary);

}  // namespace cli
