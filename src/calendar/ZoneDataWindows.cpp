#include "ZoneData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <libical/ical.h>

namespace calendar {

void useZoneData()
{
    // libical keeps the pointer it is given: the text lives as long as the program.
    static const QByteArray folder = [] {
        QByteArray path = QFile::encodeName(
            QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QStringLiteral("/zoneinfo")));
        set_zone_directory(path.constData());
        return path;
    }();
    (void)folder;
}

}  // namespace calendar
