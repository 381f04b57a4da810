#pragma once

#include "word/model/DocumentModel.h"

#include <QImage>

namespace word {

// A picture of the document's content, as Range.CopyAsPicture puts it on the
// clipboard: drawn at 96 pixels per inch (one point is 4/3 pixel, one pixel
// 15 twips) on a white ground, text in black. It covers the content alone,
// not the page: the page's left margin is cut away and a border of
// render::DocumentLayout::Border pixels is left round the content (see
// render/DocumentLayout.h for the layout rules). Fonts missing here are
// replaced as LibreOffice replaces them (render/FontCatalog.h), so the picture
// shows what LibreOffice shows for the saved file. Renders on the calling
// thread, which must be the GUI thread. Throws DocumentError when no
// picture can be made (a document too large for one picture).
QImage renderDocument(const model::DocumentModel& document);

}  // namespace word
