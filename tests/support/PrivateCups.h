#pragma once

#include "PdfTools.h"
#include "RunProgram.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QString>
#include <QTemporaryDir>

// A scheduler of our own in a temporary folder, with one PDF queue that
// prints into a file. Stopped and removed by the destructor.
class PrivateCups {
public:
    bool start(QString* why)
    {
        const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/usr/bin"});
        const QString ppd = QStringLiteral("lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd");
        if (cupsd.isEmpty() || QStandardPaths::findExecutable("lpadmin", {"/usr/sbin", "/usr/bin"}).isEmpty()) {
            *why = "cupsd or lpadmin not installed";
            return false;
        }
        // Filters run as an unprivileged user: the folder must be open to it.
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                              QFileDevice::ReadOther | QFileDevice::ExeOther |
                                              QFileDevice::ReadGroup | QFileDevice::ExeGroup);
        for (const char* sub : {"state", "cache", "spool", "tmp", "out"})
            QDir(dir.path()).mkdir(sub);
        QFile::setPermissions(dir.filePath("tmp"), QFileDevice::Permissions(0x7777));
        QFile::setPermissions(dir.filePath("out"), QFileDevice::Permissions(0x7777));
        const QString d = dir.path();
        testfiles::writeFile(dir.filePath("cupsd.conf"),
                  QStringLiteral("Listen %1/cups.sock\nLogLevel info\nBrowsing No\nWebInterface No\n"
                                 "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                 "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n  </Limit>\n"
                                 "</Policy>\n")
                      .arg(d)
                      .toUtf8());
        testfiles::writeFile(dir.filePath("cups-files.conf"),
                  QStringLiteral("FileDevice Yes\nServerRoot %1\nStateDir %1/state\nCacheDir %1/cache\n"
                                 "RequestRoot %1/spool\nTempDir %1/tmp\nErrorLog %1/error_log\nAccessLog %1/access_log\n"
                                 "PageLog %1/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n")
                      .arg(d)
                      .toUtf8());
        daemon.setProcessChannelMode(QProcess::MergedChannels);
        daemon.start(cupsd, {"-f", "-c", dir.filePath("cupsd.conf"), "-s", dir.filePath("cups-files.conf")});
        if (!daemon.waitForStarted(10000)) {
            *why = "cupsd does not start";
            return false;
        }
        // The client library reads the server once per process: set before any printing.
        qputenv("CUPS_SERVER", QFile::encodeName(dir.filePath("cups.sock")));
        QByteArray log;
        for (int i = 0; i < 50 && !QFile::exists(dir.filePath("cups.sock")); ++i)
            QTest::qWait(100);
        if (!runProgram("lpadmin", {"-p", Queue, "-E", "-v", "file://" + outputPath(), "-m", ppd}, 30000, &log)) {
            *why = "lpadmin failed: " + QString::fromUtf8(log) + QString::fromUtf8(daemon.readAll());
            return false;
        }
        return true;
    }

    ~PrivateCups()
    {
        if (daemon.state() != QProcess::NotRunning) {
            daemon.terminate();
            if (!daemon.waitForFinished(10000)) {
                daemon.kill();
                daemon.waitForFinished(5000);
            }
        }
    }

    QString outputPath() const { return dir.filePath("out/job.pdf"); }
    // Waits for the queue's output to be complete (the job is done when the file stops growing and parses).
    bool waitForOutput()
    {
        for (int i = 0; i < 300; ++i) {
            if (QFile::exists(outputPath()) && !pdftools::pdfInfo(outputPath(), "Pages").isEmpty())
                return true;
            QTest::qWait(100);
        }
        return false;
    }

    static constexpr const char* Queue = "dorvane-test";
    QTemporaryDir dir;
    QProcess daemon;
};
