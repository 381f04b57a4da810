#include "word/render/TextShaper.h"

#include "word/model/Units.h"
#include "word/render/FontCatalog.h"

#include <QSet>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace word::render {

namespace {

// Laid out this many times larger than drawn.
constexpr double Magnification = 64.0;

QRawFont drawnSize(QRawFont raw)
{
    raw.setPixelSize(raw.pixelSize() / Magnification);
    return raw;
}

// Each word's characters in the face drawing it, in visual order (as a
// reader of PDFs expects them), spread evenly over the word's glyphs.
QList<QGlyphRun> textLayer(QTextLayout& layout, const QString& text)
{
    QList<QGlyphRun> layer;
    qsizetype from = 0;
    while (from < text.size()) {
        if (text.at(from).isSpace()) {
            ++from;
            continue;
        }
        qsizetype to = from;
        while (to < text.size() && !text.at(to).isSpace())
            ++to;
        const QString word = text.mid(from, to - from);
        const QList<QGlyphRun> drawn = layout.glyphRuns(int(from), int(to - from));
        from = to;
        double left = std::numeric_limits<double>::max();
        double right = std::numeric_limits<double>::lowest();
        for (const QGlyphRun& run : drawn) {
            const QList<QPointF> advances = run.rawFont().advancesForGlyphIndexes(run.glyphIndexes(), QRawFont::UseDesignMetrics);
            const QList<QPointF> positions = run.positions();
            for (qsizetype i = 0; i < positions.size() && i < advances.size(); ++i) {
                left = std::min(left, positions[i].x());
                right = std::max(right, positions[i].x() + advances[i].x());
            }
        }
        if (drawn.isEmpty() || right <= left)
            continue;
        const QRawFont raw = drawn.front().rawFont();
        QList<quint32> glyphs = raw.glyphIndexesForString(word);
        if (glyphs.contains(0u))
            continue;  // a word in several faces: left out rather than shown wrong
        const QChar::Direction direction = word.at(0).direction();
        if (direction == QChar::DirR || direction == QChar::DirAL)
            std::reverse(glyphs.begin(), glyphs.end());
        // Spread so that the last character ends where the word's glyphs do:
        // a reader takes its extent from the characters' own advances.
        const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
        double natural = 0;
        for (qsizetype i = 0; i + 1 < advances.size(); ++i)
            natural += advances[i].x();
        const double last = advances.isEmpty() ? 0.0 : advances.back().x();
        const double stretch = natural > 0 ? std::max(0.0, right - left - last) / natural : 1.0;
        QList<QPointF> positions;
        double x = left;
        for (const QPointF& advance : advances) {
            positions.push_back(QPointF(x / Magnification, 0));
            x += advance.x() * stretch;
        }
        QGlyphRun run;
        run.setRawFont(drawnSize(raw));
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        layer.push_back(std::move(run));
    }
    return layer;
}

}  // namespace

bool needsShaping(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x0300)
            continue;  // Latin, Latin-1 and Latin Extended-A/B, IPA, spacing modifiers
        if (u >= 0x1E00 && u <= 0x1EFF)
            continue;  // Latin Extended Additional (Vietnamese and others, precomposed)
        if (u >= 0x2010 && u <= 0x2027)
            continue;  // dashes, quotes, bullets, ellipsis
        if (u >= 0x2030 && u <= 0x205E)
            continue;
        if (u >= 0x20A0 && u <= 0x20C0)
            continue;  // currency signs
        return true;
    }
    return false;
}

ShapedText shapeText(const std::vector<ShapePiece>& pieces)
{
    ShapedText shaped;
    if (pieces.empty())
        return shaped;
    QString text;
    QList<QTextLayout::FormatRange> formats;
    for (const ShapePiece& piece : pieces) {
        QTextLayout::FormatRange range;
        range.start = int(text.size());
        range.length = int(piece.text.size());
        QFont font = piece.font->font;
        font.setPointSizeF(piece.font->font.pointSizeF() * Magnification);
        range.format.setFont(font);
        formats.push_back(range);
        text += piece.text;
    }
    QFont base = pieces.front().font->font;
    base.setPointSizeF(base.pointSizeF() * Magnification);
    QTextLayout layout(text, base, measuringDevice());
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setUseDesignMetrics(true);
    option.setWrapMode(QTextOption::NoWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.setFormats(formats);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (!line.isValid()) {
        layout.endLayout();
        return shaped;
    }
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    const double baseline = line.ascent();
    shaped.width = line.naturalTextWidth() / Magnification;
    const QList<QGlyphRun> runs = line.glyphRuns();
    bool mapsBack = true;
    for (const QGlyphRun& run : runs) {
        const QList<quint32> indexes = run.rawFont().glyphIndexesForString(text);
        const QSet<quint32> mapped(indexes.begin(), indexes.end());
        for (const quint32 glyph : run.glyphIndexes())
            mapsBack = mapsBack && mapped.contains(glyph);
    }
    if (!mapsBack)
        shaped.textLayer = textLayer(layout, text);
    for (QGlyphRun run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions)
            position = QPointF(position.x() / Magnification, (position.y() - baseline) / Magnification);
        if (run.isRightToLeft()) {
            // Right-to-left runs come in logical order, placed from right to
            // left. A PDF's reader joins glyphs into words as they advance
            // left to right (as LibreOffice writes them), so they are put in
            // visual order.
            QList<quint32> indexes = run.glyphIndexes();
            std::reverse(indexes.begin(), indexes.end());
            std::reverse(positions.begin(), positions.end());
            run.setGlyphIndexes(indexes);
            run.setRightToLeft(false);
        }
        run.setRawFont(drawnSize(run.rawFont()));
        run.setPositions(positions);
        shaped.glyphs.push_back(std::move(run));
    }
    return shaped;
}

}  // namespace word::render
