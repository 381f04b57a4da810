#pragma once

#include <QImage>

#include <functional>

namespace word {

// Where Range.CopyAsPicture puts its picture. The default puts it on the
// system clipboard (QGuiApplication::clipboard()); a test may catch it.
// An empty function restores the default.
using PictureSink = std::function<void(const QImage&)>;
void setPictureSink(PictureSink sink);
const PictureSink& pictureSink();

}  // namespace word
