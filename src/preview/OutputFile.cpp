#include "preview/OutputFile.h"

#include "common/Files.h"
#include "files/AtomicFileWriter.h"

#include <stdexcept>

namespace preview::OutputFile {

platform::Answer askOverwrite(const QString& path)
{
    return platform::showMessage(QStringLiteral("Are you sure you wish to overwrite ") + path + QStringLiteral(" ?"),
                                 platform::Buttons::YesNo);
}

bool mayWrite(const QString& path) { return !common::fileExists(path) || askOverwrite(path) == platform::Answer::Yes; }

void write(const QString& path, const QByteArray& bytes)
{
    const QString reason = files::AtomicFileWriter::write(path, bytes);
    if (!reason.isEmpty())
        throw std::runtime_error(QStringLiteral("Cannot write %1: %2").arg(path, reason).toStdString());
}

void reportDone() { platform::showMessage(QStringLiteral("Done.")); }

}  // namespace preview::OutputFile
