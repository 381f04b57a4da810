// The Credential Manager ("Windows Credentials"): one generic credential per
// key, named "Dorvane calendar servers/<key>", kept for this user on this
// machine (CRED_PERSIST_LOCAL_MACHINE: it does not roam to other machines).
// The text is stored as UTF-16, as the Credential Manager shows it.
#include "KeyringSecret.h"

#include "files/WindowsError.h"

#include <QCoreApplication>

#include <windows.h>

#include <wincred.h>

namespace remote {
namespace {

std::wstring targetName(const QString& key)
{
    return (QStringLiteral("Dorvane calendar servers/") + key).toStdWString();
}

}  // namespace

std::optional<QString> readSecret(const QString& key)
{
    PCREDENTIALW credential = nullptr;
    if (!::CredReadW(targetName(key).c_str(), CRED_TYPE_GENERIC, 0, &credential))
        return std::nullopt;
    const QString text = QString::fromWCharArray(reinterpret_cast<const wchar_t*>(credential->CredentialBlob),
                                                 int(credential->CredentialBlobSize / sizeof(wchar_t)));
    ::CredFree(credential);
    return text;
}

QString writeSecret(const QString& key, const QString& text)
{
    std::wstring target = targetName(key);
    std::wstring blob = text.toStdWString();
    if (blob.size() * sizeof(wchar_t) > CRED_MAX_CREDENTIAL_BLOB_SIZE)
        return QCoreApplication::translate("remote::KeyringSecret", "it is longer than the Credential Manager keeps");
    CREDENTIALW credential{};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = target.data();
    credential.CredentialBlobSize = DWORD(blob.size() * sizeof(wchar_t));
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(blob.data());
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    if (!::CredWriteW(&credential, 0))
        return files::describeWindowsError(::GetLastError());
    return QString();
}

}  // namespace remote
