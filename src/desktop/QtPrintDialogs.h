#pragma once

#include "platform/PrintDialogs.h"

namespace desktop {

// The system's print dialog (QPrintDialog) over the active window.
class QtPrintDialogs final : public platform::PrintDialogs {
public:
    bool choose(QPrinter& printer) override;
};

}  // namespace desktop
