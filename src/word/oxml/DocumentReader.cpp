#include "word/oxml/DocumentReader.h"

#include "word/oxml/TableLookBits.h"

#include "word/model/Colour.h"
#include "word/oxml/XmlReader.h"
#include "word/oxml/XmlValues.h"
#include "word/model/DocumentError.h"
#include "word/oxml/PartLimits.h"
#include "word/oxml/ShadingPattern.h"

#include <algorithm>

namespace word::oxml {

using namespace model;

namespace {

constexpr int MaxTwips = 31680;     // 22 inches: Word's largest page, and so every length in it
constexpr int MinPageTwips = 144;   // 0.1 inch, Word's smallest page
constexpr int MinTextAreaTwips = 144;

// A run as read: its text and the properties it states, resolved once the
// paragraph's style is known (w:pPr should come first, but need not).
struct RawRun {
    QString text;
    RunProperties properties;
};

struct RawParagraph {
    QString style;
    std::optional<Alignment> alignment;
    bool pageBreakBefore = false;
    RunProperties mark;
    std::vector<RawRun> runs;
};

class BodyReader {
public:
    BodyReader(const QByteArray& xml, const QString& partName, const StyleSheet& styles, const ThemeFonts& theme)
        : m_xml(xml, partName), m_styles(styles), m_theme(theme)
    {
    }

    DocumentModel read()
    {
        DocumentModel document;
        document.body.clear();
        document.bodySpacing = m_styles.bodySpacing();
        document.tableSpacing = m_styles.tableGridSpacing();

        m_xml.readRoot();
        if (!m_xml.isW("document"))
            m_xml.damaged(QStringLiteral("the main part has no w:document element"));
        bool sawBody = false;
        while (m_xml.nextChild()) {
            if (m_xml.isW("body") && !sawBody) {
                sawBody = true;
                readBlocks(document.body, BlockContext::Body);
            } else {
                m_xml.skip();
            }
        }
        if (!sawBody)
            m_xml.damaged(QStringLiteral("the main part has no w:body element"));

        document.page = m_page ? *m_page : (m_lastSectionPage ? *m_lastSectionPage : PageSetup::forLocale());
        // Word keeps a paragraph after every table, and a body of at least one.
        if (document.body.empty() || std::holds_alternative<Table>(document.body.back()))
            document.body.push_back(newParagraph(Paragraph{}));
        return document;
    }

private:
    enum class BlockContext { Body, Cell };

    // --- limits --------------------------------------------------------------

    Paragraph newParagraph(Paragraph paragraph)
    {
        if (++m_paragraphs > limits::MaxParagraphs)
            throw DocumentError::tooLarge(QStringLiteral("it has more than %1 paragraphs").arg(limits::MaxParagraphs));
        return paragraph;
    }

    void countText(qsizetype characters)
    {
        m_characters += characters;
        if (m_characters > limits::MaxTextCharacters)
            throw DocumentError::tooLarge(QStringLiteral("it holds more than %1 characters of text").arg(limits::MaxTextCharacters));
    }

    [[noreturn]] void outOfRange(const QString& value, const char* what)
    {
        m_xml.damaged(QStringLiteral("the value \"%1\" of %2 is out of range").arg(value.left(40), QLatin1String(what)));
    }

    std::optional<int> twipsAttribute(const char* name, int minimum, int maximum, const char* what)
    {
        const auto value = m_xml.wAttribute(name);
        if (!value)
            return std::nullopt;
        const auto twips = values::twips(*value, minimum, maximum);
        if (!twips)
            outOfRange(*value, what);
        return twips;
    }

    // --- blocks --------------------------------------------------------------

    // Reads the children of the current element as block content (body, cell,
    // content control ...) into `blocks`, to the element's end.
    void readBlocks(std::vector<Block>& blocks, BlockContext context)
    {
        while (m_xml.nextChild()) {
            if (m_xml.isW("p")) {
                blocks.push_back(readParagraph());
            } else if (m_xml.isW("tbl")) {
                if (context == BlockContext::Body) {
                    if (auto table = readTable())
                        blocks.push_back(std::move(*table));
                } else {
                    // A table in a cell: the model's cells hold paragraphs only.
                    if (auto table = readTable())
                        flattenInto(blocks, *table);
                }
            } else if (m_xml.isW("sdt")) {
                readContentControl([&] { readBlocks(blocks, context); });
            } else if (m_xml.isW("customXml") || m_xml.isW("ins") || m_xml.isW("moveTo")) {
                readBlocks(blocks, context);
            } else if (isAlternateContent()) {
                readAlternateContent([&] { readBlocks(blocks, context); });
            } else if (m_xml.isW("sectPr") && context == BlockContext::Body) {
                m_page = readSection();
            } else {
                m_xml.skip();
            }
        }
    }

    void flattenInto(std::vector<Block>& blocks, const Table& table)
    {
        for (const Row& row : table.rows) {
            for (const Cell& cell : row.cells) {
                for (const Paragraph& paragraph : cell.paragraphs)
                    blocks.push_back(paragraph);
            }
        }
    }

    // w:sdt: its w:sdtContent holds the content; properties are passed over.
    template <typename ReadContent>
    void readContentControl(ReadContent readContent)
    {
        while (m_xml.nextChild()) {
            if (m_xml.isW("sdtContent"))
                readContent();
            else
                m_xml.skip();
        }
    }

    bool isAlternateContent() const { return m_xml.isIn(readns::MarkupCompatibility, "AlternateContent"); }

    // mc:AlternateContent: the fallback is what a reader that knows none of
    // the choices' extensions shows.
    template <typename ReadContent>
    void readAlternateContent(ReadContent readContent)
    {
        while (m_xml.nextChild()) {
            if (m_xml.isIn(readns::MarkupCompatibility, "Fallback"))
                readContent();
            else
                m_xml.skip();
        }
    }

    // --- paragraphs ----------------------------------------------------------

    Paragraph readParagraph()
    {
        RawParagraph raw;
        readParagraphContent(raw);
        return newParagraph(resolve(raw));
    }

    Paragraph resolve(const RawParagraph& raw)
    {
        const CharacterFormat base = m_styles.paragraphFormat(raw.style);
        Paragraph paragraph;
        paragraph.alignment = raw.alignment ? *raw.alignment : m_styles.paragraphAlignment(raw.style);
        paragraph.pageBreakBefore = raw.pageBreakBefore;
        paragraph.markFormat = base;
        raw.mark.applyTo(paragraph.markFormat);
        for (const RawRun& run : raw.runs) {
            CharacterFormat format = base;
            if (!run.properties.characterStyle.isEmpty())
                m_styles.characterStyle(run.properties.characterStyle).applyTo(format);
            run.properties.applyTo(format);
            if (!paragraph.runs.empty() && paragraph.runs.back().format == format)
                paragraph.runs.back().text += run.text;
            else
                paragraph.runs.push_back(Run{run.text, format});
        }
        paragraph.normalize();
        return paragraph;
    }

    // The children of a paragraph or of a container inside one.
    void readParagraphContent(RawParagraph& paragraph)
    {
        while (m_xml.nextChild()) {
            if (m_xml.isW("r")) {
                readRun(paragraph);
            } else if (m_xml.isW("pPr")) {
                readParagraphProperties(paragraph);
            } else if (m_xml.isW("hyperlink") || m_xml.isW("smartTag") || m_xml.isW("customXml") || m_xml.isW("ins")
                       || m_xml.isW("moveTo") || m_xml.isW("fldSimple") || m_xml.isW("dir") || m_xml.isW("bdo")) {
                readParagraphContent(paragraph);
            } else if (m_xml.isW("sdt")) {
                readContentControl([&] { readParagraphContent(paragraph); });
            } else if (isAlternateContent()) {
                readAlternateContent([&] { readParagraphContent(paragraph); });
            } else {
                m_xml.skip();  // deleted text, bookmarks, proofing marks, comments, math ...
            }
        }
    }

    void readParagraphProperties(RawParagraph& paragraph)
    {
        while (m_xml.nextChild()) {
            if (m_xml.isW("pStyle")) {
                paragraph.style = m_xml.wAttribute("val").value_or(QString()).left(253);
            } else if (m_xml.isW("pageBreakBefore")) {
                paragraph.pageBreakBefore = values::onOff(m_xml.wAttribute("val")).value_or(false);
            } else if (m_xml.isW("jc")) {
                if (const auto value = m_xml.wAttribute("val"))
                    paragraph.alignment = alignmentOf(*value);
            } else if (m_xml.isW("rPr")) {
                paragraph.mark = readRunProperties(m_xml, m_theme);
                continue;
            } else if (m_xml.isW("sectPr")) {
                // The end of a section other than the last: its page counts
                // only when the body states none of its own.
                m_lastSectionPage = readSection();
                continue;
            }
            m_xml.skip();
        }
    }

    static Alignment alignmentOf(const QString& value)
    {
        if (value == QLatin1String("center"))
            return Alignment::Center;
        if (value == QLatin1String("right") || value == QLatin1String("end"))
            return Alignment::Right;
        if (value == QLatin1String("both") || value == QLatin1String("distribute") || value.contains(QLatin1String("Kashida"))
            || value == QLatin1String("thaiDistribute"))
            return Alignment::Justify;
        return Alignment::Left;  // "left", "start" and what the model has no place for
    }

    void readRun(RawParagraph& paragraph)
    {
        // Counted as read, before merging: they are all held until the paragraph ends.
        if (++m_runs > limits::MaxRuns)
            throw DocumentError::tooLarge(QStringLiteral("it has more than %1 runs of text").arg(limits::MaxRuns));
        RawRun run;
        while (m_xml.nextChild()) {
            if (m_xml.isW("rPr")) {
                run.properties = readRunProperties(m_xml, m_theme);
                continue;
            }
            if (m_xml.isW("t")) {
                QString text = m_xml.readText();
                // A line end inside w:t is white space, not a paragraph mark.
                text.replace(QLatin1Char('\r'), QLatin1Char(' '));
                text.replace(QLatin1Char('\n'), QLatin1Char(' '));
                countText(text.size());
                run.text += text;
                continue;  // readText() stands on the element's end
            }
            if (m_xml.isW("tab") || m_xml.isW("ptab")) {
                run.text += QLatin1Char('\t');
                countText(1);
            } else if (m_xml.isW("br") || m_xml.isW("cr")) {
                // A line break is Word's character 11; page and column breaks have no place in the model.
                const QString type = m_xml.wAttribute("type").value_or(QStringLiteral("textWrapping"));
                if (type == QLatin1String("textWrapping")) {
                    run.text += QChar(0x0B);
                    countText(1);
                }
            } else if (m_xml.isW("noBreakHyphen")) {
                run.text += QChar(0x2011);
                countText(1);
            } else if (m_xml.isW("softHyphen")) {
                run.text += QChar(0x00AD);
                countText(1);
            } else if (isAlternateContent()) {
                readAlternateContent([&] { readRunContentInto(run); });
                continue;
            }
            m_xml.skip();  // pictures, field codes, symbols, footnote marks ...
        }
        paragraph.runs.push_back(std::move(run));
    }

    // Run content inside alternate content: the text elements only.
    void readRunContentInto(RawRun& run)
    {
        while (m_xml.nextChild()) {
            if (m_xml.isW("t")) {
                QString text = m_xml.readText();
                text.replace(QLatin1Char('\r'), QLatin1Char(' '));
                text.replace(QLatin1Char('\n'), QLatin1Char(' '));
                countText(text.size());
                run.text += text;
                continue;
            }
            m_xml.skip();
        }
    }

    // --- tables --------------------------------------------------------------

    struct RawTable {
        Table table;
        QString style;
        std::optional<int> cellMargin;
    };

    std::optional<Table> readTable()
    {
        if (++m_tables > limits::MaxTables)
            throw DocumentError::tooLarge(QStringLiteral("it has more than %1 tables").arg(limits::MaxTables));
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
                readContentControl([&] { readRows(raw.table); });
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
    void readRows(Table& table)
    {
        while (m_xml.nextChild()) {
            if (m_xml.isW("tr"))
                readRow(table);
            else if (m_xml.isW("sdt"))
                readContentControl([&] { readRows(table); });
            else if (m_xml.isW("customXml") || m_xml.isW("ins") || m_xml.isW("moveTo"))
                readRows(table);
            else
                m_xml.skip();
        }
    }

    void readTableProperties(RawTable& raw)
    {
        while (m_xml.nextChild()) {
            if (m_xml.isW("tblStyle")) {
                raw.style = m_xml.wAttribute("val").value_or(QString()).left(253);
            } else if (m_xml.isW("tblLayout")) {
                raw.table.fixedLayout = m_xml.wAttribute("type").value_or(QString()) == QLatin1String("fixed");
            } else if (m_xml.isW("tblCellMar")) {
                raw.cellMargin = readCellMargins();
                continue;
            } else if (m_xml.isW("tblLook")) {
                raw.table.look = readLook();
            }
            m_xml.skip();
        }
    }

    std::optional<int> readCellMargins()
    {
        std::optional<int> left;
        std::optional<int> right;
        while (m_xml.nextChild()) {
            const bool isLeft = m_xml.isW("left") || m_xml.isW("start");
            const bool isRight = m_xml.isW("right") || m_xml.isW("end");
            if (isLeft || isRight) {
                const auto type = m_xml.wAttribute("type");
                if (type && *type == QLatin1String("nil"))
                    (isLeft ? left : right) = 0;
                else if (!type || *type == QLatin1String("dxa"))
                    (isLeft ? left : right) = twipsAttribute("w", 0, MaxTwips, "a cell margin");
            }
            m_xml.skip();
        }
        return left ? left : right;
    }

    TableLook readLook()
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
                outOfRange(*value, "w:tblLook");
            bits = *number;
        }
        return tableLookFromBits(bits);
    }

    void readGrid(Table& table)
    {
        while (m_xml.nextChild()) {
            if (m_xml.isW("gridCol")) {
                if (int(table.gridTwips.size()) >= limits::MaxColumns)
                    m_xml.damaged(QStringLiteral("a table has more than %1 columns").arg(limits::MaxColumns));
                table.gridTwips.push_back(twipsAttribute("w", 0, MaxTwips, "a grid column's width").value_or(0));
            }
            m_xml.skip();
        }
    }

    void readRow(Table& table)
    {
        if (int(table.rows.size()) >= limits::MaxRowsPerTable)
            throw DocumentError::tooLarge(QStringLiteral("a table has more than %1 rows").arg(limits::MaxRowsPerTable));
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

    void readRowContent(Row& row, int& before, int& after)
    {
        while (m_xml.nextChild()) {
            if (m_xml.isW("tc")) {
                if (int(row.cells.size()) >= limits::MaxColumns)
                    m_xml.damaged(QStringLiteral("a table row has more than %1 cells").arg(limits::MaxColumns));
                if (++m_cells > limits::MaxCells)
                    throw DocumentError::tooLarge(QStringLiteral("it has more than %1 table cells").arg(limits::MaxCells));
                row.cells.push_back(readCell());
            } else if (m_xml.isW("trPr")) {
                while (m_xml.nextChild()) {
                    if (m_xml.isW("gridBefore") || m_xml.isW("gridAfter")) {
                        const auto value = m_xml.wAttribute("val").value_or(QStringLiteral("0"));
                        const auto count = values::integer(value, 0, limits::MaxColumns);
                        if (!count)
                            outOfRange(value, m_xml.isW("gridBefore") ? "w:gridBefore" : "w:gridAfter");
                        (m_xml.isW("gridBefore") ? before : after) = *count;
                    }
                    m_xml.skip();
                }
            } else if (m_xml.isW("sdt")) {
                readContentControl([&] { readRowContent(row, before, after); });
            } else if (m_xml.isW("customXml")) {
                readRowContent(row, before, after);
            } else {
                m_xml.skip();
            }
        }
    }

    Cell readCell()
    {
        Cell cell;
        cell.paragraphs.clear();
        cell.widthTwips = -1;  // not stated yet
        std::vector<Block> blocks;
        while (m_xml.nextChild()) {
            if (m_xml.isW("tcPr")) {
                readCellProperties(cell);
                continue;
            }
            // The cell's content, with the same rules as the body's, read one element at a time.
            if (m_xml.isW("p")) {
                cell.paragraphs.push_back(readParagraph());
            } else if (m_xml.isW("tbl") || m_xml.isW("sdt") || m_xml.isW("customXml") || m_xml.isW("ins")
                       || m_xml.isW("moveTo") || isAlternateContent()) {
                std::vector<Block> nested;
                readBlockElement(nested);
                for (Block& block : nested) {
                    if (auto* paragraph = std::get_if<Paragraph>(&block))
                        cell.paragraphs.push_back(std::move(*paragraph));
                }
            } else {
                m_xml.skip();
            }
        }
        if (cell.paragraphs.empty())
            cell.paragraphs.push_back(newParagraph(Paragraph{}));  // Word requires one; be lenient
        return cell;
    }

    // One block-level element the reader stands on, in a cell.
    void readBlockElement(std::vector<Block>& blocks)
    {
        if (m_xml.isW("tbl")) {
            if (auto table = readTable())
                flattenInto(blocks, *table);
        } else if (m_xml.isW("sdt")) {
            readContentControl([&] { readBlocks(blocks, BlockContext::Cell); });
        } else if (isAlternateContent()) {
            readAlternateContent([&] { readBlocks(blocks, BlockContext::Cell); });
        } else {
            readBlocks(blocks, BlockContext::Cell);
        }
    }

    void readCellProperties(Cell& cell)
    {
        while (m_xml.nextChild()) {
            if (m_xml.isW("tcW")) {
                const auto type = m_xml.wAttribute("type").value_or(QStringLiteral("dxa"));
                if (type == QLatin1String("dxa"))
                    cell.widthTwips = twipsAttribute("w", 0, MaxTwips, "a cell's width").value_or(-1);
            } else if (m_xml.isW("gridSpan")) {
                const auto value = m_xml.wAttribute("val").value_or(QStringLiteral("1"));
                const auto span = values::integer(value, 1, limits::MaxColumns);
                if (!span)
                    outOfRange(value, "w:gridSpan");
                cell.gridSpan = *span;
            } else if (m_xml.isW("shd")) {
                cell.shading = readShading();
            }
            m_xml.skip();
        }
    }

    CellShading readShading()
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
    std::optional<Table> finishTable(Table table)
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
            m_xml.damaged(QStringLiteral("a table has more than %1 columns").arg(limits::MaxColumns));
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
            m_xml.damaged(QStringLiteral("a table's rows do not fit its grid"));
        return table;
    }

    // --- page ----------------------------------------------------------------

    PageSetup readSection()
    {
        PageSetup page = PageSetup::forLocale();
        while (m_xml.nextChild()) {
            if (m_xml.isW("pgSz")) {
                if (const auto width = twipsAttribute("w", MinPageTwips, MaxTwips, "the page width"))
                    page.widthTwips = *width;
                if (const auto height = twipsAttribute("h", MinPageTwips, MaxTwips, "the page height"))
                    page.heightTwips = *height;
            } else if (m_xml.isW("pgMar")) {
                // Negative top and bottom margins only say that headers may not push the text; their size counts.
                auto margin = [&](const char* name, int& twips) {
                    if (const auto value = twipsAttribute(name, -MaxTwips, MaxTwips, "a page margin"))
                        twips = std::abs(*value);
                };
                margin("top", page.topTwips);
                margin("right", page.rightTwips);
                margin("bottom", page.bottomTwips);
                margin("left", page.leftTwips);
                margin("header", page.headerTwips);
                margin("footer", page.footerTwips);
            }
            m_xml.skip();
        }
        // Margins that leave no room for text are shrunk alike, as Word does not allow them.
        fitMargins(page.leftTwips, page.rightTwips, page.widthTwips);
        fitMargins(page.topTwips, page.bottomTwips, page.heightTwips);
        return page;
    }

    static void fitMargins(int& first, int& second, int extent)
    {
        const int room = extent - MinTextAreaTwips;
        if (first + second <= room)
            return;
        const int total = first + second;
        first = int(qint64(first) * room / total);
        second = room - first;
        first = std::max(first, 0);
        second = std::max(second, 0);
    }

    XmlReader m_xml;
    const StyleSheet& m_styles;
    const ThemeFonts& m_theme;
    std::optional<PageSetup> m_page;
    std::optional<PageSetup> m_lastSectionPage;
    int m_paragraphs = 0;
    int m_runs = 0;
    int m_tables = 0;
    int m_cells = 0;
    qint64 m_characters = 0;
};

}  // namespace

DocumentModel readDocument(const QByteArray& xml, const QString& partName, const StyleSheet& styles, const ThemeFonts& theme)
{
    return BodyReader(xml, partName, styles, theme).read();
}

}  // namespace word::oxml
