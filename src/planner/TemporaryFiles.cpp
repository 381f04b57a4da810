#include "TemporaryFiles.h"

#include "DocumentLocks.h"
#include "files/AtomicFileWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QBuffer>
#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace TemporaryFiles {
namespace {

[[noreturn]] void fail(const QString& message) { throw std::runtime_error(message.toStdString()); }

// A folder of our own in the shared temporary folder: created owner-only,
// and refused when someone else already put a folder or link there.
QString privateFolder(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        fail(QCoreApplication::translate(
            "TemporaryFiles", "Cannot create the temporary folder %1: %2")
                 .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        fail(QCoreApplication::translate(
            "TemporaryFiles", "The temporary folder %1 is not a folder").arg(path));
    if (info.st_uid != ::geteuid())
        fail(QCoreApplication::translate(
            "TemporaryFiles", "The temporary folder %1 belongs to another user").arg(path));
    if ((info.st_mode & 0077) != 0 && ::chmod(native.constData(), 0700) != 0)
        fail(QCoreApplication::translate(
            "TemporaryFiles", "The temporary folder %1 cannot be made private").arg(path));
    return path;
}

}  // namespace

QString folder()
{
    const QString temp = qEnvironmentVariable("TEMP");
    if (!temp.isEmpty())
        return temp;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    return privateFolder(QDir::tempPath() + QStringLiteral("/dorvane-") + QString::number(::geteuid()));
}

int drawDigit() { return int(QRandomGenerator::system()->bounded(1, 10)); }

bool reserve(const QString& path)
{
    // The name first: a document another instance holds is never taken,
    // even when its file is gone for a moment (SaveAs renames over it).
    if (!DocumentLocks::hold(path))
        return false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    const int error = errno;
    DocumentLocks::release(path);  // the name stays with whoever made that file
    if (error == EEXIST)
        return false;
    fail(QCoreApplication::translate(
            "TemporaryFiles", "Cannot create the temporary document %1: %2")
             .arg(path, QString::fromLocal8Bit(std::strerror(error))));
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
        if (reserve(path))
            return path;
    }
    return QString();
}

}  // namespace

QString reservePicture(const QString& folder, const std::function<int()>& nextDigit)
{
    const QString path = reserveFresh(folder, QStringLiteral("temp"), QStringLiteral(".pic"), nextDigit);
    if (path.isEmpty())
        fail(QCoreApplication::translate(
                "TemporaryFiles", "Cannot find a free name for the picture in %1").arg(folder));
    return path;
}

QString reserveDocument(const QString& folder)
{
    const QString path = reserveFresh(folder, QStringLiteral("kelvas"), QStringLiteral(".doc"), drawDigit);
    if (path.isEmpty())
        fail(QCoreApplication::translate(
                "TemporaryFiles", "Cannot find a free name for the document in %1").arg(folder));
    return path;
}

void writePicture(const QPicture& picture, const QString& path)
{
    if (picture.isNull())
        fail(QCoreApplication::translate(
            "TemporaryFiles", "Cannot write the picture %1: it is empty").arg(path));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPicture stored(picture);  // shared, not copied; save() is not const
    if (!stored.save(&buffer))
        fail(QCoreApplication::translate(
            "TemporaryFiles", "Cannot write the picture %1: it cannot be stored").arg(path));
    const QString reason = files::AtomicFileWriter::write(path, bytes);
    if (!reason.isEmpty())
        fail(QCoreApplication::translate(
            "TemporaryFiles", "Cannot write the picture %1: %2").arg(path, reason));
}

}  // namespace TemporaryFiles
