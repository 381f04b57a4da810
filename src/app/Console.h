#pragma once

// Makes sure that what the run from the command line prints reaches the
// terminal it was started from. On Linux it always does. On Windows the
// program is a windowed one, which gets no console of its own: there it
// attaches to the console of the program that started it (cmd.exe,
// PowerShell), unless its output already goes somewhere (a pipe, a file).
void connectToConsole();
