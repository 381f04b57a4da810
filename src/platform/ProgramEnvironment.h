#pragma once

#include <QString>

namespace platform {

// What the program knows of its surroundings: its own folder, the application
// title that untitled message boxes show, the event pump, and ending the run.

// The folder holding the executable; the hand cursor and the skin are looked
// for here. Tests point it elsewhere with setProgramFolder().
QString programFolder();
void setProgramFolder(const QString& folder);  // empty restores the executable's folder

// Title of every message box that names none of its own.
QString applicationTitle();
void setApplicationTitle(const QString& title);

// Lets pending window events run once.
void pumpEvents();

// Ends the program at once: no window event of any window runs afterwards.
// A test installs a ProgramExit that only records the request; code calling
// endProgram() must therefore return straight after it.
class ProgramExit {
public:
    virtual ~ProgramExit() = default;
    virtual void endNow() = 0;
};
void endProgram();
// A test installs its ProgramExit through seam::Seam<ProgramExit>.

}  // namespace platform
