#pragma once

#include <QDialog>
#include <QStringList>

class QDialogButtonBox;
class QListWidget;

namespace entry {

// "Choose Calendar": the calendars with events a server holds for the user,
// by display name, the first highlighted. Return takes the highlighted one.
class ChooseCalendarDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChooseCalendarDialog(const QStringList& names, QWidget* parent = nullptr);

    // The row of the highlighted calendar.
    int chosen() const;

    QListWidget* list;
    QDialogButtonBox* buttons;
};

}  // namespace entry
