// The remote client builds on the calendar reader and QtNetwork.
#include "remote/RemoteCalendar.h"
#include "calendar/ImportLimits.h"
#include <QNetworkAccessManager>
