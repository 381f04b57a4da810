#pragma once

#include "word/DocumentPages.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace output {

// "Copy Picture": puts the planner document at `wordFile` on the clipboard
// as SVG (image/svg+xml, for programs that take vectors) and as a bitmap at
// BitmapDpi (PNG, for those that take only bitmaps). Throws
// std::runtime_error when the document cannot be read.
void copyPicture(const QString& wordFile);

inline constexpr int BitmapDpi = 192;

// The picture as an SVG document, one SVG unit per pixel at 96 dpi, text as outlines.
QByteArray pictureSvg(const word::DocumentPages& pages);
// The picture as a bitmap at `dpi`.
QImage pictureBitmap(const word::DocumentPages& pages, int dpi);

}  // namespace output
