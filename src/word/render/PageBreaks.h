#pragma once

#include "word/render/DocumentLayout.h"

#include <vector>

namespace word::render {

// One page's share of a laid-out document: the band of the picture from
// `top` to `bottom` (pixels at 96 dpi, the layout's own coordinates).
struct PageSlice {
    double top = 0;
    double bottom = 0;
    // Where painting of the page stops: the bottom, or a pixel lower where a
    // table's grid line runs along the cut (it is the last row's bottom line
    // here and the next row's top line on the next page).
    double inkBottom = 0;
};

// Cuts a laid-out document into pages of `pageHeight` pixels of text area,
// as a word processor flows it: a page ends at the last place that cuts
// neither a table row nor a line of text, so a row moves whole to the next
// page; a page that ends under a row of a grid also holds the row's bottom
// line (LibreOffice draws it there), and is cut on the pixel where the rows
// meet. Only a row (or line) taller than a page is cut: it starts where it
// stands, and goes on after its last line of text that fits whole with room
// for a grid line under it (or from the page's end when none does), the
// rest starting on the next page under room for a grid line, as LibreOffice
// breaks such a row. A page also ends where a paragraph starts that begins
// a new page (the layout's pageBreaks). The first slice starts at the
// content's top (layout.top), the last ends at its bottom; there is always
// at least one.
std::vector<PageSlice> pageSlices(const DocumentLayout& layout, double pageHeight);

}  // namespace word::render
