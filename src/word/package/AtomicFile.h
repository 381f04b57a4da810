#pragma once

#include <QByteArray>
#include <QString>

namespace word::package {

// Puts `bytes` at `path` completely or not at all: they go to a new file beside
// it, which is then renamed over the path. Whatever was at the path (a file,
// or a link, which is replaced and never followed) stays untouched when
// anything fails. The bytes are not forced to the disk before the rename.
// Throws DocumentError with a description naming the path.
void replaceFile(const QString& path, const QByteArray& bytes);

}  // namespace word::package
