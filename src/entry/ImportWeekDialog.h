#pragma once

#include <QDate>
#include <QDialog>

class QDateEdit;
class QDialogButtonBox;
class QLabel;

namespace entry {

// "Import Week": asks which week of a calendar to import. A date field picks
// any day; the week is Monday to Sunday around it, spelled out below the
// field. OK is the default button, so Return accepts; Cancel changes nothing.
// Owns its controls (Qt parent-child).
class ImportWeekDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImportWeekDialog(const QDate& day, QWidget* parent = nullptr);

    // The Monday of the chosen week.
    QDate monday() const;

    QDateEdit* dateEdit;
    QLabel* weekLabel;
    QDialogButtonBox* buttons;

private:
    void showWeek();
};

}  // namespace entry
