#include "word/oxml/DocumentPart.h"

#include "word/oxml/TableLookBits.h"

#include "word/model/Colour.h"
#include "word/oxml/Namespaces.h"
#include "word/oxml/XmlWriter.h"
#include "word/oxml/ShadingPattern.h"

#include <algorithm>

namespace word::oxml {

namespace {

using namespace model;

const char* jcValue(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Center: return "center";
    case Alignment::Right: return "right";
    case Alignment::Justify: return "both";
    case Alignment::Left: break;
    }
    return "left";
}

class BodyWriter {
public:
    explicit BodyWriter(const DocumentModel& document) : m_document(document) {}

    QByteArray write()
    {
        m_xml.start("w:document");
        m_xml.attribute("xmlns:w", ns::W);
        m_xml.attribute("xmlns:r", ns::R);
        m_xml.start("w:body");
        for (const Block& block : m_document.body) {
            if (const auto* paragraph = std::get_if<Paragraph>(&block))
                writeParagraph(*paragraph, nullptr);
            else
                writeTable(std::get<Table>(block));
        }
        // Word keeps a paragraph after every table, and a body of at least one.
        if (m_document.body.empty() || std::holds_alternative<Table>(m_document.body.back()))
            writeParagraph(Paragraph{}, nullptr);
        writeSection();
        return m_xml.finish();
    }

private:
    void writeCharacterFormat(const CharacterFormat& format)
    {
        m_xml.start("w:rPr");
        m_xml.fonts(format.fontName);
        if (format.bold) {
            m_xml.empty("w:b");
            m_xml.empty("w:bCs");
        }
        m_xml.start("w:sz");
        m_xml.attribute("w:val", format.halfPoints);
        m_xml.end();
        m_xml.start("w:szCs");
        m_xml.attribute("w:val", format.halfPoints);
        m_xml.end();
        m_xml.end();
    }

    void writeText(const QString& text)
    {
        const QString clean = XmlWriter::cleaned(text);
        if (clean.isEmpty())
            return;
        m_xml.start("w:t");
        if (clean.front().isSpace() || clean.back().isSpace())
            m_xml.attribute("xml:space", "preserve");
        m_xml.text(clean);
        m_xml.end();
    }

    void writeRun(const Run& run)
    {
        m_xml.start("w:r");
        writeCharacterFormat(run.format);
        // Tabs and line breaks typed in the text are elements of their own.
        qsizetype from = 0;
        for (qsizetype i = 0; i <= run.text.size(); ++i) {
            const bool end = i == run.text.size();
            const QChar c = end ? QChar() : run.text.at(i);
            if (!end && c != QLatin1Char('\t') && c != QChar(0x0B))
                continue;
            writeText(run.text.mid(from, i - from));
            if (!end)
                m_xml.empty(c == QLatin1Char('\t') ? "w:tab" : "w:br");
            from = i + 1;
        }
        m_xml.end();
    }

    // `spacing`: explicit spacing for paragraphs in "Table Grid" tables, so
    // that readers ignoring table styles' paragraph properties show them alike.
    void writeParagraph(const Paragraph& paragraph, const ParagraphSpacing* spacing)
    {
        m_xml.start("w:p");
        m_xml.start("w:pPr");
        if (paragraph.pageBreakBefore)
            m_xml.empty("w:pageBreakBefore");
        if (spacing) {
            m_xml.start("w:spacing");
            m_xml.attribute("w:after", spacing->afterTwips);
            m_xml.attribute("w:line", spacing->line240ths);
            m_xml.attribute("w:lineRule", "auto");
            m_xml.end();
        }
        if (paragraph.alignment != Alignment::Left)
            m_xml.empty("w:jc", "w:val", QString::fromLatin1(jcValue(paragraph.alignment)));
        writeCharacterFormat(paragraph.markFormat);
        m_xml.end();
        for (const Run& run : paragraph.runs)
            writeRun(run);
        m_xml.end();
    }

    void writeWidth(const char* element, int twips)
    {
        m_xml.start(element);
        m_xml.attribute("w:w", twips);
        m_xml.attribute("w:type", "dxa");
        m_xml.end();
    }

    void writeTableProperties(const Table& table)
    {
        m_xml.start("w:tblPr");
        m_xml.empty("w:tblStyle", "w:val",
                    table.styleName == QLatin1String("Table Grid") ? QStringLiteral("TableGrid") : QStringLiteral("TableNormal"));
        writeWidth("w:tblW", table.widthTwips());
        m_xml.empty("w:tblLayout", "w:type", table.fixedLayout ? QStringLiteral("fixed") : QStringLiteral("autofit"));
        m_xml.start("w:tblCellMar");
        writeWidth("w:left", table.cellMarginTwips);
        writeWidth("w:right", table.cellMarginTwips);
        m_xml.end();

        const TableLook& look = table.look;
        const int bits = int(tableLookBits(look));
        m_xml.start("w:tblLook");
        m_xml.attribute("w:val", QStringLiteral("%1").arg(bits, 4, 16, QLatin1Char('0')).toUpper());
        m_xml.attribute("w:firstRow", look.headingRows ? 1 : 0);
        m_xml.attribute("w:lastRow", look.lastRow ? 1 : 0);
        m_xml.attribute("w:firstColumn", look.firstColumn ? 1 : 0);
        m_xml.attribute("w:lastColumn", look.lastColumn ? 1 : 0);
        m_xml.attribute("w:noHBand", look.noHorizontalBands ? 1 : 0);
        m_xml.attribute("w:noVBand", look.noVerticalBands ? 1 : 0);
        m_xml.end();
        m_xml.end();
    }

    void writeCell(const Cell& cell, const ParagraphSpacing* spacing)
    {
        m_xml.start("w:tc");
        m_xml.start("w:tcPr");
        writeWidth("w:tcW", cell.widthTwips);
        if (cell.gridSpan > 1)
            m_xml.empty("w:gridSpan", "w:val", QString::number(cell.gridSpan));
        if (!cell.shading.isNone()) {
            // "clear" with an automatic pattern colour: the fill alone shows.
            m_xml.start("w:shd");
            m_xml.attribute("w:val", shdValue(cell.shading.texture));
            m_xml.attribute("w:color", colour::toHex(cell.shading.foreground));
            m_xml.attribute("w:fill", colour::toHex(cell.shading.background));
            m_xml.end();
        }
        m_xml.end();
        // A cell without a paragraph is a corrupt file to Word.
        if (cell.paragraphs.empty())
            writeParagraph(Paragraph{}, spacing);
        for (const Paragraph& paragraph : cell.paragraphs)
            writeParagraph(paragraph, spacing);
        m_xml.end();
    }

    void writeTable(const Table& table)
    {
        if (std::none_of(table.rows.begin(), table.rows.end(), [](const Row& row) { return !row.cells.empty(); }))
            return;  // a table without cells is a corrupt file to Word
        const ParagraphSpacing* spacing = table.styleName == QLatin1String("Table Grid") ? &m_document.tableSpacing : nullptr;
        m_xml.start("w:tbl");
        writeTableProperties(table);
        m_xml.start("w:tblGrid");
        for (int width : table.gridTwips)
            m_xml.empty("w:gridCol", "w:w", QString::number(width));
        m_xml.end();
        for (const Row& row : table.rows) {
            if (row.cells.empty())
                continue;  // a row without cells is a corrupt file to Word
            m_xml.start("w:tr");
            // Our pages never cut a row in two (see render/PageBreaks.h); the
            // file says so, so that Word and LibreOffice break pages alike.
            m_xml.start("w:trPr");
            m_xml.empty("w:cantSplit");
            m_xml.end();
            for (const Cell& cell : row.cells)
                writeCell(cell, spacing);
            m_xml.end();
        }
        m_xml.end();
    }

    void writeSection()
    {
        const PageSetup& page = m_document.page;
        m_xml.start("w:sectPr");
        m_xml.start("w:pgSz");
        m_xml.attribute("w:w", page.widthTwips);
        m_xml.attribute("w:h", page.heightTwips);
        if (page.landscape)
            m_xml.attribute("w:orient", "landscape");
        m_xml.end();
        m_xml.start("w:pgMar");
        m_xml.attribute("w:top", page.topTwips);
        m_xml.attribute("w:right", page.rightTwips);
        m_xml.attribute("w:bottom", page.bottomTwips);
        m_xml.attribute("w:left", page.leftTwips);
        m_xml.attribute("w:header", page.headerTwips);
        m_xml.attribute("w:footer", page.footerTwips);
        m_xml.attribute("w:gutter", 0);
        m_xml.end();
        m_xml.empty("w:cols", "w:space", QStringLiteral("720"));
        m_xml.empty("w:docGrid", "w:linePitch", QStringLiteral("360"));
        m_xml.end();
    }

    const DocumentModel& m_document;
    XmlWriter m_xml;
};

}  // namespace

QByteArray documentPart(const DocumentModel& document)
{
    return BodyWriter(document).write();
}

}  // namespace word::oxml
