#include "word/Call.h"

namespace word {

QString Call::text() const
{
    switch (kind) {
    case Kind::Get:
        return member;
    case Kind::Set:
        return member + QLatin1String(" = ") + arguments;
    case Kind::Method:
        break;
    }
    return arguments.isEmpty() ? member : member + QLatin1Char('(') + arguments + QLatin1Char(')');
}

}  // namespace word
