#include "MessageBoxes.h"

#include "ProgramEnvironment.h"
#include "seam/Seam.h"

namespace platform {

MessageBoxes& messageBoxes() { return seam::service<MessageBoxes>("message boxes"); }

Answer showMessage(const QString& text, Buttons buttons, Icon icon, const QString& title)
{
    return messageBoxes().show({text, title.isEmpty() ? applicationTitle() : title, buttons, icon});
}

}  // namespace platform
