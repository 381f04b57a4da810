#include "cli/HeadlessPlatform.h"

namespace cli {

const char* headlessPlatform() { return "minimal:enable_fonts"; }

// A write to a pipe without a reader fails with ERROR_NO_DATA; no signal comes.
void ignoreBrokenPipes() {}

}  // namespace cli
