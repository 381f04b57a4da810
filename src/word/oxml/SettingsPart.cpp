#include "word/oxml/SettingsPart.h"

#include "word/oxml/Namespaces.h"
#include "word/oxml/XmlWriter.h"

namespace word::oxml {

QByteArray settingsPart()
{
    XmlWriter xml;
    xml.start("w:settings");
    xml.attribute("xmlns:w", ns::W);
    xml.empty("w:zoom", "w:percent", QStringLiteral("100"));
    xml.empty("w:defaultTabStop", "w:val", QStringLiteral("720"));
    xml.empty("w:characterSpacingControl", "w:val", QStringLiteral("doNotCompress"));
    xml.start("w:compat");
    xml.start("w:compatSetting");
    xml.attribute("w:name", "compatibilityMode");
    xml.attribute("w:uri", ns::WordCompat);
    xml.attribute("w:val", "15");
    xml.end();
    xml.end();
    return xml.finish();
}

}  // namespace word::oxml
