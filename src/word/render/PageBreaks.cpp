#include "word/render/PageBreaks.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace word::render {

namespace {

struct Band {
    double top;
    double bottom;
};

// The bands nothing may cut, merged where they overlap: table rows and lines of text.
std::vector<Band> unbreakable(const DocumentLayout& layout)
{
    std::vector<Band> bands;
    for (const TableGeometry& table : layout.tables)
        for (size_t i = 0; i + 1 < table.rowEdges.size(); ++i)
            bands.push_back({double(table.rowEdges[i]), double(table.rowEdges[i + 1])});
    // Lines in a table belong to their rows; their ink may reach past the
    // row's rounded edge, which must stay a place to break all the same.
    // Tables follow one another down the picture, so the one that may hold
    // a line is found by halving.
    std::vector<std::pair<int, int>> tableSpans;  // top and bottom edge
    for (const TableGeometry& table : layout.tables)
        if (!table.rowEdges.empty())
            tableSpans.emplace_back(table.rowEdges.front(), table.rowEdges.back());
    auto inTable = [&](double y) {
        auto after = std::upper_bound(tableSpans.begin(), tableSpans.end(), y,
                                      [](double at, const std::pair<int, int>& span) { return at < span.first; });
        return after != tableSpans.begin() && y <= std::prev(after)->second;
    };
    for (const PlacedText& text : layout.texts)
        if (!inTable(text.baseline.y()))
            bands.push_back({text.baseline.y() - text.font->ascent, text.baseline.y() + text.font->descent});
    std::sort(bands.begin(), bands.end(), [](const Band& a, const Band& b) { return a.top < b.top; });
    std::vector<Band> merged;
    for (const Band& band : bands) {
        // Bands that only touch stay apart: their common edge is a place to break.
        if (!merged.empty() && band.top < merged.back().bottom)
            merged.back().bottom = std::max(merged.back().bottom, band.bottom);
        else
            merged.push_back(band);
    }
    return merged;
}

}  // namespace

std::vector<PageSlice> pageSlices(const DocumentLayout& layout, double pageHeight)
{
    const double top = DocumentLayout::Border;
    const double end = std::max(top, double(layout.size.height() - DocumentLayout::Border));
    pageHeight = std::max(pageHeight, 1.0);

    // Each merged band's edges are the places to break, in order.
    const std::vector<Band> bands = unbreakable(layout);
    std::vector<double> breaks;
    for (const Band& band : bands) {
        breaks.push_back(band.top);
        breaks.push_back(band.bottom);
    }
    breaks.push_back(end);
    std::sort(breaks.begin(), breaks.end());

    // Where a row taller than a page is cut: between its lines of text, as
    // LibreOffice moves a line that does not fit whole to the next page.
    std::vector<double> lineEdges;
    for (const PlacedText& text : layout.texts) {
        lineEdges.push_back(text.baseline.y() - text.font->ascent);
        lineEdges.push_back(text.baseline.y() + text.font->descent);
    }
    std::sort(lineEdges.begin(), lineEdges.end());

    std::vector<int> gridLines;  // the heights of the horizontal lines
    for (const QRect& line : layout.lines)
        if (line.height() == 1 && line.width() > 1)
            gridLines.push_back(line.top());
    std::sort(gridLines.begin(), gridLines.end());
    auto slice = [&](double from, double to) {
        const bool lineAlong = std::binary_search(gridLines.begin(), gridLines.end(), int(to));
        return PageSlice{from, to, lineAlong ? to + 1 : to};
    };
    std::vector<PageSlice> slices;
    double from = top;
    auto forced = layout.pageBreaks.begin();
    for (;;) {
        while (forced != layout.pageBreaks.end() && *forced <= from)
            ++forced;
        const double limit = from + pageHeight;
        if (forced != layout.pageBreaks.end() && *forced <= limit && *forced < end) {
            slices.push_back(slice(from, *forced));
            from = *forced;
            continue;
        }
        if (end - from <= pageHeight)
            break;
        auto after = std::upper_bound(breaks.begin(), breaks.end(), limit);
        double to = limit;
        double cutAfter = from;  // a row from here on is cut
        bool cut = true;
        if (after != breaks.begin() && *std::prev(after) > from) {
            to = *std::prev(after);
            // A row that fits no page starts where it stands, as in LibreOffice.
            const auto next = std::lower_bound(bands.begin(), bands.end(), to,
                                               [](const Band& band, double at) { return band.top < at; });
            cut = next != bands.end() && next->top < limit && next->bottom - next->top > pageHeight;
            if (cut)
                cutAfter = next->top;
        }
        if (cut) {
            const auto edge = std::upper_bound(lineEdges.begin(), lineEdges.end(), limit);
            to = edge != lineEdges.begin() && *std::prev(edge) > cutAfter ? *std::prev(edge) : limit;
        }
        slices.push_back(slice(from, to));
        from = to;
    }
    slices.push_back(slice(from, end));
    return slices;
}

}  // namespace word::render
