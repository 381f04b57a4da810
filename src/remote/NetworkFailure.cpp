#include "NetworkFailure.h"

#include <QCoreApplication>

namespace remote {

namespace {

QString certificateFailure(const QUrl& url, const QList<QSslError>& errors)
{
    const QString server = serverName(url);
    for (const QSslError& error : errors) {
        switch (error.error()) {
        case QSslError::CertificateExpired:
            return QCoreApplication::translate("remote::NetworkFailure", "The certificate of %1 has expired.")
                .arg(server);
        case QSslError::CertificateNotYetValid:
            return QCoreApplication::translate("remote::NetworkFailure", "The certificate of %1 is not valid yet.")
                .arg(server);
        case QSslError::HostNameMismatch:
            return QCoreApplication::translate("remote::NetworkFailure",
                                               "The certificate of %1 was made out for another name.")
                .arg(server);
        case QSslError::SelfSignedCertificate:
        case QSslError::SelfSignedCertificateInChain:
        case QSslError::UnableToGetLocalIssuerCertificate:
        case QSslError::UnableToGetIssuerCertificate:
        case QSslError::UnableToVerifyFirstCertificate:
        case QSslError::CertificateUntrusted:
            return QCoreApplication::translate("remote::NetworkFailure",
                                               "The certificate of %1 is not from an authority this computer trusts.")
                .arg(server);
        case QSslError::CertificateRevoked:
            return QCoreApplication::translate("remote::NetworkFailure", "The certificate of %1 has been revoked.")
                .arg(server);
        default:
            break;
        }
    }
    const QString detail = errors.isEmpty() ? QCoreApplication::translate("remote::NetworkFailure",
                                                                          "the secure connection could not be made")
                                            : errors.front().errorString();
    return QCoreApplication::translate("remote::NetworkFailure", "The certificate of %1 is not accepted: %2.")
        .arg(server, detail);
}

}  // namespace

QString serverName(const QUrl& url)
{
    const int usual = url.scheme() == QLatin1String("https") ? 443 : 80;
    return url.port(usual) == usual ? url.host() : QStringLiteral("%1:%2").arg(url.host()).arg(url.port());
}

QString networkFailure(const QUrl& url, QNetworkReply::NetworkError error, const QList<QSslError>& sslErrors)
{
    const QString server = serverName(url);
    if (!sslErrors.isEmpty())
        return certificateFailure(url, sslErrors);
    switch (error) {
    case QNetworkReply::HostNotFoundError:
        return QCoreApplication::translate(
                   "remote::NetworkFailure",
                   "The server name %1 was not found. Check the address, and that this computer is online.")
            .arg(url.host());
    case QNetworkReply::ConnectionRefusedError:
        return QCoreApplication::translate("remote::NetworkFailure", "The server %1 refused the connection.")
            .arg(server);
    case QNetworkReply::RemoteHostClosedError:
        return QCoreApplication::translate("remote::NetworkFailure",
                                           "The server %1 closed the connection before it answered.")
            .arg(server);
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::BackgroundRequestNotAllowedError:
        return QCoreApplication::translate("remote::NetworkFailure", "This computer is not connected to a network.");
    case QNetworkReply::UnknownNetworkError:
        // What Qt reports when no network leads to the server at all.
        return QCoreApplication::translate("remote::NetworkFailure",
                                           "No network leads to %1: this computer may not be connected to a network.")
            .arg(server);
    case QNetworkReply::SslHandshakeFailedError:
        return certificateFailure(url, sslErrors);
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return QCoreApplication::translate("remote::NetworkFailure",
                                           "The proxy server set for this computer did not pass the request on to %1.")
            .arg(server);
    default:
        return QCoreApplication::translate("remote::NetworkFailure", "The connection to %1 failed.").arg(server);
    }
}

QString statusFailure(const QUrl& url, int status, const QByteArray& reason)
{
    const QString server = serverName(url);
    const QString code = QStringLiteral("%1 %2").arg(status).arg(QString::fromLatin1(reason)).trimmed();
    switch (status) {
    case 401:
        return QCoreApplication::translate("remote::NetworkFailure",
                                           "The server %1 did not accept the user name and password (%2).")
            .arg(server, code);
    case 403:
        return QCoreApplication::translate("remote::NetworkFailure",
                                           "The server %1 does not allow access to this address (%2).")
            .arg(server, code);
    case 404:
    case 410:
        return QCoreApplication::translate("remote::NetworkFailure", "There is no calendar at this address on %1 (%2).")
            .arg(server, code);
    default:
        break;
    }
    if (status >= 500)
        return QCoreApplication::translate("remote::NetworkFailure",
                                           "The server %1 failed to answer (%2). Try again later.")
            .arg(server, code);
    return QCoreApplication::translate("remote::NetworkFailure", "The server %1 refused the request (%2).")
        .arg(server, code);
}

}  // namespace remote
