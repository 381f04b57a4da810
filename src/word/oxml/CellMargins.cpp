#include "word/oxml/CellMargins.h"

#include "word/oxml/PartLimits.h"
#include "word/oxml/XmlReader.h"

namespace word::oxml {

std::optional<int> readCellMargins(XmlReader& xml, const char* what)
{
    std::optional<int> left;
    std::optional<int> right;
    while (xml.nextChild()) {
        const bool isLeft = xml.isW("left") || xml.isW("start");
        const bool isRight = xml.isW("right") || xml.isW("end");
        if (isLeft || isRight) {
            const auto type = xml.wAttribute("type");
            const bool nil = type && *type == QLatin1String("nil");
            if (!type || nil || *type == QLatin1String("dxa")) {
                const auto width = xml.wTwipsAttribute("w", 0, limits::MaxTwips, what);
                (isLeft ? left : right) = nil ? std::optional<int>(0) : width;
            }
        }
        xml.skip();
    }
    return left ? left : right;
}

}  // namespace word::oxml
