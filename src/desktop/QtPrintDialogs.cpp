#include "QtPrintDialogs.h"

#include "PrintJob.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace desktop {

bool QtPrintDialogs::choose(QPrinter& printer)
{
    // The dialog looks up the printers on this thread and would wait for a
    // server that never answers for as long as it keeps silent.
    checkCupsServerAnswers();
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace desktop
