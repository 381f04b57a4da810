#include "word/Engine.h"

#include "word/BuiltInEngine.h"
#include "word/engine/WordInstance.h"

namespace word {

namespace {

std::shared_ptr<Engine>& current()
{
    static std::shared_ptr<Engine> engine = std::make_shared<BuiltInEngine>();
    return engine;
}

}  // namespace

std::shared_ptr<Engine> engine()
{
    return current();
}

void setEngine(std::shared_ptr<Engine> engine)
{
    current() = engine ? std::move(engine) : std::make_shared<BuiltInEngine>();
}

int liveInstances()
{
    return WordInstance::liveCount();
}

}  // namespace word
