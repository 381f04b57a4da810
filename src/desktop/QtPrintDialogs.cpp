#include "QtPrintDialogs.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace desktop {

bool QtPrintDialogs::choose(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace desktop
