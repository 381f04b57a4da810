#pragma once

#include <QList>
#include <QNetworkReply>
#include <QSslError>
#include <QString>
#include <QUrl>

namespace remote {

// The sentences for the user on why a request to `url` failed. Each names
// the server and the reason; none holds a password.

// A failure below HTTP: the network, the name, the connection, TLS (with the
// certificate errors the handshake reported).
QString networkFailure(const QUrl& url, QNetworkReply::NetworkError error, const QList<QSslError>& sslErrors);

// An HTTP status of 400 or above; `reason` is the status line's text.
QString statusFailure(const QUrl& url, int status, const QByteArray& reason);

// The server names as shown: host, and port when not the usual one.
QString serverName(const QUrl& url);

}  // namespace remote
