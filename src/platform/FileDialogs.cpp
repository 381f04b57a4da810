#include "FileDialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace platform {
namespace {

class QtFileDialogs final : public FileDialogs {
public:
    QString saveFileName(const SaveDialogRequest& request) override
    {
        return QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title, request.fileName,
                                            qtNameFilters(request.filter), nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }

    QString openFileName(const OpenDialogRequest& request) override
    {
        return QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title, QString(),
                                            qtNameFilters(request.filter));
    }
};

FileDialogs* installed = nullptr;

}  // namespace

FileDialogs& fileDialogs()
{
    static QtFileDialogs qtDialogs;
    return installed ? *installed : qtDialogs;
}

void setFileDialogs(FileDialogs* dialogs) { installed = dialogs; }

QString qtNameFilters(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // Qt reads the patterns from the parentheses; add them when the description lacks them.
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        filters << (description.contains(QLatin1Char('(')) ? description : description + " (" + pattern + ")");
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace platform
