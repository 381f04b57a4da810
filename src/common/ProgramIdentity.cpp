#include "ProgramIdentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace common {

namespace {

// Where Qt kept the settings of a program that named no organisation.
const char* const NamelessOrganisation = "Unknown Organization";

void moveNamelessSettings()
{
    QSettings old(QSettings::UserScope, QLatin1String(NamelessOrganisation), QCoreApplication::applicationName());
    const QStringList keys = old.allKeys();
    if (keys.isEmpty())
        return;
    QSettings settings;
    for (const QString& key : keys) {
        if (!settings.contains(key))
            settings.setValue(key, old.value(key));
    }
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return;  // kept where it was, to be moved at the next start
    old.clear();
    old.sync();
    // A settings file emptied: gone, with its folder when that is empty too
    // (other programs without an organisation may keep theirs there).
    const QFileInfo file(old.fileName());
    if (file.isFile() && file.size() == 0)
        QFile::remove(file.filePath());
    if (!QFileInfo::exists(file.filePath()) && QFileInfo(file.path()).isDir())
        QDir().rmdir(file.path());
}

}  // namespace

void useProgramIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Dorvane"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("dorvane.org"));
    QCoreApplication::setApplicationName(QStringLiteral("dorvane"));
    moveNamelessSettings();
}

}  // namespace common
