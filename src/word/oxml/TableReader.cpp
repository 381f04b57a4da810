#include "word/oxml/TableReader.h"

#include "word/model/Colour.h"
#include "word/model/DocumentError.h"
#include "word/oxml/BodyCounts.h"
#include "word/oxml/CellMargins.h"
#include "word/oxml/ContentContainers.h"
#include "word/oxml/PartLimits.h"
#include "word/oxml/ShadingPattern.h"
#include "word/oxml/StylesReader.h"
#include "word/oxml/TableLookBits.h"
#include "word/oxml/XmlReader.h"
#include "word/oxml/XmlValues.h"

#include <QCoreApplication>

#include <algorithm>

namespace word::oxml {

using namespace model;

// A table as read, before the style it names is resolved.
struct TableReader::RawTable {
    Table table;
    QString style;
    std::optional<int> cellMargin;
};

TableReader::TableReader(XmlReader& xml, const StyleSheet& styles, BodyCounts& counts, CellElementReader readCellElement)
    : m_xml(xml), m_styles(styles), m_counts(counts), m_readCellElement(std::move(readCellElement))
{
}

std::optional<Table> TableReader::read()
{
    m_counts.addTable();
    RawTable raw;
    raw.table.rows.clear();
    raw.table.look = TableLook{false, false, false, false, false, false};
    raw.table.fixedLayout = false;
    while (m_xml.nextChild()) {
        if (m_xml.isW("tblPr")) {
            readTableProperties(raw);
        } else if (m_xml.isW("tblGrid")) {
            readGrid(raw.table);
        } else if (m_xml.isW("tr")) {
            readRow(raw.table);
        } else if (m_xml.isW("sdt")) {
            readContentControl(m_xml, [&] { readRows(raw.table); });
        } else if (m_xml.isW("customXml") || m_xml.isW("ins") || m_xml.isW("moveTo")) {
            readRows(raw.table);
        } else {
            m_xml.skip();
        }
    }
    raw.table.styleName = m_styles.tableStyleName(raw.style);
    raw.table.cellMarginTwips = raw.cellMargin ? *raw.cellMargin : m_styles.tableCellMargin(raw.style);
    return finishTable(std::move(raw.table));
}

// Rows inside a container of rows.
void TableReader::readRows(Table& table)
{
    while (m_xml.nextChild()) {
        if (m_xml.isW("tr"))
            readRow(table);
        else if (m_xml.isW("sdt"))
            readContentControl(m_xml, [&] { readRows(table); });
        else if (m_xml.isW("customXml") || m_xml.isW("ins") || m_xml.isW("moveTo"))
            readRows(table);
        else
            m_xml.skip();
    }
}

void TableReader::readTableProperties(RawTable& raw)
{
    while (m_xml.nextChild()) {
        if (m_xml.isW("tblStyle")) {
            raw.style = m_xml.wAttribute("val").value_or(QString()).left(253);
        } else if (m_xml.isW("tblLayout")) {
            raw.table.fixedLayout = m_xml.wAttribute("type").value_or(QString()) == QLatin1String("fixed");
        } else if (m_xml.isW("tblCellMar")) {
            raw.cellMargin = readCellMargins(m_xml, QT_TRANSLATE_NOOP("word::oxml::XmlReader", "a cell margin"));
            continue;
        } else if (m_xml.isW("tblLook")) {
            raw.table.look = readLook();
        }
        m_xml.skip();
    }
}

TableLook TableReader::readLook()
{
    const char* names[] = {"firstRow", "lastRow", "firstColumn", "lastColumn", "noHBand", "noVBand"};
    bool anyNamed = false;
    for (const char* name : names)
        anyNamed = anyNamed || m_xml.wAttribute(name).has_value();
    if (anyNamed) {
        // The named attributes say it all; one left out counts as on.
        auto flag = [&](const char* name) {
            const auto value = m_xml.wAttribute(name);
            return values::onOff(value).value_or(true);
        };
        return TableLook{flag("firstRow"), flag("lastRow"), flag("firstColumn"),
                         flag("lastColumn"), flag("noHBand"), flag("noVBand")};
    }
    quint32 bits = 0;
    if (const auto value = m_xml.wAttribute("val")) {
        const auto number = values::hexNumber(*value);
        if (!number)
            m_xml.outOfRange(*value, "w:tblLook");
        bits = *number;
    }
    return tableLookFromBits(bits);
}

void TableReader::readGrid(Table& table)
{
    while (m_xml.nextChild()) {
        if (m_xml.isW("gridCol")) {
            if (int(table.gridTwips.size()) >= limits::MaxColumns)
                m_xml.damaged(QCoreApplication::translate("word::oxml::TableReader", "a table has more than %1 columns")
                                  .arg(limits::MaxColumns));
            const char* what = QT_TRANSLATE_NOOP("word::oxml::XmlReader", "a grid column's width");
            table.gridTwips.push_back(m_xml.wTwipsAttribute("w", 0, limits::MaxTwips, what).value_or(0));
        }
        m_xml.skip();
    }
}

void TableReader::readRow(Table& table)
{
    if (int(table.rows.size()) >= limits::MaxRowsPerTable)
        throw DocumentError::tooLarge(
            QCoreApplication::translate("word::oxml::TableReader", "a table has more than %1 rows")
                .arg(limits::MaxRowsPerTable));
    Row row;
    int before = 0;
    int after = 0;
    readRowContent(row, before, after);
    if (row.cells.empty())
        return;  // a row without cells is nothing Word would show
    // Grid columns skipped before the first cell or after the last: the
    // model's rows cover the grid, so the neighbouring cell takes them.
    row.cells.front().gridSpan += before;
    row.cells.back().gridSpan += after;
    table.rows.push_back(std::move(row));
}

void TableReader::readRowContent(Row& row, int& before, int& after)
{
    while (m_xml.nextChild()) {
        if (m_xml.isW("tc")) {
            if (int(row.cells.size()) >= limits::MaxColumns)
                m_xml.damaged(
                    QCoreApplication::translate("word::oxml::TableReader", "a table row has more than %1 cells")
                        .arg(limits::MaxColumns));
            m_counts.addCell();
            row.cells.push_back(readCell());
        } else if (m_xml.isW("trPr")) {
            while (m_xml.nextChild()) {
                if (m_xml.isW("gridBefore") || m_xml.isW("gridAfter")) {
                    const auto value = m_xml.wAttribute("val").value_or(QStringLiteral("0"));
                    const auto count = values::integer(value, 0, limits::MaxColumns);
                    if (!count)
                        m_xml.outOfRange(value, m_xml.isW("gridBefore") ? "w:gridBefore" : "w:gridAfter");
                    (m_xml.isW("gridBefore") ? before : after) = *count;
                }
                m_xml.skip();
            }
        } else if (m_xml.isW("sdt")) {
            readContentControl(m_xml, [&] { readRowContent(row, before, after); });
        } else if (m_xml.isW("customXml")) {
            readRowContent(row, before, after);
        } else {
            m_xml.skip();
        }
    }
}

Cell TableReader::readCell()
{
    Cell cell;
    cell.paragraphs.clear();
    cell.widthTwips = -1;  // not stated yet
    while (m_xml.nextChild()) {
        if (m_xml.isW("tcPr"))
            readCellProperties(cell);
        else
            m_readCellElement(cell.paragraphs);
    }
    if (cell.paragraphs.empty()) {
        m_counts.addParagraph();
        cell.paragraphs.push_back(Paragraph{});  // Word requires one; be lenient
    }
    return cell;
}

void TableReader::readCellProperties(Cell& cell)
{
    while (m_xml.nextChild()) {
        if (m_xml.isW("tcW")) {
            const auto type = m_xml.wAttribute("type").value_or(QStringLiteral("dxa"));
            const char* what = QT_TRANSLATE_NOOP("word::oxml::XmlReader", "a cell's width");
            if (type == QLatin1String("dxa"))
                cell.widthTwips = m_xml.wTwipsAttribute("w", 0, limits::MaxTwips, what).value_or(-1);
        } else if (m_xml.isW("gridSpan")) {
            const auto value = m_xml.wAttribute("val").value_or(QStringLiteral("1"));
            const auto span = values::integer(value, 1, limits::MaxColumns);
            if (!span)
                m_xml.outOfRange(value, "w:gridSpan");
            cell.gridSpan = *span;
        } else if (m_xml.isW("shd")) {
            cell.shading = readShading();
        }
        m_xml.skip();
    }
}

CellShading TableReader::readShading()
{
    CellShading shading;
    const QString pattern = m_xml.wAttribute("val").value_or(QStringLiteral("clear"));
    // "nil" is no shading at all; a pattern the model has no texture for leaves the fill alone.
    if (pattern == QLatin1String("nil"))
        return shading;
    shading.texture = textureFromShd(pattern).value_or(0);
    if (const auto colour = m_xml.wAttribute("color"))
        shading.foreground = colour::fromHex(*colour).value_or(colour::Automatic);
    if (const auto fill = m_xml.wAttribute("fill"))
        shading.background = colour::fromHex(*fill).value_or(colour::Automatic);
    return shading;
}

// The grid, the rows and the cells made to agree, as the model requires:
// the grid gets the columns the widest row needs, a short row's last
// cell takes the rest, unstated widths come from the grid.
std::optional<Table> TableReader::finishTable(Table table)
{
    if (table.rows.empty())
        return std::nullopt;  // nothing Word would show
    int columns = int(table.gridTwips.size());
    for (const Row& row : table.rows) {
        int span = 0;
        for (const Cell& cell : row.cells)
            span += cell.gridSpan;
        columns = std::max(columns, span);
    }
    if (columns > limits::MaxColumns)
        m_xml.damaged(QCoreApplication::translate("word::oxml::TableReader", "a table has more than %1 columns")
                          .arg(limits::MaxColumns));
    if (int(table.gridTwips.size()) < columns) {
        const int known = int(table.gridTwips.size());
        const int average = known > 0 ? table.widthTwips() / known : 1440;
        table.gridTwips.resize(size_t(columns), std::max(average, 1));
    }
    for (Row& row : table.rows) {
        int span = 0;
        for (const Cell& cell : row.cells)
            span += cell.gridSpan;
        row.cells.back().gridSpan += columns - span;
        int column = 0;
        for (Cell& cell : row.cells) {
            if (cell.widthTwips < 0) {
                int width = 0;
                for (int i = column; i < column + cell.gridSpan; ++i)
                    width += table.gridTwips[size_t(i)];
                cell.widthTwips = width;
            }
            column += cell.gridSpan;
        }
    }
    if (!table.isConsistent())
        m_xml.damaged(QCoreApplication::translate("word::oxml::TableReader", "a table's rows do not fit its grid"));
    return table;
}

}  // namespace word::oxml
