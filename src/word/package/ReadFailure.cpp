#include "word/package/ReadFailure.h"

#include "word/AutomationError.h"

namespace word::package::failure {

void notWordDocument(const QString& why)
{
    if (why.isEmpty())
        throw AutomationError(QStringLiteral("The file is not a Word document."));
    throw AutomationError(QStringLiteral("The file is not a Word document: %1.").arg(why));
}

void damaged(const QString& detail)
{
    throw AutomationError(QStringLiteral("The file is damaged: %1.").arg(detail));
}

void tooLarge(const QString& detail)
{
    throw AutomationError(QStringLiteral("The file is too large to open: %1.").arg(detail));
}

}  // namespace word::package::failure
