#include "ZoneData.h"

namespace calendar {

// libical reads the system's zoneinfo, where Debian's tzdata keeps it current.
void useZoneData() {}

}  // namespace calendar
