// Packages other programs write: python-docx, LibreOffice, and the constructs
// Word and LibreOffice put around content (other prefixes, content controls,
// hyperlinks, revisions, alternate content, theme fonts, style chains).
#include "ReaderTestFiles.h"
#include "LibreOffice.h"
#include "WordTestSupport.h"

#include "word/model/Colour.h"
#include "word/package/PackageReader.h"
#include "word/package/PackageWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace word;
using namespace word::model;

namespace {

const QString SystemPython = QStringLiteral("/usr/bin/python3");

bool pythonDocxAvailable()
{
    if (!QFileInfo::exists(SystemPython))
        return false;
    return QProcess::execute(SystemPython, {QStringLiteral("-c"), QStringLiteral("import docx")}) == 0;
}

const Paragraph& paragraphAt(const DocumentModel& document, size_t index)
{
    return std::get<Paragraph>(document.body.at(index));
}

class ReaderForeignTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QTemporaryDir folder;
};

TEST_F(ReaderForeignTest, ReadsWhatPythonDocxWrites)
{
    if (!pythonDocxAvailable())
        GTEST_SKIP() << "/usr/bin/python3 cannot import docx";
    const QString path = folder.filePath(QStringLiteral("python.docx"));
    const QString script = QStringLiteral(R"(
import sys
from docx import Document
from docx.shared import Pt, Twips
from docx.enum.text import WD_ALIGN_PARAGRAPH
from docx.oxml import OxmlElement
from docx.oxml.ns import qn
d = Document()
s = d.sections[0]
s.page_width = Twips(11906); s.page_height = Twips(16838)
s.left_margin = Twips(1000); s.right_margin = Twips(1100); s.top_margin = Twips(1200); s.bottom_margin = Twips(1300)
p = d.add_paragraph()
p.alignment = WD_ALIGN_PARAGRAPH.CENTER
r = p.add_run('Week of python')
r.bold = True; r.font.name = 'Trebuchet MS'; r.font.size = Pt(14)
q = d.add_paragraph('plain ')
b = q.add_run('bold'); b.bold = True
n = q.add_run(' not bold'); n.bold = False
q.add_run('\ttab').add_break()
q.add_run('after break')
d.add_paragraph('right').alignment = WD_ALIGN_PARAGRAPH.RIGHT
d.add_paragraph('justified').alignment = WD_ALIGN_PARAGRAPH.JUSTIFY
t = d.add_table(rows=3, cols=3)
t.style = 'Table Grid'
t.cell(0, 0).merge(t.cell(0, 1))
t.cell(0, 0).text = 'merged'
t.cell(1, 2).text = 'x < y & z'
shd = OxmlElement('w:shd'); shd.set(qn('w:val'), 'clear'); shd.set(qn('w:color'), 'auto'); shd.set(qn('w:fill'), 'CCFFFF')
t.cell(1, 0)._tc.get_or_add_tcPr().append(shd)
d.save(sys.argv[1])
)");
    ASSERT_EQ(QProcess::execute(SystemPython, {QStringLiteral("-c"), script, path}), 0);

    const DocumentModel read = package::readPackage(path);
    EXPECT_EQ(readertest::modelFaults(read), QString());
    EXPECT_EQ(read.page.widthTwips, 11906);
    EXPECT_EQ(read.page.heightTwips, 16838);
    EXPECT_EQ(read.page.leftTwips, 1000);
    EXPECT_EQ(read.page.rightTwips, 1100);
    EXPECT_EQ(read.page.topTwips, 1200);
    EXPECT_EQ(read.page.bottomTwips, 1300);

    const Paragraph& heading = paragraphAt(read, 0);
    EXPECT_EQ(heading.text(), QStringLiteral("Week of python"));
    EXPECT_EQ(heading.alignment, Alignment::Center);
    ASSERT_EQ(heading.runs.size(), 1u);
    EXPECT_TRUE(heading.runs[0].format.bold);
    EXPECT_EQ(heading.runs[0].format.fontName, QStringLiteral("Trebuchet MS"));
    EXPECT_EQ(heading.runs[0].format.halfPoints, 28);

    const Paragraph& mixed = paragraphAt(read, 1);
    EXPECT_EQ(mixed.text(), QStringLiteral("plain bold not bold\ttab\x0B" "after break"));
    ASSERT_EQ(mixed.runs.size(), 3u);
    EXPECT_FALSE(mixed.runs[0].format.bold);
    EXPECT_TRUE(mixed.runs[1].format.bold);
    EXPECT_FALSE(mixed.runs[2].format.bold);
    // python-docx's template gives Normal text the theme's minor font at 11 pt.
    EXPECT_EQ(mixed.runs[0].format.halfPoints, 22);
    EXPECT_FALSE(mixed.runs[0].format.fontName.isEmpty());
    EXPECT_EQ(paragraphAt(read, 2).alignment, Alignment::Right);
    EXPECT_EQ(paragraphAt(read, 3).alignment, Alignment::Justify);

    ASSERT_EQ(read.tableCount(), 1);
    const Table& table = *read.table(0);
    EXPECT_EQ(table.styleName, QStringLiteral("Table Grid"));
    EXPECT_EQ(table.columnCount(), 3);
    ASSERT_EQ(table.rows.size(), 3u);
    ASSERT_EQ(table.rows[0].cells.size(), 2u);
    EXPECT_EQ(table.rows[0].cells[0].gridSpan, 2);
    EXPECT_EQ(table.rows[0].cells[0].text(), QStringLiteral("merged"));
    EXPECT_EQ(table.rows[1].cells[2].text(), QStringLiteral("x < y & z"));
    EXPECT_EQ(table.rows[1].cells[0].shading.background, 16777164);  // CCFFFF
    EXPECT_EQ(table.rows[1].cells[0].shading.foreground, colour::Automatic);
    EXPECT_TRUE(table.rows[1].cells[1].shading.isNone());

    // What was read is saved and read again unchanged.
    const QString again = folder.filePath(QStringLiteral("again.docx"));
    package::writePackage(read, again);
    EXPECT_EQ(package::readPackage(again), read);
}

TEST_F(ReaderForeignTest, ReadsWhatLibreOfficeWritesOfThePlanner)
{
    if (!libreoffice::installed())
        GTEST_SKIP() << "soffice is not installed";
    const QString ours = folder.filePath(QStringLiteral("planner.odt.docx"));
    const DocumentModel saved = readertest::savePlanner(ours);
    // Through LibreOffice's own format and back, so that every part is LibreOffice's.
    QByteArray log;
    const QString converted =
        libreoffice::convert(ours, QStringLiteral("docx:MS Word 2007 XML"), folder.filePath(QStringLiteral("out")), &log);
    ASSERT_FALSE(converted.isEmpty()) << log.toStdString();

    const DocumentModel read = package::readPackage(converted);
    EXPECT_EQ(readertest::modelFaults(read), QString());
    const Paragraph& heading = paragraphAt(read, 0);
    EXPECT_EQ(heading.text(), QStringLiteral("Week of March 3"));
    EXPECT_EQ(heading.alignment, Alignment::Center);
    ASSERT_FALSE(heading.runs.empty());
    EXPECT_TRUE(heading.runs[0].format.bold);
    EXPECT_EQ(heading.runs[0].format.fontName, QStringLiteral("Trebuchet MS"));

    ASSERT_EQ(read.tableCount(), 1);
    const Table& table = *read.table(0);
    const Table& original = *saved.table(0);
    ASSERT_EQ(table.rows.size(), original.rows.size());
    ASSERT_EQ(table.columnCount(), original.columnCount());
    for (int column = 0; column < table.columnCount(); ++column)
        EXPECT_NEAR(table.gridTwips[size_t(column)], original.gridTwips[size_t(column)], 10) << column;
    for (size_t row = 0; row < table.rows.size(); ++row) {
        EXPECT_EQ(wordtest::cellTexts(table, int(row)), wordtest::cellTexts(original, int(row))) << row;
        ASSERT_EQ(table.rows[row].cells.size(), original.rows[row].cells.size()) << row;
        for (size_t cell = 0; cell < table.rows[row].cells.size(); ++cell) {
            EXPECT_EQ(table.rows[row].cells[cell].gridSpan, original.rows[row].cells[cell].gridSpan) << row << "," << cell;
            EXPECT_EQ(table.rows[row].cells[cell].shading.background, original.rows[row].cells[cell].shading.background)
                << row << "," << cell;
        }
    }
    // Text sizes survive LibreOffice: the hours' 10 pt bold, the headings' 11 pt.
    const Cell& hour = table.rows[2].cells[2];
    ASSERT_FALSE(hour.paragraphs[0].runs.empty());
    EXPECT_EQ(hour.paragraphs[0].runs[0].format, original.rows[2].cells[2].paragraphs[0].runs[0].format);
}

// Word and LibreOffice wrap content in constructs the model has no place
// for; the reader reads through them or passes them over.
TEST_F(ReaderForeignTest, ReadsThroughWrappersAndResolvesStylesAndTheme)
{
    const QByteArray styles = R"(<?xml version="1.0" encoding="UTF-8"?>
<s:styles xmlns:s="http://schemas.openxmlformats.org/wordprocessingml/2006/main">
 <s:docDefaults><s:rPrDefault><s:rPr><s:rFonts s:asciiTheme="minorHAnsi" s:hAnsiTheme="minorHAnsi"/><s:sz s:val="24"/></s:rPr></s:rPrDefault>
  <s:pPrDefault><s:pPr><s:spacing s:after="200" s:line="276" s:lineRule="auto"/></s:pPr></s:pPrDefault></s:docDefaults>
 <s:style s:type="paragraph" s:default="1" s:styleId="Normal"><s:name s:val="Normal"/></s:style>
 <s:style s:type="paragraph" s:styleId="Base"><s:name s:val="Base"/><s:basedOn s:val="Normal"/><s:pPr><s:jc s:val="end"/></s:pPr><s:rPr><s:b/></s:rPr></s:style>
 <s:style s:type="paragraph" s:styleId="Derived"><s:name s:val="Derived"/><s:basedOn s:val="Base"/><s:rPr><s:sz s:val="1in"/></s:rPr></s:style>
 <s:style s:type="paragraph" s:styleId="LoopA"><s:basedOn s:val="LoopB"/></s:style>
 <s:style s:type="paragraph" s:styleId="LoopB"><s:basedOn s:val="LoopA"/></s:style>
 <s:style s:type="character" s:styleId="Strong"><s:name s:val="Strong"/><s:rPr><s:b s:val="true"/><s:rFonts s:ascii="Arial"/></s:rPr></s:style>
 <s:style s:type="table" s:default="1" s:styleId="TableNormal"><s:name s:val="Normal Table"/><s:tblPr><s:tblCellMar><s:left s:w="108" s:type="dxa"/></s:tblCellMar></s:tblPr></s:style>
 <s:style s:type="table" s:styleId="Gitter"><s:name s:val="Table Grid"/><s:basedOn s:val="TableNormal"/><s:pPr><s:spacing s:after="0" s:line="240" s:lineRule="auto"/></s:pPr></s:style>
</s:styles>)";
    const QByteArray theme = R"(<?xml version="1.0"?><a:theme xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" name="T">
<a:themeElements><a:fontScheme name="F"><a:majorFont><a:latin typeface="Georgia"/></a:majorFont><a:minorFont><a:latin typeface="Verdana"/><a:ea typeface=""/></a:minorFont></a:fontScheme></a:themeElements></a:theme>)";
    const QByteArray body = R"(
<w:p><w:pPr><w:pStyle w:val="Derived"/></w:pPr><w:bookmarkStart w:id="0" w:name="x"/><w:proofErr w:type="spellStart"/>
  <w:r><w:t>styled</w:t></w:r><w:bookmarkEnd w:id="0"/></w:p>
<w:p><w:pPr><w:pStyle w:val="LoopA"/><w:jc w:val="both"/></w:pPr>
  <w:hyperlink r:id="rId9"><w:r><w:rPr><w:rStyle w:val="Strong"/></w:rPr><w:t xml:space="preserve">link </w:t></w:r></w:hyperlink>
  <w:smartTag w:uri="u" w:element="e"><w:r><w:rPr><w:b w:val="0"/></w:rPr><w:t>tag </w:t></w:r></w:smartTag>
  <w:sdt><w:sdtPr><w:alias w:val="a"/></w:sdtPr><w:sdtContent><w:r><w:rPr><w:b w:val="false"/></w:rPr><w:t>control </w:t></w:r></w:sdtContent></w:sdt>
  <w:ins w:id="1" w:author="a"><w:r><w:rPr><w:b w:val="off"/></w:rPr><w:t>inserted</w:t></w:r></w:ins>
  <w:del w:id="2" w:author="a"><w:r><w:delText>deleted</w:delText></w:r></w:del>
  <w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText> PAGE </w:instrText></w:r><w:r><w:fldChar w:fldCharType="separate"/></w:r>
  <w:r><w:rPr><w:b w:val="0"/></w:rPr><w:t>7</w:t></w:r><w:r><w:fldChar w:fldCharType="end"/></w:r>
  <mc:AlternateContent><mc:Choice Requires="w14"><w:r><w:t>choice</w:t></w:r></mc:Choice><mc:Fallback><w:r><w:rPr><w:b w:val="0"/></w:rPr><w:t>!</w:t></w:r></mc:Fallback></mc:AlternateContent>
  <w:r><w:rPr><w:b w:val="0"/></w:rPr><w:drawing><wp:inline xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"/></w:drawing><w:br w:type="page"/><w:noBreakHyphen/></w:r>
</w:p>
<w:sdt><w:sdtContent>
<w:tbl><w:tblPr><w:tblStyle w:val="Gitter"/><w:tblLook w:val="04A0"/></w:tblPr>
 <w:tblGrid><w:gridCol w:w="1in"/><w:gridCol w:w="2000"/></w:tblGrid>
 <w:tr><w:tc><w:tcPr><w:tcW w:w="5000" w:type="pct"/><w:vMerge w:val="restart"/><w:shd w:val="pct10" w:color="FF0000" w:fill="auto"/></w:tcPr><w:p><w:r><w:t>a</w:t></w:r></w:p></w:tc>
  <w:tc><w:tcPr><w:shd w:val="nil" w:fill="00FF00"/></w:tcPr>
   <w:tbl><w:tblGrid><w:gridCol w:w="100"/></w:tblGrid><w:tr><w:tc><w:p><w:r><w:t>nested</w:t></w:r></w:p></w:tc></w:tr></w:tbl><w:p/></w:tc></w:tr>
 <w:tr><w:trPr><w:gridBefore w:val="1"/></w:trPr><w:tc><w:tcPr><w:vMerge/></w:tcPr></w:tc></w:tr>
 <w:tr><w:tc><w:p><w:r><w:t>wider</w:t></w:r></w:p></w:tc><w:tc><w:p/></w:tc><w:tc><w:p/></w:tc></w:tr>
</w:tbl></w:sdtContent></w:sdt>
<w:p><w:pPr><w:sectPr><w:pgSz w:w="5000" w:h="6000"/></w:sectPr></w:pPr></w:p>
<w:sectPr><w:pgSz w:w="12240" w:h="15840" w:orient="portrait"/><w:pgMar w:top="-1440" w:right="1440" w:bottom="1440" w:left="1440" w:header="708" w:footer="708" w:gutter="0"/></w:sectPr>)";
    const DocumentModel read = package::readPackageData(readertest::packageWithBody(body, styles, theme));
    EXPECT_EQ(readertest::modelFaults(read), QString());

    EXPECT_EQ(read.bodySpacing, (ParagraphSpacing{200, 276}));
    EXPECT_EQ(read.tableSpacing, (ParagraphSpacing{0, 240}));
    EXPECT_EQ(read.page.widthTwips, 12240);
    EXPECT_EQ(read.page.topTwips, 1440);
    EXPECT_EQ(read.page.headerTwips, 708);

    const Paragraph& styled = paragraphAt(read, 0);
    EXPECT_EQ(styled.text(), QStringLiteral("styled"));
    EXPECT_EQ(styled.alignment, Alignment::Right);  // "end", from the base style
    ASSERT_EQ(styled.runs.size(), 1u);
    EXPECT_EQ(styled.runs[0].format, (CharacterFormat{true, QStringLiteral("Verdana"), 144}));  // 1 inch = 72 pt
    EXPECT_EQ(styled.markFormat, (CharacterFormat{true, QStringLiteral("Verdana"), 144}));

    const Paragraph& wrapped = paragraphAt(read, 1);
    EXPECT_EQ(wrapped.text(), QStringLiteral("link tag control inserted7!") + QChar(0x2011));
    EXPECT_EQ(wrapped.alignment, Alignment::Justify);
    ASSERT_EQ(wrapped.runs.size(), 2u);
    EXPECT_EQ(wrapped.runs[0].text, QStringLiteral("link "));
    EXPECT_EQ(wrapped.runs[0].format, (CharacterFormat{true, QStringLiteral("Arial"), 24}));
    EXPECT_EQ(wrapped.runs[1].format, (CharacterFormat{false, QStringLiteral("Verdana"), 24}));

    ASSERT_EQ(read.tableCount(), 1);
    const Table& table = *read.table(0);
    EXPECT_EQ(table.styleName, QStringLiteral("Table Grid"));
    EXPECT_EQ(table.look, (TableLook{true, false, true, false, false, true}));  // 04A0
    EXPECT_EQ(table.cellMarginTwips, 108);
    EXPECT_FALSE(table.fixedLayout);
    // The widest row has three cells: the grid grows to three columns.
    EXPECT_EQ(table.gridTwips, (std::vector<int>{1440, 2000, 1720}));
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0].cells[0].shading, (CellShading{100, 255, colour::Automatic}));
    EXPECT_EQ(table.rows[0].cells[0].widthTwips, 1440);  // a percentage width falls back to the grid
    EXPECT_TRUE(table.rows[0].cells[1].shading.isNone());
    EXPECT_EQ(table.rows[0].cells[1].text(), QStringLiteral("nested\r"));
    EXPECT_EQ(table.rows[0].cells[1].gridSpan, 2);
    ASSERT_EQ(table.rows[1].cells.size(), 1u);
    EXPECT_EQ(table.rows[1].cells[0].gridSpan, 3);
    EXPECT_TRUE(table.rows[1].cells[0].isEmpty());
}

TEST_F(ReaderForeignTest, FollowsTheRelationshipsToAMainPartOfAnyName)
{
    const QString path = folder.filePath(QStringLiteral("p.docx"));
    readertest::savePlanner(path);
    QByteArray zip = readertest::readFile(path);
    const QByteArray document = readertest::partOf(zip, QStringLiteral("word/document.xml"));
    const QByteArray documentRels = readertest::partOf(zip, QStringLiteral("word/_rels/document.xml.rels"));
    zip = readertest::withoutPart(zip, QStringLiteral("word/document.xml"));
    zip = readertest::withoutPart(zip, QStringLiteral("word/_rels/document.xml.rels"));
    zip = readertest::withPart(zip, QStringLiteral("content/main%.xml"), document);
    zip = readertest::withPart(zip, QStringLiteral("content/_rels/main%.xml.rels"),
                               QByteArray(documentRels).replace("styles.xml", "../word/styles.xml").replace("settings.xml", "../word/settings.xml"));
    QByteArray rels = readertest::partOf(zip, QStringLiteral("_rels/.rels"));
    zip = readertest::withPart(zip, QStringLiteral("_rels/.rels"), rels.replace("word/document.xml", "/content/main%25.xml"));
    QByteArray types = readertest::partOf(zip, QStringLiteral("[Content_Types].xml"));
    zip = readertest::withPart(zip, QStringLiteral("[Content_Types].xml"), types.replace("/word/document.xml", "/CONTENT/Main%.xml"));

    const DocumentModel read = package::readPackageData(zip);
    EXPECT_EQ(read, package::readPackage(path));
}

}  // namespace
