// The calendar is read and tested without any window: no dialog is in its sight.
#include "calendar/CalendarFile.h"
#include <QDialog>
