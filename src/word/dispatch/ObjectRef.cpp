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

namespace {

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

}  // namespace

void dispatch(Call::Kind kind, const char* member, const QString& arguments, const std::function<void()>& work)
{
    // The engine sees, records or refuses calls as the program sees them: a
    // failure of the document layers is already an AutomationError there.
    engine()->invoke(Call{kind, QString::fromLatin1(member), arguments}, [&work] {
        try {
            work();
        } catch (const DocumentError& error) {
            throw AutomationError(describe(error));
        }
    });
}

namespace argument {

QString text(const QString& value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

QString boolean(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString named(const char* name, const QString& value)
{
    return QLatin1String(name) + QLatin1String(":=") + value;
}

}  // namespace argument

}  // namespace word
