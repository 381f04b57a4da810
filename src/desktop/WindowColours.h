#pragma once

class QWidget;

namespace desktop {

// Gives the window, and its frames, labels, option buttons and check boxes the
// button-face colour. Picture areas, text boxes, buttons and scroll bars keep theirs.
void resetBackColors(QWidget* window);

// The same, with picture areas included, as a skin wants it.
void setButtonFaceColours(QWidget* window, bool includePictureBoxes);

}  // namespace desktop
