#include "FileDialogs.h"

#include "seam/Seam.h"

#include <QStringList>

namespace platform {

FileDialogs& fileDialogs() { return seam::service<FileDialogs>("file dialogs"); }

QString qtNameFilters(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // Qt reads the patterns from the parentheses; add them when the description lacks them.
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        filters << (description.contains(QLatin1Char('(')) ? description : description + " (" + pattern + ")");
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace platform
