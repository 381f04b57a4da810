#include "word/model/DocumentError.h"

#include <QCoreApplication>

namespace word {

DocumentError::DocumentError(Reason reason)
    : std::runtime_error("document error"), m_reason(reason)
{
}

DocumentError::DocumentError(const QString& description)
    : std::runtime_error(description.toStdString()), m_reason(Reason::Described), m_description(description)
{
}

DocumentError DocumentError::notWordDocument(const QString& why)
{
    if (why.isEmpty())
        return DocumentError(QCoreApplication::translate("word::DocumentError", "The file is not a Word document."));
    return DocumentError(
        QCoreApplication::translate("word::DocumentError", "The file is not a Word document: %1.").arg(why));
}

DocumentError DocumentError::damaged(const QString& detail)
{
    return DocumentError(QCoreApplication::translate("word::DocumentError", "The file is damaged: %1.").arg(detail));
}

DocumentError DocumentError::tooLarge(const QString& detail)
{
    return DocumentError(
        QCoreApplication::translate("word::DocumentError", "The file is too large to open: %1.").arg(detail));
}

}  // namespace word
