#include "word/Tables.h"

#include "word/AutomationError.h"
#include "word/Messages.h"
#include "word/Range.h"
#include "word/Table.h"
#include "word/dispatch/ObjectRef.h"

#include <optional>

namespace word {

Table Tables::Add(const word::Range& Range, int NumRows, int NumColumns, int DefaultTableBehavior, int AutoFitBehavior)
{
    const ObjectRef& self = target();
    const std::shared_ptr<const ObjectRef>& range = ObjectRef::of(Range);
    ObjectRef added = self;
    const Arguments arguments{
        Argument::objectArgument(range ? QStringLiteral("Range") : QStringLiteral("Nothing"),
                                 range ? range->remote : nullptr)
            .named("Range"),
        Argument::integer(NumRows).named("NumRows"),
        Argument::integer(NumColumns).named("NumColumns"),
        Argument::integer(DefaultTableBehavior).named("DefaultTableBehavior"),
        Argument::integer(AutoFitBehavior).named("AutoFitBehavior"),
    };
    const AutomationValue answer = dispatch(self, Call::Kind::Method, "Tables.Add", arguments, [&] {
        editing::OpenDocument& document = self.liveDocument();
        if (!range)
            throw AutomationError(messages::ObjectNotSet());
        range->liveDocument();
        if (range->document != self.document)
            throw AutomationError(messages::ForeignRange());
        // Both behaviours give a table with grid lines; only fixed column widths are kept.
        if ((DefaultTableBehavior != 0 && DefaultTableBehavior != wdWord9TableBehavior) || AutoFitBehavior != wdAutoFitFixed)
            throw AutomationError(messages::BadParameter());
        std::optional<editing::Place> at;
        if (range->scope == ObjectRef::Scope::Place)
            at = range->place;
        added.table = document.selection().addTable(at, NumRows, NumColumns);
    });
    if (self.remote) {
        ObjectRef table;
        table.remote = objectOf(answer);
        return ObjectRef::make<Table>(std::move(table));
    }
    return ObjectRef::make<Table>(std::move(added));
}

}  // namespace word
