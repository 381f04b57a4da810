#pragma once

#include <QCursor>
#include <QString>

namespace desktop {

// Loads a Windows cursor file (.cur): the image through Qt's ICO reader, the
// hot spot from the file's directory entry (Qt's reader drops it).
// Throws errors::UserError with a readable description when the file cannot
// be read or is not a cursor.
QCursor loadCursorFile(const QString& path);

}  // namespace desktop
