#pragma once

#include "word/AutomationObject.h"
#include "word/Call.h"
#include "seam/Seam.h"

#include <functional>
#include <memory>

namespace word {

class WordInstance;

// What stands behind the automation calls. Every member call of every Word
// object, and the creation of and attachment to applications, passes through
// invoke() of the process-wide engine: an engine may record the call, refuse
// it by throwing AutomationError, or let `work` run: the built-in document
// engine's handling of the call, or, for an object of a Word in a process of
// its own, the forwarding of the call to it (AutomationObject).
//
// Two kinds of engine: the built-in one and those wrapping it make
// WordInstances here (createApplication, runningApplication); an engine
// whose Word runs in a process of its own (outOfProcess(), on Windows the
// COM engine) hands out its applications as automation objects instead
// (createRemoteApplication, runningRemoteApplication).
//
// The program wires the built-in engine as the default at the top of its
// main; tests wire a RecordingEngine, or an engine of their own, through
// EngineSeam.
class Engine {
public:
    virtual ~Engine() = default;

    // CreateObject("Word.Application"): a new instance. Throws AutomationError.
    virtual std::shared_ptr<WordInstance> createApplication() = 0;

    // GetObject(, "Word.Application"): the instance already running.
    // Throws AutomationError when none runs.
    virtual std::shared_ptr<WordInstance> runningApplication() = 0;

    // True when Word runs in a process of its own: its documents are known
    // here only by the files it saves, and its Range.CopyAsPicture would go
    // to the user's clipboard. The program then draws pictures and pages
    // from the saved file itself.
    virtual bool outOfProcess() const { return false; }
    // CreateObject and GetObject of an engine that is outOfProcess(). Throw
    // AutomationError; the defaults always do.
    virtual std::shared_ptr<AutomationObject> createRemoteApplication();
    virtual std::shared_ptr<AutomationObject> runningRemoteApplication();

    // Runs one call. The default lets it through.
    virtual void invoke(const Call& /*call*/, const std::function<void()>& work) { work(); }
};

// The process-wide factory: what CreateObject and GetObject reach. The
// default the program set (EngineSeam::setDefault) unless one is installed
// (EngineSeam::install or ::Scoped; nullptr goes back to the default).
// Throws std::logic_error when neither is set. Not thread-safe: set it
// before use.
using EngineSeam = seam::Seam<Engine, std::shared_ptr<Engine>>;
std::shared_ptr<Engine> engine();

// Instances created by CreateObject that have not quit yet, over the whole
// process (whichever engine made them). A released application that was never
// quit stays counted, as a Word process left running would.
int liveInstances();

}  // namespace word
