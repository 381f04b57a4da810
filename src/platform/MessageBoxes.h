#pragma once

#include <QString>

namespace platform {

// Modal message boxes. Every box the program shows goes through messageBoxes(),
// so a test can put a scripted implementation in place, answer the boxes and
// read what was shown.

enum class Buttons { Ok, YesNo };
enum class Icon { None, Exclamation };
enum class Answer { Ok, Yes, No };

struct MessageRequest {
    QString text;
    QString title;  // empty: the application title (see ProgramEnvironment.h)
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box modally and returns the button the user pressed.
    virtual Answer show(const MessageRequest& request) = 0;
};

// The implementation in force (seam::Seam<MessageBoxes>): the desktop's
// QMessageBox (desktop::QtMessageBoxes) unless a test installed another.
// Throws std::logic_error in a program that provides none.
MessageBoxes& messageBoxes();

// Shorthand for the common case; an empty title means the application title.
Answer showMessage(const QString& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                   const QString& title = {});

}  // namespace platform
