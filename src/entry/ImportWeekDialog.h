#pragma once

#include <QDate>
#include <QDialog>

class QDateEdit;
class QDialogButtonBox;
class QLabel;
class QSpinBox;

namespace entry {

// "Import Week": asks which week of a calendar to import. A date field picks
// any day; the week is Monday to Sunday around it, spelled out below the
// field. "Weeks:" asks how many consecutive weeks from there (1 to
// calendar::MaxWeeks). OK is the default button, so Return
// accepts; Cancel changes nothing.
// Owns its controls (Qt parent-child).
class ImportWeekDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImportWeekDialog(const QDate& day, QWidget* parent = nullptr);

    // The Monday of the chosen (first) week.
    QDate monday() const;
    // How many weeks.
    int weeks() const;

    QDateEdit* dateEdit;
    QSpinBox* weeksBox;
    QLabel* weekLabel;
    QDialogButtonBox* buttons;

private:
    void showWeek();
};

}  // namespace entry
