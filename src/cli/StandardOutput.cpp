#include "cli/StandardOutput.h"

#include <QFile>

namespace cli {

bool isStandardOutput(const QString& fileName) { return fileName == QLatin1String("-"); }

QString writeAll(int fd, const QByteArray& bytes)
{
    // Unbuffered: the write is made here and now, its short writes taken up
    // and its failure kept, not left to a flush nobody checks.
    QFile stream;
    if (!stream.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        return stream.errorString();
    if (stream.write(bytes) != bytes.size())
        return stream.errorString();
    return QString();
}

}  // namespace cli
