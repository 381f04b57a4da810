#pragma once

#include "CalDavClient.h"
#include "CalendarAddress.h"
#include "HttpSession.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <memory>
#include <optional>

namespace remote {

class PasswordKeyring;

// A calendar at an address: a calendar file on a web server (webcal, or any
// address that is no WebDAV resource), or a CalDAV calendar.
//
// open() finds out which: a webcal address or one ending in .ics is
// downloaded at once; any other address is asked by CalDAV first
// (CalDavClient), and where that finds several calendars with events the
// user picks one (RemoteConversation::chooseCalendar). A file is read
// whole; for a CalDAV calendar, weeksData() then asks the server for the
// chosen weeks only.
//
// Throws errors::UserError and Cancelled as HttpSession does, and errors::UserError when
// a downloaded file is no calendar. `conversation` and `keyring` must outlive it.
class RemoteCalendar {
public:
    RemoteCalendar(const CalendarAddress& address, RemoteConversation& conversation, PasswordKeyring& keyring,
                   Timeouts timeouts = {});
    ~RemoteCalendar();

    void open();

    // After open(): true for a CalDAV calendar, false for a file.
    bool isCalDav() const { return m_calendar.has_value(); }
    // The calendar's name for messages: the display name of a CalDAV
    // calendar, or the address.
    QString name() const;
    // A downloaded file's bytes.
    const QByteArray& fileData() const { return m_file; }
    // A CalDAV calendar's events touching the `weeks` weeks from local
    // midnight of `monday`, with a day to spare on either side for floating
    // times; merged into one iCalendar text.
    QByteArray weeksData(const QDate& monday, int weeks);

private:
    void download();

    CalendarAddress m_address;
    std::unique_ptr<HttpSession> m_session;
    CalDavClient m_client;
    RemoteConversation& m_conversation;
    std::optional<CalDavCalendar> m_calendar;
    QByteArray m_file;
};

}  // namespace remote
