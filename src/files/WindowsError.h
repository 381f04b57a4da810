#pragma once

#include <QString>

#include <string>

namespace files {

// The Windows twins' shared words: the system's description of a Windows
// error code (GetLastError), without its closing full stop, since it goes
// into sentences of ours. Built on Windows only.
QString describeWindowsError(unsigned long error);

// `path` as Windows' wide-character functions take it, with backslashes.
std::wstring nativePath(const QString& path);

}  // namespace files
