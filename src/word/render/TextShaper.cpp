#include "word/render/TextShaper.h"

#include "word/model/Units.h"
#include "word/render/FontCatalog.h"

#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace word::render {

namespace {

// Laid out this many times larger than drawn.
constexpr double Magnification = 64.0;

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
    for (QGlyphRun run : line.glyphRuns()) {
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
        QRawFont raw = run.rawFont();
        raw.setPixelSize(raw.pixelSize() / Magnification);
        run.setRawFont(raw);
        run.setPositions(positions);
        shaped.glyphs.push_back(std::move(run));
    }
    return shaped;
}

}  // namespace word::render
