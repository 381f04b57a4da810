#include "output/CupsLibrary.h"

#include "errors/UserError.h"
#include "loading/LoadedLibrary.h"

#include <QCoreApplication>

namespace output {

const CupsLibrary& CupsLibrary::get()
{
    // libcups.so.2, the soname every CUPS 2 release keeps; C++ makes the first
    // call's loading safe across threads.
    static const auto loaded = DORVANE_LOAD_FUNCTIONS(CupsLibrary, DORVANE_CUPS_FUNCTIONS, "cups", 2);
    if (!loaded.problem.isEmpty())
        throw errors::UserError(
            QCoreApplication::translate("output::PrintJob", "Printing needs the CUPS library, which cannot be loaded: %1")
                .arg(loaded.problem));
    return loaded.functions;
}

}  // namespace output
