#include "cli/HeadlessPlatform.h"

namespace cli {

const char* headlessPlatform() { return "minimal:enable_fonts"; }

}  // namespace cli
