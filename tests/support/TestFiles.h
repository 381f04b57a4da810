#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for the files tests set up and look at.
namespace testfiles {

// Writes `bytes` as the whole of `path`, making its folder first; false when
// the file could not be written completely.
bool writeFile(const QString& path, const QByteArray& bytes);

// The bytes of `path`; empty when it cannot be read.
QByteArray readFile(const QString& path);

}  // namespace testfiles
