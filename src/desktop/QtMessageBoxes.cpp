#include "QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace desktop {

using platform::Answer;
using platform::Buttons;

Answer QtMessageBoxes::show(const platform::MessageRequest& request)
{
    QMessageBox box(request.icon == platform::Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    request.title, request.text, QMessageBox::NoButton, QApplication::activeWindow());
    if (request.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int pressed = box.exec();
    if (request.buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

}  // namespace desktop
