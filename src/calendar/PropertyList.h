#pragma once

#include <libical/ical.h>

#include <vector>

namespace calendar {

// The properties of `kind` that `component` holds, in the order of the file.
// libical walks a component's properties with one cursor per component, and
// every read of a single property (icalcomponent_get_summary and the like)
// moves it; a loop over libical's cursor that reads anything else of the same
// component in its body skips or repeats properties. So loops go over this.
std::vector<icalproperty*> propertiesOf(icalcomponent* component, icalproperty_kind kind);

}  // namespace calendar
