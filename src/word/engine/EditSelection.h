#pragma once

#include "word/engine/Place.h"
#include "word/engine/TableEdits.h"
#include "word/model/DocumentModel.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace word::editing {

// The selection of a document's window and what typing and formatting do
// through it, as Word does it for the program's calls:
// - Formatting set at an insertion point in a non-empty paragraph is held for
//   the text typed there next; in an empty paragraph or cell it goes onto the
//   paragraph mark. Any move drops what is held; typed text otherwise takes the
//   formatting of the character before it (or of the mark in an empty paragraph).
// - A move by cell goes to the next cell (from a row's last cell to the next
//   row's first) and selects its content; from the table's last cell it stays.
// - Extending by characters in a cell runs over its text, then its end mark
//   (the whole cell), then one more cell of the row per step.
// - Merging selected cells makes one cell of them, which stays selected.
// - A new table's cells take the formatting of the paragraph it is put at.
// The selection edits the document it is given, which must outlive it.
class EditSelection {
public:
    explicit EditSelection(model::DocumentModel& document);

    // The document was replaced or edited behind the selection's back: start over
    // at the beginning of the document.
    void reset();

    void typeText(const QString& text);
    void typeParagraph();
    // unit: 1 character or 12 cell; extend: 0 move or 1 extend. Returns how far it moved.
    int moveRight(int unit, int count, int extend);

    // Formatting of the selection (see above for an insertion point).
    void formatCharacters(const std::function<void(model::CharacterFormat&)>& change);
    void setAlignment(model::Alignment alignment);
    // Word's "Page break before" of the selection's paragraphs; a new
    // paragraph typed after one takes it over, as in Word.
    void setPageBreakBefore(bool pageBreakBefore);
    // To the end of the document (Ctrl+End): an insertion point at the end
    // of its last paragraph, which is never in a table.
    void moveToEnd();

    struct CellRef {
        int block;
        int row;
        int cell;
    };
    // The cells the selection is in or covers; throws DocumentError outside tables.
    std::vector<CellRef> selectedCells() const;
    void mergeCells();

    // Where the selection starts, as Selection.Range gives it.
    Place start() const;
    // Puts a table of rows x columns at `at` (or in place of the whole content
    // when `at` is empty), columns of equal width across the text area, and
    // goes to its first cell. Returns the table's ordinal in the document.
    int addTable(std::optional<Place> at, int rows, int columns);

    // A place is valid when it still names a paragraph position of the document.
    bool isValid(const Place& place) const;

private:
    enum class Mode { Point, Text, Cells };

    model::Paragraph& paragraphAt(const Place& place);
    const model::Paragraph& paragraphAt(const Place& place) const;
    model::Table& tableAt(int block);
    const model::Table& tableAt(int block) const;
    model::CharacterFormat formatAt(const Place& place) const;
    std::optional<Place> nextParagraph(const Place& place) const;
    Place firstPlaceOfBlock(int block) const;
    void insertText(const QString& text, const model::CharacterFormat& format);
    void splitParagraph(const model::CharacterFormat& newMark);
    void deleteSelection();
    void collapseToPoint(const Place& place);
    int moveByCharacters(int count);
    int extendByCharacters(int count);
    int moveByCells(int count);

    model::DocumentModel& m_document;
    TableEdits m_tables;
    Mode m_mode = Mode::Point;
    Place m_point;         // insertion point; start of a text selection; first selected cell
    int m_textEnd = 0;     // Text: end offset in m_point's paragraph
    int m_lastCell = 0;    // Cells: last selected cell of m_point's row
    bool m_wholeCells = false;  // Cells: end marks included (else one cell's content)
    std::optional<model::CharacterFormat> m_pending;
};

}  // namespace word::editing
