#include "word/engine/TableEdits.h"

#include "word/engine/ParagraphEdits.h"

#include <algorithm>

namespace word::editing {

using model::Cell;
using model::Paragraph;
using model::Table;

void TableEdits::mergeCells(int block, int row, int first, int last)
{
    if (last <= first)
        return;
    auto& cells = std::get<Table>(m_document.body.at(block)).rows[row].cells;
    Cell merged = cells[first];
    // Non-empty cells' paragraphs are kept, one after the other.
    std::vector<Paragraph> paragraphs;
    for (int i = first; i <= last; ++i) {
        const Cell& cell = cells[i];
        merged.gridSpan += i == first ? 0 : cell.gridSpan;
        merged.widthTwips += i == first ? 0 : cell.widthTwips;
        if (!cell.isEmpty())
            paragraphs.insert(paragraphs.end(), cell.paragraphs.begin(), cell.paragraphs.end());
    }
    if (!paragraphs.empty())
        merged.paragraphs = std::move(paragraphs);
    cells.erase(cells.begin() + first, cells.begin() + last + 1);
    cells.insert(cells.begin() + first, std::move(merged));
}

int TableEdits::addTable(const std::optional<Place>& at, int rows, int columns, const model::CharacterFormat& mark)
{
    int block = 0;
    Paragraph formatFrom;
    if (!at) {
        const model::Block& first = m_document.body.front();
        if (std::holds_alternative<Paragraph>(first))
            formatFrom = emptiedLike(std::get<Paragraph>(first));
        formatFrom.markFormat = mark;
        m_document.body = {formatFrom};
    } else {
        block = at->block;
        Paragraph& paragraph = std::get<Paragraph>(m_document.body[block]);
        formatFrom = emptiedLike(paragraph);
        formatFrom.markFormat = mark;
        // The paragraph is split at the place; the table goes between its parts
        // and the part after it (perhaps empty) follows the table.
        if (at->offset > 0) {
            Paragraph after = emptiedLike(paragraph);
            const int split = splitRunsAt(paragraph, at->offset);
            after.runs.assign(paragraph.runs.begin() + split, paragraph.runs.end());
            paragraph.runs.erase(paragraph.runs.begin() + split, paragraph.runs.end());
            paragraph.normalize();
            after.normalize();
            m_document.body.insert(m_document.body.begin() + block + 1, std::move(after));
            ++block;
        }
    }

    Table table;
    const int width = std::max(1, m_document.page.textWidthTwips() / columns);
    table.gridTwips.assign(columns, width);
    Cell cell;
    cell.widthTwips = width;
    cell.paragraphs = {formatFrom};
    table.rows.assign(rows, model::Row{std::vector<Cell>(columns, cell)});
    m_document.body.insert(m_document.body.begin() + block, std::move(table));
    return block;
}

int TableEdits::ordinalOf(int block) const
{
    int ordinal = 0;
    for (int i = 0; i < block; ++i)
        ordinal += std::holds_alternative<Table>(m_document.body[i]) ? 1 : 0;
    return ordinal;
}

}  // namespace word::editing
