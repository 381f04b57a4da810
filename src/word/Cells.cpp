#include "word/Cells.h"

#include "word/AutomationError.h"
#include "word/Messages.h"
#include "word/Shading.h"
#include "word/dispatch/ObjectRef.h"

namespace word {

void Cells::Merge()
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Method, "Cells.Merge", {}, [&] {
        editing::OpenDocument& document = self.liveDocument();
        // This engine merges cells of one row only; a column's cells would merge vertically.
        if (self.scope == ObjectRef::Scope::Column)
            throw AutomationError(messages::VerticalMerge());
        document.selection().mergeCells();
    });
}

word::Shading Cells::Shading() const
{
    return handOut<word::Shading>(Call::Kind::Get, "Cells.Shading", target(), &ObjectRef::liveCells);
}

}  // namespace word
