#include "word/oxml/BodyCounts.h"

#include "word/model/DocumentError.h"

namespace word::oxml {

void BodyCounts::tooMany(int limit, const char* what)
{
    throw DocumentError::tooLarge(QStringLiteral("it has more than %1 %2").arg(limit).arg(QLatin1String(what)));
}

void BodyCounts::tooMuchText()
{
    throw DocumentError::tooLarge(QStringLiteral("it holds more than %1 characters of text").arg(limits::MaxTextCharacters));
}

}  // namespace word::oxml
