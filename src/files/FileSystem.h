#pragma once

#include <QString>

#include <optional>

namespace files {

// The few things about files that differ between Linux and Windows and that
// the temporary files and their locks need, below the writer. FileSystem.cpp
// does them with POSIX calls, FileSystemWindows.cpp with Windows' own.

// This user's lock file in a folder, whose single bytes stand for names that
// a running instance holds. A byte lock is held by the object that took it
// and dropped by the system when the holder ends, however it ends; the file
// itself is never written and never removed. Two objects on one lock file
// conflict with each other, in one process as in two.
class ByteLocks {
public:
    // Opens, creating it when missing, the file "<baseName>-<user>.lock" in
    // `folder`. Not open (isOpen() false) when that name is taken by a link,
    // by what is not an ordinary file, or by another user's file, or when the
    // folder cannot be written.
    ByteLocks(const QString& folder, const QString& baseName);
    ~ByteLocks();
    ByteLocks(const ByteLocks&) = delete;
    ByteLocks& operator=(const ByteLocks&) = delete;

    bool isOpen() const;
    // Takes byte `byte`, without waiting. False when someone holds it.
    bool lock(qint64 byte);
    void unlock(qint64 byte);

private:
    qintptr m_handle;
};

// Removes `path` when it is an ordinary file of this user (never a link,
// never a folder). True when it was removed.
bool removeOwnFile(const QString& path);

// Creates the empty file `path`, never through a link, readable and writable
// by this user only. Nothing when it was made; otherwise whether it existed
// already, and the system's reason when it did not.
struct CreateFailure {
    bool exists = false;
    QString reason;
};
std::optional<CreateFailure> createNewFile(const QString& path);

// A folder `path` of this user's own, made when missing, owner-only.
// Nothing when it is fine, otherwise why it cannot be had; `reason` is the
// system's text for CannotCreate.
struct FolderProblem {
    enum Kind { CannotCreate, NotAFolder, OtherUser, CannotMakePrivate } kind;
    QString reason;
};
std::optional<FolderProblem> ownPrivateFolder(const QString& path);

// A short name of the user running the program, for names of files that
// are per user in a shared folder: the user id on Linux.
QString userKey();

}  // namespace files
