#include "TemporaryFiles.h"

#include "DocumentLocks.h"
#include "errors/UserError.h"
#include "files/AtomicFileWriter.h"
#include "files/FileSystem.h"
#include "pictureformat/PictureFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QRandomGenerator>
#include <QBuffer>
#include <QCoreApplication>

#include <stdexcept>

namespace planner {
namespace {

[[noreturn]] void fail(const QString& message) { throw errors::UserError(message); }

// A folder of our own in the shared temporary folder: created owner-only,
// and refused when someone else already put a folder or link there.
QString privateFolder(const QString& path)
{
    const std::optional<files::FolderProblem> problem = files::ownPrivateFolder(path);
    if (!problem)
        return path;
    switch (problem->kind) {
    case files::FolderProblem::CannotCreate:
        fail(QCoreApplication::translate(
            "planner::TemporaryFiles", "Cannot create the temporary folder %1: %2")
                 .arg(path, problem->reason));
    case files::FolderProblem::NotAFolder:
        fail(QCoreApplication::translate(
            "planner::TemporaryFiles", "The temporary folder %1 is not a folder").arg(path));
    case files::FolderProblem::OtherUser:
        fail(QCoreApplication::translate(
            "planner::TemporaryFiles", "The temporary folder %1 belongs to another user").arg(path));
    case files::FolderProblem::CannotMakePrivate:
        break;
    }
    fail(QCoreApplication::translate(
        "planner::TemporaryFiles", "The temporary folder %1 cannot be made private").arg(path));
}

}  // namespace

QString TemporaryFiles::folder()
{
    const QString temp = qEnvironmentVariable("TEMP");
    if (!temp.isEmpty())
        return temp;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    return privateFolder(QDir::tempPath() + QStringLiteral("/dorvane-") + files::userKey());
}

int TemporaryFiles::drawDigit() { return int(QRandomGenerator::system()->bounded(1, 10)); }

bool TemporaryFiles::reserve(const QString& path)
{
    // The name first: a document another instance holds is never taken,
    // even when its file is gone for a moment (SaveAs renames over it).
    if (!locks::hold(path))
        return false;
    const std::optional<files::CreateFailure> failure = files::createNewFile(path);
    if (!failure)
        return true;
    locks::release(path);  // the name stays with whoever made that file
    if (failure->exists)
        return false;
    fail(QCoreApplication::translate(
            "planner::TemporaryFiles", "Cannot create the temporary document %1: %2")
             .arg(path, failure->reason));
}

namespace {

// A fresh name `prefix`, eight digits, `extension` in `folder`, taken as reserve() takes it.
QString reserveFresh(const QString& folder, const QString& prefix, const QString& extension,
                     const std::function<int()>& nextDigit)
{
    // A thousand taken names in a row means something else is wrong.
    for (int draw = 0; draw < 1000; ++draw) {
        QString name = prefix;
        for (int digit = 0; digit < 8; ++digit)
            name += QString::number(nextDigit());
        const QString path = folder + QLatin1Char('/') + name + extension;
        if (TemporaryFiles::reserve(path))
            return path;
    }
    return QString();
}

}  // namespace

QString TemporaryFiles::reservePicture(const QString& folder, const std::function<int()>& nextDigit)
{
    const QString path = reserveFresh(folder, QStringLiteral("temp"), QStringLiteral(".pic"), nextDigit);
    if (path.isEmpty())
        fail(QCoreApplication::translate(
                "planner::TemporaryFiles", "Cannot find a free name for the picture in %1").arg(folder));
    return path;
}

QString TemporaryFiles::reserveDocument(const QString& folder)
{
    const QString path = reserveFresh(folder, QStringLiteral("kelvas"), QStringLiteral(".doc"), TemporaryFiles::drawDigit);
    if (path.isEmpty())
        fail(QCoreApplication::translate(
                "planner::TemporaryFiles", "Cannot find a free name for the document in %1").arg(folder));
    return path;
}

TemporaryFiles::WrittenPicture TemporaryFiles::writePicture(const QPicture& picture, const QString& path)
{
    if (picture.isNull())
        fail(QCoreApplication::translate(
            "planner::TemporaryFiles", "Cannot write the picture %1: it is empty").arg(path));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPicture stored(picture);  // shared, not copied; save() is not const
    if (!stored.save(&buffer))
        fail(QCoreApplication::translate(
            "planner::TemporaryFiles", "Cannot write the picture %1: it cannot be stored").arg(path));
    // Read back at once and removed with the preview: no reason to wait
    // for the disk (still whole or absent if the run is killed).
    const errors::Outcome written = files::AtomicFileWriter::write(path, bytes, files::AtomicFileWriter::Existing::Replace,
                                                                   files::AtomicFileWriter::Durability::Scratch);
    if (!written)
        fail(QCoreApplication::translate(
            "planner::TemporaryFiles", "Cannot write the picture %1: %2").arg(written.what(), written.why()));
    return {picture, bytes};
}

std::optional<QPicture> TemporaryFiles::readPicture(const QString& path, const WrittenPicture& written)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError)
        return std::nullopt;
    if (!written.bytes.isEmpty() && bytes == written.bytes && pictureformat::recordedBounds(bytes) == written.picture.boundingRect())
        return written.picture;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QPicture picture;
    if (!picture.load(&buffer))
        return std::nullopt;
    return picture;
}

}  // namespace planner
