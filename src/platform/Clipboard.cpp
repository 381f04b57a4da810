#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {
namespace {

class SystemClipboard final : public Clipboard {
public:
    std::optional<QImage> picture(int /*format: Qt converts whatever image format is offered*/) override
    {
        QImage image = QGuiApplication::clipboard()->image();
        if (image.isNull())
            return std::nullopt;
        return image;
    }

    void setPicture(const QImage& image) override { QGuiApplication::clipboard()->setImage(image); }
    void setPictures(QMimeData* data) override { QGuiApplication::clipboard()->setMimeData(data); }
};

Clipboard* installed = nullptr;

}  // namespace

Clipboard& clipboard()
{
    static SystemClipboard system;
    return installed ? *installed : system;
}

void setClipboard(Clipboard* newClipboard) { installed = newClipboard; }

}  // namespace platform
