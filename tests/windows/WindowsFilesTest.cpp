// The Windows twins of the one writer and of the byte locks, on a real
// Windows file system (Wine's): what another program holding a file, a
// read-only file and names Windows refuses do to a write, and that a
// running writer's temporary file is never swept.
#include "files/AtomicFileWriter.h"
#include "files/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <windows.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Another process holding `path` open without sharing, until it is stopped.
class Holder {
public:
    explicit Holder(const QString& path)
    {
        m_process.start(QStringLiteral(DORVANE_HOLD_FILE), {QDir::toNativeSeparators(path)});
        m_held = m_process.waitForReadyRead(20000) && m_process.readLine().trimmed() == "held";
    }
    ~Holder() { release(); }
    bool held() const { return m_held; }
    void release()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(20000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
    bool m_held = false;
};

TEST(WindowsWriter, ReplacesWholeAndKeepsTheAttributes)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("planner.doc"));
    put(target, "old");
    ASSERT_TRUE(::SetFileAttributesW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()),
                                     FILE_ATTRIBUTE_HIDDEN));
    EXPECT_TRUE(files::AtomicFileWriter::write(target, QByteArray(100000, 'n')));
    EXPECT_EQ(contents(target), QByteArray(100000, 'n'));
    const DWORD attributes =
        ::GetFileAttributesW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()));
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(entries(dir), QStringList{QStringLiteral("planner.doc")});
}

// A failure keeps the old file byte for byte and leaves no temporary file.
TEST(WindowsWriter, KeepsATargetAnotherProgramHoldsOrThatIsReadOnly)
{
    QTemporaryDir dir;
    const QString held = dir.filePath(QStringLiteral("held.doc"));
    const QString readOnly = dir.filePath(QStringLiteral("read-only.doc"));
    put(held, "held before");
    put(readOnly, "read-only before");
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadUser));
    {
        Holder holder(held);
        ASSERT_TRUE(holder.held());
        EXPECT_FALSE(files::AtomicFileWriter::write(held, "new"));
    }
    EXPECT_EQ(contents(held), "held before");
    EXPECT_FALSE(files::AtomicFileWriter::write(readOnly, "new"));
    EXPECT_EQ(contents(readOnly), "read-only before");
    EXPECT_EQ(entries(dir), (QStringList{QStringLiteral("held.doc"), QStringLiteral("read-only.doc")}));
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST(WindowsWriter, NamesWindowsRefusesGetAMessageThatSaysSo)
{
    QTemporaryDir dir;
    for (const QString& name : {QStringLiteral("CON"), QStringLiteral("con.doc"), QStringLiteral("LPT1.pdf"),
                                QStringLiteral("a:b.doc"), QStringLiteral("week?.pdf"), QStringLiteral("planner."),
                                QStringLiteral("planner ")}) {
        // Joined by hand: QDir::filePath would read "a:b.doc" as a drive.
        const QString reason = files::AtomicFileWriter::write(dir.path() + QLatin1Char('/') + name, "x").why();
        EXPECT_TRUE(reason.contains(name)) << qPrintable(name) << ": " << qPrintable(reason);
    }
    EXPECT_EQ(entries(dir), QStringList());
    // A name that only looks like one is fine.
    EXPECT_TRUE(files::AtomicFileWriter::write(dir.filePath(QStringLiteral("CONSOLE.doc")), "x"));
}

TEST(WindowsWriter, SweepsOnlyTemporariesNobodyHolds)
{
    QTemporaryDir dir;
    const QString live = dir.filePath(QStringLiteral(".~dorvane.0000beef.tmp"));
    const QString dead = dir.filePath(QStringLiteral(".~dorvane.0000dead.tmp"));
    const QString other = dir.filePath(QStringLiteral(".~dorvane.tmp"));
    put(live, "being written");
    put(dead, "left by a killed run");
    put(other, "not ours");
    Holder writer(live);
    ASSERT_TRUE(writer.held());
    EXPECT_EQ(files::AtomicFileWriter::sweep(dir.path()), 1);
    EXPECT_TRUE(QFile::exists(live));
    EXPECT_FALSE(QFile::exists(dead));
    writer.release();
    EXPECT_EQ(files::AtomicFileWriter::sweep(dir.path()), 1);
    EXPECT_EQ(entries(dir), QStringList{QStringLiteral(".~dorvane.tmp")});
}

TEST(WindowsByteLocks, TwoHoldersOfOneLockFileConflictUntilOneGoes)
{
    QTemporaryDir dir;
    auto first = std::make_unique<files::ByteLocks>(dir.path(), QStringLiteral(".kelvas"));
    files::ByteLocks second(dir.path(), QStringLiteral(".kelvas"));
    ASSERT_TRUE(first->isOpen());
    ASSERT_TRUE(second.isOpen());
    EXPECT_TRUE(first->lock(12345678));
    EXPECT_FALSE(second.lock(12345678));
    EXPECT_TRUE(second.lock(100000000 + 12345678));  // another byte, another name
    first.reset();
    EXPECT_TRUE(second.lock(12345678));
}

}  // namespace
