#include "word/render/PageBreaks.h"

#include <algorithm>

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
    auto inTable = [&](double y) {
        return std::any_of(layout.tables.begin(), layout.tables.end(), [y](const TableGeometry& table) {
            return !table.rowEdges.empty() && table.rowEdges.front() <= y && y <= table.rowEdges.back();
        });
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
    std::vector<double> breaks;
    for (const Band& band : unbreakable(layout)) {
        breaks.push_back(band.top);
        breaks.push_back(band.bottom);
    }
    breaks.push_back(end);
    std::sort(breaks.begin(), breaks.end());

    auto slice = [&](double from, double to) {
        const bool lineAlong = std::any_of(layout.lines.begin(), layout.lines.end(), [&](const QRect& line) {
            return line.height() == 1 && line.width() > 1 && line.top() == int(to);
        });
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
        if (after != breaks.begin() && *std::prev(after) > from)
            to = *std::prev(after);
        slices.push_back(slice(from, to));
        from = to;
    }
    slices.push_back(slice(from, end));
    return slices;
}

}  // namespace word::render
