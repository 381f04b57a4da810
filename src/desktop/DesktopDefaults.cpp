#include "DesktopDefaults.h"

#include "QtFileDialogs.h"
#include "QtMessageBoxes.h"
#include "QtPrintDialogs.h"
#include "seam/Seam.h"

namespace desktop {

void useDesktopDefaults()
{
    static QtMessageBoxes boxes;
    static QtFileDialogs fileDialogs;
    static QtPrintDialogs printDialogs;
    seam::Seam<platform::MessageBoxes>::setDefault(&boxes);
    seam::Seam<platform::FileDialogs>::setDefault(&fileDialogs);
    seam::Seam<platform::PrintDialogs>::setDefault(&printDialogs);
}

}  // namespace desktop
