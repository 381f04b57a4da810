#pragma once

namespace calendar {

// Points libical at the time-zone data for zones a calendar names without
// describing them (TZID=Europe/Berlin and no VTIMEZONE). On Linux libical
// reads the system's zoneinfo and this does nothing. Windows has no such
// folder, so the Windows build carries libical's own zone data in the
// folder "zoneinfo" beside the program, and this tells libical so. Cheap
// after the first call; call it before libical reads a calendar, since
// libical reads its list of zones once, on the first look-up.
void useZoneData();

}  // namespace calendar
