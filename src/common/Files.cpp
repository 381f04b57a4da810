#include "Files.h"

#include "errors/UserError.h"
#include "platform/ProgramEnvironment.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace common {

QString handCursorPath() { return platform::programFolder() + QStringLiteral("/HAND-M.CUR"); }

bool fileExists(const QString& path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

void removeFile(const QString& path)
{
    platform::pumpEvents();
    if (path.isEmpty() || QFile::remove(path))
        return;
    try {
        forceDeleteFile(path);
    } catch (...) {
        // A file that cannot go stays; the caller does not care.
    }
}

void forceDeleteFile(const QString& path)
{
    // Here a file's own read-only mode never stops its deletion (the folder's
    // permissions decide), so the forced delete is the delete itself, with a
    // description when it fails; the file's mode is left as it was.
    QFile file(path);
    if (!file.remove())
        throw errors::UserError(
            QCoreApplication::translate("common::Files", "Cannot delete %1: %2").arg(path, file.errorString()));
}

}  // namespace common
