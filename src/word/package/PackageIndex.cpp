#include "word/package/PackageIndex.h"

#include "word/oxml/Namespaces.h"
#include "word/oxml/XmlWriter.h"

namespace word::package {

namespace ns = oxml::ns;

QByteArray contentTypesPart(const std::vector<PackagePart>& parts)
{
    oxml::XmlWriter xml;
    xml.start("Types");
    xml.attribute("xmlns", ns::ContentTypes);
    const std::pair<const char*, const char*> defaults[] = {{"rels", ns::type::Relationships}, {"xml", ns::type::Xml}};
    for (const auto& [extension, type] : defaults) {
        xml.start("Default");
        xml.attribute("Extension", extension);
        xml.attribute("ContentType", type);
        xml.end();
    }
    for (const PackagePart& part : parts) {
        if (part.contentType.isEmpty() || part.contentType == QLatin1String(ns::type::Relationships))
            continue;
        xml.start("Override");
        xml.attribute("PartName", QLatin1Char('/') + part.name);
        xml.attribute("ContentType", part.contentType);
        xml.end();
    }
    return xml.finish();
}

QByteArray relationshipsPart(const std::vector<Relationship>& relationships)
{
    oxml::XmlWriter xml;
    xml.start("Relationships");
    xml.attribute("xmlns", ns::Relationships);
    for (const Relationship& relationship : relationships) {
        xml.start("Relationship");
        xml.attribute("Id", relationship.id);
        xml.attribute("Type", relationship.type);
        xml.attribute("Target", relationship.target);
        xml.end();
    }
    return xml.finish();
}

}  // namespace word::package
