#pragma once

class Form1;
class Tessaly;

// Connects the entry window to the planner: Start runs the generator, the
// load step ends with the Word presence check, and the pictures Word copies
// go to the platform clipboard the program reads them from.
// `tessaly` must outlive `form1`'s use of it.
void wireProgram(Form1& form1, Tessaly& tessaly);

// Starts the run as the program's entry point does, once the QApplication
// exists: wires the program (wireProgram), removes the temporary documents
// that runs ended by force left behind (those no running instance holds, see
// DocumentLocks), has SIGTERM (the desktop session ending) and SIGHUP (the
// terminal closing) end the run the way closing its window does (the preview
// removes its temporary document, and either window's close ends the run),
// runs the entry window's load step, which ends the program when it cannot
// go on, and shows the entry window centred on the screen.
void startProgram(Form1& form1, Tessaly& tessaly);
