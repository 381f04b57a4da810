#include "word/render/DocumentLayout.h"

#include "word/model/Colour.h"
#include "word/model/Units.h"

#include <algorithm>
#include <cmath>

namespace word::render {

namespace {

using namespace model;

// A half-point line is 10 twips: LibreOffice keeps room for a cell's top
// line above its text, so every row is that much taller than its content.
constexpr int GridLineTwips = 10;

// A length further down the document, in twips.
int down(int y, int length)
{
    constexpr int Farthest = ParagraphLayout::FarthestTwips;
    return std::min(Farthest, y + std::clamp(length, 0, Farthest));
}

// Lengths beyond any page are cut to this many twips (a yard), so that
// pixel positions stay far inside int; such a picture is refused anyway.
constexpr int LongestTwips = 36 * 1440;

double pixelsOf(int twips)
{
    return units::pixelsFromTwips(std::clamp(twips, 0, LongestTwips));
}

int pixel(double x)
{
    return int(std::lround(std::clamp(x, -1e9, 1e9)));
}

bool hasGridLines(const Table& table)
{
    return table.styleName == QLatin1String("Table Grid");
}

// The colour a cell's shading shows, or nothing for no fill.
std::optional<QColor> fillOf(const CellShading& shading)
{
    if (shading.isNone())
        return std::nullopt;
    const QColor background = colour::toQColor(shading.background).value_or(QColor(Qt::white));
    if (shading.texture <= 0 || shading.texture > 1000)
        return background;  // no texture, or a line pattern: its ground shows
    const QColor foreground = colour::toQColor(shading.foreground).value_or(QColor(Qt::black));
    const double share = shading.texture / 1000.0;
    auto mix = [&](int back, int fore) { return int(std::lround(back * (1 - share) + fore * share)); };
    return QColor(mix(background.red(), foreground.red()), mix(background.green(), foreground.green()),
                  mix(background.blue(), foreground.blue()));
}

class Builder {
public:
    Builder(const DocumentModel& document, FontCatalog& fonts) : m_document(document), m_fonts(fonts)
    {
        m_layout.top = 0;  // moved by the border with everything else
    }

    // The whole layout, or with `part` the layout in parts (DocumentLayout::inParts).
    DocumentLayout build(const DocumentLayout::Part* part = nullptr)
    {
        const PageSetup& page = m_document.page;
        const double textWidth = std::max(1.0, pixelsOf(page.textWidthTwips()));
        // Everything is laid out from x = 0 at the text area's left edge and
        // moved into the picture at the end. The picture is as wide as the
        // text area or the widest table; known before any part is handed over.
        double right = textWidth;
        for (const Block& block : m_document.body) {
            if (const auto* table = std::get_if<Table>(&block)) {
                double width = 0;
                for (int column : table->gridTwips)
                    width += pixelsOf(column);
                right = std::max(right, width);
            }
        }
        // Sizes beyond any picture stay beyond it without overflowing.
        const int width = int(std::min(std::ceil(right), 1e9));
        int y = 0;  // twips
        int lastSpacing = 0;
        for (const Block& block : m_document.body) {
            if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
                if (paragraph->pageBreakBefore && y > 0) {
                    if (part) {
                        // The part so far ends where this paragraph's page begins.
                        m_layout.contentBottom = units::pixelsFromTwips(y);
                        finish(width, int(std::min(std::ceil(m_layout.contentBottom), 1e9)));
                        (*part)(std::move(m_layout));
                        m_layout = DocumentLayout();
                        m_layout.top = units::pixelsFromTwips(y);
                    } else {
                        m_layout.pageBreaks.push_back(units::pixelsFromTwips(y));
                        m_layout.itemsAbove.push_back(
                            {m_layout.fills.size(), m_layout.lines.size(), m_layout.texts.size()});
                    }
                }
                const int height =
                    ParagraphLayout::place(*paragraph, m_document.bodySpacing, 0, y, textWidth, m_fonts, m_layout.texts);
                lastSpacing = ParagraphLayout::spacingAfter(m_document.bodySpacing);
                y = down(y, height);
            } else {
                y = placeTable(std::get<Table>(block), 0, y);
                lastSpacing = 0;
            }
        }
        m_layout.contentBottom = std::max(1.0, units::pixelsFromTwips(y - lastSpacing));
        finish(width, int(std::min(std::ceil(m_layout.contentBottom), 1e9)));
        if (part) {
            (*part)(std::move(m_layout));
            return DocumentLayout();
        }
        return std::move(m_layout);
    }

private:
    // Lays a table out from `top` (twips); returns where it ends (twips).
    int placeTable(const Table& table, double left, int top)
    {
        const bool grid = hasGridLines(table);
        const ParagraphSpacing& spacing = grid ? m_document.tableSpacing : m_document.bodySpacing;
        const double margin = pixelsOf(table.cellMarginTwips);
        const int lineRoom = grid ? GridLineTwips : 0;

        std::vector<double> columns{left};
        for (int width : table.gridTwips)
            columns.push_back(columns.back() + pixelsOf(width));
        TableGeometry geometry;
        for (double x : columns)
            geometry.columnEdges.push_back(pixel(x));
        geometry.bottomLine = units::pixelsFromTwips(lineRoom);

        int y = top;
        auto placeEdge = [&] {
            geometry.exactRowEdges.push_back(units::pixelsFromTwips(y));
            geometry.rowEdges.push_back(pixel(geometry.exactRowEdges.back()));
        };
        placeEdge();
        for (const Row& row : table.rows) {
            const int rowTop = pixel(units::pixelsFromTwips(y));
            int contentHeight = 0;
            int column = 0;
            for (const Cell& cell : row.cells) {
                const int first = std::clamp(column, 0, int(columns.size()) - 1);
                column += std::max(1, cell.gridSpan);
                const int last = std::clamp(column, 0, int(columns.size()) - 1);
                const double x0 = columns[first];
                const double x1 = columns[last];
                const double width = std::max(1.0, x1 - x0 - 2 * margin);
                int cellY = down(y, lineRoom);
                for (const Paragraph& paragraph : cell.paragraphs)
                    cellY = down(cellY, ParagraphLayout::place(paragraph, spacing, x0 + margin, cellY, width, m_fonts,
                                                               m_layout.texts));
                contentHeight = std::max(contentHeight, cellY - y);
                if (const auto colour = fillOf(cell.shading))
                    m_pendingFills.push_back({x0, x1, rowTop, *colour});
            }
            y = down(y, contentHeight);
            const int rowBottom = pixel(units::pixelsFromTwips(y));
            for (size_t i = m_fillsDone; i < m_pendingFills.size(); ++i) {
                const PendingFill& fill = m_pendingFills[i];
                m_layout.fills.push_back({QRect(QPoint(pixel(fill.x0), fill.top), QPoint(pixel(fill.x1) - 1, rowBottom - 1)),
                                          fill.colour});
            }
            m_fillsDone = m_pendingFills.size();

            if (grid) {
                // The row's top line, and a line at each cell's left edge; a
                // merged cell has none inside it.
                m_layout.lines.push_back(QRect(QPoint(geometry.columnEdges.front(), rowTop),
                                               QPoint(geometry.columnEdges.back(), rowTop)));
                int edge = 0;
                for (const Cell& cell : row.cells) {
                    const int x = geometry.columnEdges[std::clamp(edge, 0, int(columns.size()) - 1)];
                    m_layout.lines.push_back(QRect(QPoint(x, rowTop), QPoint(x, rowBottom)));
                    edge += std::max(1, cell.gridSpan);
                }
                const int x = geometry.columnEdges.back();
                m_layout.lines.push_back(QRect(QPoint(x, rowTop), QPoint(x, rowBottom)));
            }
            placeEdge();
        }
        if (grid) {
            const int bottom = geometry.rowEdges.back();
            m_layout.lines.push_back(QRect(QPoint(geometry.columnEdges.front(), bottom),
                                           QPoint(geometry.columnEdges.back(), bottom)));
            y = down(y, lineRoom);
        }
        m_layout.tables.push_back(std::move(geometry));
        return y;
    }

    // Moves everything by the border and fixes the picture's size.
    void finish(int contentWidth, int contentHeight)
    {
        const int d = DocumentLayout::Border;
        m_layout.top += d;
        for (Fill& fill : m_layout.fills)
            fill.rect.translate(d, d);
        for (QRect& line : m_layout.lines)
            line.translate(d, d);
        for (PlacedText& text : m_layout.texts)
            text.baseline += QPointF(d, d);
        for (double& y : m_layout.pageBreaks)
            y += d;
        m_layout.contentBottom += d;
        for (TableGeometry& table : m_layout.tables) {
            for (int& x : table.columnEdges)
                x += d;
            for (int& y : table.rowEdges)
                y += d;
            for (double& y : table.exactRowEdges)
                y += d;
        }
        m_layout.size = QSize(contentWidth + 2 * d, contentHeight + 2 * d);

        auto extents = [](const auto& items, auto extent) {
            std::vector<std::pair<double, double>> list;
            list.reserve(items.size());
            for (const auto& item : items)
                list.push_back(extent(item));
            return list;
        };
        auto ofRect = [](const QRect& rect) { return std::pair<double, double>(rect.top(), rect.top() + rect.height()); };
        m_layout.fillBands = BandIndex(extents(m_layout.fills, [&](const Fill& fill) { return ofRect(fill.rect); }));
        m_layout.lineBands = BandIndex(extents(m_layout.lines, ofRect));
        m_layout.textBands = BandIndex(extents(m_layout.texts, [](const PlacedText& text) {
            return std::pair<double, double>(text.baseline.y(), text.baseline.y());
        }));
    }

    struct PendingFill {
        double x0;
        double x1;
        int top;
        QColor colour;
    };

    const DocumentModel& m_document;
    FontCatalog& m_fonts;
    DocumentLayout m_layout;
    std::vector<PendingFill> m_pendingFills;
    size_t m_fillsDone = 0;
};

}  // namespace

DocumentLayout DocumentLayout::of(const DocumentModel& document, FontCatalog& fonts)
{
    return Builder(document, fonts).build();
}

void DocumentLayout::inParts(const DocumentModel& document, const Part& part, FontCatalog& fonts)
{
    Builder(document, fonts).build(&part);
}

}  // namespace word::render
