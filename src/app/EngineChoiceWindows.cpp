#include "EngineChoice.h"

#include "word/BuiltInEngine.h"
#include "word/com/ComEngine.h"

// Windows: Word itself where it is registered, through COM automation.
namespace app {

bool engineChoiceOffered() { return true; }

bool wordRegistered() { return word::com::ComEngine::isRegistered(); }

std::shared_ptr<word::Engine> engineFor(EngineChoice choice)
{
    const bool useWord = choice == EngineChoice::Word || (choice == EngineChoice::Auto && wordRegistered());
    // With `word` and no Word, the COM engine is used all the same: its
    // CreateObject fails, and the start-up presence check says so and ends.
    if (useWord)
        return std::make_shared<word::com::ComEngine>();
    return std::make_shared<word::BuiltInEngine>();
}

}  // namespace app
