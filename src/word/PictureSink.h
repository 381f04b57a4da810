#pragma once

#include "seam/Seam.h"

#include <QPicture>

#include <functional>

namespace word {

// Where Range.CopyAsPicture puts its picture: the clipboard of the program
// that drives Word, which installs its sink once at start. Without one the
// copy fails as a busy clipboard would. Installed through PictureSinkSeam;
// an empty function removes the sink.
using PictureSink = std::function<void(const QPicture&)>;
using PictureSinkSeam = seam::Seam<PictureSink, PictureSink>;
const PictureSink& pictureSink();

}  // namespace word
