#include "word/engine/EditSelection.h"

#include "word/engine/ParagraphEdits.h"
#include "word/model/DocumentError.h"

namespace word::editing {

using model::Alignment;
using model::Cell;
using model::CharacterFormat;
using model::Paragraph;
using model::Run;
using model::Table;

namespace {

constexpr int UnitCharacter = 1;
constexpr int UnitCell = 12;

// The characters one step right of `offset` covers: two for a surrogate pair.
int stepOver(const QString& text, int offset)
{
    if (offset + 1 < text.size() && text.at(offset).isHighSurrogate() && text.at(offset + 1).isLowSurrogate())
        return 2;
    return 1;
}

}  // namespace

EditSelection::EditSelection(model::DocumentModel& document) : m_document(document), m_tables(document)
{
    reset();
}

void EditSelection::reset()
{
    // Word keeps a paragraph at the end of every document, even one read from
    // a file without it; the selection always has a place to stand.
    if (m_document.body.empty() || std::holds_alternative<Table>(m_document.body.back()))
        m_document.body.emplace_back(Paragraph{});
    int first = 0;
    while (first + 1 < int(m_document.body.size()) && !isValid(firstPlaceOfBlock(first)))
        ++first;
    collapseToPoint(firstPlaceOfBlock(first));
}

// ---- navigation in the model ----

const Table& EditSelection::tableAt(int block) const
{
    return std::get<Table>(m_document.body.at(block));
}

Table& EditSelection::tableAt(int block)
{
    return std::get<Table>(m_document.body.at(block));
}

const Paragraph& EditSelection::paragraphAt(const Place& place) const
{
    if (!place.inTable())
        return std::get<Paragraph>(m_document.body.at(place.block));
    return tableAt(place.block).rows.at(place.row).cells.at(place.cell).paragraphs.at(place.paragraph);
}

Paragraph& EditSelection::paragraphAt(const Place& place)
{
    return const_cast<Paragraph&>(std::as_const(*this).paragraphAt(place));
}

bool EditSelection::isValid(const Place& place) const
{
    if (place.block < 0 || place.block >= int(m_document.body.size()) || place.offset < 0)
        return false;
    const model::Block& block = m_document.body[place.block];
    if (!place.inTable()) {
        return std::holds_alternative<Paragraph>(block) && place.paragraph == 0
            && place.offset <= std::get<Paragraph>(block).length();
    }
    if (!std::holds_alternative<Table>(block))
        return false;
    const Table& table = std::get<Table>(block);
    if (place.row >= int(table.rows.size()) || place.cell < 0 || place.cell >= int(table.rows[place.row].cells.size()))
        return false;
    const Cell& cell = table.rows[place.row].cells[place.cell];
    return place.paragraph >= 0 && place.paragraph < int(cell.paragraphs.size())
        && place.offset <= cell.paragraphs[place.paragraph].length();
}

Place EditSelection::firstPlaceOfBlock(int block) const
{
    Place place;
    place.block = block;
    if (std::holds_alternative<Table>(m_document.body.at(block))) {
        place.row = 0;
        place.cell = 0;
    }
    return place;
}

std::optional<Place> EditSelection::nextParagraph(const Place& place) const
{
    if (place.inTable()) {
        const Table& table = tableAt(place.block);
        const Cell& cell = table.rows[place.row].cells[place.cell];
        Place next = place;
        next.offset = 0;
        if (place.paragraph + 1 < int(cell.paragraphs.size())) {
            ++next.paragraph;
            return next;
        }
        next.paragraph = 0;
        if (place.cell + 1 < int(table.rows[place.row].cells.size())) {
            ++next.cell;
            return next;
        }
        if (place.row + 1 < int(table.rows.size())) {
            ++next.row;
            next.cell = 0;
            return next;
        }
    }
    if (place.block + 1 < int(m_document.body.size()))
        return firstPlaceOfBlock(place.block + 1);
    return std::nullopt;
}

CharacterFormat EditSelection::formatAt(const Place& place) const
{
    const Paragraph& paragraph = paragraphAt(place);
    if (paragraph.runs.empty())
        return paragraph.markFormat;
    // The character before the insertion point gives its formatting; at the
    // start of a paragraph, the first character does.
    int start = 0;
    for (const Run& run : paragraph.runs) {
        const int end = start + int(run.text.size());
        if (place.offset > start && place.offset <= end)
            return run.format;
        start = end;
    }
    return paragraph.runs.front().format;
}

void EditSelection::collapseToPoint(const Place& place)
{
    m_mode = Mode::Point;
    m_point = place;
    m_pending.reset();
}

Place EditSelection::start() const
{
    Place place = m_point;
    if (m_mode == Mode::Cells) {
        place.paragraph = 0;
        place.offset = 0;
    }
    return place;
}

// ---- typing ----

void EditSelection::deleteSelection()
{
    if (m_mode == Mode::Text) {
        Paragraph& paragraph = paragraphAt(m_point);
        const int first = splitRunsAt(paragraph, m_point.offset);
        const int last = splitRunsAt(paragraph, m_textEnd);
        paragraph.runs.erase(paragraph.runs.begin() + first, paragraph.runs.begin() + last);
        paragraph.normalize();
    } else if (m_mode == Mode::Cells) {
        auto& cells = tableAt(m_point.block).rows[m_point.row].cells;
        for (int i = m_point.cell; i <= m_lastCell; ++i) {
            auto& paragraphs = cells[i].paragraphs;
            paragraphs = {emptiedLike(paragraphs.front())};
        }
        m_point.paragraph = 0;
        m_point.offset = 0;
    }
    const Place at = m_point;
    collapseToPoint(at);
}

void EditSelection::insertText(const QString& text, const CharacterFormat& format)
{
    if (text.isEmpty())
        return;
    Paragraph& paragraph = paragraphAt(m_point);
    const int at = splitRunsAt(paragraph, m_point.offset);
    paragraph.runs.insert(paragraph.runs.begin() + at, Run{text, format});
    paragraph.normalize();
    m_point.offset += int(text.size());
}

void EditSelection::typeText(const QString& text)
{
    CharacterFormat format;
    if (m_mode == Mode::Point) {
        format = m_pending.value_or(formatAt(m_point));
    } else {
        // Typing replaces the selection and takes the formatting of its start.
        Place first = start();
        format = m_mode == Mode::Text ? formatAt(Place{first.block, first.row, first.cell, first.paragraph, first.offset + 1})
                                      : formatAt(first);
        deleteSelection();
    }
    m_pending.reset();

    // Line ends typed in the text start new paragraphs, as the Enter key does.
    qsizetype from = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        const QChar c = end ? QChar() : text.at(i);
        if (!end && c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        insertText(text.mid(from, i - from), format);
        if (end)
            break;
        splitParagraph(format);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        from = i + 1;
    }
}

void EditSelection::splitParagraph(const CharacterFormat& newMark)
{
    Paragraph& paragraph = paragraphAt(m_point);
    const bool atEnd = m_point.offset == paragraph.length();
    Paragraph second;
    second.alignment = paragraph.alignment;
    second.pageBreakBefore = paragraph.pageBreakBefore;
    second.markFormat = atEnd ? newMark : paragraph.markFormat;
    const int at = splitRunsAt(paragraph, m_point.offset);
    second.runs.assign(std::make_move_iterator(paragraph.runs.begin() + at), std::make_move_iterator(paragraph.runs.end()));
    paragraph.runs.erase(paragraph.runs.begin() + at, paragraph.runs.end());
    paragraph.normalize();

    if (m_point.inTable()) {
        auto& paragraphs = tableAt(m_point.block).rows[m_point.row].cells[m_point.cell].paragraphs;
        paragraphs.insert(paragraphs.begin() + m_point.paragraph + 1, std::move(second));
        ++m_point.paragraph;
    } else {
        m_document.body.insert(m_document.body.begin() + m_point.block + 1, std::move(second));
        ++m_point.block;
    }
    m_point.offset = 0;
}

void EditSelection::typeParagraph()
{
    if (m_mode != Mode::Point)
        deleteSelection();
    const CharacterFormat mark = m_pending.value_or(formatAt(m_point));
    m_pending.reset();
    splitParagraph(mark);
}

// ---- moving ----

int EditSelection::moveRight(int unit, int count, int extend)
{
    if (extend != 0 && extend != 1)
        throw DocumentError(DocumentError::Reason::BadParameter);
    if (unit == UnitCell) {
        if (extend != 0)
            throw DocumentError(DocumentError::Reason::BadParameter);
        return moveByCells(count);
    }
    if (unit != UnitCharacter)
        throw DocumentError(DocumentError::Reason::BadParameter);
    return extend ? extendByCharacters(count) : moveByCharacters(count);
}

int EditSelection::moveByCells(int count)
{
    if (!m_point.inTable())
        throw DocumentError(DocumentError::Reason::NotInTable);
    m_pending.reset();
    const Table& table = tableAt(m_point.block);
    int row = m_point.row;
    int cell = m_mode == Mode::Cells ? m_lastCell : m_point.cell;
    int moved = 0;
    for (; moved < count; ++moved) {
        if (cell + 1 < int(table.rows[row].cells.size())) {
            ++cell;
        } else if (row + 1 < int(table.rows.size())) {
            ++row;
            cell = 0;
        } else {
            break;  // the table's last cell: the table stays as it is
        }
    }
    if (moved == 0)
        return 0;
    m_mode = Mode::Cells;
    m_point = Place{m_point.block, row, cell, 0, 0};
    m_lastCell = cell;
    m_wholeCells = false;
    return moved;
}

int EditSelection::moveByCharacters(int count)
{
    int moved = 0;
    if (count <= 0)
        return 0;
    if (m_mode != Mode::Point) {
        // A move collapses the selection to its end, which counts as one step.
        Place end = m_point;
        if (m_mode == Mode::Text) {
            end.offset = m_textEnd;
        } else {
            const Cell& cell = tableAt(m_point.block).rows[m_point.row].cells[m_lastCell];
            end.cell = m_lastCell;
            end.paragraph = int(cell.paragraphs.size()) - 1;
            end.offset = cell.paragraphs.back().length();
        }
        collapseToPoint(end);
        moved = 1;
    }
    m_pending.reset();
    for (; moved < count; ++moved) {
        const Paragraph& paragraph = paragraphAt(m_point);
        if (m_point.offset < paragraph.length()) {
            m_point.offset += stepOver(paragraph.text(), m_point.offset);
            continue;
        }
        const std::optional<Place> next = nextParagraph(m_point);
        if (!next)
            break;
        m_point = *next;
    }
    return moved;
}

int EditSelection::extendByCharacters(int count)
{
    m_pending.reset();
    int moved = 0;
    for (; moved < count; ++moved) {
        if (m_mode == Mode::Cells) {
            if (!m_wholeCells) {
                m_wholeCells = true;
                continue;
            }
            if (m_lastCell + 1 < int(tableAt(m_point.block).rows[m_point.row].cells.size())) {
                ++m_lastCell;
                continue;
            }
            break;  // the row's end: no further cell to take in
        }
        const Paragraph& paragraph = paragraphAt(m_point);
        const int end = m_mode == Mode::Text ? m_textEnd : m_point.offset;
        if (end < paragraph.length()) {
            m_textEnd = end + stepOver(paragraph.text(), end);
            m_mode = Mode::Text;
            continue;
        }
        if (!m_point.inTable())
            break;  // the paragraph's end: its mark is not taken in
        // Past the cell's text comes its end mark: the whole cell.
        m_mode = Mode::Cells;
        m_lastCell = m_point.cell;
        m_wholeCells = true;
    }
    return moved;
}

// ---- formatting ----

void EditSelection::formatCharacters(const std::function<void(CharacterFormat&)>& change)
{
    switch (m_mode) {
    case Mode::Point: {
        Paragraph& paragraph = paragraphAt(m_point);
        if (paragraph.isEmpty()) {
            change(paragraph.markFormat);
        } else {
            CharacterFormat format = m_pending.value_or(formatAt(m_point));
            change(format);
            m_pending = format;
        }
        break;
    }
    case Mode::Text: {
        Paragraph& paragraph = paragraphAt(m_point);
        const int first = splitRunsAt(paragraph, m_point.offset);
        const int last = splitRunsAt(paragraph, m_textEnd);
        for (int i = first; i < last; ++i)
            change(paragraph.runs[i].format);
        paragraph.normalize();
        break;
    }
    case Mode::Cells:
        for (const CellRef& ref : selectedCells()) {
            for (Paragraph& paragraph : tableAt(ref.block).rows[ref.row].cells[ref.cell].paragraphs) {
                for (Run& run : paragraph.runs)
                    change(run.format);
                change(paragraph.markFormat);
                paragraph.normalize();
            }
        }
        break;
    }
}

void EditSelection::setAlignment(Alignment alignment)
{
    if (m_mode != Mode::Cells) {
        paragraphAt(m_point).alignment = alignment;
        return;
    }
    for (const CellRef& ref : selectedCells()) {
        for (Paragraph& paragraph : tableAt(ref.block).rows[ref.row].cells[ref.cell].paragraphs)
            paragraph.alignment = alignment;
    }
}

void EditSelection::setPageBreakBefore(bool pageBreakBefore)
{
    if (m_mode != Mode::Cells) {
        paragraphAt(m_point).pageBreakBefore = pageBreakBefore;
        return;
    }
    for (const CellRef& ref : selectedCells()) {
        for (Paragraph& paragraph : tableAt(ref.block).rows[ref.row].cells[ref.cell].paragraphs)
            paragraph.pageBreakBefore = pageBreakBefore;
    }
}

void EditSelection::moveToEnd()
{
    // The body always ends with a paragraph.
    const int last = int(m_document.body.size()) - 1;
    collapseToPoint(Place{last, -1, -1, 0, std::get<Paragraph>(m_document.body[last]).length()});
}

// ---- cells and tables ----

std::vector<EditSelection::CellRef> EditSelection::selectedCells() const
{
    if (!m_point.inTable())
        throw DocumentError(DocumentError::Reason::NotInTable);
    std::vector<CellRef> cells;
    const int last = m_mode == Mode::Cells ? m_lastCell : m_point.cell;
    for (int i = m_point.cell; i <= last; ++i)
        cells.push_back({m_point.block, m_point.row, i});
    return cells;
}

void EditSelection::mergeCells()
{
    const std::vector<CellRef> refs = selectedCells();
    m_tables.mergeCells(m_point.block, m_point.row, refs.front().cell, refs.back().cell);
    m_mode = Mode::Cells;
    m_point = Place{m_point.block, m_point.row, refs.front().cell, 0, 0};
    m_lastCell = m_point.cell;
    m_wholeCells = true;
    m_pending.reset();
}

int EditSelection::addTable(std::optional<Place> at, int rows, int columns)
{
    if (rows < 1 || rows > 32767 || columns < 1 || columns > 63)
        throw DocumentError(DocumentError::Reason::ValueOutOfRange);
    if (at && !isValid(*at))
        throw DocumentError(DocumentError::Reason::InvalidRange);
    if (at && at->inTable())
        throw DocumentError(DocumentError::Reason::NestedTable);
    // The new cells' marks take the formatting text typed at the place would take.
    const CharacterFormat mark = formatAt(at ? *at : firstPlaceOfBlock(0));
    const int block = m_tables.addTable(at, rows, columns, mark);
    collapseToPoint(firstPlaceOfBlock(block));
    return m_tables.ordinalOf(block);
}

}  // namespace word::editing
