// Several instances of the program on one temporary folder, as real
// processes: a document that a running instance shows is never touched, one
// left behind by an instance killed outright goes at the next start, and the
// signals a desktop session or a terminal ends a program with remove its
// document as closing the window does.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

class Instances : public ::testing::Test {
protected:
    // Starts an instance on the shared temporary folder and waits until it
    // shows its preview; returns the temporary document it shows.
    QString start(QProcess& instance)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TEMP"), temp.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        instance.setProcessEnvironment(environment);
        instance.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        instance.start(QStringLiteral(DORVANE_PLANNER_INSTANCE), {});
        while (!instance.canReadLine())
            if (!instance.waitForReadyRead(60 * 1000)) {
                ADD_FAILURE() << "the instance did not show its preview: " << instance.errorString().toStdString();
                return {};
            }
        const QString line = QString::fromLocal8Bit(instance.readLine()).trimmed();
        EXPECT_TRUE(line.startsWith(QStringLiteral("showing ") + temp.path())) << line.toStdString();
        const QString document = line.section(QLatin1Char(' '), 1);
        EXPECT_TRUE(QFile::exists(document)) << document.toStdString();
        return document;
    }

    QStringList documents() const { return QDir(temp.path()).entryList({QStringLiteral("kelvas*.doc")}, QDir::Files); }

    static QByteArray bytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir temp;
};

TEST_F(Instances, TermAndHupEndTheRunAsClosingTheWindowAndRemoveTheDocument)
{
    for (const int signal : {SIGTERM, SIGHUP}) {
        QProcess instance;
        const QString document = start(instance);
        ASSERT_FALSE(document.isEmpty());
        ASSERT_EQ(::kill(pid_t(instance.processId()), signal), 0);
        ASSERT_TRUE(instance.waitForFinished(60 * 1000));
        // Ended by itself, not by the signal's default action.
        EXPECT_EQ(instance.exitStatus(), QProcess::NormalExit) << strsignal(signal);
        EXPECT_EQ(instance.exitCode(), 0) << strsignal(signal);
        EXPECT_FALSE(QFile::exists(document)) << strsignal(signal);
    }
    EXPECT_TRUE(documents().isEmpty());
}

TEST_F(Instances, AStartSweepsOnlyDocumentsNoRunningInstanceHolds)
{
    QProcess shown;
    const QString shownDocument = start(shown);
    QProcess killed;
    const QString killedDocument = start(killed);
    ASSERT_FALSE(shownDocument.isEmpty());
    ASSERT_FALSE(killedDocument.isEmpty());
    killed.kill();  // SIGKILL: nothing of the program runs
    ASSERT_TRUE(killed.waitForFinished(60 * 1000));
    ASSERT_TRUE(QFile::exists(killedDocument));
    // A link named like a document is no document of ours: neither it nor
    // what it points to is removed.
    QTemporaryDir elsewhere;
    const QString precious = elsewhere.filePath(QStringLiteral("precious.doc"));
    QFile file(precious);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("precious");
    file.close();
    const QString link = temp.filePath(QStringLiteral("kelvas99999999.doc"));
    ASSERT_TRUE(QFile::link(precious, link));
    const QByteArray shownBytes = bytes(shownDocument);

    QProcess next;
    const QString nextDocument = start(next);

    EXPECT_FALSE(QFile::exists(killedDocument));
    EXPECT_EQ(bytes(shownDocument), shownBytes);
    EXPECT_FALSE(shownBytes.isEmpty());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(bytes(precious), "precious");
    QStringList expected{QFileInfo(shownDocument).fileName(), QFileInfo(nextDocument).fileName(), QStringLiteral("kelvas99999999.doc")};
    expected.sort();
    EXPECT_EQ(documents(), expected) << documents().join(QLatin1Char(' ')).toStdString();

    for (QProcess* instance : {&shown, &next}) {
        instance->terminate();
        EXPECT_TRUE(instance->waitForFinished(60 * 1000));
    }
}

}  // namespace
