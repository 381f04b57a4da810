// On Windows the icon is the program's own icon resource (dorvane.ico,
// compiled into the executable by dorvane.rc), the one Explorer, the Start
// menu and the task bar show, so the window shows the same. A program built
// without the resource (a test) has an empty icon.
#include "ProgramIcon.h"

#include <QImage>
#include <QPixmap>

#include <windows.h>

namespace desktop {

// The resource id of the icon in dorvane.rc.
constexpr int ProgramIconId = 1;

// The resource's images are ready to be taken: nothing to draw ahead.
void drawProgramIconAhead() {}

QIcon programIcon()
{
    QIcon icon;
    const HINSTANCE program = ::GetModuleHandleW(nullptr);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const HICON handle = static_cast<HICON>(
            ::LoadImageW(program, MAKEINTRESOURCEW(ProgramIconId), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        if (!handle)
            continue;
        const QImage image = QImage::fromHICON(handle);
        ::DestroyIcon(handle);
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace desktop
