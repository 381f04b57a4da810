#pragma once

#include <QByteArray>
#include <QString>

namespace word::package {

// Puts `bytes` at `path` completely or not at all, through the program's one
// writer (files::AtomicFileWriter). Whatever was at the path (a file, or a
// link, which is replaced and never followed) stays untouched when anything
// fails; a read-only file is not replaced at all, as Word refuses to.
// Throws DocumentError with a description naming the path.
void replaceFile(const QString& path, const QByteArray& bytes);

}  // namespace word::package
