#include "AppTitle.h"

#include "platform/ProgramEnvironment.h"

namespace common {

QString deriveAppTitle(const QString& name)
{
    constexpr qsizetype limit = 40;
    QString title = name;
    for (;;) {
        const qsizetype blank = title.lastIndexOf(QLatin1Char(' '));
        if (blank < 0)
            return title.left(limit);
        title.truncate(blank);
        if (title.size() <= limit)
            return title;
    }
}

void setAppTitle() { platform::setApplicationTitle(deriveAppTitle(ProductName)); }

}  // namespace common
