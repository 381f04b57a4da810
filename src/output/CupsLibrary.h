#pragma once

#include <cups/cups.h>

namespace output {

// The CUPS functions that printing calls.
#define DORVANE_CUPS_FUNCTIONS(X)                                                                                      \
    X(httpConnect2)                                                                                                    \
    X(httpSetTimeout)                                                                                                  \
    X(httpClose)                                                                                                       \
    X(cupsServer)                                                                                                      \
    X(ippPort)                                                                                                         \
    X(cupsEncryption)                                                                                                  \
    X(cupsLastErrorString)                                                                                             \
    X(cupsAddOption)                                                                                                   \
    X(cupsFreeOptions)                                                                                                 \
    X(cupsPrintFile2)                                                                                                  \
    X(cupsDoRequest)                                                                                                   \
    X(ippNewRequest)                                                                                                   \
    X(ippDelete)                                                                                                       \
    X(cupsGetNamedDest)                                                                                                \
    X(cupsFreeDests)

// The CUPS client library, loaded the first time the program talks to a
// print server rather than when it starts. Linked directly, libcups and the
// eleven libraries only it needs (GnuTLS and its arithmetic, Avahi) took a
// quarter of the dynamic loader's work before the first window, and most
// runs never print. Printing through Qt's print dialog loads it too, through
// Qt's own CUPS plugin. Linux only, like PrintJob.
//
// The members are the library's own functions, typed from its header.
struct CupsLibrary {
#define DORVANE_CUPS_MEMBER(name) decltype(&::name) name = nullptr;
    DORVANE_CUPS_FUNCTIONS(DORVANE_CUPS_MEMBER)
#undef DORVANE_CUPS_MEMBER

    // The library, loaded on the first call (from any thread) and kept for
    // the rest of the run. Throws errors::UserError "Printing needs the CUPS
    // library, which cannot be loaded: <why>" when it is missing or lacks one
    // of the functions; every later call says the same.
    static const CupsLibrary& get();
};

}  // namespace output
