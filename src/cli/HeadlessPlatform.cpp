#include "cli/HeadlessPlatform.h"

#include <csignal>

namespace cli {

const char* headlessPlatform() { return "offscreen"; }

void ignoreBrokenPipes() { std::signal(SIGPIPE, SIG_IGN); }

}  // namespace cli
