// The shared helpers sit below every window: the desktop layer is out of their sight.
#include "common/Files.h"
#include "desktop/WindowColours.h"
