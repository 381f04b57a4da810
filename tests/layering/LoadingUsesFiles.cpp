// Loading a library by name needs Qt Core alone, nothing of the program.
#include "loading/LoadedLibrary.h"
#include "files/AtomicFileWriter.h"
