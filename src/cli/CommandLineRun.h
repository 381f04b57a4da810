#pragma once

#include <QString>

namespace cli {

// The program's run without a window, for main() when wantsCommandLineRun()
// says so: makes the application object on Qt's offscreen platform (before
// it is made, so that no display server is needed or looked for, whatever
// QT_QPA_PLATFORM says), puts message boxes in place that write to standard
// error and answer No, keeps Qt's own warnings off standard error, reads the arguments and answers --help and
// --version, or carries out the request (BatchRun). Bad arguments are
// reported with the usage line. SIGPIPE is ignored: a reader of standard
// output that goes away early makes the summary's write fail, which is a
// warning, after the files are written. Returns the exit status.
int runCommandLine(int& argc, char** argv, const QString& version);

}  // namespace cli
