#include "SignInDialog.h"

#include "entry/ScreenFit.h"

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
    // The server names itself and its realm, and words its refusal: shown
    // whole when short, cut in the middle when long.
    const QString server = fitServerText(request.server, *this);
    serverLabel = new QLabel(request.realm.isEmpty()
                                 ? tr("The server %1 asks you to sign in.").arg(server)
                                 : tr("The server %1 asks you to sign in to \"%2\".")
                                       .arg(server, fitServerText(request.realm, *this)),
                             this);
    serverLabel->setWordWrap(true);
    serverLabel->setTextFormat(Qt::PlainText);
    refusalLabel = new QLabel(tr("The server refused the last attempt: %1").arg(fitServerText(request.refusal, *this)), this);
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
    fitToScreen(*this);
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
