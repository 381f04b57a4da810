#include "word/oxml/DocumentReader.h"

#include "word/oxml/BodyCounts.h"
#include "word/oxml/ContentContainers.h"
#include "word/oxml/PartLimits.h"
#include "word/oxml/TableReader.h"
#include "word/oxml/XmlReader.h"
#include "word/oxml/XmlValues.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

namespace word::oxml {

using namespace model;

namespace {

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
        : m_xml(xml, partName), m_styles(styles), m_theme(theme),
          m_tables(m_xml, styles, m_counts, [this](std::vector<Paragraph>& paragraphs) { readCellElement(paragraphs); })
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
            m_xml.damaged(
                QCoreApplication::translate("word::oxml::DocumentReader", "the main part has no w:document element"));
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
            m_xml.damaged(
                QCoreApplication::translate("word::oxml::DocumentReader", "the main part has no w:body element"));

        document.page = m_page ? *m_page : (m_lastSectionPage ? *m_lastSectionPage : PageSetup::forLocale());
        // Word keeps a paragraph after every table, and a body of at least one.
        if (document.body.empty() || std::holds_alternative<Table>(document.body.back()))
            document.body.push_back(newParagraph(Paragraph{}));
        return document;
    }

private:
    enum class BlockContext { Body, Cell };

    // Every paragraph made is counted against the limits.
    Paragraph newParagraph(Paragraph paragraph)
    {
        m_counts.addParagraph();
        return paragraph;
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
                    if (auto table = m_tables.read())
                        blocks.push_back(std::move(*table));
                } else {
                    // A table in a cell: the model's cells hold paragraphs only.
                    if (auto table = m_tables.read())
                        flattenInto(blocks, *table);
                }
            } else if (m_xml.isW("sdt")) {
                readContentControl(m_xml, [&] { readBlocks(blocks, context); });
            } else if (m_xml.isW("customXml") || m_xml.isW("ins") || m_xml.isW("moveTo")) {
                readBlocks(blocks, context);
            } else if (isAlternateContent(m_xml)) {
                readAlternateContent(m_xml, [&] { readBlocks(blocks, context); });
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
                readContentControl(m_xml, [&] { readParagraphContent(paragraph); });
            } else if (isAlternateContent(m_xml)) {
                readAlternateContent(m_xml, [&] { readParagraphContent(paragraph); });
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
                    paragraph.alignment = values::alignment(*value);
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

    void readRun(RawParagraph& paragraph)
    {
        // Counted as read, before merging: they are all held until the paragraph ends.
        m_counts.addRun();
        RawRun run;
        while (m_xml.nextChild()) {
            if (m_xml.isW("rPr")) {
                run.properties = readRunProperties(m_xml, m_theme);
                continue;
            }
            if (m_xml.isW("t")) {
                readTextInto(run);
                continue;  // readText() stands on the element's end
            }
            if (m_xml.isW("tab") || m_xml.isW("ptab")) {
                run.text += QLatin1Char('\t');
                m_counts.addText(1);
            } else if (m_xml.isW("br") || m_xml.isW("cr")) {
                // A line break is Word's character 11; page and column breaks have no place in the model.
                const QString type = m_xml.wAttribute("type").value_or(QStringLiteral("textWrapping"));
                if (type == QLatin1String("textWrapping")) {
                    run.text += QChar(0x0B);
                    m_counts.addText(1);
                }
            } else if (m_xml.isW("noBreakHyphen")) {
                run.text += QChar(0x2011);
                m_counts.addText(1);
            } else if (m_xml.isW("softHyphen")) {
                run.text += QChar(0x00AD);
                m_counts.addText(1);
            } else if (isAlternateContent(m_xml)) {
                readAlternateContent(m_xml, [&] { readRunContentInto(run); });
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
                readTextInto(run);
                continue;
            }
            m_xml.skip();
        }
    }

    // The w:t the reader stands on, to its end.
    void readTextInto(RawRun& run)
    {
        QString text = m_xml.readText();
        // A line end inside w:t is white space, not a paragraph mark.
        text.replace(QLatin1Char('\r'), QLatin1Char(' '));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
        m_counts.addText(text.size());
        run.text += text;
    }

    // --- cells -------------------------------------------------------------

    // One child element of a cell but its properties: the cell's content,
    // with the same rules as the body's, read one element at a time.
    void readCellElement(std::vector<Paragraph>& paragraphs)
    {
        if (m_xml.isW("p")) {
            paragraphs.push_back(readParagraph());
        } else if (m_xml.isW("tbl") || m_xml.isW("sdt") || m_xml.isW("customXml") || m_xml.isW("ins")
                   || m_xml.isW("moveTo") || isAlternateContent(m_xml)) {
            std::vector<Block> nested;
            readBlockElement(nested);
            for (Block& block : nested) {
                if (auto* paragraph = std::get_if<Paragraph>(&block))
                    paragraphs.push_back(std::move(*paragraph));
            }
        } else {
            m_xml.skip();
        }
    }

    // One block-level element the reader stands on, in a cell.
    void readBlockElement(std::vector<Block>& blocks)
    {
        if (m_xml.isW("tbl")) {
            if (auto table = m_tables.read())
                flattenInto(blocks, *table);
        } else if (m_xml.isW("sdt")) {
            readContentControl(m_xml, [&] { readBlocks(blocks, BlockContext::Cell); });
        } else if (isAlternateContent(m_xml)) {
            readAlternateContent(m_xml, [&] { readBlocks(blocks, BlockContext::Cell); });
        } else {
            readBlocks(blocks, BlockContext::Cell);
        }
    }

    // --- page ----------------------------------------------------------------

    PageSetup readSection()
    {
        PageSetup page = PageSetup::forLocale();
        while (m_xml.nextChild()) {
            if (m_xml.isW("pgSz")) {
                if (const auto width =
                        m_xml.wTwipsAttribute("w", MinPageTwips, limits::MaxTwips,
                                              QT_TRANSLATE_NOOP("word::oxml::XmlReader", "the page width")))
                    page.widthTwips = *width;
                if (const auto height =
                        m_xml.wTwipsAttribute("h", MinPageTwips, limits::MaxTwips,
                                              QT_TRANSLATE_NOOP("word::oxml::XmlReader", "the page height")))
                    page.heightTwips = *height;
                page.landscape = m_xml.wAttribute("orient") == QLatin1String("landscape");
            } else if (m_xml.isW("pgMar")) {
                // Negative top and bottom margins only say that headers may not push the text; their size counts.
                auto margin = [&](const char* name, int& twips) {
                    if (const auto value =
                            m_xml.wTwipsAttribute(name, -limits::MaxTwips, limits::MaxTwips,
                                                  QT_TRANSLATE_NOOP("word::oxml::XmlReader", "a page margin")))
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
    BodyCounts m_counts;
    TableReader m_tables;  // after the reader and the counts it uses
    std::optional<PageSetup> m_page;
    std::optional<PageSetup> m_lastSectionPage;
};

}  // namespace

DocumentModel readDocument(const QByteArray& xml, const QString& partName, const StyleSheet& styles, const ThemeFonts& theme)
{
    return BodyReader(xml, partName, styles, theme).read();
}

}  // namespace word::oxml