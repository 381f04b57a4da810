#pragma once

#include "remote/RemoteConversation.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace entry {

class TransferProgressDialog;

// The entry window's side of a conversation with a calendar server: the
// "Sign In" and "Choose Calendar" dialogs, and the progress dialog that comes
// up when a transfer takes longer than TransferProgressDialog::ShowAfterMs,
// and the message when the keyring did not take a password.
// Dialogs are parented to `window`, which must outlive this.
class RemoteDialogs final : public QObject, public remote::RemoteConversation {
    Q_OBJECT
public:
    explicit RemoteDialogs(QWidget* window);
    ~RemoteDialogs() override;

    std::optional<remote::Credentials> signIn(const remote::SignInRequest& request) override;
    std::optional<int> chooseCalendar(const QStringList& names) override;
    void transferStarted(const QUrl& address, std::function<void()> cancel) override;
    void transferProgress(qint64 bytesSoFar) override;
    void transferEnded() override;
    // A message box: "The password could not be remembered: <reason>."
    void passwordNotRemembered(const QString& reason) override;

private:
    QWidget* m_window;
    QPointer<TransferProgressDialog> m_progress;
    QTimer m_showProgress;
    std::function<void()> m_cancel;
};

}  // namespace entry
