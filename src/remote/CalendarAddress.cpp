#include "CalendarAddress.h"

#include "errors/UserError.h"

#include <QCoreApplication>

namespace remote {

bool CalendarAddress::looksLikeAddress(const QString& text)
{
    const QString scheme = text.trimmed().section(QLatin1Char(':'), 0, 0).toLower();
    return text.contains(QLatin1String("://"))
           && (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("webcal"));
}

CalendarAddress CalendarAddress::parse(const QString& text)
{
    // A bare server name, as people copy it from a settings page, means https.
    const QString trimmed = text.trimmed();
    QUrl url(trimmed.contains(QLatin1String("://")) ? trimmed : QStringLiteral("https://") + trimmed, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        throw errors::UserError(
            QCoreApplication::translate("remote::CalendarAddress", "\"%1\" is not a web address.")
                .arg(withoutUserInfo(trimmed)));
    CalendarAddress address;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("webcal")) {
        address.webcal = true;
        url.setScheme(QStringLiteral("https"));
    } else if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        throw errors::UserError(
            QCoreApplication::translate("remote::CalendarAddress", "\"%1\" is not an http, https or webcal address.")
                .arg(url.toString(QUrl::RemoveUserInfo)));
    }
    address.userName = url.userName();
    url.setUserInfo(QString());
    if (url.path().isEmpty())
        url.setPath(QStringLiteral("/"));
    address.url = url;
    return address;
}

QString CalendarAddress::withoutUserInfo(const QString& text)
{
    // The authority runs from "//" to the first "/", "?" or "#"; its user
    // information ends at its last "@", since a password may hold one.
    const qsizetype slashes = text.indexOf(QLatin1String("//"));
    const qsizetype start = slashes < 0 ? 0 : slashes + 2;
    qsizetype end = text.size();
    for (const QChar stop : {QLatin1Char('/'), QLatin1Char('?'), QLatin1Char('#')}) {
        const qsizetype at = text.indexOf(stop, start);
        if (at >= 0 && at < end)
            end = at;
    }
    const qsizetype at = end > start ? text.lastIndexOf(QLatin1Char('@'), end - 1) : -1;
    if (at < start)
        return text;
    return text.left(start) + text.mid(at + 1);
}

QString CalendarAddress::display() const
{
    QUrl shown = url;
    if (webcal)
        shown.setScheme(QStringLiteral("webcal"));
    return shown.toString();
}

}  // namespace remote
