#pragma once

#include "WindowHandOver.h"
#include "entry/EntryWindow.h"
#include "planner/PlannerGenerator.h"

namespace app {

// The program's parts wired together: the entry window, the generator that
// reads the week from it, and the hand-over (WindowHandOver) that takes each
// planner to the preview window. Start runs the generator, the entry
// window's load step ends with the Word presence check, and the pictures
// Word copies go to the platform clipboard the generator reads them from.
//
// Owns both windows, the preview window through the hand-over.
class Program final {
public:
    // `digits` draws the temporary names; the system's random source by default.
    explicit Program(planner::PlannerGenerator::DigitSource digits = {});
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts the run as the program's entry point does, once the
    // QApplication exists: removes the temporary documents that runs ended
    // by force left behind (those no running instance holds, see
    // DocumentLocks.h), has SIGTERM (the desktop session ending) and SIGHUP
    // (the terminal closing) end the run the way closing its window does
    // (the preview removes its temporary document, and either window's
    // close ends the run), runs the entry window's load step, which ends the
    // program when it cannot go on, and shows the entry window centred on
    // the screen.
    void start();

    entry::EntryWindow& entryWindow() { return m_entryWindow; }
    // Null until the first planner was handed over.
    preview::PreviewWindow* previewWindow() const { return m_handOver.previewWindow(); }

private:
    entry::EntryWindow m_entryWindow;
    WindowHandOver m_handOver;
    planner::PlannerGenerator m_generator;
};

}  // namespace app
