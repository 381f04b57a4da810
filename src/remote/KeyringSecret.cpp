#include "KeyringSecret.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>

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

std::optional<QString> readSecret(const QString& key)
{
    auto* job = new QKeychain::ReadPasswordJob(Service);
    job->setKey(key);
    job->setInsecureFallback(false);  // never a password in a plain file
    runToEnd(job);
    if (job->error() != QKeychain::NoError)
        return std::nullopt;
    return job->textData();
}

bool writeSecret(const QString& key, const QString& text)
{
    auto* job = new QKeychain::WritePasswordJob(Service);
    job->setKey(key);
    job->setInsecureFallback(false);  // never a password in a plain file
    job->setTextData(text);
    runToEnd(job);
    return job->error() == QKeychain::NoError;
}

}  // namespace remote
