#pragma once

#include <QByteArray>
#include <QString>

namespace cli {

// The name that stands for standard output where a file name is asked for
// ("--pdf -"), as command-line tools take it.
bool isStandardOutput(const QString& fileName);

// Writes all of `bytes` to the descriptor `fd` (1: standard output, 2:
// standard error) at once, a short write included, so that a closed pipe or
// a full device is heard. Needs SIGPIPE ignored, or a
// reader that went away ends the process instead. Returns an empty string on
// success, otherwise the system's description of the failure ("Broken pipe").
QString writeAll(int fd, const QByteArray& bytes);

}  // namespace cli
