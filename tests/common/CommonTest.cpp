#include "common/AppTitle.h"
#include "common/ClipboardRetry.h"
#include "common/Files.h"
#include "common/ProgramIdentity.h"
#include "desktop/WindowColours.h"

#include "ScriptedPlatform.h"
#include "desktop/PictureBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

TEST(fileExists, AnswersOnlyForReadableEntries)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.doc");
    EXPECT_FALSE(common::fileExists(path));
    writeFile(path);
    EXPECT_TRUE(common::fileExists(path));
    EXPECT_FALSE(common::fileExists(""));
    EXPECT_FALSE(common::fileExists(dir.filePath("no/such/folder/a.doc")));
    EXPECT_FALSE(common::fileExists(QStringLiteral("bad") + QChar(0) + "name"));
}

TEST(removeFile, DeletesReadOnlyFilesAndIgnoresMissingOnes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("locked.doc");
    writeFile(path);
    QFile::setPermissions(path, QFile::ReadOwner);
    common::removeFile(path);
    EXPECT_FALSE(QFile::exists(path));
    common::removeFile(path);  // already gone: quiet
    common::removeFile("");
}

TEST(removeFile, RemovesALinkButNeverItsTarget)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("target");
    const QString link = dir.filePath("link");
    writeFile(target);
    QFile::setPermissions(target, QFile::ReadOwner);
    ASSERT_TRUE(QFile::link(target, link));
    common::removeFile(link);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_EQ(QFile::permissions(target) & QFile::WriteOwner, 0);
}

TEST(forceDeleteFile, ThrowsWhenTheFileCannotGo)
{
    QTemporaryDir dir;
    EXPECT_THROW(common::forceDeleteFile(dir.filePath("missing")), std::runtime_error);
}

TEST(clipboardPicture, RetriesUpToAThousandTimes)
{
    ScriptedClipboard clip;
    EXPECT_FALSE(common::clipboardPicture(0).has_value());  // empty clipboard: every request fails
    EXPECT_EQ(clip.requests, 1000);

    QPicture picture;
    picture.setBoundingRect(QRect(0, 0, 4, 3));
    clip.setPicture(picture);
    clip.requests = 0;
    ASSERT_TRUE(common::clipboardPicture(0).has_value());
    EXPECT_EQ(clip.requests, 1);

    clip.requests = 0;
    clip.failures = 2;
    const auto third = common::clipboardPicture(0);
    ASSERT_TRUE(third.has_value());
    EXPECT_EQ(third->boundingRect(), picture.boundingRect());
    EXPECT_EQ(clip.requests, 3);
}

TEST(setAppTitle, CutsAtTheLastBlankUntilFortyCharactersRemain)
{
    EXPECT_EQ(common::deriveAppTitle("Dorvane"), "Dorvane");  // no blank: the whole name
    EXPECT_EQ(common::deriveAppTitle("Weekly Planner Maker"), "Weekly Planner");  // first cut always made
    const QString longName = "Alpha Beta Gamma Delta Epsilon Zeta Eta Theta Iota Kappa";
    EXPECT_EQ(common::deriveAppTitle(longName), "Alpha Beta Gamma Delta Epsilon Zeta Eta");
    EXPECT_EQ(common::deriveAppTitle(QString(50, 'x')), QString(40, 'x'));

    common::setAppTitle();
    EXPECT_EQ(platform::applicationTitle(), "Dorvane");
}

TEST(resetBackColors, PaintsFramesAndLabelsButLeavesPictureAreasWhite)
{
    QWidget window;
    auto* frame = new QGroupBox("Zoom:", &window);
    auto* label = new QLabel("Time", frame);
    auto* check = new QCheckBox(&window);
    auto* picture = new desktop::PictureBox(&window);
    auto* edit = new QLineEdit(&window);
    const QColor face = QApplication::palette().color(QPalette::Button);
    const QColor editBase = edit->palette().color(QPalette::Base);

    desktop::resetBackColors(&window);
    for (QWidget* w : {&window, static_cast<QWidget*>(frame), static_cast<QWidget*>(label), static_cast<QWidget*>(check)})
        EXPECT_EQ(w->palette().color(QPalette::Window), face) << w->metaObject()->className();
    EXPECT_EQ(picture->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(edit->palette().color(QPalette::Base), editBase);

    desktop::setButtonFaceColours(&window, true);
    EXPECT_EQ(picture->palette().color(QPalette::Window), face);
}

// The settings go under a folder named after Dorvane; those a Dorvane
// without an organisation left under "Unknown Organization" come along once.
TEST(useProgramIdentity, KeepsSettingsUnderDorvaneAndMovesTheOldOnesOnce)
{
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    const QString organisation = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    const QString domain = QCoreApplication::organizationDomain();
    const QStringList recent{"https://cloud.example.org/", "webcal://example.com/week.ics"};
    {
        QCoreApplication::setApplicationName("dorvane");
        QSettings old;  // as such a Dorvane kept them
        old.setValue("calendar/recentAddresses", recent);
        old.sync();
        EXPECT_EQ(old.fileName(), config.filePath("Unknown Organization/dorvane.conf"));
    }
    common::useProgramIdentity();
    QSettings settings;
    EXPECT_EQ(settings.fileName(), config.filePath("Dorvane/dorvane.conf"));
    EXPECT_EQ(settings.value("calendar/recentAddresses").toStringList(), recent);
    EXPECT_FALSE(QFileInfo::exists(config.filePath("Unknown Organization")));

    // Once: what the new place holds is not overwritten by a later old file.
    settings.setValue("calendar/recentAddresses", QStringList{"https://new.example.org/"});
    settings.sync();
    {
        QSettings old(QSettings::UserScope, "Unknown Organization", "dorvane");
        old.setValue("calendar/recentAddresses", recent);
    }
    common::useProgramIdentity();
    EXPECT_EQ(QSettings().value("calendar/recentAddresses").toStringList(), QStringList{"https://new.example.org/"});

    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setOrganizationDomain(domain);
    QCoreApplication::setApplicationName(application);
}

}  // namespace
