#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QDialogButtonBox;

namespace entry {

// "Open Calendar Address": one address field, offering the addresses opened
// before, most recent first. Open is the default button, so Return opens.
//
// The list lives in the user's settings (QSettings, key RecentKey), at most
// MaxRecent addresses, never with a password in them (remember() is given
// the address as remote::CalendarAddress::display() shows it).
class OpenAddressDialog : public QDialog {
    Q_OBJECT
public:
    explicit OpenAddressDialog(QWidget* parent = nullptr);

    QString address() const;

    static QStringList recentAddresses();
    // Puts `address` first in the list, once.
    static void remember(const QString& address);

    static constexpr int MaxRecent = 10;
    static const char* const RecentKey;

    QComboBox* addressBox;
    QDialogButtonBox* buttons;
};

}  // namespace entry
