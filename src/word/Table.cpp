#include "word/Table.h"

#include "word/AutomationError.h"
#include "word/Column.h"
#include "word/Messages.h"
#include "word/dispatch/ObjectRef.h"

namespace word {

namespace {

const QString TableGrid = QStringLiteral("Table Grid");
const QString NormalTable = QStringLiteral("Normal Table");

void setLook(const ObjectRef& self, const char* member, bool value, bool model::TableLook::*flag)
{
    dispatch(self, Call::Kind::Set, member, {Argument::boolean(value)}, [&] { self.liveTable().look.*flag = value; });
}

}  // namespace

word::Column Table::Columns(int Index) const
{
    ObjectRef column = target().with(ObjectRef::Scope::Column);
    column.column = Index - 1;
    return handOut<word::Column>(
        Call::Kind::Method, "Table.Columns", std::move(column),
        [](const ObjectRef& column) { columnCells(column.liveTable(), column.column); }, {Argument::integer(Index)});
}

QString Table::Style() const
{
    const ObjectRef& self = target();
    QString name;
    const AutomationValue answer =
        dispatch(self, Call::Kind::Get, "Table.Style", {}, [&] { name = self.liveTable().styleName; });
    if (const auto* text = std::get_if<QString>(&answer))
        name = *text;
    return name;
}

void Table::setStyle(const QString& Style)
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Set, "Table.Style", {Argument::string(Style)}, [&] {
        model::Table& table = self.liveTable();
        if (Style.compare(TableGrid, Qt::CaseInsensitive) == 0)
            table.styleName = TableGrid;
        else if (Style.compare(NormalTable, Qt::CaseInsensitive) == 0)
            table.styleName = NormalTable;
        else
            throw AutomationError(messages::NoSuchStyle());
    });
}

void Table::setApplyStyleHeadingRows(bool ApplyStyleHeadingRows)
{
    setLook(target(), "Table.ApplyStyleHeadingRows", ApplyStyleHeadingRows, &model::TableLook::headingRows);
}

void Table::setApplyStyleLastRow(bool ApplyStyleLastRow)
{
    setLook(target(), "Table.ApplyStyleLastRow", ApplyStyleLastRow, &model::TableLook::lastRow);
}

void Table::setApplyStyleFirstColumn(bool ApplyStyleFirstColumn)
{
    setLook(target(), "Table.ApplyStyleFirstColumn", ApplyStyleFirstColumn, &model::TableLook::firstColumn);
}

void Table::setApplyStyleLastColumn(bool ApplyStyleLastColumn)
{
    setLook(target(), "Table.ApplyStyleLastColumn", ApplyStyleLastColumn, &model::TableLook::lastColumn);
}

}  // namespace word
