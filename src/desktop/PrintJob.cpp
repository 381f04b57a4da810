#include "PrintJob.h"

#include <cups/cups.h>

#include <QFile>

#include <stdexcept>

namespace desktop {

int submitPrintJob(const PrintJob& job)
{
    cups_option_t* options = nullptr;
    int count = 0;
    for (const auto& [name, value] : job.options)
        count = cupsAddOption(name.toUtf8().constData(), value.toUtf8().constData(), count, &options);
    const int id = cupsPrintFile2(CUPS_HTTP_DEFAULT, job.printer.toUtf8().constData(),
                                  QFile::encodeName(job.file).constData(), job.title.toUtf8().constData(), count,
                                  options);
    cupsFreeOptions(count, options);
    if (id == 0)
        throw std::runtime_error(QStringLiteral("The printer %1 did not take the job: %2")
                                     .arg(job.printer, QString::fromUtf8(cupsLastErrorString()))
                                     .toStdString());
    return id;
}

}  // namespace desktop
