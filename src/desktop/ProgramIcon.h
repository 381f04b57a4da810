#pragma once

#include <QIcon>

namespace desktop {

// The program's icon, a small week planner page (ring binding, a coloured
// pair of day headings, ruled rows). It is the same drawing the desktop shows
// in its menu (data/icons/dorvane.svg, compiled in), painted here at the
// window sizes 16 to 256 pixels. Both windows take it.
QIcon programIcon();

}  // namespace desktop
