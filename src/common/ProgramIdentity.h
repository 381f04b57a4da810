#pragma once

namespace common {

// Names the program to Qt: organisation "Dorvane" (domain dorvane.org),
// application "dorvane". Its settings (the recent calendar addresses) are
// then kept under a folder named after it, ~/.config/Dorvane/dorvane.conf
// (HKEY_CURRENT_USER\Software\Dorvane\dorvane on Windows), rather than under
// Qt's "Unknown Organization".
//
// Settings left by a Dorvane that had no organisation are moved over once,
// the first time: each value the new place does not have is copied, and the
// old values are removed, with their file and folder when nothing else is
// left in them, so that nothing is moved again or kept twice.
//
// Call once, before any settings are read: at the start of main, for the
// window and the command line alike (the application object need not
// exist yet).
void useProgramIdentity();

}  // namespace common
