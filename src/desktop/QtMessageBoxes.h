#pragma once

#include "platform/MessageBoxes.h"

namespace desktop {

// The program's message boxes on the desktop: a modal QMessageBox over the active window.
class QtMessageBoxes final : public platform::MessageBoxes {
public:
    platform::Answer show(const platform::MessageRequest& request) override;
};

}  // namespace desktop
