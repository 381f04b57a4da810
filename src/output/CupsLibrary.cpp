#include "output/CupsLibrary.h"

#include "errors/UserError.h"
#include "loading/LoadedLibrary.h"

#include <QCoreApplication>

namespace output {
namespace {

// The library as loaded once, or why it could not be.
struct Loaded {
    CupsLibrary functions;
    QString problem;

    Loaded()
    {
        // libcups.so.2, the soname every CUPS 2 release keeps.
        loading::LoadedLibrary library(QStringLiteral("cups"), 2);
#define DORVANE_CUPS_RESOLVE(name) library.resolve(functions.name, #name);
        DORVANE_CUPS_FUNCTIONS(DORVANE_CUPS_RESOLVE)
#undef DORVANE_CUPS_RESOLVE
        problem = library.problem();
    }
};

}  // namespace

const CupsLibrary& CupsLibrary::get()
{
    static const Loaded loaded;  // C++ makes the first call's loading safe across threads
    if (!loaded.problem.isEmpty())
        throw errors::UserError(
            QCoreApplication::translate("output::PrintJob", "Printing needs the CUPS library, which cannot be loaded: %1")
                .arg(loaded.problem));
    return loaded.functions;
}

}  // namespace output
