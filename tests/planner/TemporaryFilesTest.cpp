#include "planner/TemporaryFiles.h"

#include "planner/DocumentLocks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPicture>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using planner::TemporaryFiles;

namespace {

// Sets an environment variable for the scope, restoring it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

TEST(TemporaryFiles, NamesHaveEightIndependentDigitsOneToNine)
{
    const QRegularExpression form(QStringLiteral("^[1-9]$"));
    int allEqual = 0;
    for (int n = 0; n < 500; ++n) {
        QString digits;
        for (int i = 0; i < 8; ++i)
            digits += QString::number(TemporaryFiles::drawDigit());
        for (QChar c : digits)
            ASSERT_TRUE(form.match(QString(c)).hasMatch()) << digits.toStdString();
        allEqual += digits.count(digits[0]) == 8;
    }
    EXPECT_LT(allEqual, 2);  // one in 9^7 by chance
}

TEST(TemporaryFiles, ReserveNeverTakesAnExistingFileOrLink)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kelvas12345678.doc");
    EXPECT_TRUE(TemporaryFiles::reserve(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_FALSE(TemporaryFiles::reserve(path));

    const QString target = dir.filePath("victim");
    const QString link = dir.filePath("kelvas87654321.doc");
    ASSERT_TRUE(QFile::link(target, link));  // dangling: following it would create the victim
    EXPECT_FALSE(TemporaryFiles::reserve(link));
    EXPECT_FALSE(QFile::exists(target));

    EXPECT_THROW(TemporaryFiles::reserve(dir.filePath("no/such/folder/kelvas11111111.doc")), std::runtime_error);
}

// Each picture gets a name of its own, so two instances sharing the folder
// never meet; a name that is taken, or a link planted there, is drawn again.
TEST(TemporaryFiles, PictureNamesAreTakenExclusively)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("precious");
    int drawn = 0;
    ASSERT_TRUE(QFile::link(target, dir.filePath("temp11111111.pic")));
    const QString path = TemporaryFiles::reservePicture(dir.path(), [&] { return drawn++ < 8 ? 1 : 2; });
    EXPECT_EQ(path, dir.filePath("temp22222222.pic"));
    EXPECT_FALSE(QFile::exists(target));

    QPicture picture;
    QPainter painter(&picture);
    painter.fillRect(0, 0, 3, 2, Qt::blue);
    painter.end();
    picture.setBoundingRect(QRect(0, 0, 3, 2));
    TemporaryFiles::writePicture(picture, path);
    QPicture loaded;
    ASSERT_TRUE(loaded.load(path));
    EXPECT_EQ(loaded.boundingRect(), QRect(0, 0, 3, 2));
    // No stray file: the link, the picture and the lock file of the names.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              (QStringList{QStringLiteral(".kelvas-%1.lock").arg(::geteuid()), "temp11111111.pic", "temp22222222.pic"}));

    // A failed write says why, and leaves nothing half-written.
    QDir(dir.path()).removeRecursively();
    try {
        TemporaryFiles::writePicture(picture, path);
        ADD_FAILURE() << "a picture was written into a folder that is gone";
    } catch (const std::runtime_error& error) {
        const QString message = QString::fromStdString(error.what());
        EXPECT_TRUE(message.startsWith("Cannot write the picture " + path + ": ")) << error.what();
        EXPECT_FALSE(message.contains("Unknown error")) << error.what();
    }
    EXPECT_THROW(TemporaryFiles::writePicture(QPicture(), dir.filePath("empty.pic")), std::runtime_error);
}

// A picture read back is what QPicture::load makes of the file, whether the
// file still holds what was written (the written picture is then handed back
// without a second checksum pass) or not.
TEST(TemporaryFiles, APictureReadBackIsWhatTheFileLoadsAs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("temp33333333.pic");
    auto drawn = [](const QRect& fill) {
        QPicture picture;
        QPainter painter(&picture);
        painter.fillRect(fill, Qt::blue);
        painter.end();
        return picture;
    };
    // The bounding rectangle drawn is saved, one set afterwards is not.
    QPicture picture = drawn(QRect(10, 10, 20, 20));
    picture.setBoundingRect(QRect(0, 0, 100, 50));
    TemporaryFiles::WrittenPicture written = TemporaryFiles::writePicture(picture, path);
    std::optional<QPicture> read = TemporaryFiles::readPicture(path, written);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->boundingRect(), QRect(10, 10, 20, 20));

    written = TemporaryFiles::writePicture(drawn(QRect(1, 2, 3, 4)), path);
    read = TemporaryFiles::readPicture(path, written);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->data(), written.picture.data());  // the written picture itself
    EXPECT_EQ(read->boundingRect(), QRect(1, 2, 3, 4));

    // Another picture put in its place is loaded from the file.
    TemporaryFiles::writePicture(drawn(QRect(5, 6, 7, 8)), path);
    read = TemporaryFiles::readPicture(path, written);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->boundingRect(), QRect(5, 6, 7, 8));

    // A byte changed breaks the checksum: no picture, as QPicture::load says.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes[bytes.size() - 3] = char(bytes[bytes.size() - 3] ^ 0x40);
    file.seek(0);
    file.write(bytes);
    file.close();
    EXPECT_FALSE(TemporaryFiles::readPicture(path, written));
    EXPECT_FALSE(TemporaryFiles::readPicture(dir.filePath("missing.pic"), written));
}

// The document's name stays held while the picture's name is drawn: a taken
// picture name gives up nothing but itself.
TEST(TemporaryFiles, ATakenPictureNameLeavesTheDocumentHeld)
{
    QTemporaryDir dir;
    const QString document = dir.filePath("kelvas12345678.doc");
    ASSERT_TRUE(TemporaryFiles::reserve(document));
    ASSERT_TRUE(QFile::link(dir.filePath("precious"), dir.filePath("temp11111111.pic")));
    int drawn = 0;
    EXPECT_EQ(TemporaryFiles::reservePicture(dir.path(), [&] { return drawn++ < 8 ? 1 : 2; }),
              dir.filePath("temp22222222.pic"));
    EXPECT_EQ(planner::locks::held(), document);
}

// What a killed run left (a document, a picture, a writer's temporary file)
// goes at the next start; what a running instance holds, a link and
// another user's file stay.
TEST(TemporaryFiles, SweepTakesWhatAKilledRunLeftAndNothingElse)
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    for (const char* left : {"kelvas11111111.doc", "temp22222222.pic", ".~dorvane.0badf00d.tmp"})
        ASSERT_TRUE(QFile(folder.filePath(left)).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile(folder.filePath("precious")).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(folder.filePath("precious"), folder.filePath(".~dorvane.12345678.tmp")));
    int drawn = 0;
    const QString held = TemporaryFiles::reservePicture(dir.path(), [&] { return drawn++ < 8 ? 3 : 4; });
    // A writer at work: its temporary file under its lock.
    const int writing = ::open(QFile::encodeName(folder.filePath(".~dorvane.aaaaaaaa.tmp")).constData(),
                               O_RDWR | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(writing, 0);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    ASSERT_EQ(::fcntl(writing, F_OFD_SETLK, &lock), 0);
    QStringList stays{".~dorvane.12345678.tmp", ".~dorvane.aaaaaaaa.tmp", QStringLiteral(".kelvas-%1.lock").arg(::geteuid()),
                      "precious", "temp33333333.pic"};
    if (::geteuid() == 0) {
        ASSERT_TRUE(QFile(folder.filePath(".~dorvane.bbbbbbbb.tmp")).open(QIODevice::WriteOnly));
        ASSERT_EQ(::chown(QFile::encodeName(folder.filePath(".~dorvane.bbbbbbbb.tmp")).constData(), 65534, 65534), 0);
        stays.insert(1, ".~dorvane.bbbbbbbb.tmp");
    }

    EXPECT_EQ(planner::locks::sweep(dir.path()), 3);
    EXPECT_EQ(held, folder.filePath("temp33333333.pic"));
    QStringList left = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    left.sort();
    stays.sort();
    EXPECT_EQ(left, stays);
    ::close(writing);
}

TEST(TemporaryFiles, FolderIsTempOrAPrivateFolderOfTheUser)
{
    {
        ScopedEnv temp("TEMP", "/some/where");
        EXPECT_EQ(TemporaryFiles::folder(), "/some/where");
    }
    QTemporaryDir runtime;
    {
        ScopedEnv temp("TEMP", "");
        ScopedEnv xdg("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        EXPECT_EQ(TemporaryFiles::folder(), runtime.path());
    }
    QTemporaryDir system;
    ScopedEnv temp("TEMP", QByteArray());
    ScopedEnv xdg("XDG_RUNTIME_DIR", QByteArray());
    ScopedEnv tmpdir("TMPDIR", QFile::encodeName(system.path()));
    const QString folder = TemporaryFiles::folder();
    EXPECT_EQ(folder, system.path() + "/dorvane-" + QString::number(::geteuid()));
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(folder).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(TemporaryFiles::folder(), folder);  // found again, not refused

    // Our own folder left open to others (by an older run, or by hand) is closed again.
    for (const mode_t open : {0701, 0750, 0777}) {
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), open), 0);
        EXPECT_EQ(TemporaryFiles::folder(), folder);
        ASSERT_EQ(::lstat(QFile::encodeName(folder).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u) << std::oct << open;
    }

    // Someone else's folder, or a link in its place, is refused.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    ASSERT_TRUE(QFile::link(system.path(), folder));
    EXPECT_THROW(TemporaryFiles::folder(), std::runtime_error);
    QFile::remove(folder);
    if (::geteuid() == 0) {
        ASSERT_TRUE(QDir().mkdir(folder));
        ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
        EXPECT_THROW(TemporaryFiles::folder(), std::runtime_error);
    }
}

}  // namespace
