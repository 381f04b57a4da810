#include "DocumentLocks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

namespace DocumentLocks {
namespace {

// The byte of the lock file that stands for a document's name: its eight digits.
std::optional<off_t> nameByte(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^kelvas([1-9]{8})\\.doc$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    return off_t(match.captured(1).toLongLong());
}

// Opens this user's lock file in `folder`; -1 when there is none to be had.
int openLockFile(const QString& folder)
{
    const QByteArray path = QFile::encodeName(
        QDir(folder).filePath(QStringLiteral(".kelvas-%1.lock").arg(::geteuid())));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Takes (F_WRLCK) or gives up (F_UNLCK) one byte, without waiting.
bool lockByte(int fd, off_t byte, short type)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = byte;
    lock.l_len = 1;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// What this instance holds: the lock file of one folder, and one name in it.
struct Holding {
    QString folder;
    int fd = -1;
    std::optional<off_t> byte;
    QString path;
};

Holding& holding()
{
    static Holding state;
    return state;
}

void releaseHeld()
{
    Holding& state = holding();
    if (state.byte && state.fd >= 0)
        lockByte(state.fd, *state.byte, F_UNLCK);
    state.byte.reset();
    state.path.clear();
}

}  // namespace

bool hold(const QString& path)
{
    const QFileInfo info(path);
    const std::optional<off_t> byte = nameByte(info.fileName());
    Holding& state = holding();
    if (!byte)
        return true;
    const QString folder = info.absolutePath();
    if (folder != state.folder) {
        releaseHeld();
        if (state.fd >= 0)
            ::close(state.fd);
        state.folder = folder;
        state.fd = openLockFile(folder);
    }
    if (state.fd < 0)
        return true;
    if (byte == state.byte)
        return false;  // ours already, for the document this instance shows
    if (!lockByte(state.fd, *byte, F_WRLCK))
        return false;
    releaseHeld();
    state.byte = byte;
    state.path = info.absoluteFilePath();
    return true;
}

void release(const QString& path)
{
    if (!holding().path.isEmpty() && holding().path == QFileInfo(path).absoluteFilePath())
        releaseHeld();
}

QString held() { return holding().path; }

int sweep(const QString& folder)
{
    // A descriptor of its own: its locks conflict with the ones this instance
    // holds through the other, so the sweep passes over our own document too.
    const int fd = openLockFile(folder);
    if (fd < 0)
        return 0;
    int removed = 0;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("kelvas*.doc")}, QDir::Files | QDir::Hidden | QDir::System)) {
        const std::optional<off_t> byte = nameByte(name);
        if (!byte || !lockByte(fd, *byte, F_WRLCK))
            continue;
        // Checked with the name held, so nothing can take its place in between.
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat info {};
        if (::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            ::unlink(path.constData()) == 0)
            ++removed;
        lockByte(fd, *byte, F_UNLCK);
    }
    ::close(fd);
    return removed;
}

}  // namespace DocumentLocks
