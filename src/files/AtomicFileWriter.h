#pragma once

#include "errors/Outcome.h"

#include <QByteArray>
#include <QString>

namespace files {

// Puts a file in place whole or not at all. Every file the program makes
// (documents, saved copies, PDFs, the preview's picture, print spool files)
// goes through here, so that a full disk, a failing device or a killed run
// never leaves a cut-off file where a whole one was.
//
// How: the bytes go to a new file beside the target, in the same folder,
// named ".~dorvane.<8 hex digits>.tmp" (22 bytes, so a target name as long as
// the file system allows still has room beside it). It is created
// exclusively and never through a link; every write is checked, a short one
// included, then fsync (unless the file is scratch) and close, then it is renamed to the target and the
// folder is synced. On any failure the temporary file is removed, the target
// is left byte for byte as it was, and the reason is returned.
//
// While it exists, the temporary file is held by an open-file-description
// lock, taken before anything is written, which the kernel drops however
// the writer ends (kill -9 included); sweep() removes the ones nobody holds.
// Each write sweeps its folder first, and the program's start sweeps its
// temporary folder.
//
// Plain system calls, no Qt file classes: QFile's buffered flush can lose
// the failure of the last write. Safe to call from any thread.
class AtomicFileWriter {
public:
    // What happens to a file already at the target.
    enum class Existing {
        Replace,  // it is replaced; a link is written through, to the file it leads to
        Keep,     // it stays, and the write fails (EEXIST), also when it came in the meantime
    };

    // Whether the file must survive a crash of the whole system.
    enum class Durability {
        Synced,   // the bytes and the rename are on the disk before write returns
        Scratch,  // a throwaway file (the preview's picture in the temporary
                  // folder): still whole or absent, but not waited for on the disk
    };

    // Writes `bytes` to `path`. With Replace, a file already there is replaced
    // and keeps its permission bits; a link at `path` stays and the file it
    // leads to is replaced (or made). With Keep, the new file is put in place
    // only if nothing of that name is there at that very moment, so of two
    // runs writing one name exactly one succeeds. Either way a folder, device,
    // named pipe or socket is never replaced, and the reason names what it is
    // ("it is a character device, not a file"). A new file gets 0666 less the
    // umask. Returns a failed Outcome with `path` as what failed and the
    // description of the failure as why (e.g. "No space left on device"), or
    // a done one. Once the rename has happened the write counts as done: a
    // failing sync of the folder afterwards is not reported, since the whole
    // new file is already what every reader sees.
    static errors::Outcome write(const QString& path, const QByteArray& bytes, Existing existing = Existing::Replace,
                                 Durability durability = Durability::Synced);

    // True for a name the writer gives its temporary files.
    static bool isTemporaryName(const QString& fileName);

    // Removes this user's temporary files of the writer in `folder` that no
    // running writer holds (a run that was killed left them). Ordinary files
    // only, never a link, never another user's file. Returns how many.
    static int sweep(const QString& folder);
};

}  // namespace files
