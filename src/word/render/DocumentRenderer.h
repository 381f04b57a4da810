#pragma once

#include "word/model/DocumentModel.h"

#include <QImage>

namespace word {

// A picture of the document's content, as Range.CopyAsPicture puts it on the
// clipboard: drawn at 96 pixels per inch. Throws AutomationError when no
// picture can be made.
QImage renderDocument(const model::DocumentModel& document);

}  // namespace word
