#pragma once

#include "word/model/DocumentModel.h"

#include <QString>

namespace word::package {

// Reads a WordprocessingML package (recognised by its content, whatever the
// file's extension) into the document model, as Documents.Open does. Throws
// AutomationError with a description of what is wrong with the file.
model::DocumentModel readPackage(const QString& path);

}  // namespace word::package
