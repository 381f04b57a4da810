#pragma once

class Form1;
class Tessaly;

// Connects the entry window to the planner: Start runs the generator, the
// load step ends with the Word presence check, and the pictures Word copies
// go to the platform clipboard the program reads them from.
// `tessaly` must outlive `form1`'s use of it.
void wireProgram(Form1& form1, Tessaly& tessaly);

// What the run does around its windows; call once, when the QApplication
// exists. It removes the temporary documents that runs ended by force left
// behind (those no running instance holds, see DocumentLocks), and ends the
// run on SIGTERM (the desktop session ending) or SIGHUP (the terminal
// closing) the way closing its window does: the preview removes its
// temporary document, and either window's close ends the run.
void wireSession();
