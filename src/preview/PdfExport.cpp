#include "preview/PdfExport.h"

#include "common/Files.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "preview/PlannerPages.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

#include <stdexcept>

namespace preview {

void writePdf(const word::DocumentPages& pages, QIODevice& device)
{
    QPdfWriter writer(&device);
    writer.setTitle(pages.title());
    writer.setCreator(QStringLiteral("Dorvane"));
    if (!pages.print(writer))
        throw std::runtime_error("The PDF pages could not be made.");
}

void writePdfFile(const word::DocumentPages& pages, const QString& target)
{
    auto failure = [&](const QString& reason) {
        return std::runtime_error(QStringLiteral("Cannot write %1: %2").arg(target, reason).toStdString());
    };
    // Unless committed, the temporary file goes away and `target` stays as it was.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        throw failure(file.errorString());
    writePdf(pages, file);
    if (!file.commit())
        throw failure(file.errorString());
}

void exportAsPdf(const QString& wordFile)
{
    QString chosen = platform::fileDialogs().saveFileName(
        {QString(), QStringLiteral("Export as PDF"), QStringLiteral("PDF (*.pdf)|*.pdf")});
    if (chosen.isEmpty())
        return;
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".pdf");
    if (common::fileExists(chosen) &&
        platform::showMessage(QStringLiteral("Are you sure you wish to overwrite ") + chosen + QStringLiteral(" ?"),
                              platform::Buttons::YesNo) != platform::Answer::Yes)
        return;
    writePdfFile(readPlannerPages(wordFile), chosen);
    platform::showMessage(QStringLiteral("Done."));
}

}  // namespace preview
