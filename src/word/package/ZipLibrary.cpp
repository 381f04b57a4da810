#include "word/package/ZipLibrary.h"

#include "loading/LoadedLibrary.h"
#include "word/model/DocumentError.h"

#include <QCoreApplication>

namespace word::package {

const ZipLibrary& ZipLibrary::get()
{
    // libzip.so.4, the soname of every libzip release since 1.0; C++ makes the first
    // call's loading safe across threads.
    static const auto loaded = DORVANE_LOAD_FUNCTIONS(ZipLibrary, DORVANE_ZIP_FUNCTIONS, "zip", 4);
    if (!loaded.problem.isEmpty())
        throw DocumentError(QCoreApplication::translate("word::package::ZipLibrary",
                                                        "Word documents need the zip library (libzip), which cannot be "
                                                        "loaded: %1")
                                .arg(loaded.problem));
    return loaded.functions;
}

}  // namespace word::package
