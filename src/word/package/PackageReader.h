#pragma once

#include "word/model/DocumentModel.h"

#include <QByteArray>
#include <QString>

namespace word::package {

// Reads a WordprocessingML package (recognised by its content, whatever the
// file's extension) into the document model, as Documents.Open does: the
// package's relationships lead to the main document part and from it to the
// styles and the theme; their XML is read by the oxml readers. Files written
// by this program, by Word, LibreOffice and python-docx are read alike.
//
// A file that is not a Word package, is damaged, truncated, or larger than
// the limits of ReadLimits.h and PartLimits.h (zip bombs, deep nesting, huge
// numbers) throws DocumentError with a description naming the file and what
// is wrong, e.g. `The document "/tmp/a.docx" could not be opened. The file is not a
// Word document.` Nothing is ever written.
model::DocumentModel readPackage(const QString& path);

// The same for the bytes of a file already in memory (tests, fuzzing); the
// description then says only what is wrong.
model::DocumentModel readPackageData(const QByteArray& bytes);

}  // namespace word::package
