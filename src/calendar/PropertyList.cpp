#include "PropertyList.h"

namespace calendar {

std::vector<icalproperty*> propertiesOf(icalcomponent* component, icalproperty_kind kind)
{
    std::vector<icalproperty*> found;
    for (icalproperty* p = icalcomponent_get_first_property(component, kind); p;
         p = icalcomponent_get_next_property(component, kind))
        found.push_back(p);
    return found;
}

}  // namespace calendar
