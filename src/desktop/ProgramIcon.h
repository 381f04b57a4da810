#pragma once

#include <QIcon>

namespace desktop {

// The program's icon, a small week planner page (ring binding, a coloured
// pair of day headings, ruled rows). It is the same drawing the desktop shows
// in its menu (data/icons/dorvane.svg, compiled in), painted here at the
// window sizes 16 to 256 pixels. Both windows take it.
//
// It is drawn once per run. drawProgramIconAhead(), called once the
// application object exists, draws it on a second core while the first
// window is built (its painting was a sixth as much work as building the
// entry window); programIcon() waits for that drawing, or
// draws the icon itself when nothing was started. Both are called on the GUI
// thread.
void drawProgramIconAhead();
QIcon programIcon();

}  // namespace desktop
