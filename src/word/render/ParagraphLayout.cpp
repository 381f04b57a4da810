#include "word/render/ParagraphLayout.h"

#include "word/model/Units.h"
#include "word/render/TextShaper.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>

namespace word::render {

namespace {

constexpr double TabStopPixels = units::PixelsPerInch / 2;  // Word's default tab stops: every half inch
constexpr double Tolerance = 0.01;                           // pixels lost to rounding when a line just fits

constexpr QChar LineBreak(0x0B);  // a manual line break (Shift+Enter) within a paragraph

// What lies between two line-break opportunities (a word with the blanks
// after it, or a hyphenated word's part with its hyphen), a tab or a line
// break: what is never broken apart unless it is wider than a whole line.
struct Chunk {
    enum class Kind { Text, Tab, Break };
    QString text;
    const RenderFont* font;
    double width;     // pixels, trailing blanks included
    double trailing;  // pixels of trailing blanks (they may hang past the line's end)
    Kind kind;
};

bool isBlank(QChar c)
{
    return c != QLatin1Char('\t') && c != LineBreak && c.isSpace();
}

struct LineItem {
    QString text;
    const RenderFont* font;
    double x;
};

struct Line {
    std::vector<LineItem> items;
    double contentWidth = 0;  // without trailing blanks
};

// Cuts a run into chunks at the Unicode line-break opportunities (UAX #14),
// as word processors break lines: after blanks, after a hyphen, between
// ideographs. Tabs and line breaks are chunks of their own.
void splitRun(const model::Run& run, const RenderFont& font, std::vector<Chunk>& chunks)
{
    const QString& text = run.text;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text.at(i) == QLatin1Char('\t') || text.at(i) == LineBreak) {
            chunks.push_back({QString(), &font, 0, 0, text.at(i) == LineBreak ? Chunk::Kind::Break : Chunk::Kind::Tab});
            ++i;
            continue;
        }
        qsizetype segmentEnd = i;
        while (segmentEnd < text.size() && text.at(segmentEnd) != QLatin1Char('\t') && text.at(segmentEnd) != LineBreak)
            ++segmentEnd;
        const QString segment = text.mid(i, segmentEnd - i);
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, segment);
        qsizetype from = 0;
        while (from < segment.size()) {
            breaks.setPosition(from);
            qsizetype to = breaks.toNextBoundary();
            if (to <= from)
                to = segment.size();
            // A line may break after blanks (UAX #14, LB18), which Qt's
            // finder misses in a list of numbers ("1, 2, 3, 4"): a row's
            // list was broken between digits, taking more lines than in
            // LibreOffice, which breaks after each ", ".
            for (qsizetype at = from + 1; at < to; ++at) {
                if (segment.at(at).isDigit() && isBlank(segment.at(at - 1))) {
                    to = at;
                    break;
                }
            }
            const QString piece = segment.mid(from, to - from);
            qsizetype core = piece.size();
            while (core > 0 && isBlank(piece.at(core - 1)))
                --core;
            const double width = font.advance(piece);
            const double trailing = core < piece.size() ? width - font.advance(QStringView(piece).left(core)) : 0.0;
            chunks.push_back({piece, &font, width, trailing, Chunk::Kind::Text});
            from = to;
        }
        i = segmentEnd;
    }
}

class LineBreaker {
public:
    explicit LineBreaker(double width) : m_width(std::max(1.0, width)) { m_lines.emplace_back(); }

    void add(const Chunk& chunk)
    {
        if (chunk.kind == Chunk::Kind::Break) {
            current().items.push_back({QString(), chunk.font, m_x});  // the line is at least this font's height
            newLine();
            return;
        }
        if (chunk.kind == Chunk::Kind::Tab) {
            double stop = (std::floor(m_x / TabStopPixels) + 1) * TabStopPixels;
            if (stop > m_width + Tolerance && !current().items.empty()) {
                newLine();
                stop = TabStopPixels;
            }
            current().items.push_back({QString(), chunk.font, m_x});
            m_x = std::min(stop, m_width);
            current().contentWidth = m_x;
            return;
        }
        const double core = chunk.width - chunk.trailing;
        if (m_x + core > m_width + Tolerance && !current().items.empty())
            newLine();
        if (core > m_width + Tolerance) {
            addBrokenWord(chunk);
            return;
        }
        place(chunk.text, chunk.font, chunk.width, chunk.trailing);
    }

    std::vector<Line>& lines() { return m_lines; }

private:
    Line& current() { return m_lines.back(); }

    void newLine()
    {
        m_lines.emplace_back();
        m_x = 0;
    }

    void place(const QString& text, const RenderFont* font, double width, double trailing)
    {
        Line& line = current();
        if (!line.items.empty() && line.items.back().font == font && !line.items.back().text.isEmpty())
            line.items.back().text += text;  // one drawing call for a stretch of one font
        else
            line.items.push_back({text, font, m_x});
        m_x += width;
        line.contentWidth = m_x - trailing;
    }

    // A word longer than a line: as many characters per line as fit, at
    // least one (never splitting a surrogate pair).
    void addBrokenWord(const Chunk& chunk)
    {
        const QString& text = chunk.text;
        qsizetype from = 0;
        while (from < text.size()) {
            qsizetype to = from;
            double width = 0;
            while (to < text.size()) {
                const qsizetype next = to + (text.at(to).isHighSurrogate() && to + 1 < text.size() ? 2 : 1);
                const double candidate = chunk.font->advance(QStringView(text).mid(from, next - from));
                if (to > from && m_x + candidate > m_width + Tolerance && !text.at(to).isSpace())
                    break;
                to = next;
                width = candidate;
            }
            const QString piece = text.mid(from, to - from);
            const bool last = to >= text.size();
            place(piece, chunk.font, width, last ? chunk.trailing : 0.0);
            from = to;
            if (!last)
                newLine();
        }
    }

    double m_width;
    double m_x = 0;
    std::vector<Line> m_lines;
};

// The glyphs of a line's items. Items between tabs and breaks are one
// stretch for the bidirectional algorithm: a stretch that needs shaping is
// shaped whole, from its first item's place; others are drawn item by item
// from their fonts' character maps.
void placeLine(Line& line, QPointF origin, std::vector<PlacedText>& out)
{
    auto& items = line.items;
    size_t from = 0;
    while (from < items.size()) {
        if (items[from].text.isEmpty()) {
            ++from;
            continue;
        }
        size_t to = from;
        bool shaped = false;
        while (to < items.size() && !items[to].text.isEmpty()) {
            shaped = shaped || needsShaping(items[to].text);
            ++to;
        }
        std::vector<PlacedText> direct;
        for (size_t i = from; i < to && !shaped; ++i) {
            PlacedText text{origin + QPointF(items[i].x, 0), items[i].text, items[i].font, {}, {}};
            QGlyphRun run;
            if (items[i].font->glyphRun(items[i].text, run)) {
                text.glyphs.push_back(std::move(run));
                direct.push_back(std::move(text));
            } else {
                shaped = true;  // a character the face lacks
            }
        }
        if (shaped) {
            std::vector<ShapePiece> pieces;
            QString text;
            for (size_t i = from; i < to; ++i) {
                pieces.push_back({items[i].text, items[i].font});
                text += items[i].text;
            }
            ShapedText shapedText = shapeText(pieces);
            out.push_back({origin + QPointF(items[from].x, 0), std::move(text), items[from].font,
                           std::move(shapedText.glyphs), std::move(shapedText.textLayer)});
        } else {
            for (PlacedText& text : direct)
                out.push_back(std::move(text));
        }
        from = to;
    }
}

}  // namespace

int ParagraphLayout::place(const model::Paragraph& paragraph, const model::ParagraphSpacing& spacing, double left,
                           int top, double width, FontCatalog& fonts, std::vector<PlacedText>& out)
{
    LineBreaker breaker(width);
    std::vector<Chunk> chunks;
    for (const model::Run& run : paragraph.runs) {
        if (run.text.isEmpty())
            continue;
        chunks.clear();
        splitRun(run, fonts.font(run.format), chunks);
        for (const Chunk& chunk : chunks)
            breaker.add(chunk);
    }

    const RenderFont& markFont = fonts.font(paragraph.markFormat);
    // LibreOffice reads "auto" spacing as a length first (hundredths of a
    // millimetre, rounded) and then as a whole percentage of a single line's
    // 423 hundredths, cut down: 259 is 108 %, 263 is 109 %. Under half a line
    // is half a line, none is single.
    const int lines240 = std::clamp(spacing.line240ths, 0, 132 * 240);  // Word allows at most 132 lines
    int percent = (lines240 * 127 + 36) / 72 * 100 / 423;
    if (percent < 50)
        percent = percent == 0 ? 100 : 50;
    qint64 y = top;
    for (Line& line : breaker.lines()) {
        int ascent = 0;
        int descent = 0;
        for (const LineItem& item : line.items) {
            ascent = std::max(ascent, item.font->ascentTwips);
            descent = std::max(descent, item.font->lineTwips - item.font->ascentTwips);
        }
        if (line.items.empty()) {
            ascent = markFont.ascentTwips;
            descent = markFont.lineTwips - markFont.ascentTwips;
        }
        const qint64 height = qint64(ascent + descent) * percent / 100;
        // Below single spacing the top of the letters is cut, not the foot.
        const qint64 baseline = percent >= 100 ? y + ascent : y + height - descent;

        double shift = 0;
        const double free = std::max(0.0, width - line.contentWidth);
        if (paragraph.alignment == model::Alignment::Center)
            shift = free / 2;
        else if (paragraph.alignment == model::Alignment::Right)
            shift = free;
        placeLine(line, QPointF(left + shift, units::pixelsFromTwips(int(std::min<qint64>(baseline, FarthestTwips)))), out);
        y += height;
    }
    return int(std::min<qint64>(y - top, FarthestTwips)) + spacingAfter(spacing);
}

int ParagraphLayout::spacingAfter(const model::ParagraphSpacing& spacing)
{
    return std::clamp(spacing.afterTwips, 0, 31680);
}

}  // namespace word::render
