#include "Console.h"

#include <windows.h>

#include <cstdio>

namespace {

// True when `which` (STD_OUTPUT_HANDLE ...) leads somewhere already: a pipe
// or a file the caller redirected it to.
bool connected(DWORD which)
{
    const HANDLE handle = ::GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void connectToConsole()
{
    const bool output = connected(STD_OUTPUT_HANDLE);
    const bool errors = connected(STD_ERROR_HANDLE);
    if ((output && errors) || !::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!output)
        std::freopen("CONOUT$", "w", stdout);
    if (!errors)
        std::freopen("CONOUT$", "w", stderr);
}
