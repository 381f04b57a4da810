#include "word/render/TextShaper.h"

#include "word/model/Units.h"
#include "word/render/FontCatalog.h"
#include "word/render/TextLayerFont.h"

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

// Each word's characters in the text layer's face (TextLayerFont.h), in
// visual order (as a reader of PDFs expects them), stretched over the
// word's glyphs. Characters that face lacks (beyond the Basic Multilingual
// Plane) are left out; without the face, a word is written in the face
// drawing it, and left out where that lacks one of its characters.
QList<LayerWord> textLayer(QTextLayout& layout, const QString& text)
{
    QList<LayerWord> layer;
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
        QRawFont raw = textLayerFont(drawn.front().rawFont().pixelSize());
        QList<quint32> glyphs;
        if (raw.isValid()) {
            glyphs = raw.glyphIndexesForString(word);
            glyphs.removeAll(0u);
        } else {
            raw = drawn.front().rawFont();
            glyphs = raw.glyphIndexesForString(word);
            if (glyphs.contains(0u))
                continue;  // a word in several faces: left out rather than shown wrong
        }
        if (glyphs.isEmpty())
            continue;
        const QChar::Direction direction = word.at(0).direction();
        if (direction == QChar::DirR || direction == QChar::DirAL)
            std::reverse(glyphs.begin(), glyphs.end());
        // Side by side at their own advances, stretched to end where the
        // word's glyphs do: a reader takes the characters' extent from their
        // advances, and a gap between two would split the word.
        const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
        QList<QPointF> positions;
        double natural = 0;
        for (const QPointF& advance : advances) {
            positions.push_back(QPointF(natural / Magnification, 0));
            natural += advance.x();
        }
        LayerWord layerWord;
        layerWord.glyphs.setRawFont(drawnSize(raw));
        layerWord.glyphs.setGlyphIndexes(glyphs);
        layerWord.glyphs.setPositions(positions);
        layerWord.left = left / Magnification;
        layerWord.stretch = natural > 0 ? (right - left) / natural : 1.0;
        layer.push_back(std::move(layerWord));
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
    // Whether a PDF reader gets the text back from the glyphs: each glyph is
    // a face's own for a character of the text, and that character is the
    // one the reader finds for it. A missing character's glyph 0, a joined
    // or conjunct form, and a glyph its face shares with a lower character
    // (日 and ⽇) do not read back.
    bool mapsBack = true;
    QSet<char16_t> typed;
    for (const QChar c : text)
        typed.insert(c.unicode());
    for (const QGlyphRun& run : runs) {
        for (const quint32 glyph : run.glyphIndexes())
            mapsBack = mapsBack && glyph != 0 && typed.contains(characterReadBack(run.rawFont(), glyph));
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
