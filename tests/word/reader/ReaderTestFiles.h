#pragma once

#include "TestFiles.h"
#include "word/model/DocumentModel.h"
#include "word/package/PackagePart.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Packages for the reader's tests: made by the program itself, taken apart
// and put together again with edits.
namespace readertest {

// Has the planner generator save the planner of a full week (titled `title`)
// as `path` and returns its model as the engine held it. Throws
// std::runtime_error when no planner came out.
word::model::DocumentModel savePlanner(const QString& path, const QString& title = QStringLiteral("March 3"));

using testfiles::readFile;
using testfiles::writeFile;

// Every entry of a zip, in its order; empty for no zip.
std::vector<word::package::PackagePart> unzip(const QByteArray& zip);
QByteArray rezip(const std::vector<word::package::PackagePart>& parts);
// The package with one part's bytes replaced (added when missing), or removed.
QByteArray withPart(const QByteArray& zip, const QString& name, const QByteArray& data);
QByteArray withoutPart(const QByteArray& zip, const QString& name);
QByteArray partOf(const QByteArray& zip, const QString& name);

// A minimal package around this body XML (the children of w:body), with the
// w, r and mc namespaces declared and no styles part unless one is given.
QByteArray packageWithBody(const QByteArray& bodyXml, const QByteArray& stylesXml = {}, const QByteArray& themeXml = {});

// What the model promises every reader of it: a body that is not empty and
// ends with a paragraph, consistent tables. Empty when all hold, else what fails.
QString modelFaults(const word::model::DocumentModel& document);

}  // namespace readertest
