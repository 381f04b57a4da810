#pragma once

#include <QString>
#include <QUrl>

namespace remote {

// The address of a calendar on a server, as the user typed or passed it.
//
// parse() accepts http, https and webcal (read as https; a plain webcal
// address is the same file as its https one), and a bare server name as https. A user name in the address is
// kept as the suggestion for signing in; a password in it is dropped, so
// that it reaches neither the list of recent addresses nor any message.
// Throws errors::UserError for anything else, naming what is wrong.
struct CalendarAddress {
    QUrl url;          // http or https, without user name and password
    QString userName;  // from the address; may be empty
    bool webcal = false;  // given as webcal: a calendar file, never CalDAV

    static CalendarAddress parse(const QString& text);
    // True for text that looks like an address rather than a file path.
    static bool looksLikeAddress(const QString& text);

    // The address as shown in messages and remembered: no password, and
    // webcal kept as the user gave it.
    QString display() const;

    // `text` with the user information (name and password before an "@")
    // taken out, whether or not it parses: what a message may show of an
    // address that could not be read.
    static QString withoutUserInfo(const QString& text);
};

}  // namespace remote
