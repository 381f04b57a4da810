#include "preview/OutputFile.h"

#include "common/Files.h"
#include "files/AtomicFileWriter.h"

#include <QCoreApplication>
#include <stdexcept>

namespace preview::OutputFile {

platform::Answer askOverwrite(const QString& path)
{
    return platform::showMessage(
        QCoreApplication::translate("preview::OutputFile", "Are you sure you wish to overwrite %1 ?").arg(path),
        platform::Buttons::YesNo);
}

bool mayWrite(const QString& path) { return !common::fileExists(path) || askOverwrite(path) == platform::Answer::Yes; }

void write(const QString& path, const QByteArray& bytes, files::AtomicFileWriter::Existing existing)
{
    const QString reason = files::AtomicFileWriter::write(path, bytes, existing);
    if (!reason.isEmpty())
        throw std::runtime_error(
            QCoreApplication::translate("preview::OutputFile", "Cannot write %1: %2").arg(path, reason).toStdString());
}

void reportDone() { platform::showMessage(QCoreApplication::translate("preview::OutputFile", "Done.")); }

}  // namespace preview::OutputFile
