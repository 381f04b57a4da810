#pragma once

#include "word/Argument.h"
#include "word/Call.h"

#include <QString>

#include <memory>
#include <variant>

namespace word {

class AutomationObject;

// What a call gives back: nothing, a string, a number, a boolean, or another
// object of the same Word.
using AutomationValue = std::variant<std::monostate, QString, double, bool, std::shared_ptr<AutomationObject>>;

// An object of a Word that runs in a process of its own, reached by member
// name: the engine that drives it (on Windows the COM engine, through
// IDispatch) implements it, and a handle whose object lives there forwards
// every call to it instead of running the built-in engine's work.
//
// `member` is Word's own name of the member ("TypeText", "Font", "Size");
// an empty name is the object's default member (dispatch id 0). Throws
// AutomationError with Word's source, description and number, or with
// AutomationError::Reason::WordBusy / WordGone when Word does not answer.
// Releasing the last reference releases the object in Word; it never quits
// or closes anything.
class AutomationObject {
public:
    virtual ~AutomationObject() = default;
    virtual AutomationValue invoke(Call::Kind kind, const QString& member, const Arguments& arguments) = 0;
};

}  // namespace word
