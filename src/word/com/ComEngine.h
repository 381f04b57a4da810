#pragma once

#include "word/Engine.h"

namespace word::com {

// The engine that drives an installed Word through COM automation: its
// applications are "Word.Application" objects of Word's own process,
// created with CLSIDFromProgID and CoCreateInstance(CLSCTX_LOCAL_SERVER) or
// found with GetActiveObject, and every call goes to them through IDispatch
// (ComObject). Windows only.
//
// COM is initialised as a single-threaded apartment on the thread that
// makes the first call (the thread that makes the planner), with the
// message filter (MessageFilter.h) that keeps the program's windows painting
// while Word is busy. Every object is released when its last handle goes;
// the program quits the instances it created.
class ComEngine final : public Engine {
public:
    // True when "Word.Application" is registered (CLSIDFromProgID succeeds).
    static bool isRegistered();

    bool outOfProcess() const override { return true; }
    std::shared_ptr<AutomationObject> createRemoteApplication() override;
    std::shared_ptr<AutomationObject> runningRemoteApplication() override;

    // Never asked for (outOfProcess()); both throw AutomationError.
    std::shared_ptr<WordInstance> createApplication() override;
    std::shared_ptr<WordInstance> runningApplication() override;
};

}  // namespace word::com
