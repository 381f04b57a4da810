#include "word/dispatch/ObjectRef.h"

#include "word/AutomationError.h"
#include "word/Engine.h"
#include "word/Messages.h"
#include "word/model/DocumentError.h"

namespace word {

WordInstance& ObjectRef::liveInstance() const
{
    if (!instance || instance->hasQuit())
        throw AutomationError(messages::ServerUnavailable());
    return *instance;
}

editing::OpenDocument& ObjectRef::liveDocument() const
{
    liveInstance();
    if (!document || document->isClosed())
        throw AutomationError(messages::ObjectDeleted());
    return *document;
}

model::Table& ObjectRef::liveTable() const
{
    model::Table* found = liveDocument().model().table(table);
    if (!found)
        throw AutomationError(messages::ObjectDeleted());
    return *found;
}

std::vector<model::Cell*> ObjectRef::liveCells() const
{
    std::vector<model::Cell*> cells;
    if (scope == Scope::Column)
        return columnCells(liveTable(), column);
    editing::OpenDocument& open = liveDocument();
    for (const auto& ref : open.selection().selectedCells()) {
        auto& table = std::get<model::Table>(open.model().body[ref.block]);
        cells.push_back(&table.rows[ref.row].cells[ref.cell]);
    }
    return cells;
}

std::vector<model::Cell*> columnCells(model::Table& table, int column)
{
    if (column < 0 || column >= table.columnCount())
        throw AutomationError(messages::NoSuchMember());
    std::vector<model::Cell*> cells;
    for (model::Row& row : table.rows) {
        const int index = row.cellAtGridColumn(column);
        if (index < 0 || row.cells[index].gridSpan != 1)
            throw AutomationError(messages::MixedCellWidths());
        cells.push_back(&row.cells[index]);
    }
    return cells;
}

// Word's words for what the document engine refuses.
QString describe(const DocumentError& error)
{
    switch (error.reason()) {
    case DocumentError::Reason::Described:
        break;
    case DocumentError::Reason::BadParameter:
        return messages::BadParameter();
    case DocumentError::Reason::ValueOutOfRange:
        return messages::ValueOutOfRange();
    case DocumentError::Reason::NotInTable:
        return messages::NotInTable();
    case DocumentError::Reason::InvalidRange:
        return messages::InvalidRange();
    case DocumentError::Reason::NestedTable:
        return messages::NestedTable();
    }
    return error.description();
}

namespace {

// Word's name of the member: what follows the object's name; the default
// member goes by dispatch id 0, which has no name.
QString wordMemberName(const char* member)
{
    const QString full = QString::fromLatin1(member);
    const QString name = full.mid(full.lastIndexOf(QLatin1Char('.')) + 1);
    return name == QLatin1String("DefaultMember") ? QString() : name;
}

}  // namespace

AutomationValue dispatch(const ObjectRef& self, Call::Kind kind, const char* member, const Arguments& arguments,
                         const std::function<void()>& work)
{
    AutomationValue answer;
    const Call call{kind, QString::fromLatin1(member), vbText(arguments)};
    if (self.remote) {
        engine()->invoke(call, [&] {
            try {
                answer = self.remote->invoke(kind, wordMemberName(member), arguments);
            } catch (const AutomationError& error) {
                throw error.naming(call.text());
            }
        });
        return answer;
    }
    // The engine sees, records or refuses calls as the program sees them: a
    // failure of the document layers is already an AutomationError there.
    engine()->invoke(call, [&work] {
        try {
            work();
        } catch (const DocumentError& error) {
            throw AutomationError(describe(error));
        }
    });
    return answer;
}

std::shared_ptr<AutomationObject> objectOf(const AutomationValue& value)
{
    if (const auto* object = std::get_if<std::shared_ptr<AutomationObject>>(&value); object && *object)
        return *object;
    throw AutomationError(messages::ObjectNotSet());
}

}  // namespace word
