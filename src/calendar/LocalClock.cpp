#include "LocalClock.h"

namespace calendar {

bool readLocalClock(qint64 moment, std::tm& local)
{
    const time_t t = time_t(moment);
    return localtime_r(&t, &local) != nullptr;
}

}  // namespace calendar
