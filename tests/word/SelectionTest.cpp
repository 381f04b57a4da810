// The selection through the calls: where typing lands, which formatting it
// takes, how moves, extending and merging go in a table.
#include "WordTestSupport.h"

#include "word/Messages.h"
#include "word/Word.h"
#include "word/engine/EditSelection.h"

#include <gtest/gtest.h>

using namespace word;
using word::model::Alignment;
using word::model::DocumentModel;
using word::model::Paragraph;
using wordtest::modelOf;

namespace {

const model::Paragraph& bodyParagraph(const Document& document, int block)
{
    return std::get<model::Paragraph>(modelOf(document).body.at(block));
}

const model::Table& firstTable(const Document& document)
{
    return *modelOf(document).table(0);
}

const model::Cell& cellAt(const Document& document, int row, int cell)
{
    return firstTable(document).rows.at(row).cells.at(cell);
}

// The description of the failure of `call`; empty when it did not fail.
template <class Call>
QString failureOf(Call&& call)
{
    try {
        call();
    } catch (const AutomationError& error) {
        return error.description();
    }
    return {};
}

class SelectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app = Application::CreateObject();
        document = app.Documents().Add();
        selection = document.ActiveWindow().Selection();
    }
    void TearDown() override { app.Quit(); }

    // A table of rows x columns at the insertion point; the selection is in its first cell.
    Table addTable(int rows, int columns)
    {
        return document.Tables().Add(selection.Range(), rows, columns, wdWord9TableBehavior, wdAutoFitFixed);
    }

    Application app;
    Document document;
    Selection selection;
};

TEST_F(SelectionTest, FormattingSetInAnEmptyParagraphGoesToWhatIsTypedThere)
{
    selection.Font().setBold(true);
    selection.Font().setName("Trebuchet MS");
    selection.TypeText("Week of X");

    const Paragraph& heading = bodyParagraph(document, 0);
    ASSERT_EQ(heading.runs.size(), 1u);
    EXPECT_EQ(heading.runs[0].text, "Week of X");
    EXPECT_TRUE(heading.runs[0].format.bold);
    EXPECT_EQ(heading.runs[0].format.fontName, "Trebuchet MS");
    EXPECT_EQ(heading.runs[0].format.halfPoints, 22);  // a new document's 11 pt
}

TEST_F(SelectionTest, FormattingAtAnInsertionPointAppliesOnlyToTheTextTypedNext)
{
    selection.TypeText("plain ");
    selection.Font().setBold(true);
    selection.Font().setSize(10.5);  // half points are kept
    selection.TypeText("strong");
    selection.TypeText("!");  // goes on in the formatting of the character before it

    const Paragraph& paragraph = bodyParagraph(document, 0);
    ASSERT_EQ(paragraph.runs.size(), 2u);
    EXPECT_EQ(paragraph.runs[0].text, "plain ");
    EXPECT_FALSE(paragraph.runs[0].format.bold);
    EXPECT_EQ(paragraph.runs[0].format.halfPoints, 22);
    EXPECT_EQ(paragraph.runs[1].text, "strong!");
    EXPECT_TRUE(paragraph.runs[1].format.bold);
    EXPECT_EQ(paragraph.runs[1].format.halfPoints, 21);
}

TEST_F(SelectionTest, TypeParagraphKeepsAlignmentAndCharacterFormatting)
{
    selection.Font().setBold(true);
    selection.TypeText("Heading");
    selection.ParagraphFormat().setAlignment(wdAlignParagraphCenter);
    selection.TypeParagraph();
    selection.TypeText("Next");

    ASSERT_EQ(modelOf(document).body.size(), 2u);
    EXPECT_EQ(bodyParagraph(document, 0).alignment, Alignment::Center);
    const Paragraph& next = bodyParagraph(document, 1);
    EXPECT_EQ(next.alignment, Alignment::Center);
    ASSERT_EQ(next.runs.size(), 1u);
    EXPECT_TRUE(next.runs[0].format.bold);
}

TEST_F(SelectionTest, TypedLineEndsStartNewParagraphs)
{
    selection.TypeText("one\r\ntwo\rthree\nfour");
    ASSERT_EQ(modelOf(document).body.size(), 4u);
    EXPECT_EQ(bodyParagraph(document, 3).text(), "four");
    selection.TypeText("!");
    EXPECT_EQ(bodyParagraph(document, 3).text(), "four!");
}

TEST_F(SelectionTest, NewTableStandsAtTheInsertionPointWithTheParagraphsFormattingAndAParagraphAfterIt)
{
    selection.Font().setBold(true);
    selection.Font().setName("Trebuchet MS");
    selection.TypeText("Title");
    selection.ParagraphFormat().setAlignment(1);
    selection.TypeParagraph();
    Table table = addTable(3, 2);
    selection.TypeText("first");

    const DocumentModel& model = modelOf(document);
    ASSERT_EQ(model.body.size(), 3u);
    EXPECT_EQ(std::get<Paragraph>(model.body[0]).text(), "Title");
    ASSERT_TRUE(std::holds_alternative<model::Table>(model.body[1]));
    const Paragraph& after = std::get<Paragraph>(model.body[2]);
    EXPECT_TRUE(after.isEmpty());

    const model::Table& grid = firstTable(document);
    EXPECT_EQ(grid.rows.size(), 3u);
    EXPECT_EQ(grid.columnCount(), 2);
    EXPECT_TRUE(grid.isConsistent());
    EXPECT_EQ(grid.styleName, "Table Grid");
    EXPECT_EQ(table.Style(), "Table Grid");
    // Columns share the text area.
    EXPECT_EQ(grid.widthTwips(), model.page.textWidthTwips() / 2 * 2);
    // The insertion point was in the first cell, and the cells took the paragraph's formatting.
    EXPECT_EQ(cellAt(document, 0, 0).text(), "first");
    const auto& typed = cellAt(document, 0, 0).paragraphs[0].runs.at(0).format;
    EXPECT_TRUE(typed.bold);
    EXPECT_EQ(typed.fontName, "Trebuchet MS");
    const Paragraph& emptyCell = cellAt(document, 2, 1).paragraphs.at(0);
    EXPECT_TRUE(emptyCell.markFormat.bold);
    EXPECT_EQ(emptyCell.alignment, Alignment::Center);
}

TEST_F(SelectionTest, TableInTheMiddleOfAParagraphSplitsIt)
{
    selection.TypeText("before");
    Table table = addTable(1, 1);
    const DocumentModel& model = modelOf(document);
    ASSERT_EQ(model.body.size(), 3u);
    EXPECT_EQ(std::get<Paragraph>(model.body[0]).text(), "before");
    EXPECT_TRUE(std::holds_alternative<model::Table>(model.body[1]));
    EXPECT_TRUE(std::get<Paragraph>(model.body[2]).isEmpty());
}

TEST_F(SelectionTest, MoveByCellGoesCellByCellAndWrapsToTheNextRow)
{
    addTable(3, 3);
    EXPECT_EQ(selection.MoveRight(wdCell, 2), 2);
    selection.TypeText("c");
    EXPECT_EQ(selection.MoveRight(wdCell, 1), 1);  // the row's last cell to the next row's first
    selection.TypeText("d");
    EXPECT_EQ(selection.MoveRight(wdCell, 4), 4);
    selection.TypeText("h");

    EXPECT_EQ(wordtest::cellTexts(firstTable(document), 0), QStringList({"", "", "c"}));
    EXPECT_EQ(wordtest::cellTexts(firstTable(document), 1), QStringList({"d", "", ""}));
    EXPECT_EQ(wordtest::cellTexts(firstTable(document), 2), QStringList({"", "h", ""}));
}

TEST_F(SelectionTest, MoveByCellFromTheLastCellLeavesTheTableAsItIs)
{
    addTable(2, 2);
    EXPECT_EQ(selection.MoveRight(wdCell, 3), 3);
    selection.TypeText("last");
    EXPECT_EQ(selection.MoveRight(wdCell, 1), 0);
    EXPECT_EQ(selection.MoveRight(wdCell, 5), 0);
    selection.TypeText("!");
    EXPECT_EQ(firstTable(document).rows.size(), 2u);
    EXPECT_EQ(cellAt(document, 1, 1).text(), "last!");
}

TEST_F(SelectionTest, AMoveDropsHeldFormattingAndTakesUpTheLandingPlaces)
{
    addTable(1, 3);
    selection.Font().setSize(10);  // empty cell: onto its mark
    selection.TypeText("a");
    selection.Font().setSize(20);  // held for what comes next in this cell only
    selection.MoveRight(wdCell, 1);
    selection.TypeText("b");
    const auto& b = cellAt(document, 0, 1).paragraphs[0].runs.at(0).format;
    EXPECT_EQ(b.halfPoints, 22);
    EXPECT_EQ(cellAt(document, 0, 0).paragraphs[0].runs.size(), 1u);
    EXPECT_EQ(cellAt(document, 0, 0).paragraphs[0].runs[0].format.halfPoints, 20);
}

TEST_F(SelectionTest, FormattingAMovedToCellAppliesToItsContentAndWhatIsTypedThere)
{
    addTable(1, 2);
    selection.MoveRight(wdCell, 1);
    selection.Font().setSize(10);
    selection.Font().setBold(false);
    selection.TypeText("x");
    const auto& x = cellAt(document, 0, 1).paragraphs[0].runs.at(0).format;
    EXPECT_EQ(x.halfPoints, 20);
    EXPECT_FALSE(x.bold);
}

TEST_F(SelectionTest, ExtendingTwoCharactersFromAnEmptyCellCoversItAndTheNextAndMergeJoinsThem)
{
    Table table = addTable(2, 4);
    table.Columns(1).setWidth(50);
    table.Columns(2).setWidth(180);
    EXPECT_EQ(selection.MoveRight(wdCharacter, 2, wdExtend), 2);
    selection.Cells().Merge();
    // The merged cell stays selected: shading and typing go to it.
    selection.Cells().Shading().setBackgroundPatternColor(16777164);
    selection.Font().setSize(11);
    selection.TypeText("Monday");

    const model::Row& row = firstTable(document).rows[0];
    ASSERT_EQ(row.cells.size(), 3u);
    EXPECT_EQ(row.cells[0].gridSpan, 2);
    EXPECT_EQ(row.cells[0].widthTwips, 1000 + 3600);
    EXPECT_EQ(row.cells[0].shading.background, 16777164);
    EXPECT_EQ(row.cells[0].text(), "Monday");
    EXPECT_EQ(row.cells[0].paragraphs[0].runs[0].format.halfPoints, 22);
    EXPECT_TRUE(firstTable(document).isConsistent());
    EXPECT_EQ(firstTable(document).rows[1].cells.size(), 4u);
    // The next cell after the merged one is the third grid column.
    selection.MoveRight(wdCell, 1);
    selection.TypeText("third");
    EXPECT_EQ(row.cells[1].text(), "third");
}

TEST_F(SelectionTest, MergingCellsWithTextKeepsTheirParagraphsAndTypingReplacesThem)
{
    addTable(1, 3);
    selection.TypeText("x");
    selection.MoveRight(wdCell, 1);
    selection.TypeText("y");
    // Back to the first cell is not a call the program makes; a fresh row does it.
    const model::Table& table = firstTable(document);
    ASSERT_EQ(table.rows[0].cells[1].text(), "y");
    selection.MoveRight(wdCharacter, 2, wdExtend);  // over the end of "y"'s cell into the third
    selection.Cells().Merge();
    EXPECT_EQ(table.rows[0].cells.size(), 2u);
    EXPECT_EQ(table.rows[0].cells[1].gridSpan, 2);
    EXPECT_EQ(table.rows[0].cells[1].text(), "y");
    selection.TypeText("z");
    EXPECT_EQ(table.rows[0].cells[1].text(), "z");
}

TEST_F(SelectionTest, ExtendingStopsAtTheRowsEnd)
{
    addTable(2, 2);
    selection.MoveRight(wdCell, 1);
    EXPECT_EQ(selection.MoveRight(wdCharacter, 5, wdExtend), 1);
    selection.Cells().Merge();
    EXPECT_EQ(firstTable(document).rows[0].cells.size(), 2u);
    EXPECT_EQ(firstTable(document).rows[1].cells.size(), 2u);
}

TEST_F(SelectionTest, ColumnsTakeWidthsAndShadingUntilCellsAreMergedAcrossThem)
{
    Table table = addTable(3, 5);
    const double widths[] = {50, 180, 20, 180, 50};
    for (int i = 0; i < 5; ++i)
        table.Columns(i + 1).setWidth(widths[i]);
    table.Columns(3).Cells().Shading().setBackgroundPatternColor(12451839);

    const model::Table& grid = firstTable(document);
    EXPECT_EQ(grid.gridTwips, std::vector<int>({1000, 3600, 400, 3600, 1000}));
    for (const model::Row& row : grid.rows) {
        EXPECT_EQ(row.cells[2].widthTwips, 400);
        EXPECT_EQ(row.cells[2].shading.background, 12451839);
        EXPECT_TRUE(row.cells[1].shading.isNone());
    }
    selection.MoveRight(wdCharacter, 2, wdExtend);
    selection.Cells().Merge();
    try {
        table.Columns(2).setWidth(100);
        FAIL() << "a column across merged cells took a width";
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.description(), messages::MixedCellWidths());
    }
    EXPECT_THROW(table.Columns(6), AutomationError);
    EXPECT_THROW(table.Columns(0), AutomationError);
}

TEST_F(SelectionTest, StyleAndFlagsOfATable)
{
    Table table = addTable(1, 1);
    EXPECT_EQ(table.Style(), "Table Grid");
    table.setStyle("Normal Table");
    EXPECT_EQ(table.Style(), "Normal Table");
    table.setStyle("Table Grid");
    EXPECT_THROW(table.setStyle("No Such Style"), AutomationError);
    EXPECT_EQ(table.Style(), "Table Grid");

    const model::TableLook before = firstTable(document).look;
    EXPECT_TRUE(before.headingRows);
    EXPECT_FALSE(before.lastRow);
    table.setApplyStyleHeadingRows(true);
    table.setApplyStyleLastRow(true);
    table.setApplyStyleFirstColumn(true);
    table.setApplyStyleLastColumn(true);
    const model::TableLook after = firstTable(document).look;
    EXPECT_TRUE(after.headingRows && after.lastRow && after.firstColumn && after.lastColumn);
    table.setApplyStyleLastRow(false);
    EXPECT_FALSE(firstTable(document).look.lastRow);
}

TEST_F(SelectionTest, RefusedCallsFailWithWordsDescriptions)
{
    EXPECT_EQ(failureOf([&] { selection.Cells(); }), messages::NotInTable());
    EXPECT_EQ(failureOf([&] { selection.MoveRight(wdCell, 1); }), messages::NotInTable());
    addTable(1, 2);
    EXPECT_EQ(failureOf([&] { selection.MoveRight(wdCell, 1, wdExtend); }), messages::BadParameter());
    EXPECT_EQ(failureOf([&] { selection.MoveRight(5, 1); }), messages::BadParameter());
    EXPECT_EQ(failureOf([&] { document.Tables().Add(selection.Range(), 2, 2); }), messages::NestedTable());
    EXPECT_EQ(failureOf([&] { document.Tables().Add(document.Range(), 0, 2); }), messages::ValueOutOfRange());
}

TEST_F(SelectionTest, ValuesOutOfRangeAreRefusedAndChangeNothing)
{
    addTable(1, 1);
    EXPECT_THROW(selection.Font().setSize(0.5), AutomationError);
    EXPECT_THROW(selection.Font().setSize(2000), AutomationError);
    EXPECT_THROW(selection.Font().setName(""), AutomationError);
    EXPECT_THROW(selection.ParagraphFormat().setAlignment(7), AutomationError);
    EXPECT_THROW(selection.Cells().Shading().setBackgroundPatternColor(0x1000000), AutomationError);
    EXPECT_THROW(selection.Cells().Shading().setTexture(33), AutomationError);
    selection.TypeText("t");
    const auto& format = cellAt(document, 0, 0).paragraphs[0].runs.at(0).format;
    EXPECT_EQ(format, model::CharacterFormat{});
    EXPECT_TRUE(cellAt(document, 0, 0).shading.isNone());
}

// The selection engine itself, on documents with content already in place.
TEST(EditSelectionTest, MoveByCellSelectsTheContentSoThatTypingReplacesIt)
{
    DocumentModel model = DocumentModel::blank();
    editing::EditSelection selection(model);
    selection.addTable(editing::Place{}, 1, 3);
    auto& cells = model.table(0)->rows[0].cells;
    cells[1].paragraphs[0].runs = {model::Run{"old", model::CharacterFormat{true, "Arial", 30}}};
    cells[1].paragraphs.push_back(cells[1].paragraphs[0]);

    selection.moveRight(12, 1, 0);
    selection.typeText("new");
    ASSERT_EQ(cells[1].paragraphs.size(), 1u);
    EXPECT_EQ(cells[1].text(), "new");
    // The typed text takes the formatting of the content it replaced.
    EXPECT_EQ(cells[1].paragraphs[0].runs[0].format, (model::CharacterFormat{true, "Arial", 30}));
}

TEST(EditSelectionTest, CharacterMovesRunThroughTextAndFromCellToCell)
{
    DocumentModel model = DocumentModel::blank();
    editing::EditSelection selection(model);
    selection.addTable(editing::Place{}, 1, 3);
    auto& cells = model.table(0)->rows[0].cells;
    cells[1].paragraphs[0].runs = {model::Run{"xyz", model::CharacterFormat{}}};

    selection.typeText("ab");
    EXPECT_EQ(selection.moveRight(1, 1, 0), 1);  // past the end of "ab" into the next cell
    EXPECT_EQ(selection.moveRight(1, 2, 1), 2);  // over "xy"
    selection.typeText("Q");
    EXPECT_EQ(cells[1].text(), "Qz");
    // Extending on over the rest of the text, the end mark and the next cell.
    EXPECT_EQ(selection.moveRight(1, 3, 1), 3);
    selection.mergeCells();
    EXPECT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[1].text(), "Qz");
    EXPECT_EQ(cells[1].gridSpan, 2);
}

TEST(EditSelectionTest, CharacterMovesStopAtTheDocumentsEnd)
{
    DocumentModel model = DocumentModel::blank();
    editing::EditSelection selection(model);
    selection.typeText("a\U0001F600");
    EXPECT_EQ(selection.moveRight(1, 3, 0), 0);
    EXPECT_EQ(selection.moveRight(1, 5, 1), 0);
    selection.typeText("b");
    EXPECT_EQ(std::get<Paragraph>(model.body[0]).text(), QString::fromUtf8("a\xF0\x9F\x98\x80" "b"));
}

}  // namespace

namespace {

TEST(EditSelectionTest, ADocumentReadWithoutAClosingParagraphGetsOne)
{
    DocumentModel model;
    model.body.clear();
    editing::EditSelection empty(model);
    ASSERT_EQ(model.body.size(), 1u);
    empty.typeText("x");
    EXPECT_EQ(std::get<Paragraph>(model.body[0]).text(), "x");

    DocumentModel tableOnly;
    model::Table broken;  // no rows: nowhere to stand in it
    broken.gridTwips = {100};
    tableOnly.body = {broken};
    editing::EditSelection selection(tableOnly);
    ASSERT_EQ(tableOnly.body.size(), 2u);
    selection.typeText("y");
    EXPECT_EQ(std::get<Paragraph>(tableOnly.body[1]).text(), "y");
}

}  // namespace
