#include "files/FileSystem.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

// Takes (F_WRLCK) or gives up (F_UNLCK) one byte, without waiting, as an
// open-file-description lock: it belongs to this descriptor, not to the
// whole process, so two descriptors in one process conflict as two
// processes do, and closing another descriptor of the file does not drop it.
bool lockByte(int fd, off_t byte, short type)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = byte;
    lock.l_len = 1;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

QString describe(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

}  // namespace

ByteLocks::ByteLocks(const QString& folder, const QString& baseName) : m_handle(-1)
{
    const QByteArray path =
        QFile::encodeName(QDir(folder).filePath(QStringLiteral("%1-%2.lock").arg(baseName, userKey())));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        ::close(fd);
        return;
    }
    m_handle = fd;
}

ByteLocks::~ByteLocks()
{
    if (m_handle >= 0)
        ::close(int(m_handle));
}

bool ByteLocks::isOpen() const { return m_handle >= 0; }

bool ByteLocks::lock(qint64 byte) { return isOpen() && lockByte(int(m_handle), off_t(byte), F_WRLCK); }

void ByteLocks::unlock(qint64 byte)
{
    if (isOpen())
        lockByte(int(m_handle), off_t(byte), F_UNLCK);
}

bool removeOwnFile(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    return ::lstat(native.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
           ::unlink(native.constData()) == 0;
}

std::optional<CreateFailure> createNewFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return std::nullopt;
    }
    const int error = errno;
    return CreateFailure{error == EEXIST, describe(error)};
}

std::optional<FolderProblem> ownPrivateFolder(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return FolderProblem{FolderProblem::CannotCreate, describe(errno)};
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return FolderProblem{FolderProblem::NotAFolder, {}};
    if (info.st_uid != ::geteuid())
        return FolderProblem{FolderProblem::OtherUser, {}};
    if ((info.st_mode & 0077) != 0 && ::chmod(native.constData(), 0700) != 0)
        return FolderProblem{FolderProblem::CannotMakePrivate, {}};
    return std::nullopt;
}

QString userKey() { return QString::number(::geteuid()); }

}  // namespace files
