#pragma once

#include <zip.h>

namespace word::package {

// The libzip functions that packing and reading a package call.
#define DORVANE_ZIP_FUNCTIONS(X)                                                                                       \
    X(zip_close)                                                                                                       \
    X(zip_discard)                                                                                                     \
    X(zip_error_code_system)                                                                                           \
    X(zip_error_code_zip)                                                                                              \
    X(zip_error_fini)                                                                                                  \
    X(zip_error_init)                                                                                                  \
    X(zip_error_set)                                                                                                   \
    X(zip_error_strerror)                                                                                              \
    X(zip_fclose)                                                                                                      \
    X(zip_file_add)                                                                                                    \
    X(zip_file_strerror)                                                                                               \
    X(zip_fopen_index)                                                                                                 \
    X(zip_fread)                                                                                                       \
    X(zip_get_error)                                                                                                   \
    X(zip_get_num_entries)                                                                                             \
    X(zip_open_from_source)                                                                                            \
    X(zip_set_file_compression)                                                                                        \
    X(zip_source_buffer)                                                                                               \
    X(zip_source_buffer_create)                                                                                        \
    X(zip_source_close)                                                                                                \
    X(zip_source_error)                                                                                                \
    X(zip_source_free)                                                                                                 \
    X(zip_source_keep)                                                                                                 \
    X(zip_source_open)                                                                                                 \
    X(zip_source_read)                                                                                                 \
    X(zip_source_stat)                                                                                                 \
    X(zip_stat_index)                                                                                                  \
    X(zip_stat_init)                                                                                                   \
    X(zip_strerror)

// libzip, as the package layer reaches it. On Linux the library is loaded
// the first time a package is packed or read, not when the program starts:
// Debian's libzip needs OpenSSL's libcrypto (for encrypted archives, which
// a Word package never is), and the two were the largest libraries mapped
// before the first window that the window itself never needs. On Windows
// libzip is linked in (ZipLibraryWindows.cpp).
//
// The members are the library's own functions, typed from its header.
struct ZipLibrary {
#define DORVANE_ZIP_MEMBER(name) decltype(&::name) name = nullptr;
    DORVANE_ZIP_FUNCTIONS(DORVANE_ZIP_MEMBER)
#undef DORVANE_ZIP_MEMBER

    // The library, loaded on the first call (from any thread) and kept for
    // the rest of the run. Throws DocumentError "Word documents need the zip
    // library (libzip), which cannot be loaded: <why>" when it is missing or
    // lacks one of the functions; every later call says the same.
    static const ZipLibrary& get();
};

}  // namespace word::package
