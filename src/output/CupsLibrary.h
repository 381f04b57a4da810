#pragma once

#include <cups/cups.h>

namespace output {

// The CUPS client library, loaded the first time the program talks to a
// print server rather than when it starts. Linked directly, libcups and the
// eleven libraries only it needs (GnuTLS and its arithmetic, Avahi) took a
// quarter of the dynamic loader's work before the first window, and most
// runs never print. Printing through Qt's print dialog loads it too, through
// Qt's own CUPS plugin. Linux only, like PrintJob.
//
// The members are the library's own functions, typed from its header.
struct CupsLibrary {
    decltype(&::httpConnect2) httpConnect2 = nullptr;
    decltype(&::httpSetTimeout) httpSetTimeout = nullptr;
    decltype(&::httpClose) httpClose = nullptr;
    decltype(&::cupsServer) cupsServer = nullptr;
    decltype(&::ippPort) ippPort = nullptr;
    decltype(&::cupsEncryption) cupsEncryption = nullptr;
    decltype(&::cupsLastErrorString) cupsLastErrorString = nullptr;
    decltype(&::cupsAddOption) cupsAddOption = nullptr;
    decltype(&::cupsFreeOptions) cupsFreeOptions = nullptr;
    decltype(&::cupsPrintFile2) cupsPrintFile2 = nullptr;
    decltype(&::cupsDoRequest) cupsDoRequest = nullptr;
    decltype(&::ippNewRequest) ippNewRequest = nullptr;
    decltype(&::ippDelete) ippDelete = nullptr;
    decltype(&::cupsGetNamedDest) cupsGetNamedDest = nullptr;
    decltype(&::cupsFreeDests) cupsFreeDests = nullptr;

    // The library, loaded on the first call (from any thread) and kept for
    // the rest of the run. Throws errors::UserError "Printing needs the CUPS
    // library, which cannot be loaded: <why>" when it is missing or lacks one
    // of the functions; every later call says the same.
    static const CupsLibrary& get();
};

}  // namespace output
