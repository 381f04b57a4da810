#pragma once

#include "word/Engine.h"

namespace word {

// The document engine of our own that does what Word does for the program's
// calls. No Word runs beside it: runningApplication() always fails.
class BuiltInEngine : public Engine {
public:
    std::shared_ptr<WordInstance> createApplication() override;
    std::shared_ptr<WordInstance> runningApplication() override;
};

}  // namespace word
