#include "SignInDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace entry {

SignInDialog::SignInDialog(const remote::SignInRequest& request, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Sign In"));
    serverLabel = new QLabel(request.realm.isEmpty()
                                 ? tr("The server %1 asks you to sign in.").arg(request.server)
                                 : tr("The server %1 asks you to sign in to \"%2\".").arg(request.server, request.realm),
                             this);
    serverLabel->setWordWrap(true);
    serverLabel->setTextFormat(Qt::PlainText);
    refusalLabel = new QLabel(tr("The server refused the last attempt: %1").arg(request.refusal), this);
    refusalLabel->setWordWrap(true);
    refusalLabel->setTextFormat(Qt::PlainText);
    refusalLabel->setVisible(!request.refusal.isEmpty());
    warningLabel = new QLabel(tr("This server is reached over plain http: the password travels unencrypted."), this);
    warningLabel->setWordWrap(true);
    warningLabel->setVisible(request.unencrypted);

    userEdit = new QLineEdit(request.userName, this);
    passwordEdit = new QLineEdit(this);
    passwordEdit->setEchoMode(QLineEdit::Password);
    userEdit->setAccessibleName(tr("User name"));
    passwordEdit->setAccessibleName(tr("Password"));
    // The reason for signing in, read with the first field.
    userEdit->setAccessibleDescription(serverLabel->text());
    passwordEdit->setAccessibleDescription(serverLabel->text());
    rememberBox = new QCheckBox(tr("Remember in the keyring"), this);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(tr("User name:"), userEdit);
    form->addRow(tr("Password:"), passwordEdit);
    form->addRow(QString(), rememberBox);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(serverLabel);
    layout->addWidget(refusalLabel);
    layout->addWidget(warningLabel);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (request.userName.isEmpty())
        userEdit->setFocus();
    else
        passwordEdit->setFocus();
}

remote::Credentials SignInDialog::credentials() const
{
    return {userEdit->text(), passwordEdit->text(), rememberBox->isChecked()};
}

}  // namespace entry
