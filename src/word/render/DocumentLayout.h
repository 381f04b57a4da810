#pragma once

#include "word/model/DocumentModel.h"
#include "word/render/BandIndex.h"
#include "word/render/FontCatalog.h"
#include "word/render/ParagraphLayout.h"

#include <QColor>
#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

namespace word::render {

// The geometry of one table in the picture, in pixels.
struct TableGeometry {
    std::vector<int> columnEdges;  // x of the grid's boundaries, left edge first, right edge last
    std::vector<int> rowEdges;     // y of the rows' boundaries, top edge first, bottom edge last
    std::vector<double> exactRowEdges;  // the same unrounded, where pages break
    // The room the grid's line under a row takes (none without a grid): a
    // page that ends under a row keeps it, as LibreOffice does, and the
    // table's last row has it under it.
    double bottomLine = 0;
};

// A filled cell.
struct Fill {
    QRect rect;
    QColor colour;
};

// The whole document laid out for a picture at 96 dots per inch.
//
// What the picture covers: the document's content and nothing of the page.
// Pixel x = Border is the left edge of the page's text area (the page's
// left margin is cut away; tables start there too, as Word 2013 and later
// place a table without indent); the picture is wide enough for the text area and for the
// widest table (a table may run into the right margin, as in Word), plus
// Border on the right. The first block starts at y = Border; the picture
// ends Border pixels below the last block's last line (its spacing after is
// left out). The body flows on without gaps, every block and row a whole
// number of twips high as in LibreOffice's layout, so that pages fill as
// LibreOffice fills them; pageBreaks tells where a page must end.
//
// Paragraphs: see ParagraphLayout; body paragraphs use the document's body
// spacing and the text area's width. Tables: columns at their grid widths
// (twips / 15 pixels), the table's left edge at the text area's left edge;
// a merged cell spans its grid columns; cell text sits between the cell's
// left and right margins, top aligned; a row is as high as its tallest cell
// plus the room its top line takes (a half point, 10 twips); "Table Grid" paragraphs have the
// document's table spacing, and its single half-point lines are drawn one
// pixel wide on every cell's edges: the pixel where the edge falls
// (rounded), as LibreOffice draws them, so the lines of the right and bottom
// edges lie just outside the cells' fills. Fills: a cell's shading background, with
// a percentage texture mixed in its foreground colour (automatic = black).
struct DocumentLayout {
    static constexpr int Border = 6;

    QSize size;
    // Where the content starts: Border, or for a part (of() with a hand-over)
    // the top of the paragraph that starts its page.
    double top = Border;
    std::vector<Fill> fills;
    std::vector<QRect> lines;  // black, already one pixel thick rectangles
    std::vector<PlacedText> texts;
    std::vector<TableGeometry> tables;  // in document order
    // The tops of the body paragraphs that start a new page ("Page break
    // before"), in order; none for the first block, which starts one anyway.
    std::vector<double> pageBreaks;
    // For each of pageBreaks, how many fills, lines and texts were laid out
    // above it. A page after the break draws none of those, even where
    // their ink reaches past the break by a rounding, and a page before it
    // none of the others: each page shows its own stretch of the body, as
    // in a layout in parts (inParts).
    struct Items {
        size_t fills = 0;
        size_t lines = 0;
        size_t texts = 0;
    };
    std::vector<Items> itemsAbove;
    // Where the last block ends, unrounded (its spacing after left out);
    // the picture's height is this rounded up, and Border.
    double contentBottom = 0;
    // The fills, lines and texts (by their baselines) that reach into a
    // band of the picture, for drawing one page; made by of().
    BandIndex fillBands;
    BandIndex lineBands;
    BandIndex textBands;

    static DocumentLayout of(const model::DocumentModel& document, FontCatalog& fonts = FontCatalog::shared());

    // The same layout handed over in parts as it is made: each stretch of
    // the body from a paragraph that begins a new page to the next such
    // paragraph (the first from the top), in the whole layout's coordinates
    // and with its width, so that each part's pages are the whole layout's.
    // A part's content ends where the next part begins (contentBottom), the
    // last part's where the whole layout's does; parts have no pageBreaks.
    using Part = std::function<void(DocumentLayout&& part)>;
    static void inParts(const model::DocumentModel& document, const Part& part,
                        FontCatalog& fonts = FontCatalog::shared());
};

}  // namespace word::render
