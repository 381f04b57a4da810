#pragma once

#include "word/model/DocumentModel.h"

#include <QImage>
#include <QPicture>

class QPainter;

namespace word::render {
struct DocumentLayout;
struct PlacedText;
class FontCatalog;

// Whether a text is drawn in its own font's face alone (no other face's
// glyphs, no text layer): what a PDF sets as text of that face, and what a
// thread other than the layout's can draw in faces of its own.
bool drawnInOwnFace(const PlacedText& text);
}

namespace word {

// A picture of the document's content, as Range.CopyAsPicture puts it on the
// clipboard: a vector picture (QPicture) whose bounding rectangle is the
// content's size at 96 pixels per inch (one point is 4/3 pixel, one pixel 15
// twips), on a white ground, text in black. Replayed at any scale it draws
// from its outlines, so text and lines stay as sharp as the device allows.
// It covers the content alone, not the page: the page's left margin is cut
// away and a border of render::DocumentLayout::Border pixels is left round
// the content (see render/DocumentLayout.h for the layout rules). Fonts
// missing here are replaced as LibreOffice replaces them
// (render/FontCatalog.h), so the picture shows what LibreOffice shows for the
// saved file. Renders on the calling thread, which must be the GUI thread.
// Throws DocumentError when no picture can be made (a document too large
// for one picture).
QPicture pictureOfDocument(const model::DocumentModel& document);

// The same drawing made directly on an image, `scale` times the 96-dpi size
// in device pixels (the image's own pixels, at device pixel ratio 1).
QImage renderDocument(const model::DocumentModel& document, double scale = 1.0);

// Paints a laid-out document on `painter` in the picture's coordinates
// (pixels at 96 dpi, the content's top left at Border, Border): cell fills,
// grid lines and text, nothing of the white ground. Vector devices get
// vectors: glyphs as text where the device keeps text (PDF), as outlines
// on an SVG. On a PDF, text whose glyphs do not map back to its characters
// (render/TextShaper.h) is drawn as outlines with its characters invisible
// over it, so that search and copy find the words. A painter clipped to a
// band (a page) draws only the text whose baselines lie in it. GUI thread
// only, like renderDocument.
void paintDocument(const render::DocumentLayout& layout, QPainter& painter);

// paintDocument() on a PDF from a thread other than the one that laid the
// layout out, drawing its text in `fonts`, a catalog of the painting
// thread (FontCatalog::sameAs). Every text must be drawnInOwnFace(), found
// so on the layout's thread (whose faces this looks at nowhere); throws
// std::runtime_error where a text cannot be set so here, or a face differs.
void paintDocumentWith(const render::DocumentLayout& layout, QPainter& painter, render::FontCatalog& fonts);

}  // namespace word
