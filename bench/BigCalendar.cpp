#include "BigCalendar.h"

#include <QDateTime>

#include <random>

namespace {

QByteArray stamp(const QDateTime& t) { return t.toString("yyyyMMdd'T'HHmmss").toLatin1(); }

}  // namespace

QByteArray bigCalendar()
{
    QByteArray ics =
        "BEGIN:VCALENDAR\r\nPRODID:-//Google Inc//Google Calendar 70.9054//EN\r\nVERSION:2.0\r\n"
        "CALSCALE:GREGORIAN\r\nMETHOD:PUBLISH\r\nX-WR-TIMEZONE:Europe/Berlin\r\n"
        "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nX-LIC-LOCATION:Europe/Berlin\r\n"
        "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nTZNAME:CEST\r\nDTSTART:19700329T020000\r\n"
        "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\n"
        "BEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\nDTSTART:19701025T030000\r\n"
        "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
    std::mt19937 random(20261207);
    const QDateTime first(QDate(2025, 1, 1), QTime(0, 0));
    const int minutes = 3 * 365 * 24 * 60;
    const char* const subjects[] = {"Team meeting", "Lunch with a client", "Dentist", "Project review", "Call with the bank",
                                    "Gym", "Parents' evening", "Code review", "Quarterly planning", "Coffee with Ana"};
    for (int i = 0; i < 20000; ++i) {
        const QDateTime start = first.addSecs(qint64(random() % minutes / 15 * 15) * 60);
        const QByteArray subject = subjects[random() % 10];
        ics += "BEGIN:VEVENT\r\nDTSTART;TZID=Europe/Berlin:" + stamp(start) + "\r\nDTEND;TZID=Europe/Berlin:"
             + stamp(start.addSecs(3600)) + "\r\n";
        if (i % 5 == 0) {
            const int times = 1 + int(random() % 200);
            ics += i % 10 == 0 ? "RRULE:FREQ=WEEKLY;BYDAY=MO,TH;COUNT=" + QByteArray::number(times) + "\r\n"
                               : "RRULE:FREQ=WEEKLY;UNTIL=" + stamp(start.addDays(times / 2 * 7).toUTC()) + "Z;BYDAY=TU,FR\r\n";
        }
        ics += "DTSTAMP:20261201T101500Z\r\nUID:" + QByteArray::number(i) + "-4k2d9s0aa1b2c3d4e5f6g7h8i9@google.com\r\n"
               "LAST-MODIFIED:20261201T101500Z\r\n"
               "DESCRIPTION:Agenda for " + subject + ". Please bring the documents from last ti\r\n"
               " me.\r\nLOCATION:Room " + QByteArray::number(i % 40) + "\r\n"
               "SEQUENCE:0\r\nSTATUS:CONFIRMED\r\nSUMMARY:" + subject + " " + QByteArray::number(i) + "\r\nTRANSP:OPAQUE\r\nEND:VEVENT\r\n";
    }
    return ics + "END:VCALENDAR\r\n";
}
