#pragma once

#include <QString>

#include <optional>

namespace remote {

// The system's store of secrets, one text per key under Dorvane's service
// name: the desktop's keyring (Secret Service, through QtKeychain) on Linux,
// the Credential Manager on Windows. Never a plain file: without a store,
// reading finds nothing and writing fails.

// The text stored under `key`; nothing when there is none or no store.
std::optional<QString> readSecret(const QString& key);
// Stores `text` under `key`, replacing what was there. False when it could not.
bool writeSecret(const QString& key, const QString& text);

}  // namespace remote
