#pragma once

#include <QImage>
#include <QMimeData>

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
    // Puts a picture in several formats at once (a vector format beside the
    // bitmap, say); the clipboard takes `data` over. One without formats of
    // its own keeps only the bitmap.
    virtual void setPictures(QMimeData* data)
    {
        setPicture(qvariant_cast<QImage>(data->imageData()));
        delete data;
    }
};

Clipboard& clipboard();
void setClipboard(Clipboard* clipboard);  // not owned; nullptr restores the system clipboard

}  // namespace platform
