#include "KeyringSecret.h"

#include <qt6keychain/keychain.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>

namespace remote {
namespace {

const QString Service = QStringLiteral("Dorvane calendar servers");

// A session bus to reach the keyring through, without starting one: D-Bus
// would otherwise launch a bus of its own (and the bus a keyring daemon),
// both outliving the program.
bool sessionBusIsThere()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime + QStringLiteral("/bus")).exists();
}

QString noBus()
{
    return QCoreApplication::translate("remote::KeyringSecret",
                                       "no keyring can be reached, as this session has no desktop bus (D-Bus)");
}

// Runs a keychain job to its end in a nested loop; the job deletes itself later.
void runToEnd(QKeychain::Job* job)
{
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job->start();
    loop.exec();
}

QString failureOf(const QKeychain::Job& job)
{
    switch (job.error()) {
    case QKeychain::NoError:
        return QString();
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
        return QCoreApplication::translate("remote::KeyringSecret", "no keyring is available on this computer");
    case QKeychain::AccessDeniedByUser:
        return QCoreApplication::translate("remote::KeyringSecret", "the keyring's own question was cancelled");
    case QKeychain::AccessDenied:
        return QCoreApplication::translate("remote::KeyringSecret", "the keyring refused it");
    default:
        return job.errorString().isEmpty()
                   ? QCoreApplication::translate("remote::KeyringSecret", "the keyring failed")
                   : job.errorString();
    }
}

}  // namespace

std::optional<QString> readSecret(const QString& key)
{
    if (!sessionBusIsThere())
        return std::nullopt;
    auto* job = new QKeychain::ReadPasswordJob(Service);
    job->setKey(key);
    job->setInsecureFallback(false);  // never a password in a plain file
    runToEnd(job);
    if (job->error() != QKeychain::NoError)
        return std::nullopt;
    return job->textData();
}

QString writeSecret(const QString& key, const QString& text)
{
    if (!sessionBusIsThere())
        return noBus();
    auto* job = new QKeychain::WritePasswordJob(Service);
    job->setKey(key);
    job->setInsecureFallback(false);  // never a password in a plain file
    job->setTextData(text);
    runToEnd(job);
    return failureOf(*job);
}

}  // namespace remote
