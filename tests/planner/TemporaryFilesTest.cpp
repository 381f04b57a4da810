#include "planner/TemporaryFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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

TEST(TemporaryFiles, PictureReplacesALinkInsteadOfFollowingIt)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("precious");
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    const QString picture = TemporaryFiles::picturePath(dir.path());
    EXPECT_EQ(QFileInfo(picture).fileName(), "temp.bmp");
    ASSERT_TRUE(QFile::link(target, picture));

    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::blue);
    TemporaryFiles::writePicture(image, picture);
    EXPECT_FALSE(QFileInfo(picture).isSymLink());
    EXPECT_EQ(QImage(picture).size(), image.size());
    QFile kept(target);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("keep me"));

    EXPECT_THROW(TemporaryFiles::writePicture(QImage(), picture), std::runtime_error);
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
