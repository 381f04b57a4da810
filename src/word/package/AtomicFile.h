#pragma once

#include <QByteArray>
#include <QString>

namespace word::package {

// Puts `bytes` at `path` completely or not at all, through the program's one
// writer (files::AtomicFileWriter). A link at the path stays, and the file
// it leads to is replaced. Whatever was there stays untouched when anything
// fails; a read-only file is not replaced at all, as Word refuses to.
// Throws DocumentError with a description naming the path.
void replaceFile(const QString& path, const QByteArray& bytes);

}  // namespace word::package
