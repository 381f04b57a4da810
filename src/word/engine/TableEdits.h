#pragma once

#include "word/engine/Place.h"
#include "word/model/DocumentModel.h"

#include <optional>

namespace word::editing {

// The edits of a document's tables that the selection makes, on the model
// alone: the selection checks its arguments and moves itself. The document
// is not owned and must outlive the edits.
class TableEdits {
public:
    explicit TableEdits(model::DocumentModel& document) : m_document(document) {}

    // Merges cells `first` to `last` of a row of the table at `block` into
    // the first: spans and widths add up, and the paragraphs of the cells
    // that are not empty follow one another (all empty: the first cell's stay).
    void mergeCells(int block, int row, int first, int last);

    // Puts a table of rows x columns, columns of equal width across the text
    // area, at `at` (a valid place outside tables), or in place of the whole
    // content when `at` is empty. Its cells' paragraphs are empty, aligned as
    // the paragraph it is put at, with mark formatting `mark`. A place inside
    // a paragraph splits it: the table goes between its parts. Returns the
    // table's block.
    int addTable(const std::optional<Place>& at, int rows, int columns, const model::CharacterFormat& mark);

    // The ordinal among the document's tables of the table at `block`.
    int ordinalOf(int block) const;

private:
    model::DocumentModel& m_document;
};

}  // namespace word::editing
