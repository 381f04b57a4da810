#include "word/BuiltInEngine.h"

#include "word/AutomationError.h"
#include "word/Messages.h"
#include "word/engine/WordInstance.h"

namespace word {

std::shared_ptr<WordInstance> BuiltInEngine::createApplication()
{
    return std::make_shared<WordInstance>(WordInstance::Origin::Created);
}

std::shared_ptr<WordInstance> BuiltInEngine::runningApplication()
{
    throw AutomationError(messages::CannotCreateObject());
}

}  // namespace word
