#include "PlannerSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace entry {

using planner::Paper;
using planner::PlannerSettings;

PlannerSettingsDialog::PlannerSettingsDialog(const PlannerSettings& settings, QWidget* parent)
    : QDialog(parent), m_form(new QFormLayout)
{
    setWindowTitle(tr("Planner Settings"));

    firstHourBox = new QComboBox(this);
    lastHourBox = new QComboBox(this);
    firstHourBox->setAccessibleName(tr("First hour"));
    lastHourBox->setAccessibleName(tr("Last hour"));
    clockBox = new QComboBox(this);
    //: The clock of the hour labels: "1 pm"
    clockBox->addItem(tr("12-hour"), int(week::Clock::TwelveHour));
    //: The clock of the hour labels: "13"
    clockBox->addItem(tr("24-hour"), int(week::Clock::TwentyFourHour));
    clockBox->setCurrentIndex(clockBox->findData(int(settings.clock)));
    paperBox = new QComboBox(this);
    for (Paper paper : {Paper::A4, Paper::Letter, Paper::A5})
        paperBox->addItem(PlannerSettings::paperName(paper), int(paper));
    paperBox->setCurrentIndex(paperBox->findData(int(settings.paper)));
    landscapeBox = new QCheckBox(tr("Landscape"), this);
    landscapeBox->setChecked(settings.landscape);
    labelHours();
    firstHourBox->setCurrentIndex(settings.hours.first);
    lastHourBox->setCurrentIndex(settings.hours.last);

    // The rows of the form, in the order they are read.
    auto* hours = new QHBoxLayout;
    hours->addWidget(firstHourBox);
    //: Between the first and the last hour: "8:00 AM to 5:00 PM"
    hours->addWidget(new QLabel(tr("to"), this));
    hours->addWidget(lastHourBox);
    hours->addStretch();
    addChoiceRow(tr("Hours:"), hours);
    addChoiceRow(tr("Clock:"), clockBox);
    auto* paper = new QHBoxLayout;
    paper->addWidget(paperBox);
    paper->addWidget(landscapeBox);
    paper->addStretch();
    addChoiceRow(tr("Paper:"), paper);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(clockBox, &QComboBox::currentIndexChanged, this, &PlannerSettingsDialog::labelHours);
    // The range stays whole: the other end follows an end moved past it.
    connect(firstHourBox, &QComboBox::currentIndexChanged, this, [this](int first) {
        if (lastHourBox->currentIndex() < first)
            lastHourBox->setCurrentIndex(first);
    });
    connect(lastHourBox, &QComboBox::currentIndexChanged, this, [this](int last) {
        if (firstHourBox->currentIndex() > last)
            firstHourBox->setCurrentIndex(last);
    });
    firstHourBox->setFocus();
}

void PlannerSettingsDialog::offerEngineChoice(bool wordChosen, bool wordInstalled)
{
    wordButton = new QRadioButton(tr("Word"), this);
    builtInButton = new QRadioButton(tr("Dorvane's own engine"), this);
    wordButton->setEnabled(wordInstalled);
    (wordChosen && wordInstalled ? wordButton : builtInButton)->setChecked(true);
    auto* engines = new QHBoxLayout;
    engines->addWidget(wordButton);
    engines->addWidget(builtInButton);
    engines->addStretch();
    addChoiceRow(tr("Make the planner with:"), engines);
}

bool PlannerSettingsDialog::wordChosen() const { return wordButton && wordButton->isChecked(); }

void PlannerSettingsDialog::addChoiceRow(const QString& label, QWidget* field) { m_form->addRow(label, field); }

void PlannerSettingsDialog::addChoiceRow(const QString& label, QLayout* field) { m_form->addRow(label, field); }

void PlannerSettingsDialog::labelHours()
{
    const auto clock = week::Clock(clockBox->currentData().toInt());
    // Every hour of the day by itself, whatever range it may end up in: the
    // 12-hour clock says am or pm throughout.
    const week::HourRange day{0, 23};
    for (QComboBox* box : {firstHourBox, lastHourBox}) {
        const int chosen = box->currentIndex();
        const QSignalBlocker quiet(box);
        box->clear();
        for (int hour = day.first; hour <= day.last; ++hour)
            box->addItem(week::hourLabel(hour, day, clock), hour);
        box->setCurrentIndex(chosen);
    }
}

PlannerSettings PlannerSettingsDialog::settings() const
{
    PlannerSettings chosen;
    chosen.hours = {firstHourBox->currentIndex(), lastHourBox->currentIndex()};
    chosen.clock = week::Clock(clockBox->currentData().toInt());
    chosen.paper = Paper(paperBox->currentData().toInt());
    chosen.landscape = landscapeBox->isChecked();
    return chosen;
}

}  // namespace entry
