#pragma once

#include <QString>

#include <optional>

namespace remote {

// The system's store of secrets, one text per key under Dorvane's service
// name: the desktop's keyring (Secret Service, through QtKeychain) on Linux,
// the Credential Manager on Windows. Never a plain file: without a store,
// reading finds nothing and writing fails.
//
// On Linux the keyring is reached only through a session bus that is
// already there (DBUS_SESSION_BUS_ADDRESS, or the session's socket in
// XDG_RUNTIME_DIR): without one there is no keyring, and none is started,
// since a bus and keyring daemon started for us would outlive the program.

// The text stored under `key`; nothing when there is none or no store.
std::optional<QString> readSecret(const QString& key);

// Stores `text` under `key`, replacing what was there. Empty when it was
// stored; otherwise why not, as the end of a sentence ("no keyring is
// available on this computer").
QString writeSecret(const QString& key, const QString& text);

}  // namespace remote
