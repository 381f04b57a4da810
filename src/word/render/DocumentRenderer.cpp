#include "word/render/DocumentRenderer.h"

#include "word/AutomationError.h"

namespace word {

// Rendering is not built yet: Range.CopyAsPicture fails with this description until it is.
QImage renderDocument(const model::DocumentModel&)
{
    throw AutomationError(QStringLiteral("Copying a document as a picture is not available yet."));
}

}  // namespace word
