#pragma once

#include <QString>

class QWidget;

namespace skin {

class SkinFramework;


// Where the skin lives: "x/o.cjs" in the program's folder.
QString skinFilePath();

// Gives `window` the skin in skinFilePath() through `engine` (the window's
// skinEngine). Without an ordinary file there (a folder of that name does
// not count) nothing happens. Otherwise the window and its frames, labels and
// picture areas first take the button-face colour, then the engine loads the
// skin, is switched on and receives the window. It has no error report of its
// own: a failure (a skin the engine rejects) reaches the caller, and the
// colours set before it stay.
void applySkin(QWidget* window, skin::SkinFramework& engine);

}  // namespace skin
