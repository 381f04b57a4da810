#include "DocumentLocks.h"

#include "files/AtomicFileWriter.h"

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

// The two kinds of name held: a planner document's and a picture's.
enum Kind { Document, Picture, Kinds };

struct Name {
    Kind kind;
    off_t byte;
};

// The byte of the lock file that stands for a name: a document's eight
// digits, or a picture's eight digits after the first 10^8 bytes.
std::optional<Name> nameOf(const QString& fileName)
{
    static const QRegularExpression document(QStringLiteral("^kelvas([1-9]{8})\\.doc$"));
    static const QRegularExpression picture(QStringLiteral("^temp([1-9]{8})\\.pic$"));
    if (const QRegularExpressionMatch match = document.match(fileName); match.hasMatch())
        return Name{Document, off_t(match.captured(1).toLongLong())};
    if (const QRegularExpressionMatch match = picture.match(fileName); match.hasMatch())
        return Name{Picture, off_t(100000000 + match.captured(1).toLongLong())};
    return std::nullopt;
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

// What this instance holds: the lock file of one folder, and one name of each kind in it.
struct Held {
    std::optional<off_t> byte;
    QString path;
};

struct Holding {
    QString folder;
    int fd = -1;
    Held names[Kinds];
};

Holding& holding()
{
    static Holding state;
    return state;
}

void releaseHeld(Kind kind)
{
    Holding& state = holding();
    Held& held = state.names[kind];
    if (held.byte && state.fd >= 0)
        lockByte(state.fd, *held.byte, F_UNLCK);
    held.byte.reset();
    held.path.clear();
}

}  // namespace

bool hold(const QString& path)
{
    const QFileInfo info(path);
    const std::optional<Name> name = nameOf(info.fileName());
    Holding& state = holding();
    if (!name)
        return true;
    const QString folder = info.absolutePath();
    if (folder != state.folder) {
        releaseHeld(Document);
        releaseHeld(Picture);
        if (state.fd >= 0)
            ::close(state.fd);
        state.folder = folder;
        state.fd = openLockFile(folder);
    }
    if (state.fd < 0)
        return true;
    Held& held = state.names[name->kind];
    if (held.byte == name->byte)
        return false;  // ours already, for the document this instance shows
    if (!lockByte(state.fd, name->byte, F_WRLCK))
        return false;
    releaseHeld(name->kind);
    held.byte = name->byte;
    held.path = info.absoluteFilePath();
    return true;
}

void release(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (Kind kind : {Document, Picture})
        if (!holding().names[kind].path.isEmpty() && holding().names[kind].path == absolute)
            releaseHeld(kind);
}

QString held() { return holding().names[Document].path; }

int sweep(const QString& folder)
{
    // The writer's own temporaries carry their own locks.
    int removed = files::AtomicFileWriter::sweep(folder);
    // A descriptor of its own: its locks conflict with the ones this instance
    // holds through the other, so the sweep passes over our own document too.
    const int fd = openLockFile(folder);
    if (fd < 0)
        return removed;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("kelvas*.doc"), QStringLiteral("temp*.pic")},
                                             QDir::Files | QDir::Hidden | QDir::System)) {
        const std::optional<Name> held = nameOf(name);
        if (!held || !lockByte(fd, held->byte, F_WRLCK))
            continue;
        const off_t byte = held->byte;
        // Checked with the name held, so nothing can take its place in between.
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat info {};
        if (::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            ::unlink(path.constData()) == 0)
            ++removed;
        lockByte(fd, byte, F_UNLCK);
    }
    ::close(fd);
    return removed;
}

}  // namespace DocumentLocks
