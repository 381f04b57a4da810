#include "QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace desktop {

QString QtFileDialogs::saveFileName(const platform::SaveDialogRequest& request)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title, request.fileName,
                                        platform::qtNameFilters(request.filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtFileDialogs::openFileName(const platform::OpenDialogRequest& request)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title, QString(),
                                        platform::qtNameFilters(request.filter));
}

}  // namespace desktop
