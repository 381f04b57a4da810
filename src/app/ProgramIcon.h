#pragma once

#include <QIcon>

namespace app {

// The program's icon, a small week planner page (blue binding, ruled rows,
// a coloured entry), painted at 16, 24, 32, 48 and 64 pixels. Both windows
// take it.
QIcon programIcon();

}  // namespace app
