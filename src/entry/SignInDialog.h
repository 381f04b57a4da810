#pragma once

#include "remote/RemoteConversation.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace entry {

// "Sign In": the user name and password a calendar server asks for. Names
// the server and its realm, shows the server's refusal of the last attempt
// (each cut short when long, so that the dialog stays on the screen),
// and warns when the password would travel unencrypted (plain http). OK is
// the default button, so Return accepts. The password is read once through
// credentials() and lives nowhere else.
class SignInDialog : public QDialog {
    Q_OBJECT
public:
    explicit SignInDialog(const remote::SignInRequest& request, QWidget* parent = nullptr);

    remote::Credentials credentials() const;

    QLabel* serverLabel;
    QLabel* refusalLabel;   // hidden on the first attempt
    QLabel* warningLabel;   // hidden for https
    QLineEdit* userEdit;
    QLineEdit* passwordEdit;
    QCheckBox* rememberBox;  // "Remember in the keyring"
    QDialogButtonBox* buttons;
};

}  // namespace entry
