#pragma once

#include <QString>

// The program's file helpers. None of them keeps state between calls.
namespace common {

// The hand cursor both windows show over their buttons when it is there:
// "HAND-M.CUR" in the program's folder.
QString handCursorPath();

// True when the file's last-modified time can be read. Never reports.
bool fileExists(const QString& path);

// Quiet delete: lets pending window events run once, deletes the file, falls
// back to forceDeleteFile. Never fails and never reports; a link is removed,
// never its target.
void removeFile(const QString& path);

// Deletes the file even when it is read-only. Throws errors::UserError on failure.
void forceDeleteFile(const QString& path);

}  // namespace common
