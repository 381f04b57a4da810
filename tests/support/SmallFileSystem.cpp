#include "SmallFileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace SmallFileSystem {
namespace {

const char* const FolderVariable = "DORVANE_SMALL_FILE_SYSTEM";

// Mounts the tmpfs, runs the command, and unmounts it whatever the command did.
const char* const MountAndRun = R"(size=$1; dir=$2; shift 2
mount -t tmpfs -o size="$size" tmpfs "$dir" || exit 125
env DORVANE_SMALL_FILE_SYSTEM="$dir" "$@"
status=$?
umount "$dir" || exit 126
exit $status)";

// The ways to a private mount namespace, in the order tried: root needs no
// user namespace, but a container may deny root the mount namespace and
// still grant a user namespace.
QList<QStringList> unshareOptions()
{
    const QStringList mount{QStringLiteral("--mount"), QStringLiteral("--propagation"), QStringLiteral("private")};
    const QStringList asRoot = mount + QStringList{QStringLiteral("--map-root-user")};
    if (::geteuid() == 0)
        return {mount, asRoot};
    return {asRoot};
}

Run runUnshared(const QStringList& options, const QStringList& command)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("unshare"), options + command);
    Run run;
    if (!process.waitForFinished(10 * 60 * 1000)) {
        process.kill();
        process.waitForFinished();
        run.output = QStringLiteral("unshare failed: ") + process.errorString();
        return run;
    }
    run.output = QString::fromLocal8Bit(process.readAll());
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

}  // namespace

QString folder() { return qEnvironmentVariable(FolderVariable); }

std::optional<Run> runInside(const QStringList& arguments, qint64 bytes, QString* whyNot)
{
    QTemporaryDir mountPoint;
    if (!mountPoint.isValid()) {
        *whyNot = QStringLiteral("no folder for the mount point: ") + mountPoint.errorString();
        return std::nullopt;
    }
    const QStringList script{QStringLiteral("sh"), QStringLiteral("-c"), QString::fromLatin1(MountAndRun),
                             QStringLiteral("sh"), QString::number(bytes), mountPoint.path()};
    // Each way is tried first with a command that cannot fail, so that a
    // failure of the test itself is never taken for a missing namespace.
    QStringList failures;
    for (const QStringList& options : unshareOptions()) {
        const Run probe = runUnshared(options, script + QStringList{QStringLiteral("true")});
        if (probe.exitCode == 0)
            return runUnshared(options, script + QStringList{QCoreApplication::applicationFilePath()} + arguments);
        failures << QStringLiteral("unshare %1: %2").arg(options.join(QLatin1Char(' ')), probe.output.trimmed());
    }
    *whyNot = QStringLiteral("a tmpfs cannot be mounted in a private mount namespace here (%1)")
                  .arg(failures.join(QStringLiteral("; ")));
    return std::nullopt;
}

bool fill(const QString& folder, qint64 freeBytes)
{
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(QStringLiteral("filler")));
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(1 << 16, 'f');
    off_t size = 0;
    for (;;) {
        const ssize_t written = ::write(fd, block.constData(), size_t(block.size()));
        if (written < 0)
            break;
        size += written;
    }
    const bool full = errno == ENOSPC;
    const bool freed = full && ::ftruncate(fd, size - off_t(freeBytes)) == 0;
    ::close(fd);
    struct statvfs info {};
    return freed && ::statvfs(path.constData(), &info) == 0 && qint64(info.f_bavail) * qint64(info.f_frsize) == freeBytes;
}

}  // namespace SmallFileSystem
