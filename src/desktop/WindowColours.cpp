#include "WindowColours.h"

#include "desktop/PictureBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

namespace desktop {
namespace {

void paintButtonFace(QWidget* widget)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

bool takesButtonFace(QWidget* control, bool includePictureBoxes)
{
    // Checked by kind, not by QFrame ancestry: labels and picture areas are both QFrames.
    return qobject_cast<QLabel*>(control) || qobject_cast<QGroupBox*>(control) ||
           qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control) ||
           (includePictureBoxes && qobject_cast<PictureBox*>(control));
}

}  // namespace

void setButtonFaceColours(QWidget* window, bool includePictureBoxes)
{
    paintButtonFace(window);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (takesButtonFace(control, includePictureBoxes))
            paintButtonFace(control);
    }
}

void resetBackColors(QWidget* window) { setButtonFaceColours(window, false); }

}  // namespace desktop
