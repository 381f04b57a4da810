#include "word/package/PackageReader.h"

#include "word/AutomationError.h"

namespace word::package {

// Reading packages back is not built yet: Documents.Open fails with this
// description until it is.
model::DocumentModel readPackage(const QString& path)
{
    throw AutomationError(QStringLiteral("Opening documents is not available yet (\"%1\").").arg(path));
}

}  // namespace word::package
