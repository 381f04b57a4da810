#pragma once

#include <QString>

class QPrinter;

namespace word {
class DocumentPages;
}

namespace output {

// Windows only: paints `pages`, as vectors, through Qt's Windows print
// engine (GDI) onto `printer`, which then spools them as any Windows
// program's job. Throws errors::UserError "The printer <name> did not take
// the job." when the printer cannot be drawn on.
void printOn(const word::DocumentPages& pages, QPrinter& printer);

}  // namespace output
