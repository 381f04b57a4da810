#include "RemoteDialogs.h"

#include "entry/ChooseCalendarDialog.h"
#include "entry/SignInDialog.h"
#include "entry/TransferProgressDialog.h"
#include "platform/MessageBoxes.h"

namespace entry {

RemoteDialogs::RemoteDialogs(QWidget* window) : m_window(window)
{
    m_progress = new TransferProgressDialog(window);
    m_showProgress.setSingleShot(true);
    m_showProgress.setInterval(TransferProgressDialog::ShowAfterMs);
    connect(&m_showProgress, &QTimer::timeout, m_progress, &QWidget::show);
    connect(m_progress, &TransferProgressDialog::cancelRequested, this, [this] {
        if (m_cancel)
            m_cancel();
    });
}

RemoteDialogs::~RemoteDialogs() { delete m_progress; }

std::optional<remote::Credentials> RemoteDialogs::signIn(const remote::SignInRequest& request)
{
    SignInDialog dialog(request, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.credentials();
}

std::optional<int> RemoteDialogs::chooseCalendar(const QStringList& names)
{
    ChooseCalendarDialog dialog(names, m_window);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen() < 0)
        return std::nullopt;
    return dialog.chosen();
}

void RemoteDialogs::transferStarted(const QUrl& address, std::function<void()> cancel)
{
    m_cancel = std::move(cancel);
    m_progress->setAddress(address);
    m_progress->setBytes(0);
    m_showProgress.start();
}

void RemoteDialogs::transferProgress(qint64 bytesSoFar) { m_progress->setBytes(bytesSoFar); }

void RemoteDialogs::passwordNotRemembered(const QString& reason)
{
    platform::showMessage(tr("The password could not be remembered: %1.").arg(reason));
}

void RemoteDialogs::transferEnded()
{
    m_cancel = nullptr;
    m_showProgress.stop();
    m_progress->hide();
}

}  // namespace entry
