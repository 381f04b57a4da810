#include "EngineChoice.h"

#include "word/BuiltInEngine.h"

// Linux: no Word to drive. Every choice is Dorvane's own engine.
namespace app {

bool engineChoiceOffered() { return false; }

bool wordRegistered() { return false; }

std::shared_ptr<word::Engine> engineFor(EngineChoice) { return std::make_shared<word::BuiltInEngine>(); }

}  // namespace app
