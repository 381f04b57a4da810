#include "output/OutputFile.h"

#include "common/Files.h"
#include "files/AtomicFileWriter.h"

#include <QCoreApplication>
#include <stdexcept>

namespace output {

platform::Answer OutputFile::askOverwrite(const QString& path)
{
    return platform::showMessage(
        QCoreApplication::translate("output::OutputFile", "Are you sure you wish to overwrite %1 ?").arg(path),
        platform::Buttons::YesNo);
}

bool OutputFile::mayWrite(const QString& path) { return !common::fileExists(path) || askOverwrite(path) == platform::Answer::Yes; }

void OutputFile::write(const QString& path, const QByteArray& bytes)
{
    const QString reason = files::AtomicFileWriter::write(path, bytes);
    if (!reason.isEmpty())
        throw std::runtime_error(
            QCoreApplication::translate("output::OutputFile", "Cannot write %1: %2").arg(path, reason).toStdString());
}

void OutputFile::reportDone() { platform::showMessage(QCoreApplication::translate("output::OutputFile", "Done.")); }

}  // namespace output
