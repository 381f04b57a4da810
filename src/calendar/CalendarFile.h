#pragma once

#include "CalendarText.h"

#include <QByteArray>
#include <QString>

#include <limits>
#include <memory>
#include <optional>
#include <vector>

struct icalcomponent_impl;
typedef struct icalcomponent_impl icalcomponent;

namespace calendar {

// One event as a calendar keeps it: the master VEVENT with its rules, and the
// VEVENTs that override single occurrences of it (same UID, RECURRENCE-ID).
// An override whose master is missing stands alone, as its own master.
struct Series {
    icalcomponent* master = nullptr;
    std::vector<icalcomponent*> overrides;
    // Every occurrence starts between these moments (seconds since 1970
    // UTC), as RecurrenceExpander::reach finds them when the file is read: a
    // range outside them needs no work at all, which matters when a year is
    // imported week by week.
    qint64 earliest = std::numeric_limits<qint64>::min();
    qint64 latest = std::numeric_limits<qint64>::max();
};

// An event left out because it cannot be read (a malformed date or rule, a
// date out of range), and why.
struct Unreadable {
    icalcomponent* event = nullptr;
    QString reason;  // the rest of a sentence about it: "has a malformed RRULE that cannot be read"
};

// An iCalendar file read into memory with libical and checked, so that what
// comes later may rely on it: every VEVENT of the series has a valid start
// between FirstYear and LastYear, and every recurrence rule is one that can
// be walked. Of several versions of one event (one UID, and one RECURRENCE-ID
// for an override) only the newest is kept: the highest SEQUENCE, then the
// latest DTSTAMP, then the latest LAST-MODIFIED, then the last in the file.
//
// Reading refuses, with an errors::UserError that says why: files over
// MaxFileBytes, empty or binary files, text that is not iCalendar, a calendar
// cut short, more components, lines or nesting than ImportLimits.h allows,
// time zones beyond their limits, and a file whose events all cannot be read.
// Single events that cannot be read are listed in unreadable() instead.
//
// With `only`, the days every later question will be about, events that
// plainly cannot start on them are not read (see siftedText): nor worked
// out, nor listed as unreadable. The file is then refused for unreadable
// events only when none was passed over.
//
// Owns the libical tree; the Series and Unreadable point into it and live as long as this.
class CalendarFile {
public:
    static CalendarFile read(const QString& path, const std::optional<Days>& only = std::nullopt);
    static CalendarFile fromData(const QByteArray& bytes, const std::optional<Days>& only = std::nullopt);

    CalendarFile(CalendarFile&&) noexcept;
    CalendarFile& operator=(CalendarFile&&) noexcept;
    ~CalendarFile();

    const std::vector<Series>& series() const { return m_series; }
    // In the order of the file.
    const std::vector<Unreadable>& unreadable() const { return m_unreadable; }

private:
    CalendarFile() = default;

    struct FreeTree {
        void operator()(icalcomponent* root) const;
    };
    std::unique_ptr<icalcomponent, FreeTree> m_root;
    std::vector<Series> m_series;
    std::vector<Unreadable> m_unreadable;
};

}  // namespace calendar
