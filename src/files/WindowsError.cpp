#include "files/WindowsError.h"

#include <QDir>

#include <windows.h>

namespace files {

QString describeWindowsError(unsigned long error)
{
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        DWORD(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString message = length ? QString::fromWCharArray(text, int(length)).trimmed()
                             : QStringLiteral("Windows error %1").arg(error);
    ::LocalFree(text);
    if (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    return message;
}

std::wstring nativePath(const QString& path) { return QDir::toNativeSeparators(path).toStdWString(); }

}  // namespace files
