#include "word/Engine.h"

#include "word/BuiltInEngine.h"
#include "word/engine/WordInstance.h"

namespace word {

std::shared_ptr<Engine> engine()
{
    static const bool builtInSet = (EngineSeam::setDefault(std::make_shared<BuiltInEngine>()), true);
    (void)builtInSet;
    return EngineSeam::current();
}

int liveInstances()
{
    return WordInstance::liveCount();
}

}  // namespace word
