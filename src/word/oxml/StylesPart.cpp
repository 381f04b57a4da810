#include "word/oxml/StylesPart.h"

#include "word/model/CharacterFormat.h"
#include "word/oxml/Namespaces.h"
#include "word/oxml/XmlWriter.h"

namespace word::oxml {

namespace {

void spacing(XmlWriter& xml, const model::ParagraphSpacing& spacing)
{
    xml.start("w:spacing");
    xml.attribute("w:after", spacing.afterTwips);
    xml.attribute("w:line", spacing.line240ths);
    xml.attribute("w:lineRule", "auto");
    xml.end();
}

void margin(XmlWriter& xml, const char* side, int twips)
{
    xml.start(side);
    xml.attribute("w:w", twips);
    xml.attribute("w:type", "dxa");
    xml.end();
}

void border(XmlWriter& xml, const char* side)
{
    xml.start(side);
    xml.attribute("w:val", "single");
    xml.attribute("w:sz", 4);
    xml.attribute("w:space", 0);
    xml.attribute("w:color", "auto");
    xml.end();
}

void styleStart(XmlWriter& xml, const char* type, const char* id, const char* name, bool isDefault)
{
    xml.start("w:style");
    xml.attribute("w:type", type);
    if (isDefault)
        xml.attribute("w:default", "1");
    xml.attribute("w:styleId", id);
    xml.empty("w:name", "w:val", QString::fromLatin1(name));
}

void hiddenUntilUsed(XmlWriter& xml, int priority)
{
    xml.empty("w:uiPriority", "w:val", QString::number(priority));
    xml.empty("w:semiHidden");
    xml.empty("w:unhideWhenUsed");
}

}  // namespace

QByteArray stylesPart(const model::DocumentModel& document)
{
    const model::CharacterFormat text;  // what a new document's text is
    XmlWriter xml;
    xml.start("w:styles");
    xml.attribute("xmlns:w", ns::W);

    xml.start("w:docDefaults");
    xml.start("w:rPrDefault");
    xml.start("w:rPr");
    xml.fonts(text.fontName);
    xml.empty("w:sz", "w:val", QString::number(text.halfPoints));
    xml.empty("w:szCs", "w:val", QString::number(text.halfPoints));
    xml.start("w:lang");
    xml.attribute("w:val", "en-US");
    xml.attribute("w:eastAsia", "en-US");
    xml.attribute("w:bidi", "ar-SA");
    xml.end();
    xml.end();
    xml.end();
    xml.start("w:pPrDefault");
    xml.start("w:pPr");
    spacing(xml, document.bodySpacing);
    xml.end();
    xml.end();
    xml.end();

    styleStart(xml, "paragraph", "Normal", "Normal", true);
    xml.empty("w:qFormat");
    xml.end();

    styleStart(xml, "character", "DefaultParagraphFont", "Default Paragraph Font", true);
    hiddenUntilUsed(xml, 1);
    xml.end();

    styleStart(xml, "table", "TableNormal", "Normal Table", true);
    hiddenUntilUsed(xml, 99);
    xml.start("w:tblPr");
    margin(xml, "w:tblInd", 0);
    xml.start("w:tblCellMar");
    margin(xml, "w:top", 0);
    margin(xml, "w:left", 108);
    margin(xml, "w:bottom", 0);
    margin(xml, "w:right", 108);
    xml.end();
    xml.end();
    xml.end();

    styleStart(xml, "numbering", "NoList", "No List", true);
    hiddenUntilUsed(xml, 99);
    xml.end();

    styleStart(xml, "table", "TableGrid", "Table Grid", false);
    xml.empty("w:basedOn", "w:val", QStringLiteral("TableNormal"));
    xml.empty("w:uiPriority", "w:val", QStringLiteral("39"));
    xml.start("w:pPr");
    spacing(xml, document.tableSpacing);
    xml.end();
    xml.start("w:tblPr");
    xml.start("w:tblBorders");
    for (const char* side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"})
        border(xml, side);
    xml.end();
    xml.end();
    xml.end();

    return xml.finish();
}

}  // namespace word::oxml
