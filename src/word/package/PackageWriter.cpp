#include "word/package/PackageWriter.h"

#include "word/oxml/DocumentPart.h"
#include "word/oxml/Namespaces.h"
#include "word/oxml/PropertiesParts.h"
#include "word/oxml/SettingsPart.h"
#include "word/oxml/StylesPart.h"
#include "word/package/AtomicFile.h"
#include "word/package/PackageIndex.h"
#include "word/package/ZipArchive.h"

#include <QDateTime>

namespace word::package {

namespace ns = oxml::ns;

namespace {

QString text(const char* latin1)
{
    return QString::fromLatin1(latin1);
}

}  // namespace

void writePackage(const model::DocumentModel& document, const QString& path)
{
    std::vector<PackagePart> parts;
    parts.push_back({QStringLiteral("_rels/.rels"), text(ns::type::Relationships),
                     relationshipsPart({
                         {QStringLiteral("rId1"), text(ns::rel::OfficeDocument), QStringLiteral("word/document.xml")},
                         {QStringLiteral("rId2"), text(ns::rel::CoreProperties), QStringLiteral("docProps/core.xml")},
                         {QStringLiteral("rId3"), text(ns::rel::ExtendedProperties), QStringLiteral("docProps/app.xml")},
                     })});
    parts.push_back({QStringLiteral("word/document.xml"), text(ns::type::Document), oxml::documentPart(document)});
    parts.push_back({QStringLiteral("word/_rels/document.xml.rels"), text(ns::type::Relationships),
                     relationshipsPart({
                         {QStringLiteral("rId1"), text(ns::rel::Styles), QStringLiteral("styles.xml")},
                         {QStringLiteral("rId2"), text(ns::rel::Settings), QStringLiteral("settings.xml")},
                     })});
    parts.push_back({QStringLiteral("word/styles.xml"), text(ns::type::Styles), oxml::stylesPart(document)});
    parts.push_back({QStringLiteral("word/settings.xml"), text(ns::type::Settings), oxml::settingsPart()});
    parts.push_back({QStringLiteral("docProps/core.xml"), text(ns::type::CoreProperties),
                     oxml::corePropertiesPart(QDateTime::currentDateTimeUtc())});
    parts.push_back({QStringLiteral("docProps/app.xml"), text(ns::type::ExtendedProperties), oxml::appPropertiesPart()});
    // The content types come first in the zip, as Word puts them.
    parts.insert(parts.begin(), PackagePart{QStringLiteral("[Content_Types].xml"), QString(), contentTypesPart(parts)});

    replaceFile(path, zipParts(parts));
}

}  // namespace word::package
