#pragma once

namespace desktop {

// Makes the desktop's message boxes, file dialogs and print dialog the
// defaults of their seams (seam::Seam), for every program that has windows.
// The object file of DesktopDefaults.cpp also runs it by itself when the
// QApplication is made, for executables that link it in whole (the
// dorvane_desktop_defaults object library). Idempotent.
void useDesktopDefaults();

}  // namespace desktop
