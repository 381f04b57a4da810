#pragma once

#include <QPicture>
#include <QString>

#include <functional>
#include <optional>

namespace planner {

// Where a generation keeps its two temporary files, and how it names and
// writes them so that nobody else's file is ever overwritten or followed.
// Only static members: nothing to make.
class TemporaryFiles {
public:
    TemporaryFiles() = delete;

    // The temporary folder: TEMP when it is set and not empty; otherwise a folder
    // private to the user: the desktop session's runtime folder where there is
    // one, else "dorvane-<user id>" in the system temporary folder, created with
    // owner-only permissions when missing. Throws errors::UserError when that
    // folder is not an ordinary folder owned by the user.
    static QString folder();

    // One digit 1 to 9 of a temporary document's name, drawn independently from
    // the system's random source so that names cannot be guessed.
    static int drawDigit();

    // Takes `path` for a new document: holds its name for this instance (see
    // DocumentLocks.h) and creates the file exclusively, so an existing file or
    // link is never overwritten or followed. False when the name is taken (a
    // file exists, or another running instance holds the name); throws
    // errors::UserError when the file cannot be created at all.
    static bool reserve(const QString& path);

    // Takes a fresh name for a picture file in `folder`: "temp", eight digits
    // 1 to 9, ".pic", created exclusively like a document's name, so that two
    // instances of the program sharing the folder never write or read each
    // other's picture. Returns the path of the (empty) file; throws
    // errors::UserError when no name can be taken.
    // `nextDigit` draws each digit (1 to 9).
    static QString reservePicture(const QString& folder, const std::function<int()>& nextDigit);

    // Takes a fresh name for a document in `folder`: "kelvas", eight digits
    // drawn by drawDigit, ".doc", created exclusively and held like the
    // generation's own document, so that a sweep of another instance leaves it
    // alone while this one uses it. Returns the path of the (empty) file; throws
    // errors::UserError when no name can be taken.
    static QString reserveDocument(const QString& folder);

    // A picture as it went to its file: the picture, and the file's bytes.
    struct WrittenPicture {
        QPicture picture;
        QByteArray bytes;
    };

    // Writes `picture` in QPicture's own vector format (QPicture::load reads it)
    // to `path` through the program's one writer (files::AtomicFileWriter), so a
    // full disk leaves no half-written picture behind. The file is scratch: it
    // is not waited for on the disk. Throws errors::UserError naming the reason.
    static WrittenPicture writePicture(const QPicture& picture, const QString& path);

    // Reads the picture file at `path` back, as QPicture::load reads it; no
    // value when it cannot be read or is no picture. When the file holds
    // exactly the bytes of `written`, and their bounding rectangle is the
    // picture's, the answer is `written`'s picture itself: it is what those
    // bytes load as, and QPicture would check their checksum again only to
    // come to it (about a millisecond for a week).
    static std::optional<QPicture> readPicture(const QString& path, const WrittenPicture& written);
};

}  // namespace planner
