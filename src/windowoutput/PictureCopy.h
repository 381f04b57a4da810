#pragma once

#include "word/DocumentPages.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace windowoutput {

// "Copy Picture": puts the planner document at `wordFile` on the clipboard
// as a bitmap at BitmapDpi (PNG, and the system's bitmap formats) and, where
// the system has one, as a vector picture (PictureVector.h). Throws
// errors::UserError when the document cannot be read.
void copyPicture(const QString& wordFile);

inline constexpr int BitmapDpi = 192;

// The picture as a bitmap at `dpi`.
QImage pictureBitmap(const word::DocumentPages& pages, int dpi);

}  // namespace windowoutput
