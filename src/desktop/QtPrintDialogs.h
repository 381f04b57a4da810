#pragma once

#include "platform/PrintDialogs.h"

namespace desktop {

// The system's print dialog (QPrintDialog) over the active window. Opened
// only once the CUPS server has answered (or is not there at all); a server
// that takes the connection and then keeps silent ends in std::runtime_error
// within the timeouts of PrintJob.h, the windows usable all the while.
class QtPrintDialogs final : public platform::PrintDialogs {
public:
    bool choose(QPrinter& printer) override;
};

}  // namespace desktop
