// The interfaces to the surroundings are toolkit-free; their widget implementations live in desktop.
#include "platform/MessageBoxes.h"
#include <QWidget>
