#pragma once

#include "platform/MessageBoxes.h"

namespace cli {

// The message boxes of a run without a window: nobody is there to answer,
// so every box becomes a line "dorvane: <text>" on standard error and every
// question is answered No, the answer that changes nothing.
class HeadlessMessageBoxes final : public platform::MessageBoxes {
public:
    platform::Answer show(const platform::MessageRequest& request) override;
};

// Writes "dorvane: <message>" and a line end to standard error.
void printError(const QString& message);

}  // namespace cli
