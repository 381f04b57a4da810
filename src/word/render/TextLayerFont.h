#pragma once

#include <QRawFont>

namespace word::render {

// The face a PDF's text layer is written in (made by
// tools/make_text_layer_font.py and compiled in): every character of the
// Basic Multilingual Plane has an empty glyph of its own, half an em wide.
//
// A PDF reader finds the character of a glyph only through the embedded
// face's character map, which Qt's PDF writer turns back into characters by
// taking the lowest character that names the glyph. Real faces defeat that
// where they share a glyph (日 and the Kangxi radical ⽇ are one glyph in
// Noto Sans CJK, so 日 reads back as ⽇) or have none (Thai with no Thai font
// installed). Text drawn invisibly in this face reads back as it was typed.
//
// The face is known to the font database only for the moment it takes to
// load it, so that Qt never picks it to draw a character some other face
// lacks. Characters beyond the Basic Multilingual Plane have no glyph here.
//
// The face at `pixelSize`; invalid when it could not be loaded. GUI thread
// only, as all fonts.
QRawFont textLayerFont(qreal pixelSize);

// The lowest character of the Basic Multilingual Plane whose glyph in `face`
// is `glyph`: the one a PDF reader gives back for it; 0 for none.
char16_t characterReadBack(const QRawFont& face, quint32 glyph);

}  // namespace word::render
