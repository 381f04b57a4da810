#pragma once

#include "word/Argument.h"
#include "word/AutomationObject.h"
#include "word/Call.h"
#include "word/engine/OpenDocument.h"
#include "word/engine/Place.h"
#include "word/engine/WordInstance.h"
#include "word/model/DocumentError.h"

#include <QString>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace word {

// What a handle refers to: an object inside an instance of the built-in
// engine, named by the path that reaches it, or an object of a Word in a
// process of its own (`remote`), to which every call is forwarded. Handles
// hold it shared and never change it; every member checks that the object
// still exists when it is called.
struct ObjectRef {
    // What a Range, Cells or Shading stands for.
    enum class Scope { None, Selection, Column, WholeDocument, Place };

    std::shared_ptr<WordInstance> instance;
    std::shared_ptr<editing::OpenDocument> document;
    Scope scope = Scope::None;
    int table = -1;       // ordinal of the table in the document
    int column = -1;      // 0-based grid column
    editing::Place place;  // Scope::Place: where the range stands
    // Set: the object lives in Word's own process, and nothing above is used.
    std::shared_ptr<AutomationObject> remote;

    // Each throws AutomationError when the object is gone: the instance has
    // quit, the document is closed, the table no longer exists.
    WordInstance& liveInstance() const;
    editing::OpenDocument& liveDocument() const;
    model::Table& liveTable() const;
    // The cells of a Cells or Shading object.
    std::vector<model::Cell*> liveCells() const;

    ObjectRef with(Scope newScope) const
    {
        ObjectRef copy = *this;
        copy.scope = newScope;
        return copy;
    }

    template <class H>
    static H make(ObjectRef&& ref)
    {
        return H(std::make_shared<const ObjectRef>(std::move(ref)));
    }
    template <class H>
    static const std::shared_ptr<const ObjectRef>& of(const H& handle)
    {
        return handle.ref();
    }
};

// Runs one call of `self` through the process-wide engine, which sees it
// as `member` ("Object.Member") with the arguments' VB text. For an object
// of the built-in engine `work` does what Word would; an object in Word's
// own process gets the call instead, by its member name and the typed
// arguments, and what it answers is returned (nothing for the built-in
// engine, whose work hands its results out itself).
AutomationValue dispatch(const ObjectRef& self, Call::Kind kind, const char* member, const Arguments& arguments,
                         const std::function<void()>& work);

// The object a call of Word's answered with; throws AutomationError when it
// answered with none.
std::shared_ptr<AutomationObject> objectOf(const AutomationValue& value);

// The one way a member hands out another object (Selection.Font,
// Documents.Add ...): the call runs through the engine like any other, in it
// `reach` finds the object from `ref` or throws AutomationError when it is
// gone, and may note where it stands; the handle returned refers to `ref` as
// `reach` left it, or to the object Word answered with. `reach` is a member
// of ObjectRef (&ObjectRef::liveDocument) or anything callable with an ObjectRef&.
template <class H, class Reach>
H handOut(Call::Kind kind, const char* member, ObjectRef ref, Reach&& reach, const Arguments& arguments = {})
{
    const AutomationValue answer = dispatch(ref, kind, member, arguments, [&] { std::invoke(reach, ref); });
    if (ref.remote) {
        ObjectRef handedOut;
        handedOut.remote = objectOf(answer);
        return ObjectRef::make<H>(std::move(handedOut));
    }
    return ObjectRef::make<H>(std::move(ref));
}

// Word's words for what the document engine refuses.
QString describe(const DocumentError& error);

// The grid column's cells, one per row; throws when a row has merged cells across it.
std::vector<model::Cell*> columnCells(model::Table& table, int column);

}  // namespace word
