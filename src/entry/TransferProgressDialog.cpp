#include "TransferProgressDialog.h"

#include "entry/ScreenFit.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace entry {

TransferProgressDialog::TransferProgressDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Downloading Calendar"));
    setModal(true);
    addressLabel = new QLabel(this);
    addressLabel->setTextFormat(Qt::PlainText);
    addressLabel->setWordWrap(true);
    bytesLabel = new QLabel(this);
    auto* bar = new QProgressBar(this);
    bar->setRange(0, 0);  // servers rarely say how much is coming
    bar->setAccessibleName(tr("Download"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cancelButton = buttons->button(QDialogButtonBox::Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(addressLabel);
    layout->addWidget(bar);
    layout->addWidget(bytesLabel);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &TransferProgressDialog::reject);
    setBytes(0);
    fitToScreen(*this);
}

void TransferProgressDialog::setAddress(const QUrl& address)
{
    addressLabel->setText(tr("Reading %1").arg(fitServerText(address.toString(QUrl::RemoveUserInfo), *this)));
}

void TransferProgressDialog::setBytes(qint64 bytes)
{
    bytesLabel->setText(tr("%1 received").arg(locale().formattedDataSize(bytes)));
}

void TransferProgressDialog::reject()
{
    hide();
    emit cancelRequested();
}

}  // namespace entry
