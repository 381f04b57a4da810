// The writer on Windows: the same promises as on Linux, kept with Windows'
// own means.
//
// - The temporary file is created with CREATE_NEW and opened without
//   sharing write or delete access for as long as it exists. Nobody else can
//   open it to delete it, so a sweep of another instance passes over it; when
//   the writer ends, however it ends, the system closes the handle and a
//   later sweep may take the file.
// - The bytes are flushed (FlushFileBuffers; not for a scratch file) and the file is then renamed
//   over the target through that same handle (FileRenameInfo), so that there
//   is no moment in which the finished file is unheld. The rename replaces
//   the target in one step, as MoveFileExW with MOVEFILE_REPLACE_EXISTING
//   does, and fails on a read-only target, which is kept. The replaced
//   file's attributes (hidden, system, archive...) are carried over. When
//   the target is to be kept, the rename does not replace, so a file that
//   came in the meantime stays and the write fails.
// - Names Windows refuses (CON, a:b, a trailing dot...) get a message
//   saying so rather than the system's vaguer "The parameter is incorrect".
#include "files/AtomicFileWriter.h"
#include "files/WindowsError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <windows.h>

#include <aclapi.h>

#include <memory>
#include <optional>
#include <vector>

namespace files {
namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const
    {
        if (handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle);
    }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// A name of a file Windows will not make, or nothing when the name is fine:
// device names (with or without an extension), the characters the file
// systems refuse, and a trailing dot or blank, which Windows strips silently.
std::optional<QString> refusedName(const QString& fileName)
{
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[0-9]|LPT[0-9])$"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression characters(QStringLiteral("[<>:\"|?*\\x00-\\x1f]"));
    // "con.doc" and "con " are the device as well.
    if (device.match(fileName.section(QLatin1Char('.'), 0, 0).trimmed()).hasMatch())
        return QCoreApplication::translate("files::AtomicFileWriter",
                                           "Windows reserves the name \"%1\" for a device").arg(fileName);
    if (characters.match(fileName).hasMatch())
        return QCoreApplication::translate("files::AtomicFileWriter",
                                           "Windows does not allow the characters < > : \" | ? * in the name \"%1\"")
            .arg(fileName);
    if (fileName.endsWith(QLatin1Char('.')) || fileName.endsWith(QLatin1Char(' ')))
        return QCoreApplication::translate("files::AtomicFileWriter",
                                           "Windows does not allow a name that ends in a dot or a blank: \"%1\"")
            .arg(fileName);
    return std::nullopt;
}

// The security identifier of the user running the program.
std::vector<BYTE> currentUser()
{
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !::GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        ::CloseHandle(token);
        return {};
    }
    ::CloseHandle(token);
    const PSID sid = reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid;
    std::vector<BYTE> copy(::GetLengthSid(sid));
    ::CopySid(DWORD(copy.size()), copy.data(), sid);
    return copy;
}

// True when the file open at `handle` is owned by this user (or by the
// Administrators group, which owns what an elevated run of this user makes).
bool ownedByThisUser(HANDLE handle)
{
    static const std::vector<BYTE> me = currentUser();
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (me.empty() || ::GetSecurityInfo(handle, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                                        nullptr, nullptr, &descriptor) != ERROR_SUCCESS)
        return false;
    bool mine = ::EqualSid(owner, PSID(me.data()));
    if (!mine && ::IsWellKnownSid(owner, WinBuiltinAdministratorsSid)) {
        BOOL member = FALSE;
        mine = ::CheckTokenMembership(nullptr, owner, &member) && member;
    }
    ::LocalFree(descriptor);
    return mine;
}

// One temporary file of the writer, from its creation to its rename.
class Temporary {
public:
    ~Temporary()
    {
        if (m_handle == INVALID_HANDLE_VALUE)
            return;
        if (!m_renamed) {
            // Deleted as the handle closes, by the handle that holds it.
            FILE_DISPOSITION_INFO dispose{TRUE};
            ::SetFileInformationByHandle(m_handle, FileDispositionInfo, &dispose, sizeof dispose);
        }
        ::CloseHandle(m_handle);
    }

    DWORD create(const QString& folder)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QString path = folder + QStringLiteral("/.~dorvane.") +
                QString::number(QRandomGenerator::system()->generate(), 16).rightJustified(8, QLatin1Char('0')) +
                QStringLiteral(".tmp");
            const HANDLE handle = ::CreateFileW(nativePath(path).c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ,
                                                nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (handle == INVALID_HANDLE_VALUE) {
                if (::GetLastError() == ERROR_FILE_EXISTS)
                    continue;
                return ::GetLastError();
            }
            m_handle = handle;
            return ERROR_SUCCESS;
        }
        return ERROR_FILE_EXISTS;
    }

    DWORD write(const QByteArray& bytes, bool sync)
    {
        const char* next = bytes.constData();
        qsizetype left = bytes.size();
        while (left > 0) {
            DWORD written = 0;
            const DWORD step = DWORD(std::min<qsizetype>(left, 1 << 30));
            if (!::WriteFile(m_handle, next, step, &written, nullptr))
                return ::GetLastError();
            if (written == 0)
                return ERROR_WRITE_FAULT;  // no progress and no reason: never loop for ever
            next += written;
            left -= written;
        }
        return !sync || ::FlushFileBuffers(m_handle) ? ERROR_SUCCESS : ::GetLastError();
    }

    // Takes over the attributes of the file it replaces, then renames itself
    // over `target` (replacing it when `replace`).
    DWORD renameOver(const QString& target, std::optional<DWORD> attributes, bool replace)
    {
        if (attributes) {
            FILE_BASIC_INFO basic{};
            if (!::GetFileInformationByHandleEx(m_handle, FileBasicInfo, &basic, sizeof basic))
                return ::GetLastError();
            // A read-only target stays: the rename over it is refused.
            basic.FileAttributes = (*attributes & ~FILE_ATTRIBUTE_READONLY) | FILE_ATTRIBUTE_ARCHIVE;
            if (*attributes & FILE_ATTRIBUTE_READONLY)
                return ERROR_ACCESS_DENIED;
            if (!::SetFileInformationByHandle(m_handle, FileBasicInfo, &basic, sizeof basic))
                return ::GetLastError();
        }
        const std::wstring name = nativePath(QFileInfo(target).absoluteFilePath());
        const size_t bytes = sizeof(FILE_RENAME_INFO) + name.size() * sizeof(wchar_t);
        std::vector<BYTE> buffer(bytes, 0);
        auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
        rename->ReplaceIfExists = replace ? TRUE : FALSE;
        rename->RootDirectory = nullptr;
        rename->FileNameLength = DWORD(name.size() * sizeof(wchar_t));
        std::copy(name.begin(), name.end(), rename->FileName);
        if (!::SetFileInformationByHandle(m_handle, FileRenameInfo, rename, DWORD(bytes)))
            return ::GetLastError();
        m_renamed = true;
        return ERROR_SUCCESS;
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    bool m_renamed = false;
};

}  // namespace

errors::Outcome AtomicFileWriter::write(const QString& path, const QByteArray& bytes, Existing existing,
                                        Durability durability)
{
    const QFileInfo target(path);
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')))
        return errors::Outcome::failed(path, describeWindowsError(ERROR_DIRECTORY));
    // The name as typed: Qt would read "a:b" as a drive and a name.
    const QString typedName = path.mid(std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1);
    if (const std::optional<QString> refused = refusedName(typedName))
        return errors::Outcome::failed(path, *refused);
    const QString folder = target.absolutePath();
    // What a killed writer left in this folder goes first: the start-up
    // sweep reaches only the temporary folder, not the user's folders.
    sweep(folder);
    // A link is written through when replacing, as on Linux: the file it
    // leads to is replaced and the link stays.
    QString destination = target.absoluteFilePath();
    if (existing == Existing::Replace && target.isSymLink())
        destination = target.symLinkTarget();
    std::optional<DWORD> attributes;
    const DWORD there = ::GetFileAttributesW(nativePath(destination).c_str());
    if (there != INVALID_FILE_ATTRIBUTES) {
        if (there & FILE_ATTRIBUTE_DIRECTORY)
            return errors::Outcome::failed(
                path, QCoreApplication::translate("files::AtomicFileWriter", "it is a folder, not a file"));
        if (there & FILE_ATTRIBUTE_DEVICE)
            return errors::Outcome::failed(
                path, QCoreApplication::translate("files::AtomicFileWriter", "it is not a file"));
        if (existing == Existing::Keep)
            return errors::Outcome::failed(path, describeWindowsError(ERROR_FILE_EXISTS));
        attributes = there;
    }
    Temporary temporary;
    DWORD error = temporary.create(folder);
    if (!error)
        error = temporary.write(bytes, durability == Durability::Synced);
    // Kept, the rename itself refuses a file that came in the meantime.
    if (!error)
        error = temporary.renameOver(destination, attributes, existing == Existing::Replace);
    if (error)
        return errors::Outcome::failed(path, describeWindowsError(error));
    return {};
}

bool AtomicFileWriter::isTemporaryName(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.~dorvane\\.[0-9a-f]{8}\\.tmp$"));
    return pattern.match(fileName).hasMatch();
}

int AtomicFileWriter::sweep(const QString& folder)
{
    int removed = 0;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral(".~dorvane.*.tmp")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (!isTemporaryName(name))
            continue;
        // Opening for delete with no sharing fails while its writer holds it.
        // A link (reparse point) is opened as itself and passed over.
        const UniqueHandle handle(::CreateFileW(nativePath(dir.filePath(name)).c_str(), DELETE | READ_CONTROL, 0,
                                                nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (handle.get() == INVALID_HANDLE_VALUE)
            continue;
        FILE_ATTRIBUTE_TAG_INFO tag{};
        if (!::GetFileInformationByHandleEx(handle.get(), FileAttributeTagInfo, &tag, sizeof tag) ||
            (tag.FileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) ||
            !ownedByThisUser(handle.get()))
            continue;
        FILE_DISPOSITION_INFO dispose{TRUE};
        if (::SetFileInformationByHandle(handle.get(), FileDispositionInfo, &dispose, sizeof dispose))
            ++removed;
    }
    return removed;
}

}  // namespace files
