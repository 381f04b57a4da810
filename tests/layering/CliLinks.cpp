// A program of the command line alone: what it links is what a run without
// a window loads (see the test cli_links_no_window_toolkit).
#include "cli/CommandLineRun.h"

int main(int argc, char** argv) { return cli::runCommandLine(argc, argv, QStringLiteral("probe")); }
