#include "OpenAddressDialog.h"

#include "entry/ScreenFit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace entry {

const char* const OpenAddressDialog::RecentKey = "calendar/recentAddresses";

OpenAddressDialog::OpenAddressDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Open Calendar Address"));
    addressBox = new QComboBox(this);
    addressBox->setEditable(true);
    addressBox->setInsertPolicy(QComboBox::NoInsert);
    addressBox->addItems(recentAddresses());
    addressBox->setCurrentIndex(addressBox->count() > 0 ? 0 : -1);
    addressBox->setMinimumContentsLength(48);
    // As wide as 48 characters, however long a remembered address is.
    addressBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    addressBox->lineEdit()->setPlaceholderText(QStringLiteral("https://"));
    addressBox->lineEdit()->selectAll();

    buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Open)->setDefault(true);

    auto* hint = new QLabel(tr("A calendar server (CalDAV), a calendar on it, or a web calendar (https or webcal)."), this);
    hint->setWordWrap(true);
    // The box's list holds the recent addresses; its line is where one is typed.
    addressBox->setAccessibleName(tr("Recent addresses"));
    addressBox->lineEdit()->setAccessibleName(tr("Address"));
    addressBox->lineEdit()->setAccessibleDescription(hint->text());
    auto* form = new QFormLayout;
    form->addRow(tr("Address:"), addressBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    fitToScreen(*this);
    addressBox->setFocus();
}

QString OpenAddressDialog::address() const { return addressBox->currentText().trimmed(); }

QStringList OpenAddressDialog::recentAddresses() { return QSettings().value(QLatin1String(RecentKey)).toStringList(); }

void OpenAddressDialog::remember(const QString& address)
{
    QStringList recent = recentAddresses();
    recent.removeAll(address);
    recent.prepend(address);
    while (recent.size() > MaxRecent)
        recent.removeLast();
    QSettings().setValue(QLatin1String(RecentKey), recent);
}

}  // namespace entry
