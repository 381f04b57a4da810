#include "word/package/AtomicFile.h"

#include "files/AtomicFileWriter.h"
#include "word/model/DocumentError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace word::package {

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw DocumentError(
        QCoreApplication::translate("word::package::AtomicFile", "The document could not be saved as \"%1\": %2")
            .arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace

void replaceFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    if (path.isEmpty() || target.fileName().isEmpty())
        fail(path, QCoreApplication::translate("word::package::AtomicFile", "no file name was given."));
    // A folder at the path is never replaced, nor one a link leads to.
    if (target.isDir())
        fail(path, QCoreApplication::translate("word::package::AtomicFile", "a folder of that name exists."));
    // A file already there (or at the end of a link there) keeps its
    // permissions, and a read-only one is not replaced at all, as Word
    // refuses to save over it.
    // Read-only is the file's mode (no write bit for its owner) as well as
    // what the system would allow us: root may write to any file, and must
    // still not save over one its owner marked read-only.
    const bool replacesFile = target.isFile();
    if (replacesFile && (!target.isWritable() || !target.permission(QFileDevice::WriteOwner)))
        fail(path, QCoreApplication::translate("word::package::AtomicFile", "the file is read-only."));
    const QDir folder = target.absoluteDir();
    if (!folder.exists())
        fail(path, QCoreApplication::translate("word::package::AtomicFile", "the folder does not exist."));

    const errors::Outcome written = files::AtomicFileWriter::write(target.absoluteFilePath(), bytes);
    if (!written)
        fail(path, written.why());
}

}  // namespace word::package
