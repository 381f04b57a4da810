#include "word/render/PageBreaks.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace word::render {

namespace {

struct Band {
    double top;
    double bottom;
};

// Lengths that differ by less than this (pixels) are one: places summed from
// whole twips may miss each other by a rounding error of the last digit.
constexpr double Slack = 1e-6;

// The bands nothing may cut, merged where they overlap: table rows (the
// last with the table's bottom line) and lines of text.
std::vector<Band> unbreakable(const DocumentLayout& layout)
{
    std::vector<Band> bands;
    for (const TableGeometry& table : layout.tables) {
        const std::vector<double>& edges = table.exactRowEdges;
        for (size_t i = 0; i + 1 < edges.size(); ++i)
            bands.push_back({edges[i], edges[i + 1] + (i + 2 == edges.size() ? table.bottomLine : 0.0)});
    }
    // Lines in a table belong to their rows; their ink may reach past the
    // row's edge, which must stay a place to break all the same. Tables
    // follow one another down the picture, so the one that may hold a line
    // is found by halving.
    std::vector<std::pair<double, double>> tableSpans;  // top and bottom edge
    for (const TableGeometry& table : layout.tables)
        if (!table.exactRowEdges.empty())
            tableSpans.emplace_back(table.exactRowEdges.front(), table.exactRowEdges.back() + table.bottomLine);
    auto inTable = [&](double y) {
        auto after = std::upper_bound(tableSpans.begin(), tableSpans.end(), y,
                                      [](double at, const std::pair<double, double>& span) { return at < span.first; });
        return after != tableSpans.begin() && y <= std::prev(after)->second;
    };
    for (const PlacedText& text : layout.texts)
        if (!inTable(text.baseline.y()))
            bands.push_back({text.baseline.y() - text.font->ascent, text.baseline.y() + text.font->descent});
    std::sort(bands.begin(), bands.end(), [](const Band& a, const Band& b) { return a.top < b.top; });
    std::vector<Band> merged;
    for (const Band& band : bands) {
        // Bands that only touch stay apart: their common edge is a place to break.
        if (!merged.empty() && band.top < merged.back().bottom - Slack)
            merged.back().bottom = std::max(merged.back().bottom, band.bottom);
        else
            merged.push_back(band);
    }
    return merged;
}

// A place where a page may end.
struct Place {
    double at;    // where it lies in the layout
    double cut;   // where the picture is cut there: a table's rows meet on whole pixels, where their line is drawn
    double need;  // how far down the page must reach to end here: under a row, its bottom line too
};

// The places between the bands, in order, and the content's end.
std::vector<Place> places(const DocumentLayout& layout, const std::vector<Band>& bands, double end)
{
    std::vector<Place> rowEdges;
    for (const TableGeometry& table : layout.tables) {
        const std::vector<double>& edges = table.exactRowEdges;
        for (size_t i = 0; i + 1 < edges.size() && i < table.rowEdges.size(); ++i)
            rowEdges.push_back({edges[i], double(table.rowEdges[i]), edges[i] + (i > 0 ? table.bottomLine : 0.0)});
    }
    std::sort(rowEdges.begin(), rowEdges.end(), [](const Place& a, const Place& b) { return a.at < b.at; });
    auto place = [&](double at) {
        const auto edge = std::lower_bound(rowEdges.begin(), rowEdges.end(), at - Slack,
                                           [](const Place& place, double y) { return place.at < y; });
        if (edge != rowEdges.end() && edge->at <= at + Slack)
            return *edge;
        return Place{at, at, at};
    };
    std::vector<Place> list;
    for (const Band& band : bands) {
        list.push_back(place(band.top));
        list.push_back(place(band.bottom));
    }
    list.push_back({end, end, end});
    std::sort(list.begin(), list.end(), [](const Place& a, const Place& b) { return a.at < b.at; });
    return list;
}

}  // namespace

std::vector<PageSlice> pageSlices(const DocumentLayout& layout, double pageHeight)
{
    const double top = layout.top;
    const double end = std::max(top, layout.contentBottom);
    pageHeight = std::max(pageHeight, 1.0);

    const std::vector<Band> bands = unbreakable(layout);
    const std::vector<Place> breaks = places(layout, bands, end);

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
        const bool lineAlong = to == std::floor(to) && std::binary_search(gridLines.begin(), gridLines.end(), int(to));
        return PageSlice{from, to, lineAlong ? to + 1 : to};
    };
    // The room for a grid line where a row is cut at `y`: its table's.
    auto lineRoomAt = [&](double y) {
        for (const TableGeometry& table : layout.tables)
            if (!table.exactRowEdges.empty() && table.exactRowEdges.front() <= y + Slack
                && y < table.exactRowEdges.back() + table.bottomLine)
                return table.bottomLine;
        return 0.0;
    };
    std::vector<PageSlice> slices;
    Place from{top, top, top};
    auto forced = layout.pageBreaks.begin();
    for (;;) {
        while (forced != layout.pageBreaks.end() && *forced <= from.at + Slack)
            ++forced;
        const double limit = from.at + pageHeight + Slack;
        if (forced != layout.pageBreaks.end() && *forced <= limit && *forced < end) {
            slices.push_back(slice(from.cut, *forced));
            from = {*forced, *forced, *forced};
            continue;
        }
        if (end <= limit)
            break;
        // The last place whose page holds all it needs.
        auto after = std::upper_bound(breaks.begin(), breaks.end(), limit,
                                      [](double at, const Place& place) { return at < place.at; });
        while (after != breaks.begin() && std::prev(after)->need > limit)
            --after;
        Place to{limit, limit, limit};
        double cutAfter = from.at;  // a row from here on is cut
        bool cut = true;
        if (after != breaks.begin() && std::prev(after)->at > from.at + Slack) {
            to = *std::prev(after);
            // A row that fits no page starts where it stands, as in LibreOffice.
            const auto next = std::lower_bound(bands.begin(), bands.end(), to.at - Slack,
                                               [](const Band& band, double at) { return band.top < at; });
            cut = next != bands.end() && next->top < limit && next->bottom - next->top > pageHeight;
            if (cut)
                cutAfter = next->top;
        }
        if (cut) {
            // The row's part on this page keeps room for a line under it, and
            // its part on the next starts with room for one above it.
            const double room = lineRoomAt(cutAfter);
            const auto edge = std::upper_bound(lineEdges.begin(), lineEdges.end(), limit - room);
            const double at = edge != lineEdges.begin() && *std::prev(edge) > cutAfter ? *std::prev(edge) : limit;
            to = {at, at, at};
            if (at > cutAfter + room)
                to.at = to.cut = to.need = at - room;
        }
        slices.push_back(slice(from.cut, to.cut));
        from = to;
    }
    slices.push_back(slice(from.cut, end));
    return slices;
}

}  // namespace word::render
