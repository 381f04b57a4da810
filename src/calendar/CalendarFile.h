#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
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
};

// An iCalendar file read into memory with libical and checked, so that what
// comes later may rely on it: every VEVENT has a valid start between
// FirstYear and LastYear, and every recurrence rule is one that can be walked
// (daily or coarser, hourly at most).
//
// Reading refuses, with an ImportError that says why: files over
// MaxFileBytes, empty or binary files, text that is not iCalendar, a calendar
// cut short, more components, lines or nesting than ImportLimits.h allows,
// and events with malformed dates or rules.
//
// Owns the libical tree; the Series point into it and live as long as this.
class CalendarFile {
public:
    static CalendarFile read(const QString& path);
    static CalendarFile fromData(const QByteArray& bytes);

    CalendarFile(CalendarFile&&) noexcept;
    CalendarFile& operator=(CalendarFile&&) noexcept;
    ~CalendarFile();

    const std::vector<Series>& series() const { return m_series; }

private:
    CalendarFile() = default;

    struct FreeTree {
        void operator()(icalcomponent* root) const;
    };
    std::unique_ptr<icalcomponent, FreeTree> m_root;
    std::vector<Series> m_series;
};

}  // namespace calendar
