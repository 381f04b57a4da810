#include "LibreOffice.h"

#include "RunProgram.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace libreoffice {

bool installed() { return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty(); }

QString convert(const QString& document, const QString& format, const QString& outDir, QByteArray* log, int timeoutMs)
{
    QByteArray output;
    QTemporaryDir profile;
    QDir().mkpath(outDir);
    const bool ran = runProgram(QStringLiteral("soffice"),
                                {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                                 QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile.path()).toString(),
                                 QStringLiteral("--convert-to"), format, QStringLiteral("--outdir"), outDir, document},
                                timeoutMs, &output);
    if (log)
        *log = output;
    const QString extension = format.section(QLatin1Char(':'), 0, 0);
    const QString converted = QDir(outDir).filePath(QFileInfo(document).completeBaseName() + QLatin1Char('.') + extension);
    return ran && QFileInfo::exists(converted) ? converted : QString();
}

}  // namespace libreoffice
