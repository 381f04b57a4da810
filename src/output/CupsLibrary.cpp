#include "output/CupsLibrary.h"

#include "errors/UserError.h"

#include <QCoreApplication>
#include <QLibrary>

#include <type_traits>

namespace output {
namespace {

// The library as loaded once, or why it could not be.
struct Loaded {
    CupsLibrary functions;
    QString problem;

    Loaded()
    {
        // libcups.so.2, the soname every CUPS 2 release keeps. Never
        // unloaded: its functions stay in use until the program ends.
        QLibrary library(QStringLiteral("cups"), 2);
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (!library.load()) {
            problem = library.errorString();
            return;
        }
        const auto resolve = [&](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
            // Worded as the dynamic loader words it; QLibrary keeps no reason here.
            if (!function && problem.isEmpty())
                problem = QStringLiteral("%1: undefined symbol: %2").arg(library.fileName(), QLatin1String(name));
        };
        CupsLibrary& f = functions;
        resolve(f.httpConnect2, "httpConnect2");
        resolve(f.httpSetTimeout, "httpSetTimeout");
        resolve(f.httpClose, "httpClose");
        resolve(f.cupsServer, "cupsServer");
        resolve(f.ippPort, "ippPort");
        resolve(f.cupsEncryption, "cupsEncryption");
        resolve(f.cupsLastErrorString, "cupsLastErrorString");
        resolve(f.cupsAddOption, "cupsAddOption");
        resolve(f.cupsFreeOptions, "cupsFreeOptions");
        resolve(f.cupsPrintFile2, "cupsPrintFile2");
        resolve(f.cupsDoRequest, "cupsDoRequest");
        resolve(f.ippNewRequest, "ippNewRequest");
        resolve(f.ippDelete, "ippDelete");
        resolve(f.cupsGetNamedDest, "cupsGetNamedDest");
        resolve(f.cupsFreeDests, "cupsFreeDests");
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
