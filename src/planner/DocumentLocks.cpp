#include "DocumentLocks.h"

#include "files/AtomicFileWriter.h"
#include "files/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <memory>
#include <optional>

namespace planner::locks {
namespace {

// The two kinds of name held: a planner document's and a picture's.
enum Kind { Document, Picture, Kinds };

struct Name {
    Kind kind;
    qint64 byte;
};

// The byte of the lock file that stands for a name: a document's eight
// digits, or a picture's eight digits after the first 10^8 bytes.
std::optional<Name> nameOf(const QString& fileName)
{
    static const QRegularExpression document(QStringLiteral("^kelvas([1-9]{8})\\.doc$"));
    static const QRegularExpression picture(QStringLiteral("^temp([1-9]{8})\\.pic$"));
    if (const QRegularExpressionMatch match = document.match(fileName); match.hasMatch())
        return Name{Document, match.captured(1).toLongLong()};
    if (const QRegularExpressionMatch match = picture.match(fileName); match.hasMatch())
        return Name{Picture, 100000000 + match.captured(1).toLongLong()};
    return std::nullopt;
}

// This user's lock file in `folder`.
std::unique_ptr<files::ByteLocks> openLockFile(const QString& folder)
{
    return std::make_unique<files::ByteLocks>(folder, QStringLiteral(".kelvas"));
}

// What this instance holds: the lock file of one folder, and one name of each kind in it.
struct Held {
    std::optional<qint64> byte;
    QString path;
};

struct Holding {
    QString folder;
    std::unique_ptr<files::ByteLocks> locks;
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
    if (held.byte && state.locks)
        state.locks->unlock(*held.byte);
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
        state.folder = folder;
        state.locks = openLockFile(folder);
    }
    if (!state.locks->isOpen())
        return true;
    Held& held = state.names[name->kind];
    if (held.byte == name->byte)
        return false;  // ours already, for the document this instance shows
    if (!state.locks->lock(name->byte))
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
    const std::unique_ptr<files::ByteLocks> locks = openLockFile(folder);
    if (!locks->isOpen())
        return removed;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("kelvas*.doc"), QStringLiteral("temp*.pic")},
                                             QDir::Files | QDir::Hidden | QDir::System)) {
        const std::optional<Name> held = nameOf(name);
        if (!held || !locks->lock(held->byte))
            continue;
        // Checked with the name held, so nothing can take its place in between.
        if (files::removeOwnFile(dir.filePath(name)))
            ++removed;
        locks->unlock(held->byte);
    }
    return removed;
}

}  // namespace planner::locks
