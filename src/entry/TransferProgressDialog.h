#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;
class QPushButton;

namespace entry {

// "Downloading Calendar": the server being read, the bytes received so far
// and Cancel. Shown by RemoteDialogs only for transfers that take longer
// than ShowAfterMs; Cancel (or Escape, or closing it) emits cancelRequested.
class TransferProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit TransferProgressDialog(QWidget* parent = nullptr);

    static constexpr int ShowAfterMs = 500;

    void setAddress(const QUrl& address);
    void setBytes(qint64 bytes);

    QLabel* addressLabel;
    QLabel* bytesLabel;
    QPushButton* cancelButton;

signals:
    void cancelRequested();

protected:
    void reject() override;
};

}  // namespace entry
