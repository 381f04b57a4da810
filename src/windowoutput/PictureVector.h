#pragma once

#include "word/DocumentPages.h"

class QMimeData;

namespace windowoutput {

// The vector flavour of a copied picture, which differs by system. On Linux
// (PictureVector.cpp) it is SVG (image/svg+xml), one SVG unit per pixel at
// 96 dpi, text as outlines. The Windows build has no SVG writer (QtSvg is not
// built for it), so PictureVectorWindows.cpp adds nothing and the bitmap
// alone goes on the clipboard.
void addVectorPicture(QMimeData& data, const word::DocumentPages& pages);

}  // namespace windowoutput
