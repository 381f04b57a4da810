#pragma once

#include <QByteArray>
#include <QString>

// LibreOffice as the independent reader and renderer of the tests.
namespace libreoffice {

// True when soffice is on the PATH.
bool installed();

// Converts `document` with soffice --headless into `outDir`, in a user
// profile of its own (so that a LibreOffice the user has open is never
// asked), waiting up to `timeoutMs`. `format` as --convert-to takes it:
// "pdf", "docx:MS Word 2007 XML". Returns the converted file's path (named
// as LibreOffice names it: the document's name up to its last dot, then the
// format's extension), or an empty string; `log` gets what soffice printed.
QString convert(const QString& document, const QString& format, const QString& outDir, QByteArray* log = nullptr,
                int timeoutMs = 180000);

}  // namespace libreoffice
