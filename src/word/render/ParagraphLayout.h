#pragma once

#include "word/model/DocumentModel.h"
#include "word/render/FontCatalog.h"
#include "word/render/TextShaper.h"

#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QString>

#include <limits>
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
// the package writes as w:br) starts a new line. Heights go down in whole
// twips, as LibreOffice lays pages out: a line is as high as its fonts'
// lines (RenderFont::lineTwips; the tallest ascent over the deepest
// descent), and "auto" line spacing scales it by about line/240, as a whole
// percentage the way LibreOffice reads the package (259 is 108 %), the line
// cut down to whole twips, the extra going below the text.
// An empty paragraph is one line in its mark's font. Spacing after the
// paragraph is added below its last line.
class ParagraphLayout {
public:
    // Lengths down the document stop here (twips, some 9 km of paper), so
    // that sums of them stay inside int.
    static constexpr int FarthestTwips = std::numeric_limits<int>::max() / 4;

    // Places the paragraph's text with its top left at (left pixels, top
    // twips down the picture), appending to `out`; returns its height in
    // twips including the spacing after it.
    static int place(const model::Paragraph& paragraph, const model::ParagraphSpacing& spacing, double left, int top,
                     double width, FontCatalog& fonts, std::vector<PlacedText>& out);
    // The spacing after a paragraph in twips (at most Word's 1584 pt).
    static int spacingAfter(const model::ParagraphSpacing& spacing);
};

}  // namespace word::render
