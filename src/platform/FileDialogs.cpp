#include "FileDialogs.h"

#include "seam/Seam.h"

#include <QFileInfo>
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

QString withFilterExtension(const QString& chosen, const QString& pipeFilter)
{
    const QString pattern = pipeFilter.section(QLatin1Char('|'), 1, 1).section(QLatin1Char(';'), 0, 0).trimmed();
    if (chosen.isEmpty() || !pattern.startsWith(QLatin1String("*.")) || pattern.size() < 3)
        return chosen;
    const QString name = QFileInfo(chosen).fileName();
    if (name.isEmpty() || name.contains(QLatin1Char('.')))
        return chosen;
    return chosen + pattern.mid(1);
}

}  // namespace platform
