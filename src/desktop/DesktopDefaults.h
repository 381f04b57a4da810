#pragma once

namespace desktop {

// Makes the desktop's message boxes, file dialogs and print dialog the
// defaults of their seams (seam::Seam), for every program that has windows:
// the program's main calls it once its QApplication exists. Test programs
// and benchmarks link the dorvane_desktop_defaults object library instead,
// which runs it when their QApplication is made. Idempotent.
void useDesktopDefaults();

}  // namespace desktop
