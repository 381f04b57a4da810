#pragma once

#include "files/AtomicFileWriter.h"
#include "platform/MessageBoxes.h"

#include <QByteArray>
#include <QString>

namespace output {

// What Save and Export share about the file the user chose: the one question
// before an existing file is replaced, and the one way the new file is
// written and announced. Only static members: nothing to make.
class OutputFile {
public:
    OutputFile() = delete;

    // Asks "Are you sure you wish to overwrite <path> ?" (Yes/No) and returns the answer.
    static platform::Answer askOverwrite(const QString& path);

    // True when `path` may be written: no file is there, or the user answered
    // Yes to askOverwrite.
    static bool mayWrite(const QString& path);

    // Writes `bytes` to `path` whole or not at all (files::AtomicFileWriter),
    // replacing what is there or, with Keep, only where nothing is.
    // Throws errors::UserError "Cannot write <path>: <reason>" when it fails;
    // the file at `path` is then as it was.
    static void write(const QString& path, const QByteArray& bytes,
                      files::AtomicFileWriter::Existing existing = files::AtomicFileWriter::Existing::Replace);

    // "Done.", to be said only once write() has returned.
    static void reportDone();
};

}  // namespace output
