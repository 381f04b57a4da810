#pragma once

#include <QString>

// The descriptions with which reading a package fails. Each throws
// AutomationError; Documents.Open puts the file's name in front.
namespace word::package::failure {

// Not a package of a Word document at all (another format, another kind of
// Office document, an old binary .doc).
[[noreturn]] void notWordDocument(const QString& why = {});
// A Word package whose content is broken: "The file is damaged: <detail>."
[[noreturn]] void damaged(const QString& detail);
// Beyond what the reader accepts (see ReadLimits.h): "The file is too large to open: <detail>."
[[noreturn]] void tooLarge(const QString& detail);

}  // namespace word::package::failure
