#include "word/render/DocumentLayout.h"

#include "word/model/Colour.h"
#include "word/model/Units.h"

#include <algorithm>
#include <cmath>

namespace word::render {

namespace {

using namespace model;

// A half-point line is 2/3 pixel: LibreOffice keeps room for a cell's top
// line above its text, so every row is that much taller than its content.
constexpr double GridLinePixels = 2.0 / 3.0;

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
    Builder(const DocumentModel& document, FontCatalog& fonts) : m_document(document), m_fonts(fonts) {}

    DocumentLayout build()
    {
        const PageSetup& page = m_document.page;
        const double textWidth = std::max(1.0, pixelsOf(page.textWidthTwips()));
        // Everything is laid out from x = 0 at the text area's left edge and
        // moved into the picture at the end.
        double right = textWidth;
        double y = 0;
        double lastSpacing = 0;
        for (const Block& block : m_document.body) {
            if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
                if (paragraph->pageBreakBefore && y > 0)
                    m_layout.pageBreaks.push_back(pixel(y));
                const double height =
                    ParagraphLayout::place(*paragraph, m_document.bodySpacing, 0, y, textWidth, m_fonts, m_layout.texts);
                lastSpacing = ParagraphLayout::spacingAfter(m_document.bodySpacing);
                y += height;
            } else {
                const Table& table = std::get<Table>(block);
                double width = 0;
                for (int column : table.gridTwips)
                    width += pixelsOf(column);
                right = std::max(right, width);
                y = placeTable(table, 0, y);
                lastSpacing = 0;
            }
        }
        const double contentHeight = std::max(1.0, y - lastSpacing);
        // Sizes beyond any picture stay beyond it without overflowing.
        finish(int(std::min(std::ceil(right), 1e9)), int(std::min(std::ceil(contentHeight), 1e9)));
        return std::move(m_layout);
    }

private:
    double placeTable(const Table& table, double left, double top)
    {
        const bool grid = hasGridLines(table);
        const ParagraphSpacing& spacing = grid ? m_document.tableSpacing : m_document.bodySpacing;
        const double margin = pixelsOf(table.cellMarginTwips);
        const double lineRoom = grid ? GridLinePixels : 0.0;

        std::vector<double> columns{left};
        for (int width : table.gridTwips)
            columns.push_back(columns.back() + pixelsOf(width));
        TableGeometry geometry;
        for (double x : columns)
            geometry.columnEdges.push_back(pixel(x));

        double y = top;
        geometry.rowEdges.push_back(pixel(y));
        for (const Row& row : table.rows) {
            double contentHeight = 0;
            int column = 0;
            for (const Cell& cell : row.cells) {
                const int first = std::clamp(column, 0, int(columns.size()) - 1);
                column += std::max(1, cell.gridSpan);
                const int last = std::clamp(column, 0, int(columns.size()) - 1);
                const double x0 = columns[first];
                const double x1 = columns[last];
                const double width = std::max(1.0, x1 - x0 - 2 * margin);
                double cellY = y + lineRoom;
                for (const Paragraph& paragraph : cell.paragraphs)
                    cellY += ParagraphLayout::place(paragraph, spacing, x0 + margin, cellY, width, m_fonts, m_layout.texts);
                contentHeight = std::max(contentHeight, cellY - y);
                if (const auto colour = fillOf(cell.shading))
                    m_pendingFills.push_back({x0, x1, pixel(y), *colour});
            }
            const double bottom = y + contentHeight;
            for (size_t i = m_fillsDone; i < m_pendingFills.size(); ++i) {
                const PendingFill& fill = m_pendingFills[i];
                m_layout.fills.push_back({QRect(QPoint(pixel(fill.x0), fill.top), QPoint(pixel(fill.x1) - 1, pixel(bottom) - 1)),
                                          fill.colour});
            }
            m_fillsDone = m_pendingFills.size();

            if (grid) {
                // The row's top line, and a line at each cell's left edge; a
                // merged cell has none inside it.
                const int rowTop = pixel(y);
                const int rowBottom = pixel(bottom);
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
            y = bottom;
            geometry.rowEdges.push_back(pixel(y));
        }
        if (grid) {
            const int bottom = pixel(y);
            m_layout.lines.push_back(QRect(QPoint(geometry.columnEdges.front(), bottom),
                                           QPoint(geometry.columnEdges.back(), bottom)));
            y += lineRoom;
        }
        m_layout.tables.push_back(std::move(geometry));
        return y;
    }

    // Moves everything by the border and fixes the picture's size.
    void finish(int contentWidth, int contentHeight)
    {
        const int d = DocumentLayout::Border;
        for (Fill& fill : m_layout.fills)
            fill.rect.translate(d, d);
        for (QRect& line : m_layout.lines)
            line.translate(d, d);
        for (PlacedText& text : m_layout.texts)
            text.baseline += QPointF(d, d);
        for (int& y : m_layout.pageBreaks)
            y += d;
        for (TableGeometry& table : m_layout.tables) {
            for (int& x : table.columnEdges)
                x += d;
            for (int& y : table.rowEdges)
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

}  // namespace word::render
