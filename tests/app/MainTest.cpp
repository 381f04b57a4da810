#include "app/Main.h"

#include "ScriptedPlatform.h"
#include "platform/PictureBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

TEST(FileExists, AnswersOnlyForReadableEntries)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.doc");
    EXPECT_FALSE(Main::FileExists(path));
    writeFile(path);
    EXPECT_TRUE(Main::FileExists(path));
    EXPECT_FALSE(Main::FileExists(""));
    EXPECT_FALSE(Main::FileExists(dir.filePath("no/such/folder/a.doc")));
    EXPECT_FALSE(Main::FileExists(QStringLiteral("bad") + QChar(0) + "name"));
}

TEST(RemoveFile, DeletesReadOnlyFilesAndIgnoresMissingOnes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("locked.doc");
    writeFile(path);
    QFile::setPermissions(path, QFile::ReadOwner);
    Main::RemoveFile(path);
    EXPECT_FALSE(QFile::exists(path));
    Main::RemoveFile(path);  // already gone: quiet
    Main::RemoveFile("");
}

TEST(RemoveFile, RemovesALinkButNeverItsTarget)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("target");
    const QString link = dir.filePath("link");
    writeFile(target);
    QFile::setPermissions(target, QFile::ReadOwner);
    ASSERT_TRUE(QFile::link(target, link));
    Main::RemoveFile(link);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_EQ(QFile::permissions(target) & QFile::WriteOwner, 0);
}

TEST(ForceDeleteFile, ThrowsWhenTheFileCannotGo)
{
    QTemporaryDir dir;
    EXPECT_THROW(Main::ForceDeleteFile(dir.filePath("missing")), std::runtime_error);
}

TEST(GetClipboardPicture, RetriesUpToAThousandTimes)
{
    ScriptedClipboard clip;
    EXPECT_FALSE(Main::GetClipboardPicture(0).has_value());  // empty clipboard: every request fails
    EXPECT_EQ(clip.requests, 1000);

    QPicture picture;
    picture.setBoundingRect(QRect(0, 0, 4, 3));
    clip.setPicture(picture);
    clip.requests = 0;
    ASSERT_TRUE(Main::GetClipboardPicture(0).has_value());
    EXPECT_EQ(clip.requests, 1);

    clip.requests = 0;
    clip.failures = 2;
    const auto third = Main::GetClipboardPicture(0);
    ASSERT_TRUE(third.has_value());
    EXPECT_EQ(third->boundingRect(), picture.boundingRect());
    EXPECT_EQ(clip.requests, 3);
}

TEST(SetAppTitle, CutsAtTheLastBlankUntilFortyCharactersRemain)
{
    EXPECT_EQ(Main::DeriveAppTitle("Dorvane"), "Dorvane");  // no blank: the whole name
    EXPECT_EQ(Main::DeriveAppTitle("Weekly Planner Maker"), "Weekly Planner");  // first cut always made
    const QString longName = "Alpha Beta Gamma Delta Epsilon Zeta Eta Theta Iota Kappa";
    EXPECT_EQ(Main::DeriveAppTitle(longName), "Alpha Beta Gamma Delta Epsilon Zeta Eta");
    EXPECT_EQ(Main::DeriveAppTitle(QString(50, 'x')), QString(40, 'x'));

    Main::SetAppTitle();
    EXPECT_EQ(platform::applicationTitle(), "Dorvane");
}

TEST(ResetBackColors, PaintsFramesAndLabelsButLeavesPictureAreasWhite)
{
    QWidget window;
    auto* frame = new QGroupBox("Zoom:", &window);
    auto* label = new QLabel("Time", frame);
    auto* check = new QCheckBox(&window);
    auto* picture = new platform::PictureBox(&window);
    auto* edit = new QLineEdit(&window);
    const QColor face = QApplication::palette().color(QPalette::Button);
    const QColor editBase = edit->palette().color(QPalette::Base);

    Main::ResetBackColors(&window);
    for (QWidget* w : {&window, static_cast<QWidget*>(frame), static_cast<QWidget*>(label), static_cast<QWidget*>(check)})
        EXPECT_EQ(w->palette().color(QPalette::Window), face) << w->metaObject()->className();
    EXPECT_EQ(picture->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(edit->palette().color(QPalette::Base), editBase);

    Main::SetButtonFaceColours(&window, true);
    EXPECT_EQ(picture->palette().color(QPalette::Window), face);
}

}  // namespace
