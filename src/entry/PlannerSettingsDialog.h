#pragma once

#include "planner/PlannerSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QDialogButtonBox;
class QFormLayout;

namespace entry {

// "Planner Settings": the hours of a day (first and last, 0 to 23), the
// clock of their labels, the paper and landscape. Opens on the settings it
// is given; settings() is what the user chose (the last hour moves along so
// that it never comes before the first). OK is the default button; Cancel
// changes nothing. Owns its controls (Qt parent-child).
//
// Every choice is one row of the dialog's form, made by addChoiceRow: a
// further choice is one more call there.
class PlannerSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PlannerSettingsDialog(const planner::PlannerSettings& settings, QWidget* parent = nullptr);

    planner::PlannerSettings settings() const;

    // Adds the row "Make the planner with: Word / Dorvane's own engine",
    // where the system offers the choice (Windows): `wordChosen` is ticked,
    // and "Word" can be chosen only when it is installed.
    void offerEngineChoice(bool wordChosen, bool wordInstalled);
    // Whether "Word" is ticked; false when the choice is not offered.
    bool wordChosen() const;

    QComboBox* firstHourBox;
    QComboBox* lastHourBox;
    QComboBox* clockBox;
    QComboBox* paperBox;
    QCheckBox* landscapeBox;
    QRadioButton* wordButton = nullptr;    // with offerEngineChoice only
    QRadioButton* builtInButton = nullptr;
    QDialogButtonBox* buttons;

protected:
    // Adds the row `label` with `field` (a control or a layout of them) to the form.
    void addChoiceRow(const QString& label, QWidget* field);
    void addChoiceRow(const QString& label, QLayout* field);

private:
    // Fills the hour lists with the hours as the chosen clock writes them.
    void labelHours();

    QFormLayout* m_form;
};

}  // namespace entry
