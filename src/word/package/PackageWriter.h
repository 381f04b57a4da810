#pragma once

#include "word/model/DocumentModel.h"

#include <QString>

namespace word::package {

// Writes the document as a WordprocessingML package (ECMA-376, transitional,
// the format Word saves by default) to `path`, completely or not at all: the
// package goes to a temporary file beside the target, which then replaces
// the target (a link there stays, and the file it leads to is replaced). Throws
// DocumentError with a description when the file cannot be written.
void writePackage(const model::DocumentModel& document, const QString& path);

}  // namespace word::package
