#pragma once

#include <QImage>
#include <QString>

// Where a generation keeps its two temporary files, and how it names and
// writes them so that nobody else's file is ever overwritten or followed.
namespace TemporaryFiles {

// The temporary folder: TEMP when it is set and not empty; otherwise a folder
// private to the user: the desktop session's runtime folder where there is
// one, else "dorvane-<user id>" in the system temporary folder, created with
// owner-only permissions when missing. Throws std::runtime_error when that
// folder is not an ordinary folder owned by the user.
QString folder();

// One digit 1 to 9 of a temporary document's name, drawn independently from
// the system's random source so that names cannot be guessed.
int drawDigit();

// Takes `path` for a new document: holds its name for this instance (see
// DocumentLocks) and creates the file exclusively, so an existing file or
// link is never overwritten or followed. False when the name is taken (a
// file exists, or another running instance holds the name); throws
// std::runtime_error when the file cannot be created at all.
bool reserve(const QString& path);

// The picture file "temp.bmp" in `folder`.
QString picturePath(const QString& folder);

// Writes `picture` as a BMP to `path` by replacing the file: a link there is
// replaced, never followed, and a failure leaves no half-written file.
// Throws std::runtime_error on failure.
void writePicture(const QImage& picture, const QString& path);

}  // namespace TemporaryFiles
