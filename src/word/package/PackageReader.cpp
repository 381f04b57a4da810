#include "word/package/PackageReader.h"

#include "word/model/DocumentError.h"
#include "word/oxml/DocumentReader.h"
#include "word/oxml/RunProperties.h"
#include "word/oxml/StylesReader.h"
#include "word/package/PackageIndexReader.h"
#include "word/model/DocumentError.h"
#include "word/package/ReadLimits.h"
#include "word/package/ZipReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <new>

namespace word::package {

namespace {

const QString ContentTypesPart = QStringLiteral("[Content_Types].xml");

bool isMainDocumentType(const QString& type)
{
    static const QString Types[] = {
        QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"),
        QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml"),
        QStringLiteral("application/vnd.ms-word.document.macroEnabled.main+xml"),
        QStringLiteral("application/vnd.ms-word.template.macroEnabledTemplate.main+xml"),
    };
    for (const QString& known : Types) {
        if (type.compare(known, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// A part the main document refers to, when the package has it: its bytes.
std::optional<std::pair<QString, QByteArray>> relatedPart(ZipReader& zip, const std::vector<Relationship>& relationships,
                                                          const char* typeName)
{
    const auto relationship = findRelationship(relationships, typeName);
    if (!relationship || !zip.contains(relationship->target))
        return std::nullopt;
    return std::make_pair(relationship->target, zip.read(relationship->target, limits::MaxOtherPartBytes));
}

model::DocumentModel readPackageContent(const QByteArray& bytes)
{
    ZipReader zip(bytes);
    if (!zip.contains(ContentTypesPart) || !zip.contains(relationshipsPartOf({})))
        throw DocumentError::notWordDocument();
    const ContentTypes types = ContentTypes::read(zip.read(ContentTypesPart, limits::MaxOtherPartBytes));

    // The package's own relationships name its main part; Word's is usually word/document.xml, but need not be.
    const QString packageRelationships = relationshipsPartOf({});
    const auto main = findRelationship(
        readRelationships(zip.read(packageRelationships, limits::MaxOtherPartBytes), packageRelationships, {}), "officeDocument");
    if (!main)
        throw DocumentError::notWordDocument();
    const QString mainPart = main->target;
    if (!zip.contains(mainPart))
        throw DocumentError::damaged(
            QCoreApplication::translate("word::package::PackageReader", "its main document part %1 is missing")
                .arg(mainPart));
    const auto mainType = types.typeOf(mainPart);
    if (!mainType)
        throw DocumentError::damaged(
            QCoreApplication::translate("word::package::PackageReader", "the content type of %1 is not declared")
                .arg(mainPart));
    if (!isMainDocumentType(*mainType))
        throw DocumentError::notWordDocument(
            QCoreApplication::translate("word::package::PackageReader", "its main part is of the type %1")
                .arg(mainType->left(200)));

    std::vector<Relationship> relationships;
    const QString documentRelationships = relationshipsPartOf(mainPart);
    if (zip.contains(documentRelationships))
        relationships = readRelationships(zip.read(documentRelationships, limits::MaxOtherPartBytes), documentRelationships, mainPart);

    oxml::ThemeFonts theme;
    if (const auto part = relatedPart(zip, relationships, "theme"))
        theme = oxml::readThemeFonts(part->second, part->first);
    oxml::StyleSheet styles;
    if (const auto part = relatedPart(zip, relationships, "styles"))
        styles = oxml::StyleSheet::read(part->second, part->first, theme);

    return oxml::readDocument(zip.read(mainPart, limits::MaxDocumentPartBytes), mainPart, styles, theme);
}

}  // namespace

model::DocumentModel readPackageData(const QByteArray& bytes)
{
    try {
        return readPackageContent(bytes);
    } catch (const std::bad_alloc&) {
        throw DocumentError::tooLarge(
            QCoreApplication::translate("word::package::PackageReader", "there is not enough memory for it"));
    }
}

model::DocumentModel readPackage(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    auto fail = [&](const QString& reason) -> model::DocumentModel {
        throw DocumentError(
            QCoreApplication::translate("word::package::PackageReader", "The document \"%1\" could not be opened. %2")
                .arg(shown, reason));
    };
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return fail(QCoreApplication::translate("word::package::PackageReader", "The file does not exist."));
    if (info.isDir())
        return fail(QCoreApplication::translate("word::package::PackageReader", "It is a folder, not a file."));
    // A pipe or a device would block or never end.
    if (!info.isFile())
        return fail(QCoreApplication::translate("word::package::PackageReader", "It is not an ordinary file."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("word::package::PackageReader", "The file cannot be read: %1.")
                        .arg(file.errorString()));
    // Never more than the limit, whatever size the file claims or grows to.
    const QByteArray bytes = file.read(limits::MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(QCoreApplication::translate("word::package::PackageReader", "The file cannot be read: %1.")
                        .arg(file.errorString()));
    try {
        return readPackageData(bytes);
    } catch (const DocumentError& error) {
        return fail(error.description());
    }
}

}  // namespace word::package
