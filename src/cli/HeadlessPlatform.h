#pragma once

namespace cli {

// What a run without a window needs of its system.

// The Qt platform plugin a run without a window uses: one that needs no
// display, yet measures and draws text in the system's fonts for the PDF.
// "offscreen" on Linux; on Windows "minimal" with its fonts switched on, as
// the Windows build of Qt has no offscreen plugin.
const char* headlessPlatform();

// Makes a write to a pipe whose reader has gone fail with an error instead
// of ending the process: SIGPIPE ignored on Linux; Windows sends no signal.
void ignoreBrokenPipes();

}  // namespace cli
