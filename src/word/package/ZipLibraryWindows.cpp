#include "word/package/ZipLibrary.h"

namespace word::package {

// On Windows libzip is linked into the program, like everything but the
// system's own libraries, so there is nothing to load.
const ZipLibrary& ZipLibrary::get()
{
    static const ZipLibrary linked = [] {
        ZipLibrary functions;
#define DORVANE_ZIP_TAKE(name) functions.name = &::name;
        DORVANE_ZIP_FUNCTIONS(DORVANE_ZIP_TAKE)
#undef DORVANE_ZIP_TAKE
        return functions;
    }();
    return linked;
}

}  // namespace word::package
