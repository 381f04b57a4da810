#include "FontSetupAhead.h"

namespace platform {

// Windows lists its fonts itself, without a configuration to read first.
struct FontSetupAhead::Reading {};

FontSetupAhead::FontSetupAhead() = default;
FontSetupAhead::~FontSetupAhead() = default;
void FontSetupAhead::wait() {}

}  // namespace platform
