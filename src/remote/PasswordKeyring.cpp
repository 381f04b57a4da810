#include "PasswordKeyring.h"

#include "KeyringSecret.h"

#include <QCoreApplication>
#include <QUrl>

namespace remote {

QString originOf(const QUrl& url)
{
    const int port = url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
    return QStringLiteral("%1://%2:%3").arg(url.scheme(), url.host()).arg(port);
}

std::optional<Credentials> PasswordKeyring::read(const QString& origin)
{
    const std::optional<QString> secret = readSecret(origin);
    if (!secret)
        return std::nullopt;
    // The user name goes with the password, so that neither needs a settings file.
    const QString& stored = *secret;
    const qsizetype split = stored.indexOf(QLatin1Char('\n'));
    if (split <= 0)
        return std::nullopt;
    return Credentials{stored.left(split), stored.mid(split + 1), false};
}

QString PasswordKeyring::store(const QString& origin, const Credentials& credentials)
{
    if (credentials.userName.contains(QLatin1Char('\n')))
        return QCoreApplication::translate("remote::PasswordKeyring", "the user name holds a line break");
    return writeSecret(origin, credentials.userName + QLatin1Char('\n') + credentials.password);
}

}  // namespace remote
