#include "ChooseCalendarDialog.h"

#include "entry/ScreenFit.h"

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
    // Names are the server's: a long one is cut, the whole of it read out.
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(fitServerText(name, *this), list);
        item->setData(Qt::AccessibleTextRole, name);
    }
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
    fitToScreen(*this);
    list->setFocus();
}

int ChooseCalendarDialog::chosen() const { return list->currentRow(); }

}  // namespace entry
