#include "MessageBoxes.h"

#include "ProgramEnvironment.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

class QtMessageBoxes final : public MessageBoxes {
public:
    Answer show(const MessageRequest& request) override
    {
        QMessageBox box(request.icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
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
};

MessageBoxes* installed = nullptr;

}  // namespace

MessageBoxes& messageBoxes()
{
    static QtMessageBoxes qtBoxes;
    return installed ? *installed : qtBoxes;
}

void setMessageBoxes(MessageBoxes* boxes) { installed = boxes; }

Answer showMessage(const QString& text, Buttons buttons, Icon icon, const QString& title)
{
    return messageBoxes().show({text, title.isEmpty() ? applicationTitle() : title, buttons, icon});
}

}  // namespace platform
