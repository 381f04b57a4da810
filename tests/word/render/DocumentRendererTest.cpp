// The document picture on small documents: its size at 96 dpi, where fills
// and grid lines fall, merged cells, font size, bold and alignment, wrapping,
// font replacement, and the picture reaching the clipboard.
#include "WordTestSupport.h"

#include "word/PictureSink.h"
#include "word/Word.h"
#include "word/model/DocumentError.h"
#include "word/render/DocumentLayout.h"
#include "word/render/DocumentRenderer.h"
#include "word/render/FontCatalog.h"
#include "word/render/PageBreaks.h"
#include "word/render/PictureRecorder.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPicture>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <thread>

using namespace word;
using model::Alignment;
using model::Cell;
using model::DocumentModel;
using model::Paragraph;
using model::Row;
using model::Run;
using render::DocumentLayout;

namespace {

constexpr int B = DocumentLayout::Border;
constexpr int Blue = 0xFF0000;       // Word colour numbers are blue-green-red
constexpr int PaleGreen = 0xCCFFCC;
constexpr int PaleBlue = 0xFFCCCC;

Paragraph paragraph(const QString& text, int halfPoints = 20, bool bold = false, Alignment alignment = Alignment::Left)
{
    Paragraph p;
    model::CharacterFormat format;
    format.fontName = QStringLiteral("DejaVu Sans");
    format.halfPoints = halfPoints;
    format.bold = bold;
    p.markFormat = format;
    if (!text.isEmpty())
        p.runs.push_back(Run{text, format});
    p.alignment = alignment;
    return p;
}

Cell cell(const QString& text, int span = 1, int fill = colour::Automatic)
{
    Cell c;
    c.paragraphs = {paragraph(text)};
    c.gridSpan = span;
    c.shading.background = fill;
    return c;
}

// A document of a table only (with the paragraph that always follows one).
DocumentModel tableDocument(std::vector<int> grid, std::vector<Row> rows, const QString& style = QStringLiteral("Table Grid"))
{
    model::Table table;
    table.gridTwips = std::move(grid);
    table.rows = std::move(rows);
    table.styleName = style;
    for (Row& row : table.rows) {
        int column = 0;
        for (Cell& c : row.cells) {
            c.widthTwips = 0;
            for (int i = 0; i < c.gridSpan; ++i)
                c.widthTwips += table.gridTwips[column + i];
            column += c.gridSpan;
        }
    }
    DocumentModel document;
    document.page = model::PageSetup::a4();
    document.body = {table, paragraph(QString())};
    return document;
}

DocumentModel paragraphDocument(std::vector<Paragraph> paragraphs)
{
    DocumentModel document;
    document.page = model::PageSetup::a4();
    document.body.assign(paragraphs.begin(), paragraphs.end());
    return document;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The box of the dark pixels within `area`.
QRect ink(const QImage& image, QRect area = QRect())
{
    if (area.isNull())
        area = image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isDark(image.pixel(x, y)))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

bool columnIsDark(const QImage& image, int x, int top, int bottom)
{
    for (int y = top; y <= bottom; ++y)
        if (!isDark(image.pixel(x, y)))
            return false;
    return true;
}

// Two columns of 100 and 200 pixels, two rows; cell "b" blue.
DocumentModel twoByTwo()
{
    return tableDocument({1500, 3000}, {Row{{cell("a"), cell("b", 1, Blue)}}, Row{{cell("c"), cell("d")}}});
}

TEST(DocumentRenderer, PictureIsTheContentAt96DotsPerInch)
{
    const DocumentModel document = twoByTwo();
    const QImage image = renderDocument(document);
    const DocumentLayout layout = DocumentLayout::of(document);
    ASSERT_EQ(layout.tables.size(), 1u);
    // Columns at twips / 15, from the text area's left edge after the border.
    EXPECT_EQ(layout.tables[0].columnEdges, (std::vector<int>{B, B + 100, B + 300}));
    // As wide as A4's text area (9026 twips = 601.7 pixels) and the border round it.
    EXPECT_EQ(image.width(), 602 + 2 * B);
    EXPECT_EQ(image.size(), layout.size);
    EXPECT_EQ(image.dotsPerMeterX(), 3780);
    EXPECT_EQ(image.dotsPerMeterY(), 3780);
    // White ground in the border.
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), qRgb(255, 255, 255));

    // A table wider than the text area widens the picture (it runs into the margin).
    const QImage wide = renderDocument(tableDocument({1000, 3600, 400, 3600, 1000}, {Row{{cell("x", 5)}}}));
    EXPECT_EQ(wide.width(), 640 + 2 * B);
}

TEST(DocumentRenderer, RowsAreAsHighAsTheirTextAndItsLine)
{
    const DocumentModel document = twoByTwo();
    const DocumentLayout layout = DocumentLayout::of(document);
    const render::RenderFont& font = render::FontCatalog::shared().font(paragraph("x").markFormat);
    const std::vector<int>& rows = layout.tables[0].rowEdges;
    ASSERT_EQ(rows.size(), 3u);
    // Whole twips: single spacing, plus room for the top line (a half point).
    const int row = font.lineTwips + 10;
    EXPECT_EQ(rows[0], B);
    EXPECT_EQ(rows[1], B + int(std::lround(row / 15.0)));
    EXPECT_EQ(rows[2], B + int(std::lround(2 * row / 15.0)));
    EXPECT_DOUBLE_EQ(layout.tables[0].exactRowEdges[2], B + 2 * row / 15.0);
    // The picture ends a border below the table (the closing empty paragraph
    // adds its line, 259/240 of a line as LibreOffice reads it: 108 %, but
    // not its spacing after).
    EXPECT_EQ(layout.size.height(), int(std::ceil((2 * row + 10 + font.lineTwips * 108 / 100) / 15.0)) + 2 * B);

    // Double spacing doubles a line; a second paragraph adds one.
    DocumentModel spaced = twoByTwo();
    spaced.tableSpacing.line240ths = 480;
    std::get<model::Table>(spaced.body[0]).rows[1].cells[0].paragraphs.push_back(paragraph("e"));
    const std::vector<double> spacedRows = DocumentLayout::of(spaced).tables[0].exactRowEdges;
    EXPECT_DOUBLE_EQ(spacedRows[1] - B, (2 * font.lineTwips + 10) / 15.0);
    EXPECT_NEAR(spacedRows[2] - spacedRows[1], (4 * font.lineTwips + 10) / 15.0, 1e-9);
}

TEST(DocumentRenderer, APageHoldsTheRowsWithTheLineUnderTheLast)
{
    // LibreOffice ends a page under the last row that fits with its bottom
    // line: a page of 20 rows and that half point holds 20, a twip less 19.
    std::vector<Row> rows(40, Row{{cell("a"), cell("b")}});
    const DocumentLayout layout = DocumentLayout::of(tableDocument({1500, 3000}, rows));
    const render::TableGeometry& table = layout.tables[0];
    const int row = render::FontCatalog::shared().font(paragraph("x").markFormat).lineTwips + 10;
    for (int spare : {10, 9}) {
        const auto slices = render::pageSlices(layout, (20 * row + spare) / 15.0);
        ASSERT_GE(slices.size(), 2u) << spare;
        const int fits = spare == 10 ? 20 : 19;
        EXPECT_EQ(slices[0].bottom, table.rowEdges[fits]) << spare;
        EXPECT_EQ(slices[0].inkBottom, table.rowEdges[fits] + 1) << spare;
        EXPECT_EQ(slices[1].top, slices[0].bottom) << spare;
    }
}

TEST(DocumentRenderer, ARowTallerThanAPageKeepsItsLinesRoomOnBothPages)
{
    // As LibreOffice cuts a row between its lines: the part on the first
    // page keeps room for the line under it, the rest starts under room for
    // one. Fifty lines and a half point fit under the row's top line; five
    // twips short of that, 49.
    QStringList lines;
    for (int i = 0; i < 80; ++i)
        lines << QStringLiteral("L%1").arg(i);
    const DocumentLayout layout =
        DocumentLayout::of(tableDocument({3000}, {Row{{cell(lines.join(QChar(0x0B)))}}}));
    const int line = render::FontCatalog::shared().font(paragraph("x").markFormat).lineTwips;
    ASSERT_EQ(layout.texts.size(), 80u);
    for (int spare : {10, 5}) {
        const auto slices = render::pageSlices(layout, (10 + 50 * line + spare) / 15.0);
        ASSERT_GE(slices.size(), 2u) << spare;
        const int fits = spare == 10 ? 50 : 49;
        auto onFirst = [&](int i) { return layout.texts[size_t(i)].baseline.y() < slices[0].bottom; };
        EXPECT_TRUE(onFirst(fits - 1)) << spare;
        EXPECT_FALSE(onFirst(fits)) << spare;
        // The next page's first line stands as far down as the first page's.
        EXPECT_NEAR(layout.texts[size_t(fits)].baseline.y() - slices[1].top, layout.texts[0].baseline.y() - slices[0].top,
                    1e-6)
            << spare;
    }
}

TEST(DocumentRenderer, FillsAndGridLinesFallOnTheCells)
{
    const DocumentModel document = twoByTwo();
    const QImage image = renderDocument(document);
    const render::TableGeometry table = DocumentLayout::of(document).tables[0];
    const int top = table.rowEdges[0];
    const int middle = table.rowEdges[1];
    const int bottom = table.rowEdges[2];

    // Cell "b" is blue to its lines; the others stay white.
    EXPECT_EQ(image.pixel(table.columnEdges[1] + 1, top + 1), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(table.columnEdges[2] - 2, middle - 1), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(table.columnEdges[2] - 2, middle + 2), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(table.columnEdges[1] - 2, top + 2), qRgb(255, 255, 255));

    // Lines one pixel wide on every edge, the right and bottom ones just
    // outside the fills.
    for (int x : table.columnEdges) {
        EXPECT_TRUE(columnIsDark(image, x, top, bottom)) << x;
        EXPECT_FALSE(isDark(image.pixel(x + 1, middle + 2))) << x;
        EXPECT_FALSE(isDark(image.pixel(x - 1, middle + 2))) << x;
    }
    for (int y : {top, middle, bottom}) {
        EXPECT_TRUE(isDark(image.pixel(table.columnEdges[0] + 50, y))) << y;
        EXPECT_TRUE(isDark(image.pixel(table.columnEdges[2], y))) << y;
        EXPECT_FALSE(isDark(image.pixel(table.columnEdges[0] + 50, y + 1))) << y;
    }
    EXPECT_FALSE(isDark(image.pixel(table.columnEdges[0] + 50, top - 1)));

    // "Normal Table" draws no lines, but its fills.
    const DocumentModel plain = tableDocument({1500, 3000}, {Row{{cell(""), cell("", 1, PaleGreen)}}}, "Normal Table");
    const QImage plainImage = renderDocument(plain);
    const render::TableGeometry plainTable = DocumentLayout::of(plain).tables[0];
    EXPECT_TRUE(ink(plainImage).isEmpty());
    EXPECT_EQ(plainImage.pixel(plainTable.columnEdges[1] + 3, plainTable.rowEdges[0] + 3), qRgb(204, 255, 204));
}

// A page paints the layout through a clip to its band. What lies outside is
// left out, not merely clipped: a PDF keeps every command, and a long
// planner's pages each carried the whole document.
TEST(DocumentRenderer, ABandDrawsOnlyWhatLiesInIt)
{
    std::vector<Row> rows;
    for (int i = 0; i < 40; ++i)
        rows.push_back(Row{{cell(QString::number(i), 1, PaleBlue), cell("row", 1, PaleGreen)}});
    const DocumentLayout layout = DocumentLayout::of(tableDocument({1500, 3000}, rows));
    const render::TableGeometry table = layout.tables[0];
    QPicture whole;
    QPicture band;
    {
        QPainter painter(&whole);
        paintDocument(layout, painter);
    }
    {
        QPainter painter(&band);
        painter.setClipRect(QRectF(0, table.rowEdges[10], layout.size.width(), table.rowEdges[12] - table.rowEdges[10]));
        paintDocument(layout, painter);
    }
    // Two rows of forty, and the lines at their edges.
    EXPECT_LT(band.size() * 8, whole.size());
    EXPECT_GT(band.size(), 0u);
}

// The document's picture is recorded by our own recorder. The same drawing
// recorded by QPicture gives the same bytes, a path's command in its short
// form (under 255 bytes) and its long one alike; a pen or brush set again to
// what is in force is left out, and the picture still draws the same.
TEST(DocumentRenderer, PictureRecorderWritesWhatQPictureWrites)
{
    const QRect area(0, 0, 50, 60);
    // A path's command takes 4 + 20 bytes an element + 8.
    QPainterPath ring;  // curves, over 255 bytes
    ring.setFillRule(Qt::WindingFill);
    ring.addEllipse(QRectF(5.25, 6.5, 20, 18));
    QPainterPath corner;  // 72 bytes
    corner.moveTo(40, 40);
    corner.lineTo(45.5, 40);
    corner.lineTo(40, 47.125);
    ASSERT_GE(4 + ring.elementCount() * 20 + 8, 255);
    auto draw = [&](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRect(area);
        painter.setBrush(QColor(12, 34, 56));
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawPath(ring);
        painter.setBrush(Qt::black);
        painter.translate(0.5, 1);
        painter.drawPath(corner);
    };
    QPicture byQt;
    {
        QPainter painter(&byQt);
        draw(painter);
    }
    render::PictureRecorder recorder(area);
    {
        QPainter painter(&recorder);
        draw(painter);
    }
    EXPECT_EQ(recorder.bytes(), QByteArray(byQt.data(), qsizetype(byQt.size())));

    auto fills = [&](QPainter& painter) {
        painter.fillRect(area, Qt::white);
        painter.fillPath(ring, Qt::black);
        painter.fillPath(corner, Qt::black);
    };
    QPicture fillsByQt;
    {
        QPainter painter(&fillsByQt);
        fills(painter);
    }
    render::PictureRecorder fillsRecorder(area);
    {
        QPainter painter(&fillsRecorder);
        fills(painter);
    }
    EXPECT_LT(fillsRecorder.bytes().size(), qsizetype(fillsByQt.size()));
    const QImage expected = wordtest::imageOf(fillsByQt);
    EXPECT_EQ(wordtest::imageOf(fillsRecorder.picture()), expected);
    EXPECT_EQ(expected.pixel(7, 15), qRgb(0, 0, 0));  // the drawing is there to compare
}

TEST(DocumentRenderer, TexturesMixTheirColourIntoTheFill)
{
    DocumentModel document = tableDocument({1500}, {Row{{cell("")}}});
    model::CellShading& shading = std::get<model::Table>(document.body[0]).rows[0].cells[0].shading;
    shading.texture = 500;  // 50 percent of automatic (black) over automatic (white)
    const QImage image = renderDocument(document);
    const render::TableGeometry table = DocumentLayout::of(document).tables[0];
    const QRgb pixel = image.pixel(table.columnEdges[0] + 3, table.rowEdges[0] + 3);
    EXPECT_NEAR(qRed(pixel), 128, 1);
    EXPECT_EQ(qRed(pixel), qBlue(pixel));
}

TEST(DocumentRenderer, MergedCellHasNoInnerLine)
{
    const DocumentModel document =
        tableDocument({1500, 1500, 1500}, {Row{{cell("", 2, PaleBlue), cell("")}}, Row{{cell(""), cell(""), cell("")}}});
    const QImage image = renderDocument(document);
    const render::TableGeometry table = DocumentLayout::of(document).tables[0];
    const int inner = table.columnEdges[1];
    // The merged cell is filled across the grid line it covers...
    EXPECT_FALSE(columnIsDark(image, inner, table.rowEdges[0] + 1, table.rowEdges[1] - 1));
    EXPECT_EQ(image.pixel(inner, table.rowEdges[0] + 3), qRgb(204, 204, 255));
    // ...which the row below shows, as it shows the merged cell's right edge.
    EXPECT_TRUE(columnIsDark(image, inner, table.rowEdges[1], table.rowEdges[2]));
    EXPECT_TRUE(columnIsDark(image, table.columnEdges[2], table.rowEdges[0], table.rowEdges[2]));
}

TEST(DocumentRenderer, BoldAndLargerTextIsWiderAndTaller)
{
    const QImage regular = renderDocument(paragraphDocument({paragraph("Week of March 3", 22, false)}));
    const QImage bold = renderDocument(paragraphDocument({paragraph("Week of March 3", 22, true)}));
    const QImage large = renderDocument(paragraphDocument({paragraph("Week of March 3", 44, false)}));
    const QRect regularInk = ink(regular);
    const QRect boldInk = ink(bold);
    const QRect largeInk = ink(large);
    ASSERT_FALSE(regularInk.isEmpty());
    EXPECT_GT(boldInk.width(), regularInk.width());
    EXPECT_NEAR(largeInk.width(), 2 * regularInk.width(), 4);
    EXPECT_NEAR(largeInk.height(), 2 * regularInk.height(), 3);
    // 11 pt is 14.7 pixels; the capitals and the "f" of DejaVu Sans are about 0.75 em high.
    EXPECT_NEAR(regularInk.height(), 11, 2);
}

TEST(DocumentRenderer, AlignmentPlacesTheLine)
{
    const QImage centred = renderDocument(paragraphDocument({paragraph("Heading", 22, true, Alignment::Center)}));
    const QImage left = renderDocument(paragraphDocument({paragraph("Heading", 22, true, Alignment::Left)}));
    const QImage right = renderDocument(paragraphDocument({paragraph("Heading", 22, true, Alignment::Right)}));
    const double textCentre = B + 9026 / 15.0 / 2;
    const QRect centredInk = ink(centred);
    EXPECT_NEAR((centredInk.left() + centredInk.right() + 1) / 2.0, textCentre, 1.5);
    // Within the letters' side bearings (a pixel or two) of the text area's edges.
    EXPECT_NEAR(ink(left).left(), B, 3);
    EXPECT_NEAR(ink(right).right(), B + 9026 / 15.0, 3);

    // Centred in a cell between its margins.
    DocumentModel inCell = tableDocument({3000}, {Row{{cell("")}}});
    std::get<model::Table>(inCell.body[0]).rows[0].cells[0].paragraphs = {paragraph("10", 20, true, Alignment::Center)};
    const QImage cellImage = renderDocument(inCell);
    const render::TableGeometry table = DocumentLayout::of(inCell).tables[0];
    const QRect cellInk = ink(cellImage, QRect(QPoint(table.columnEdges[0] + 1, table.rowEdges[0] + 1),
                                               QPoint(table.columnEdges[1] - 2, table.rowEdges[1] - 1)));
    EXPECT_NEAR((cellInk.left() + cellInk.right() + 1) / 2.0, (table.columnEdges[0] + table.columnEdges[1]) / 2.0, 1.5);
}

TEST(DocumentRenderer, TextWrapsWithinTheCell)
{
    const DocumentModel oneLine = tableDocument({1500}, {Row{{cell("Entry")}}});
    const DocumentModel wrapped = tableDocument({1500}, {Row{{cell("Entry one two three four five six")}}});
    const DocumentModel longWord = tableDocument({1500}, {Row{{cell("Abcdefghijklmnopqrstuvwxyz")}}});
    const auto height = [](const DocumentModel& document) {
        const render::TableGeometry table = DocumentLayout::of(document).tables[0];
        return table.rowEdges[1] - table.rowEdges[0];
    };
    EXPECT_GE(height(wrapped), 2 * height(oneLine) - 1);
    EXPECT_GE(height(longWord), 2 * height(oneLine) - 1);

    // No text runs past the cell's right line.
    for (const DocumentModel* document : {&wrapped, &longWord}) {
        const QImage image = renderDocument(*document);
        const render::TableGeometry table = DocumentLayout::of(*document).tables[0];
        const QRect inside = ink(image, QRect(QPoint(table.columnEdges[0] + 1, table.rowEdges[0] + 1),
                                              QPoint(table.columnEdges[1] - 1, table.rowEdges[1] - 1)));
        EXPECT_LE(inside.right(), table.columnEdges[1] - 2);  // the 2 pixel margin stays clear
        EXPECT_TRUE(columnIsDark(image, table.columnEdges[1], table.rowEdges[0], table.rowEdges[1]));
    }

    // Lines break at the Unicode break opportunities: after the hyphen, not
    // inside a word that fits a line of its own.
    const DocumentLayout hyphenated = DocumentLayout::of(
        tableDocument({3600}, {Row{{cell("Supercalifragilisticexpialidocious-Antidisestablishmentarianism")}}}));
    ASSERT_EQ(hyphenated.texts.size(), 2u);
    EXPECT_EQ(hyphenated.texts[0].text, "Supercalifragilisticexpialidocious-");
    EXPECT_EQ(hyphenated.texts[1].text, "Antidisestablishmentarianism");

    // A line break starts a new line; a tab goes on to the next half inch.
    const DocumentModel broken = tableDocument({3000}, {Row{{cell(QStringLiteral("ab") + QChar(0x0B) + "cd")}}});
    EXPECT_GE(height(broken), 2 * height(oneLine) - 1);
    const DocumentLayout tabbed = DocumentLayout::of(paragraphDocument({paragraph("a\tb")}));
    ASSERT_EQ(tabbed.texts.size(), 2u);
    EXPECT_EQ(tabbed.texts[1].text, "b");
    EXPECT_DOUBLE_EQ(tabbed.texts[1].baseline.x() - tabbed.texts[0].baseline.x(), 48.0);

    // Every word of a wrapped paragraph is placed, in order.
    QStringList words;
    for (const render::PlacedText& text : DocumentLayout::of(wrapped).texts)
        words << text.text.split(' ', Qt::SkipEmptyParts);
    EXPECT_EQ(words.join(' '), "Entry one two three four five six");
}

TEST(DocumentRenderer, MissingFontsAreReplacedAsLibreOfficeDoes)
{
    render::FontCatalog& fonts = render::FontCatalog::shared();
    const QStringList installed = QFontDatabase::families();
    EXPECT_EQ(fonts.familyFor("DejaVu Sans"), "DejaVu Sans");
    if (!installed.contains("Trebuchet MS")) {
        EXPECT_TRUE(installed.contains(fonts.familyFor("Trebuchet MS")));
    }
    if (!installed.contains("Arial") && installed.contains("Liberation Sans")) {
        EXPECT_EQ(fonts.familyFor("Arial"), "Liberation Sans");
    }
    if (!installed.contains("Calibri") && installed.contains("Carlito")) {
        EXPECT_EQ(fonts.familyFor("Calibri"), "Carlito");
    }
    EXPECT_TRUE(installed.contains(fonts.familyFor("No Such Font Anywhere")));
    // The same formatting gives the same font object, the size in points at 96 dpi.
    model::CharacterFormat format;
    format.halfPoints = 20;
    const render::RenderFont& first = fonts.font(format);
    EXPECT_EQ(&first, &fonts.font(format));
    EXPECT_DOUBLE_EQ(first.font.pointSizeF(), 10.0);
    EXPECT_GT(first.lineHeight(), 13.0);  // at least the 13.3 pixel em of most faces
    EXPECT_LT(first.lineHeight(), 20.0);
}

TEST(DocumentRenderer, EmptyOverlargeAndMisplacedRequests)
{
    const QImage blank = renderDocument(DocumentModel::blank());
    EXPECT_FALSE(blank.isNull());
    EXPECT_TRUE(ink(blank).isEmpty());

    // Beyond what one picture holds: refused with a message, not a crash.
    std::vector<Paragraph> many(2500, paragraph("line"));
    EXPECT_THROW(renderDocument(paragraphDocument(many)), DocumentError);
    // A column wider than any page is cut to a yard (3456 pixels) rather than overflowing.
    QImage wide;
    EXPECT_NO_THROW(wide = renderDocument(tableDocument({std::numeric_limits<int>::max(), 1500}, {Row{{cell("x"), cell("y")}}})));
    EXPECT_EQ(wide.width(), 3456 + 100 + 2 * B);
    DocumentModel hugeText = paragraphDocument({paragraph("x", 3276)});
    hugeText.bodySpacing = {std::numeric_limits<int>::max(), std::numeric_limits<int>::max()};
    EXPECT_THROW(renderDocument(hugeText), DocumentError);
    // Each side within bounds, the area far beyond what a planner needs.
    DocumentModel wideAndLong = tableDocument({std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
                                               std::numeric_limits<int>::max()},
                                              {Row{{cell("a"), cell("b"), cell("c")}}});
    wideAndLong.body.insert(wideAndLong.body.end(), 1000, paragraph("line"));
    EXPECT_THROW(renderDocument(wideAndLong), DocumentError);

    // Fonts belong to the GUI thread.
    bool refused = false;
    std::thread worker([&] {
        try {
            renderDocument(DocumentModel::blank());
        } catch (const DocumentError&) {
            refused = true;
        }
    });
    worker.join();
    EXPECT_TRUE(refused);
}

TEST(DocumentRenderer, CopyAsPicturePutsThePictureOnTheClipboard)
{
    Application app = Application::CreateObject();
    Document document = app.Documents().Add();
    Selection selection = document.ActiveWindow().Selection();
    selection.Font().setBold(true);
    selection.TypeText("Week of May");
    selection.ParagraphFormat().setAlignment(1);
    const QImage expected = renderDocument(wordtest::modelOf(document));

    QPicture caught;
    PictureSinkSeam::install([&](const QPicture& picture) { caught = picture; });
    document.Range().CopyAsPicture();
    PictureSinkSeam::install({});
    EXPECT_EQ(caught.boundingRect(), expected.rect());
    const QImage replayed = wordtest::imageOf(caught);
    // The same text where the image has it, within a pixel of anti-aliasing.
    EXPECT_TRUE(ink(replayed).adjusted(-1, -1, 1, 1).contains(ink(expected)));
    EXPECT_TRUE(ink(expected).adjusted(-1, -1, 1, 1).contains(ink(replayed)));

    // Without a clipboard to take it the copy fails; the system's is never used.
    QGuiApplication::clipboard()->setText("the user's");
    EXPECT_THROW(document.Range().CopyAsPicture(), AutomationError);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "the user's");
    document.Close(0);
    app.Quit();
}

}  // namespace
