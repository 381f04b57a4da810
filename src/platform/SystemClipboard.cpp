#include "SystemClipboard.h"

#include "seam/Seam.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {
namespace {

class DesktopClipboard final : public SystemClipboard {
public:
    void setMimeData(QMimeData* data) override { QGuiApplication::clipboard()->setMimeData(data); }
};

}  // namespace

SystemClipboard& systemClipboard()
{
    static DesktopClipboard desktop;
    return seam::service<SystemClipboard>(desktop);
}

}  // namespace platform
