#include "word/Engine.h"

#include "word/AutomationError.h"
#include "word/Messages.h"
#include "word/engine/WordInstance.h"

#include <stdexcept>

namespace word {

std::shared_ptr<AutomationObject> Engine::createRemoteApplication()
{
    throw AutomationError(messages::CannotCreateObject());
}

std::shared_ptr<AutomationObject> Engine::runningRemoteApplication()
{
    throw AutomationError(messages::CannotCreateObject());
}

std::shared_ptr<Engine> engine()
{
    const std::shared_ptr<Engine>& in = EngineSeam::current();
    if (!in)
        throw std::logic_error("No Word engine has been provided to this program");
    return in;
}

int liveInstances()
{
    return WordInstance::liveCount();
}

}  // namespace word
