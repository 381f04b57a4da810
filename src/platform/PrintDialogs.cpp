#include "PrintDialogs.h"

#include "seam/Seam.h"

namespace platform {

PrintDialogs& printDialogs() { return seam::service<PrintDialogs>("print dialog"); }

}  // namespace platform
