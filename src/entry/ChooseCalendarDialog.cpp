#include "ChooseCalendarDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace entry {

ChooseCalendarDialog::ChooseCalendarDialog(const QStringList& names, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Choose Calendar"));
    list = new QListWidget(this);
    list->addItems(names);
    list->setCurrentRow(0);
    list->setAccessibleName(tr("Import the week from"));
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Import the week from:"), this));
    layout->addWidget(list);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A double click, or Return where the style makes it activate the row.
    connect(list, &QListWidget::itemActivated, this, &QDialog::accept);
    list->setFocus();
}

int ChooseCalendarDialog::chosen() const { return list->currentRow(); }

}  // namespace entry
