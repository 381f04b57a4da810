#include "word/package/AtomicFile.h"

#include "word/model/DocumentError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <filesystem>
#include <system_error>


namespace word::package {

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw DocumentError(QStringLiteral("The document could not be saved as \"%1\": %2")
                              .arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace

void replaceFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    if (path.isEmpty() || target.fileName().isEmpty())
        fail(path, QStringLiteral("no file name was given."));
    // A directory at the path is never replaced; a link to one is.
    if (target.isDir() && !target.isSymLink())
        fail(path, QStringLiteral("a folder of that name exists."));
    // A file (not a link) already there keeps its permissions, and a
    // read-only one is not replaced at all, as Word refuses to save over it.
    const bool replacesFile = target.isFile() && !target.isSymLink();
    if (replacesFile && !target.isWritable())
        fail(path, QStringLiteral("the file is read-only."));
    const QDir folder = target.absoluteDir();
    if (!folder.exists())
        fail(path, QStringLiteral("the folder does not exist."));

    // A new file of our own beside the target, so that the rename stays on one file system.
    QFile temporary;
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Short, so that a target name near the file system's limit still has room.
        const QString name = QStringLiteral(".~dorvane.%1.tmp")
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        if (QFileInfo(folder.filePath(name)).exists() || QFileInfo(folder.filePath(name)).isSymLink())
            continue;
        temporary.setFileName(folder.filePath(name));
        temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly);
        break;
    }
    if (!temporary.isOpen())
        fail(path, temporary.errorString());

    // No fsync: the rename keeps readers and crashes of the program from ever
    // seeing half a file; surviving a power cut is not worth the 5 to 10 ms a
    // sync costs each document (the program saves only a temporary document).
    const bool written = temporary.write(bytes) == bytes.size() && temporary.flush();
    const QString reason = temporary.errorString();
    temporary.close();
    if (!written || temporary.error() != QFileDevice::NoError) {
        QFile::remove(temporary.fileName());
        fail(path, reason.isEmpty() ? QStringLiteral("the disk may be full.") : reason);
    }

    if (replacesFile)
        QFile::setPermissions(temporary.fileName(), target.permissions());
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(temporary.fileName().toStdU16String()),
                            std::filesystem::path(target.absoluteFilePath().toStdU16String()), error);
    if (error) {
        QFile::remove(temporary.fileName());
        fail(path, QString::fromLocal8Bit(error.message().c_str()));
    }
}

}  // namespace word::package
