#include "output/PdfExport.h"

#include "errors/UserError.h"
#include "platform/FileDialogs.h"
#include "output/OutputFile.h"
#include "output/PdfBehindLayout.h"
#include "output/PlannerPages.h"

#include <QCoreApplication>
#include <QPdfWriter>
#include <QBuffer>

#include <stdexcept>

namespace output {

void writePdf(const word::DocumentPages& pages, QIODevice& device)
{
    QPdfWriter writer(&device);
    writer.setTitle(pages.title());
    writer.setCreator(QStringLiteral("Dorvane"));
    if (!pages.print(writer))
        throw errors::UserError(QCoreApplication::translate("output::PdfExport", "The PDF pages could not be made."));
}

QByteArray pdfBytes(const word::DocumentPages& pages)
{
    // Made whole in memory first (a planner's PDF is some tens of KiB), so
    // that only the one writer ever puts bytes on the disk.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writePdf(pages, buffer);
    return bytes;
}

QByteArray pdfBytesOf(const word::Document& document)
{
    {
        PdfBehindLayout behind;
        bool whole = true;
        word::DocumentPages::inParts(document, [&](word::DocumentPages&& part) {
            whole = whole && behind.add(std::move(part));
        });
        if (whole) {
            try {
                return behind.finish();
            } catch (const std::runtime_error&) {
                // Made again below, which says why where it fails too.
            }
        }
    }
    return pdfBytes(word::DocumentPages::of(document));
}

void writePdfFile(const word::DocumentPages& pages, const QString& target)
{
    OutputFile::write(target, pdfBytes(pages));
}

void exportAsPdf(const QString& wordFile)
{
    const platform::SaveDialogRequest request{QString(), QCoreApplication::translate("output::PdfExport", "Export as PDF"),
                                              QCoreApplication::translate("output::PdfExport", "PDF (*.pdf)|*.pdf")};
    const QString chosen = platform::withFilterExtension(platform::fileDialogs().saveFileName(request), request.filter);
    if (chosen.isEmpty())
        return;
    if (!OutputFile::mayWrite(chosen))
        return;
    writePdfFile(readPlannerPages(wordFile), chosen);
    OutputFile::reportDone();
}

}  // namespace output
