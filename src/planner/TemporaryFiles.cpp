#include "TemporaryFiles.h"

#include "DocumentLocks.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryFile>

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
        fail(QStringLiteral("Cannot create the temporary folder %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        fail(QStringLiteral("The temporary folder %1 is not a folder").arg(path));
    if (info.st_uid != ::geteuid())
        fail(QStringLiteral("The temporary folder %1 belongs to another user").arg(path));
    if ((info.st_mode & 0077) != 0 && ::chmod(native.constData(), 0700) != 0)
        fail(QStringLiteral("The temporary folder %1 cannot be made private").arg(path));
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
    DocumentLocks::release();  // the name stays with whoever made that file
    if (error == EEXIST)
        return false;
    fail(QStringLiteral("Cannot create the temporary document %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

QString picturePath(const QString& folder) { return folder + QStringLiteral("/temp.bmp"); }

void writePicture(const QImage& picture, const QString& path)
{
    // Written beside the target under a fresh name, then renamed over it:
    // rename() replaces a link at the target instead of following it, and a
    // failed write leaves whatever was there alone.
    QTemporaryFile file(QFileInfo(path).absolutePath() + QStringLiteral("/.temp.bmp.XXXXXX"));
    if (!file.open() || !picture.save(&file, "BMP") || !file.flush())
        fail(QStringLiteral("Cannot write the picture %1: %2").arg(path, file.errorString()));
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        fail(QStringLiteral("Cannot write the picture %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    file.setAutoRemove(false);
}

}  // namespace TemporaryFiles
