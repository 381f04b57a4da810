#pragma once

#include <QPicture>

#include <functional>

namespace word {

// Where Range.CopyAsPicture puts its picture: the clipboard of the program
// that drives Word, which installs its sink once at start. Without one the
// copy fails as a busy clipboard would. An empty function removes the sink.
using PictureSink = std::function<void(const QPicture&)>;
void setPictureSink(PictureSink sink);
const PictureSink& pictureSink();

}  // namespace word
