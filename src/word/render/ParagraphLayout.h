#pragma once

#include "word/model/DocumentModel.h"
#include "word/render/FontCatalog.h"
#include "word/render/TextShaper.h"

#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QString>

#include <vector>

namespace word::render {

// A piece of text on one line, placed by its baseline's left end (pixels in
// the picture), with the glyphs that draw it: every output draws these, so
// the preview, PDF, print and pictures cannot disagree. `text` is in logical
// (reading) order; `glyphs` in visual order, placed relative to `baseline`.
// `font` is the piece's first font, whose ascent and descent the line has.
struct PlacedText {
    QPointF baseline;
    QString text;
    const RenderFont* font = nullptr;
    QList<QGlyphRun> glyphs;
    QList<LayerWord> textLayer;  // see ShapedText::textLayer
};

// Lays one paragraph out into lines (left to right: right-to-left phrases
// are ordered within their stretch of line by the bidirectional algorithm,
// see TextShaper.h) within a width, all in pixels at 96 dots
// per inch: lines break at the Unicode line-break opportunities (after
// blanks, after a hyphen; a word wider than the line breaks between
// characters only then), lines are aligned left, centred or right (justified text is
// set flush left), tabs stop every half inch, a line break (U+000B, which
// the package writes as w:br) starts a new line. Line height follows the
// paragraph spacing as Word and LibreOffice read "auto" line spacing: the
// font's ascent plus descent, times line/240, the extra going below the
// text. An empty paragraph is one line in its mark's font. Spacing after
// the paragraph is added below its last line.
class ParagraphLayout {
public:
    // Places the paragraph's text with its top left at (left, top), appending
    // to `out`; returns its height including the spacing after it.
    static double place(const model::Paragraph& paragraph, const model::ParagraphSpacing& spacing, double left,
                        double top, double width, FontCatalog& fonts, std::vector<PlacedText>& out);
    // The spacing after a paragraph in pixels (at most Word's 1584 pt).
    static double spacingAfter(const model::ParagraphSpacing& spacing);
};

}  // namespace word::render
