#pragma once

#include "word/package/PackagePart.h"

#include <QByteArray>

#include <vector>

namespace word::package {

// The zip container of a package, built in memory with libzip: the parts in
// the order given, deflated (those under 1 KiB stored as they are). Throws
// DocumentError when libzip fails.
QByteArray zipParts(const std::vector<PackagePart>& parts);

}  // namespace word::package
