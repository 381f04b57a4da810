#include "PasswordKeyring.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>
#include <QUrl>

namespace remote {

namespace {

const QString Service = QStringLiteral("Dorvane calendar servers");

// Runs a keychain job to its end in a nested loop; the job deletes itself later.
void runToEnd(QKeychain::Job* job)
{
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job->start();
    loop.exec();
}

}  // namespace

QString originOf(const QUrl& url)
{
    const int port = url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
    return QStringLiteral("%1://%2:%3").arg(url.scheme(), url.host()).arg(port);
}

std::optional<Credentials> PasswordKeyring::read(const QString& origin)
{
    auto* job = new QKeychain::ReadPasswordJob(Service);
    job->setKey(origin);
    job->setInsecureFallback(false);  // never a password in a plain file
    runToEnd(job);
    if (job->error() != QKeychain::NoError)
        return std::nullopt;
    // The user name goes with the password, so that neither needs a settings file.
    const QString stored = job->textData();
    const qsizetype split = stored.indexOf(QLatin1Char('\n'));
    if (split <= 0)
        return std::nullopt;
    return Credentials{stored.left(split), stored.mid(split + 1), false};
}

bool PasswordKeyring::store(const QString& origin, const Credentials& credentials)
{
    if (credentials.userName.contains(QLatin1Char('\n')))
        return false;
    auto* job = new QKeychain::WritePasswordJob(Service);
    job->setKey(origin);
    job->setInsecureFallback(false);  // never a password in a plain file
    job->setTextData(credentials.userName + QLatin1Char('\n') + credentials.password);
    runToEnd(job);
    return job->error() == QKeychain::NoError;
}

}  // namespace remote
