#include "word/model/Cell.h"

namespace word::model {

QString Cell::text() const
{
    QString all;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            all += QLatin1Char('\r');
        all += paragraphs[i].text();
    }
    return all;
}

bool Cell::isEmpty() const
{
    return paragraphs.size() == 1 && paragraphs.front().isEmpty();
}

}  // namespace word::model
