#include "files/AtomicFileWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <optional>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

QString describe(int error)
{
    char buffer[256];
    // The GNU strerror_r: thread-safe, returns the text (not always in `buffer`).
    return QString::fromLocal8Bit(::strerror_r(error, buffer, sizeof buffer));
}

// The whole file, as one open-file-description lock: held by whoever writes
// the file, dropped by the kernel when that writer's descriptor goes.
bool lockWholeFile(int fd)
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArrayLiteral("/");
    return path.left(slash);
}

// Where a write to `path` lands: `path` itself, or for a link the end of
// its chain (which need not exist yet). 0 or the errno of the failure.
int followLinks(QByteArray& path)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return 0;
        QByteArray to(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(path.constData(), to.data(), size_t(to.size()));
        if (length < 0)
            return errno;
        if (length == to.size())
            return ENAMETOOLONG;
        to.truncate(length);
        path = to.startsWith('/') ? to : folderOf(path) + '/' + to;
    }
    return ELOOP;
}

// Why what stands at a target cannot be replaced by a file; empty for an
// ordinary file.
QString notAFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("files::AtomicFileWriter", "it is a folder, not a file");
    if (S_ISCHR(mode))
        return QCoreApplication::translate("files::AtomicFileWriter", "it is a character device, not a file");
    if (S_ISBLK(mode))
        return QCoreApplication::translate("files::AtomicFileWriter", "it is a block device, not a file");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("files::AtomicFileWriter", "it is a named pipe (FIFO), not a file");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("files::AtomicFileWriter", "it is a socket, not a file");
    if (!S_ISREG(mode))
        return QCoreApplication::translate("files::AtomicFileWriter", "it is not a file");
    return QString();
}

// One temporary file of the writer, from its creation to its rename.
class Temporary {
public:
    ~Temporary()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_path.isEmpty())
            ::unlink(m_path.constData());
        if (m_lockFd >= 0)
            ::close(m_lockFd);
    }

    // 0 or the errno of the failure.
    // Owner-only while it is written when it replaces a file (whose bits it
    // takes at the end); otherwise as a new file is made, 0666 less the
    // umask, which the kernel applies (the umask cannot be read without
    // changing it for every thread).
    int create(const QByteArray& folder, bool replacing)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray path = folder + "/.~dorvane." +
                QByteArray::number(QRandomGenerator::system()->generate(), 16).rightJustified(8, '0') + ".tmp";
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                  replacing ? 0600 : 0666);
            if (fd < 0) {
                if (errno == EEXIST)
                    continue;
                return errno;
            }
            // Until the lock is ours, another instance's sweep may take the
            // new file (it cannot tell it from a killed writer's); then the
            // lock fails, or the name no longer leads to this file, and the
            // name is no longer ours to remove. Once locked and still named,
            // no sweep touches it.
            struct stat mine {}, named {};
            if (!lockWholeFile(fd) || ::fstat(fd, &mine) != 0 || ::lstat(path.constData(), &named) != 0 ||
                mine.st_ino != named.st_ino || mine.st_dev != named.st_dev) {
                ::close(fd);
                continue;
            }
            m_fd = fd;
            m_path = path;
            // The lock belongs to the open file, which this second descriptor
            // keeps open until the rename is done: the written one is closed
            // before it, to hear what its close reports. Never reopened by
            // name, which a sweep could have emptied in between.
            m_lockFd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
            if (m_lockFd < 0)
                return errno;  // the destructor removes the file
            return 0;
        }
        return EEXIST;
    }

    int write(const QByteArray& bytes)
    {
        const char* next = bytes.constData();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t step = ::write(m_fd, next, size_t(left));
            if (step < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            if (step == 0)
                return EIO;  // no progress and no reason: never loop for ever
            // A short write takes the rest next time round, which then says
            // why it cannot go on (ENOSPC).
            next += step;
            left -= step;
        }
        return 0;
    }

    int finish(std::optional<mode_t> mode, bool sync)
    {
        if ((sync && ::fsync(m_fd) != 0) || (mode && ::fchmod(m_fd, *mode) != 0))
            return errno;
        const int fd = m_fd;
        m_fd = -1;
        // Whatever close says, the descriptor is gone; a failure still means
        // the bytes may not all be there (network file systems report here).
        if (::close(fd) != 0)
            return errno;
        return 0;
    }

    int renameOver(const QByteArray& target)
    {
        if (::rename(m_path.constData(), target.constData()) != 0)
            return errno;
        m_path.clear();  // it is the target now
        return 0;
    }

    // Puts the file in place only if nothing of that name is there at this
    // moment; EEXIST otherwise. A check made earlier proves nothing: another
    // run may have put its file there since.
    int renameBeside(const QByteArray& target)
    {
        if (::renameat2(AT_FDCWD, m_path.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0) {
            m_path.clear();
            return 0;
        }
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return errno;
        // A file system that cannot rename without replacing (some network
        // and user-space ones): a second name, which link never puts over
        // anything, then the temporary name goes.
        if (::link(m_path.constData(), target.constData()) != 0)
            return errno;
        ::unlink(m_path.constData());
        m_path.clear();
        return 0;
    }

private:
    int m_fd = -1;
    int m_lockFd = -1;
    QByteArray m_path;
};

}  // namespace

errors::Outcome AtomicFileWriter::write(const QString& path, const QByteArray& bytes, Existing existing,
                                        Durability durability)
{
    QByteArray target = QFile::encodeName(path);
    if (target.isEmpty() || target.endsWith('/'))
        return errors::Outcome::failed(path, describe(EISDIR));
    // A link is written through: the file it leads to is replaced, and the
    // link stays. Kept, a link is in the way like any other name.
    if (existing == Existing::Replace) {
        if (const int error = followLinks(target))
            return errors::Outcome::failed(path, describe(error));
    }
    struct stat there {};
    const bool occupied = ::lstat(target.constData(), &there) == 0;
    if (occupied && !S_ISLNK(there.st_mode)) {
        if (const QString why = notAFile(there.st_mode); !why.isEmpty())
            return errors::Outcome::failed(path, why);
    }
    if (occupied && existing == Existing::Keep)
        return errors::Outcome::failed(path, describe(EEXIST));
    const QByteArray folder = folderOf(target);
    // What a killed writer left in this folder goes first: the start-up
    // sweep reaches only the temporary folder, not the user's folders.
    sweep(QFile::decodeName(folder));
    // A file replaced hands on its permission bits.
    std::optional<mode_t> mode;
    if (occupied)
        mode = there.st_mode & 07777;
    int error = 0;
    {
        Temporary temporary;
        error = temporary.create(folder, mode.has_value());
        if (!error)
            error = temporary.write(bytes);
        if (!error)
            error = temporary.finish(mode, durability == Durability::Synced);
        if (!error)
            error = existing == Existing::Replace ? temporary.renameOver(target) : temporary.renameBeside(target);
    }
    if (error)
        return errors::Outcome::failed(path, describe(error));
    if (durability == Durability::Scratch)
        return {};
    // The rename reaches the disk with the folder.
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

bool AtomicFileWriter::isTemporaryName(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.~dorvane\\.[0-9a-f]{8}\\.tmp$"));
    return pattern.match(fileName).hasMatch();
}

int AtomicFileWriter::sweep(const QString& folder)
{
    const int dirFd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return 0;
    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return 0;
    }
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryName(QFile::decodeName(entry->d_name)))
            continue;
        // Opened for writing (a write lock needs it) but never written; a
        // link is refused, and so is anything but our own ordinary file.
        const int fd = ::openat(dirFd, entry->d_name, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat opened {}, named {};
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid() &&
            lockWholeFile(fd) && ::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_ino == opened.st_ino && named.st_dev == opened.st_dev &&
            ::unlinkat(dirFd, entry->d_name, 0) == 0)
            ++removed;
        ::close(fd);
    }
    ::closedir(dir);
    return removed;
}

}  // namespace files
