#pragma once

class Form1;
class Tessaly;

// Connects the entry window to the planner: Start runs the generator, the
// load step ends with the Word presence check, and the pictures Word copies
// go to the platform clipboard the program reads them from.
// `tessaly` must outlive `form1`'s use of it.
void wireProgram(Form1& form1, Tessaly& tessaly);
