#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A small tmpfs for tests of what happens on a full disk: a real file system,
// not a mock, mounted in a private mount namespace so that nothing outside
// the test sees it.
//
// A test runs twice. Run from the test suite ("outside"), it starts its own
// executable again through runInside(): `unshare` makes the private mount
// namespace (mapping the user to root there when not root already),
// `mount` puts the tmpfs on a fresh folder, the test executable runs with
// only that test selected, and `umount` takes the tmpfs away again. Run
// "inside", folder() names the mounted folder and the test does its work:
//
//     if (SmallFileSystem::folder().isEmpty()) {
//         const auto run = SmallFileSystem::runInside(selectThisTest, 256 * 1024);
//         if (!run) GTEST_SKIP() << ...;          // no mount namespace to be had
//         EXPECT_EQ(run->exitCode, 0) << run->output.toStdString();
//         return;
//     }
//     ... work in SmallFileSystem::folder() ...
namespace SmallFileSystem {

// The tmpfs this process was started on; empty when it runs outside one.
QString folder();

struct Run {
    int exitCode = -1;
    QString output;  // standard output and error, together
};

// Runs this test executable with `arguments` in a private mount namespace
// with a tmpfs of `bytes` bytes. Nothing when no mount namespace can be made
// here; the reason then goes to `whyNot`.
std::optional<Run> runInside(const QStringList& arguments, qint64 bytes, QString* whyNot);

// Fills the file system of `folder` with the file "filler" until exactly
// `freeBytes` (a multiple of the page size) are left. False when that fails.
bool fill(const QString& folder, qint64 freeBytes);

}  // namespace SmallFileSystem
