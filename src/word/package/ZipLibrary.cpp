#include "word/package/ZipLibrary.h"

#include "loading/LoadedLibrary.h"
#include "word/model/DocumentError.h"

#include <QCoreApplication>

namespace word::package {
namespace {

// The library as loaded once, or why it could not be.
struct Loaded {
    ZipLibrary functions;
    QString problem;

    Loaded()
    {
        // libzip.so.4, the soname of every libzip release since 1.0.
        loading::LoadedLibrary library(QStringLiteral("zip"), 4);
#define DORVANE_ZIP_RESOLVE(name) library.resolve(functions.name, #name);
        DORVANE_ZIP_FUNCTIONS(DORVANE_ZIP_RESOLVE)
#undef DORVANE_ZIP_RESOLVE
        problem = library.problem();
    }
};

}  // namespace

const ZipLibrary& ZipLibrary::get()
{
    static const Loaded loaded;  // C++ makes the first call's loading safe across threads
    if (!loaded.problem.isEmpty())
        throw DocumentError(QCoreApplication::translate("word::package::ZipLibrary",
                                                        "Word documents need the zip library (libzip), which cannot be "
                                                        "loaded: %1")
                                .arg(loaded.problem));
    return loaded.functions;
}

}  // namespace word::package
