#pragma once

#include <QString>

namespace common {

// The product name: caption of both windows, source of the application title.
inline const QString ProductName = QStringLiteral("Dorvane");

// Cuts `name` at its last blank, again and again, until at most 40 characters
// remain; the first cut is always made. A name without blanks stays whole
// (cut to 40 characters if longer).
QString deriveAppTitle(const QString& name);

// Sets the application title (platform::applicationTitle) from the product name.
void setAppTitle();

}  // namespace common
