// Windows' side of the file helpers. Byte locks are LockFileEx ranges on a
// handle of the lock file, which the system drops when the handle closes,
// also when the process is killed. The per-user temporary folder (%TEMP%) is
// already private to its user, so ownership checks compare the owner with
// the running user only where a shared folder could hold others' files.
#include "files/FileSystem.h"
#include "files/WindowsError.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <aclapi.h>
#include <lmcons.h>

#include <vector>

namespace files {
namespace {

// An ordinary file or folder, not a link or other reparse point.
bool isPlain(DWORD attributes) { return !(attributes & FILE_ATTRIBUTE_REPARSE_POINT); }

bool rangeLock(HANDLE handle, qint64 byte, bool take)
{
    OVERLAPPED at{};
    at.Offset = DWORD(quint64(byte) & 0xffffffffu);
    at.OffsetHigh = DWORD(quint64(byte) >> 32);
    if (take)
        return ::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at);
    return ::UnlockFileEx(handle, 0, 1, 0, &at);
}

}  // namespace

ByteLocks::ByteLocks(const QString& folder, const QString& baseName)
    : m_handle(qintptr(INVALID_HANDLE_VALUE))
{
    const QString path = QDir(folder).filePath(QStringLiteral("%1-%2.lock").arg(baseName, userKey()));
    // Shared for reading and writing, since every instance of this user
    // opens it, and for deleting: its folder can go while a run holds it,
    // as on Linux, where the held locks then stand for nothing anyone sees.
    const HANDLE handle =
        ::CreateFileW(nativePath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return;
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag) ||
        !isPlain(tag.FileAttributes) || (tag.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::CloseHandle(handle);
        return;
    }
    m_handle = qintptr(handle);
}

ByteLocks::~ByteLocks()
{
    if (isOpen())
        ::CloseHandle(HANDLE(m_handle));
}

bool ByteLocks::isOpen() const { return HANDLE(m_handle) != INVALID_HANDLE_VALUE; }

bool ByteLocks::lock(qint64 byte) { return isOpen() && rangeLock(HANDLE(m_handle), byte, true); }

void ByteLocks::unlock(qint64 byte)
{
    if (isOpen())
        rangeLock(HANDLE(m_handle), byte, false);
}

bool removeOwnFile(const QString& path)
{
    const DWORD attributes = ::GetFileAttributesW(nativePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !isPlain(attributes) || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    return ::DeleteFileW(nativePath(path).c_str());
}

std::optional<CreateFailure> createNewFile(const QString& path)
{
    const HANDLE handle = ::CreateFileW(nativePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                        nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        ::CloseHandle(handle);
        return std::nullopt;
    }
    const DWORD error = ::GetLastError();
    return CreateFailure{error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS, describeWindowsError(error)};
}

std::optional<FolderProblem> ownPrivateFolder(const QString& path)
{
    if (!::CreateDirectoryW(nativePath(path).c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return FolderProblem{FolderProblem::CannotCreate, describeWindowsError(::GetLastError())};
    const DWORD attributes = ::GetFileAttributesW(nativePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) || !isPlain(attributes))
        return FolderProblem{FolderProblem::NotAFolder, {}};
    return std::nullopt;
}

QString userKey()
{
    wchar_t name[UNLEN + 1];
    DWORD size = UNLEN + 1;
    if (!::GetUserNameW(name, &size) || size == 0)
        return QStringLiteral("user");
    return QString::fromWCharArray(name, int(size - 1));
}

}  // namespace files
