#include "SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {
namespace {

class DesktopClipboard final : public SystemClipboard {
public:
    void setMimeData(QMimeData* data) override { QGuiApplication::clipboard()->setMimeData(data); }
};

SystemClipboard* installed = nullptr;

}  // namespace

SystemClipboard& systemClipboard()
{
    static DesktopClipboard desktop;
    return installed ? *installed : desktop;
}

void setSystemClipboard(SystemClipboard* clipboard) { installed = clipboard; }

}  // namespace platform
