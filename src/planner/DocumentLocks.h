#pragma once

#include <QString>

// Which temporary planner documents ("kelvas" + eight digits + ".doc") and
// pictures ("temp" + eight digits + ".pic") are in use, so that one instance
// of the program can clean up after another that was killed without ever
// touching a file a running instance uses.
//
// The lock is on the document's name, not on the file. SaveAs writes a new
// file and renames it over the reserved one, and the preview deletes it, so
// a lock held on the file itself would be lost with its inode; and a lock
// file beside each document would have to be created, locked and removed
// with a window in which another instance sees the document unlocked. So
// each user has one lock file in the temporary folder, ".kelvas-<uid>.lock",
// that is never written, never removed, and stays empty: the name
// kelvasNNNNNNNN.doc is held by an open-file-description lock (F_OFD_SETLK)
// on byte NNNNNNNN of it, and tempNNNNNNNN.pic on byte 10^8 + NNNNNNNN. The kernel drops the lock when the holder ends,
// however it ends (kill -9 included); a byte lock does not care which file
// the name points to from one moment to the next. Open-file-description
// locks rather than classic fcntl locks, which belong to the whole process
// and vanish when any descriptor of the file is closed; flock() has no byte
// ranges.
//
// An instance holds the name before it creates the file (reserve) and keeps
// it until it takes the next one of the same kind or ends: one document and
// one picture at a time. The sweep locks each name
// itself before it deletes the file, so a name can never be held by two.
//
// Where the lock file cannot be had (a file of that name that is not ours or
// not ordinary, a folder we may not write), names are not held and nothing
// is swept: the exclusive create alone then keeps names apart.
//
// All of this runs on the user-interface thread.
namespace planner::locks {

// Holds the name of the document or picture `path` for this instance, and
// gives up the name of that kind it held before. False when a running
// instance, this one included, holds it. A path that is neither name, or a
// folder without a lock file, holds nothing and answers true.
bool hold(const QString& path);

// Gives up the name of `path` if this instance holds it; any other path
// leaves the held names alone.
void release(const QString& path);

// The path of the document whose name this instance holds; empty when none.
QString held();

// Removes this user's temporary documents and pictures in `folder`
// (ordinary files only, never a link) whose names no running instance, this
// one included, holds, and the writer's temporaries nobody holds
// (files::AtomicFileWriter::sweep). Never reports; returns how many were removed.
int sweep(const QString& folder);

}  // namespace planner::locks
