#include "PlannerReplay.h"

#include "word/Word.h"

namespace wordtest {

namespace {

constexpr int wdCell = 12;
constexpr int wdCharacter = 1;
constexpr int wdExtend = 1;

QString field(const QStringList& fields, int index)
{
    return index < fields.size() ? fields[index] : QString();
}

void headingCell(word::Selection& selection, int day)
{
    selection.MoveRight(wdCharacter, 2, wdExtend);
    selection.Cells().Merge();
    selection.Font().setSize(11);
    selection.Cells().Shading().setTexture(0);
    selection.Cells().Shading().setForegroundPatternColor(-16777216);
    selection.Cells().Shading().setBackgroundPatternColor(DayColours[day]);
    selection.TypeText(DayNames[day]);
}

void typeSized(word::Selection& selection, const QString& text, std::optional<bool> bold = std::nullopt)
{
    selection.Font().setSize(10);
    if (bold)
        selection.Font().setBold(*bold);
    selection.TypeText(text);
}

}  // namespace

PlannerWeek fullWeek(const QString& title)
{
    PlannerWeek week;
    week.title = title;
    for (int day = 0; day < 6; ++day) {
        QStringList items;
        for (int row = 0; row < 10; ++row)
            items << QStringLiteral("%1,N%2-%3,Entry %2.%3").arg(week.times[row]).arg(day).arg(row);
        week.stores[day] = items;
    }
    return week;
}

word::Document replayPlanner(word::Application& app, const PlannerWeek& week)
{
    word::Document document = app.Documents().Add();
    word::Selection selection = document.ActiveWindow().Selection();
    selection.Font().setBold(true);
    selection.Font().setName(QStringLiteral("Trebuchet MS"));
    selection.TypeText(QStringLiteral("Week of ") + week.title);
    selection.ParagraphFormat().setAlignment(1);
    selection.TypeParagraph();

    word::Table table = app.ActiveDocument().Tables().Add(selection.Range(), 36, 5, 1, 0);
    table.Columns(1).setWidth(50);
    table.Columns(2).setWidth(180);
    table.Columns(3).setWidth(20);
    table.Columns(3).Cells().Shading().setBackgroundPatternColor(MiddleColour);
    table.Columns(4).setWidth(180);
    table.Columns(5).setWidth(50);
    if (table.Style() != QLatin1String("Table Grid"))
        table.setStyle(QStringLiteral("Table Grid"));
    table.setApplyStyleHeadingRows(true);
    table.setApplyStyleLastRow(true);
    table.setApplyStyleFirstColumn(true);
    table.setApplyStyleLastColumn(true);

    for (int block = 1; block <= 3; ++block) {
        const int left = 2 * (block - 1);
        const int right = left + 1;
        headingCell(selection, left);
        selection.MoveRight(wdCell, 2);
        headingCell(selection, right);
        selection.MoveRight(wdCell, 1);

        typeSized(selection, QStringLiteral("Number"));
        selection.MoveRight(wdCell, 1);
        typeSized(selection, QStringLiteral("Name"));
        selection.MoveRight(wdCell, 2);
        typeSized(selection, QStringLiteral("Name"));
        selection.MoveRight(wdCell, 1);
        typeSized(selection, QStringLiteral("Number"));
        selection.MoveRight(wdCell, 1);

        for (int row = 0; row <= 9; ++row) {
            if (const auto& store = week.stores[left]) {
                const QStringList fields = store->value(row).split(QLatin1Char(','));
                typeSized(selection, field(fields, 1), false);
                selection.MoveRight(wdCell, 1);
                typeSized(selection, field(fields, 2), false);
                selection.MoveRight(wdCell, 1);
                typeSized(selection, field(fields, 0), true);
                selection.MoveRight(wdCell, 1);
            } else {
                selection.MoveRight(wdCell, 2);
                selection.TypeText(week.times.value(row));
                selection.MoveRight(wdCell, 1);
            }
            if (const auto& store = week.stores[right]) {
                const QStringList fields = store->value(row).split(QLatin1Char(','));
                typeSized(selection, field(fields, 2), false);
                selection.MoveRight(wdCell, 1);
                typeSized(selection, field(fields, 1), false);
                selection.MoveRight(wdCell, 1);
            } else {
                selection.MoveRight(wdCell, 2);
            }
        }
    }
    return document;
}

}  // namespace wordtest
