#include "cli/HeadlessPlatform.h"

namespace cli {

const char* headlessPlatform() { return "offscreen"; }

}  // namespace cli
