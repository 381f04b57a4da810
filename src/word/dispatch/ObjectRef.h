#pragma once

#include "word/Call.h"
#include "word/engine/OpenDocument.h"
#include "word/engine/Place.h"
#include "word/engine/WordInstance.h"

#include <QString>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace word {

// What a handle refers to: an object inside an instance, named by the path
// that reaches it. Handles hold it shared and never change it; every member
// checks that the object still exists when it is called.
struct ObjectRef {
    // What a Range, Cells or Shading stands for.
    enum class Scope { None, Selection, Column, WholeDocument, Place };

    std::shared_ptr<WordInstance> instance;
    std::shared_ptr<editing::OpenDocument> document;
    Scope scope = Scope::None;
    int table = -1;       // ordinal of the table in the document
    int column = -1;      // 0-based grid column
    editing::Place place;  // Scope::Place: where the range stands

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

// Runs one call through the process-wide engine.
void dispatch(Call::Kind kind, const char* member, const QString& arguments, const std::function<void()>& work);

// The one way a member hands out another object (Selection.Font,
// Documents.Add ...): the call runs through the engine like any other, in it
// `reach` finds the object from `ref` or throws AutomationError when it is
// gone, and may note where it stands; the handle returned refers to `ref` as
// `reach` left it. `reach` is a member of ObjectRef (&ObjectRef::liveDocument)
// or anything callable with an ObjectRef&.
template <class H, class Reach>
H handOut(Call::Kind kind, const char* member, ObjectRef ref, Reach&& reach, const QString& arguments = {})
{
    dispatch(kind, member, arguments, [&] { std::invoke(reach, ref); });
    return ObjectRef::make<H>(std::move(ref));
}

// Argument texts as VB shows them.
namespace argument {
QString text(const QString& value);   // "value" with quotes doubled
QString number(double value);
QString boolean(bool value);          // True / False
QString named(const char* name, const QString& value);  // name:=value
}  // namespace argument

// The grid column's cells, one per row; throws when a row has merged cells across it.
std::vector<model::Cell*> columnCells(model::Table& table, int column);

}  // namespace word
