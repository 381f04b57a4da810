#pragma once

#include "word/model/Paragraph.h"
#include "word/model/Table.h"

#include <functional>
#include <optional>
#include <vector>

namespace word::oxml {

class BodyCounts;
class StyleSheet;
class XmlReader;

// Reads a w:tbl of the main part into the model's table: its grid, its rows
// (with columns skipped before or after them) and cells (span, width,
// shading), and the table's style, look flags, layout and cell margin, the
// style's margin when the table states none. Rows inside content controls,
// custom XML and inserted revisions are read through; what the model has no
// place for is passed over. The grid, rows and cells are then made to agree
// as the model requires.
//
// What a cell holds is block content, so the reader of the blocks around the
// table reads it: `readCellElement` is called on each child element of a
// w:tc but its w:tcPr, with the reader standing on it; it reads that element
// to its end and adds the paragraphs it holds. A cell left without one gets
// an empty paragraph, as Word requires.
//
// The reader, the styles and the counts are not owned and must outlive it;
// one reader serves every table of the part, nested ones included.
class TableReader {
public:
    using CellElementReader = std::function<void(std::vector<model::Paragraph>&)>;

    TableReader(XmlReader& xml, const StyleSheet& styles, BodyCounts& counts, CellElementReader readCellElement);

    // Reads the w:tbl the reader stands on, to its end. Nothing for a table
    // without rows: nothing Word would show. Throws DocumentError for a
    // damaged table or one beyond the limits of PartLimits.h.
    std::optional<model::Table> read();

private:
    struct RawTable;

    void readRows(model::Table& table);
    void readTableProperties(RawTable& raw);
    model::TableLook readLook();
    void readGrid(model::Table& table);
    void readRow(model::Table& table);
    void readRowContent(model::Row& row, int& before, int& after);
    model::Cell readCell();
    void readCellProperties(model::Cell& cell);
    model::CellShading readShading();
    std::optional<model::Table> finishTable(model::Table table);

    XmlReader& m_xml;
    const StyleSheet& m_styles;
    BodyCounts& m_counts;
    CellElementReader m_readCellElement;
};

}  // namespace word::oxml
