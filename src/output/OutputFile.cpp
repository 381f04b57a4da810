#include "output/OutputFile.h"

#include "common/Files.h"
#include "errors/UserError.h"
#include "files/AtomicFileWriter.h"

#include <QCoreApplication>

namespace output {

platform::Answer OutputFile::askOverwrite(const QString& path)
{
    return platform::showMessage(
        QCoreApplication::translate("output::OutputFile", "Are you sure you wish to overwrite %1 ?").arg(path),
        platform::Buttons::YesNo);
}

bool OutputFile::mayWrite(const QString& path) { return !common::fileExists(path) || askOverwrite(path) == platform::Answer::Yes; }

void OutputFile::write(const QString& path, const QByteArray& bytes, files::AtomicFileWriter::Existing existing)
{
    const errors::Outcome written = files::AtomicFileWriter::write(path, bytes, existing);
    if (!written)
        throw errors::UserError(
            QCoreApplication::translate("output::OutputFile", "Cannot write %1: %2").arg(written.what(), written.why()));
}

void OutputFile::reportDone() { platform::showMessage(QCoreApplication::translate("output::OutputFile", "Done.")); }

}  // namespace output
