#pragma once

#include <QGlyphRun>
#include <QList>
#include <QString>

#include <vector>

namespace word::render {

struct RenderFont;

// A stretch of one line's text in one or more fonts, in logical order: what
// lies between two tabs or line breaks, so that the bidirectional algorithm
// sees what it would see in a word processor's line.
struct ShapePiece {
    QString text;
    const RenderFont* font = nullptr;
};

// A word of a PDF's text layer: its characters' glyphs in the text layer's
// face (TextLayerFont.h), placed at their own advances from the word's left
// end, which lies `left` pixels from the stretch's left end on the baseline;
// drawn `stretch` times as wide, they span the word's drawn glyphs exactly,
// so that a PDF reader finds no gap between them.
struct LayerWord {
    QGlyphRun glyphs;
    double left = 0;
    double stretch = 1.0;
};

// Glyphs as they are drawn: runs in visual order, each glyph placed in
// pixels at 96 dpi relative to the stretch's left end on the baseline, each
// run's QRawFont at its pixel size on that device (so a device of any
// resolution draws it at its point size).
struct ShapedText {
    QList<QGlyphRun> glyphs;
    double width = 0;  // pixels, trailing blanks included
    // Where some of the glyphs stand for no character of the face's
    // character map (a Devanagari conjunct, a joined Arabic letter), which
    // is all a PDF writer can map glyphs back by, or where a glyph stands
    // for a lower character too (日 and ⽇) or is missing: each word's
    // characters, in visual order, over the word's glyphs; for a PDF's text
    // layer, drawn invisibly. Empty where the glyphs map back to the text.
    QList<LayerWord> textLayer;
};

// Text laid out the way Qt's own text engine lays it out: HarfBuzz shaping
// (Arabic joined, combining marks on their letters), the Unicode
// bidirectional algorithm in a left-to-right paragraph (a right-to-left
// phrase reads right to left, as Word and LibreOffice show it in the
// planner's paragraphs), and Qt's font fallback for characters the face
// lacks, at the face's point size. Unhinted and unkerned, like the rest of
// the renderer; measured at a large size and scaled down, so that Qt's
// 1/64-pixel rounding does not add up along a line.
ShapedText shapeText(const std::vector<ShapePiece>& pieces);

// Whether a text needs shaping: anything but left-to-right characters that
// map one to one onto glyphs (Latin, with precomposed accents, digits,
// punctuation). Such text is drawn glyph by glyph from the face's own
// character map, which is what shaping would give it too, without paying
// for a text engine.
bool needsShaping(QStringView text);

}  // namespace word::render
