#pragma once

#include "word/DocumentPages.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace output {

// "Export as PDF...": asks for a file name (title "Export as PDF", filter
// "PDF (*.pdf)"; ".pdf" is added to a name without extension), asks before
// overwriting as Save does, writes the planner document at `wordFile` as a
// PDF and says "Done.". Cancelling the dialog or answering No writes
// nothing. Throws errors::UserError naming the reason when the PDF cannot
// be made or written; an existing file is then left as it was.
void exportAsPdf(const QString& wordFile);

// The pages as a PDF on `device`: one page of the document's paper each,
// vector, fonts embedded, titled with the heading, Dorvane as creator.
// Throws errors::UserError when a page cannot be made.
void writePdf(const word::DocumentPages& pages, QIODevice& device);

// The same as the bytes of a PDF file.
QByteArray pdfBytes(const word::DocumentPages& pages);

// The PDF of an open document as pdfBytes() of its pages makes it, laid out
// and written at once: on a second core behind the layout where it can be
// (PdfBehindLayout.h), otherwise here. Throws as pdfBytes() and
// word::DocumentPages::of() do.
QByteArray pdfBytesOf(const word::Document& document);

// The same into the file `target`, whole or not at all (OutputFile::write).
// Throws errors::UserError naming the file and the reason (folder not
// writable, disk full, ...); `target` is then as it was.
void writePdfFile(const word::DocumentPages& pages, const QString& target);

}  // namespace output
