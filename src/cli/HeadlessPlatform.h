#pragma once

namespace cli {

// The Qt platform plugin a run without a window uses: one that needs no
// display, yet measures and draws text in the system's fonts for the PDF.
// "offscreen" on Linux; on Windows "minimal" with its fonts switched on, as
// the Windows build of Qt has no offscreen plugin.
const char* headlessPlatform();

}  // namespace cli
