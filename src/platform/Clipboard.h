#pragma once

#include <QImage>

#include <optional>

namespace platform {

// The system clipboard as a source and sink of pictures. A test installs its
// own to make requests fail a number of times and count them.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // One request for a picture. `format` 0 takes whichever picture format the
    // clipboard holds. Returns nothing when the request failed (clipboard busy
    // or holding no picture).
    virtual std::optional<QImage> picture(int format) = 0;
    virtual void setPicture(const QImage& image) = 0;
};

Clipboard& clipboard();
void setClipboard(Clipboard* clipboard);  // not owned; nullptr restores the system clipboard

}  // namespace platform
