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
    // Read-only is the file's mode (no write bit for its owner) as well as
    // what the system would allow us: root may write to any file, and must
    // still not save over one its owner marked read-only.
    const bool replacesFile = target.isFile() && !target.isSymLink();
    if (replacesFile && (!target.isWritable() || !target.permission(QFileDevice::WriteOwner)))
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
        // Unbuffered, so that every failing write reports its own reason;
        // Qt's buffered flush loses it ("Unknown error").
        temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered);
        break;
    }
    if (!temporary.isOpen())
        fail(path, temporary.errorString());

    // No fsync: the rename keeps readers and crashes of the program from ever
    // seeing half a file; surviving a power cut is not worth the 5 to 10 ms a
    // sync costs each document (the program saves only a temporary document).
    // A short write is no failure yet (a full disk takes part of the bytes);
    // the next write of the rest reports why it cannot go on (ENOSPC).
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = temporary.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            const QString reason = temporary.errorString();
            temporary.close();
            QFile::remove(temporary.fileName());
            fail(path, reason);
        }
        written += step;
    }
    temporary.close();
    if (temporary.error() != QFileDevice::NoError) {
        QFile::remove(temporary.fileName());
        fail(path, temporary.errorString());
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
