#include "word/oxml/PropertiesParts.h"

#include "word/oxml/Namespaces.h"
#include "word/oxml/XmlWriter.h"

namespace word::oxml {

namespace {
const QString Creator = QStringLiteral("Dorvane");
}

QByteArray corePropertiesPart(const QDateTime& savedAt)
{
    const QString when = savedAt.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
    XmlWriter xml;
    xml.start("cp:coreProperties");
    xml.attribute("xmlns:cp", ns::CoreProperties);
    xml.attribute("xmlns:dc", ns::DublinCore);
    xml.attribute("xmlns:dcterms", ns::DcTerms);
    xml.attribute("xmlns:dcmitype", ns::DcmiType);
    xml.attribute("xmlns:xsi", ns::Xsi);
    xml.start("dc:creator");
    xml.text(Creator);
    xml.end();
    xml.start("cp:lastModifiedBy");
    xml.text(Creator);
    xml.end();
    xml.start("cp:revision");
    xml.text(QStringLiteral("1"));
    xml.end();
    for (const char* element : {"dcterms:created", "dcterms:modified"}) {
        xml.start(element);
        xml.attribute("xsi:type", "dcterms:W3CDTF");
        xml.text(when);
        xml.end();
    }
    return xml.finish();
}

QByteArray appPropertiesPart()
{
    XmlWriter xml;
    xml.start("Properties");
    xml.attribute("xmlns", ns::ExtendedProperties);
    xml.attribute("xmlns:vt", ns::DocPropsVTypes);
    const std::pair<const char*, const char*> values[] = {
        {"Template", "Normal.dotm"}, {"TotalTime", "0"},         {"Application", "Dorvane"},
        {"DocSecurity", "0"},        {"ScaleCrop", "false"},     {"LinksUpToDate", "false"},
        {"SharedDoc", "false"},      {"HyperlinksChanged", "false"},
    };
    for (const auto& [element, value] : values) {
        xml.start(element);
        xml.text(QString::fromLatin1(value));
        xml.end();
    }
    return xml.finish();
}

}  // namespace word::oxml
