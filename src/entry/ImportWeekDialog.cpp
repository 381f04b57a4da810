#include "ImportWeekDialog.h"

#include "calendar/WeekLayout.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace entry {

ImportWeekDialog::ImportWeekDialog(const QDate& day, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Import Week"));
    dateEdit = new QDateEdit(day, this);
    dateEdit->setCalendarPopup(true);
    dateEdit->setAccessibleName(tr("Import the week of"));
    weekLabel = new QLabel(this);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(tr("Import the week of:"), dateEdit);
    form->addRow(QString(), weekLabel);
    weeksBox = new QSpinBox(this);
    weeksBox->setRange(1, calendar::MaxWeeks);
    weeksBox->setValue(1);
    //: Import Week: how many consecutive weeks to import, from the chosen one on
    form->addRow(tr("Weeks:"), weeksBox);
    connect(weeksBox, &QSpinBox::valueChanged, this, &ImportWeekDialog::showWeek);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(dateEdit, &QDateEdit::dateChanged, this, &ImportWeekDialog::showWeek);
    showWeek();
    dateEdit->setFocus();
}

QDate ImportWeekDialog::monday() const { return calendar::mondayOf(dateEdit->date()); }

int ImportWeekDialog::weeks() const { return weeksBox->value(); }

void ImportWeekDialog::showWeek()
{
    const QLocale here = locale();
    const QDate first = monday();
    weekLabel->setText(tr("%1 to %2").arg(here.toString(first, QLocale::LongFormat),
                                          here.toString(first.addDays(7 * weeks() - 1), QLocale::LongFormat)));
    // The week shown beside the date is what the date means; read with it.
    dateEdit->setAccessibleDescription(weekLabel->text());
}

}  // namespace entry
