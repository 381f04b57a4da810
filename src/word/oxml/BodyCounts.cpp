#include "word/oxml/BodyCounts.h"

#include "word/model/DocumentError.h"

#include <QCoreApplication>

namespace word::oxml {

void BodyCounts::tooMany(int limit, const char* what)
{
    //: %1 is a number, %2 what there are too many of, e.g. "table cells"
    throw DocumentError::tooLarge(QCoreApplication::translate("word::oxml::BodyCounts", "it has more than %1 %2")
                                      .arg(limit)
                                      .arg(QCoreApplication::translate("word::oxml::BodyCounts", what)));
}

void BodyCounts::tooMuchText()
{
    throw DocumentError::tooLarge(
        QCoreApplication::translate("word::oxml::BodyCounts", "it holds more than %1 characters of text")
            .arg(limits::MaxTextCharacters));
}

}  // namespace word::oxml
