#include "PrintDialogs.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace platform {
namespace {

class QtPrintDialogs final : public PrintDialogs {
public:
    bool choose(QPrinter& printer) override
    {
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        return dialog.exec() == QDialog::Accepted;
    }
};

PrintDialogs* installed = nullptr;

}  // namespace

PrintDialogs& printDialogs()
{
    static QtPrintDialogs qtDialogs;
    return installed ? *installed : qtDialogs;
}

void setPrintDialogs(PrintDialogs* dialogs) { installed = dialogs; }

}  // namespace platform
