#include "word/oxml/RunProperties.h"

#include "word/oxml/XmlReader.h"
#include "word/oxml/XmlValues.h"

#include <QCoreApplication>

namespace word::oxml {

namespace {

// Word's limits for a font size: 1 to 1638 points.
constexpr int MinHalfPoints = 2;
constexpr int MaxHalfPoints = 3276;
constexpr qsizetype MaxFontNameLength = 255;

std::optional<QString> themeFont(const std::optional<QString>& reference, const ThemeFonts& theme)
{
    if (!reference)
        return std::nullopt;
    if (reference->startsWith(QLatin1String("minor")))
        return theme.minor;
    if (reference->startsWith(QLatin1String("major")))
        return theme.major;
    return std::nullopt;
}

std::optional<QString> fontName(const std::optional<QString>& name)
{
    if (!name)
        return std::nullopt;
    const QString trimmed = name->trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    return trimmed.left(MaxFontNameLength);
}

}  // namespace

ThemeFonts readThemeFonts(const QByteArray& xml, const QString& partName)
{
    ThemeFonts fonts;
    XmlReader reader(xml, partName);
    reader.readRoot();
    // a:theme / a:themeElements / a:fontScheme / a:majorFont|a:minorFont / a:latin
    auto isA = [&](const char* name) {
        return reader.isIn(readns::DrawingMain, name) || reader.isIn(readns::DrawingMainStrict, name);
    };
    while (reader.nextChild()) {
        if (!isA("themeElements")) {
            reader.skip();
            continue;
        }
        while (reader.nextChild()) {
            if (!isA("fontScheme")) {
                reader.skip();
                continue;
            }
            while (reader.nextChild()) {
                const bool major = isA("majorFont");
                const bool minor = isA("minorFont");
                if (!major && !minor) {
                    reader.skip();
                    continue;
                }
                while (reader.nextChild()) {
                    if (isA("latin")) {
                        if (const auto typeface = fontName(reader.plainAttribute("typeface")))
                            (major ? fonts.major : fonts.minor) = *typeface;
                    }
                    reader.skip();
                }
            }
        }
    }
    return fonts;
}

void RunProperties::applyTo(model::CharacterFormat& below) const
{
    if (bold)
        below.bold = *bold;
    if (fontName)
        below.fontName = *fontName;
    if (halfPoints)
        below.halfPoints = *halfPoints;
}

void RunProperties::overlay(const RunProperties& above)
{
    if (above.bold)
        bold = above.bold;
    if (above.fontName)
        fontName = above.fontName;
    if (above.halfPoints)
        halfPoints = above.halfPoints;
    if (!above.characterStyle.isEmpty())
        characterStyle = above.characterStyle;
}

RunProperties readRunProperties(XmlReader& xml, const ThemeFonts& theme)
{
    RunProperties properties;
    while (xml.nextChild()) {
        if (xml.isW("b")) {
            // A value that is neither on nor off leaves the boldness as it was.
            if (const auto on = values::onOff(xml.wAttribute("val")))
                properties.bold = *on;
        } else if (xml.isW("rFonts")) {
            // A theme reference wins over a named font; the Latin slots decide what the text shows.
            auto name = themeFont(xml.wAttribute("asciiTheme"), theme);
            if (!name)
                name = fontName(xml.wAttribute("ascii"));
            if (!name)
                name = themeFont(xml.wAttribute("hAnsiTheme"), theme);
            if (!name)
                name = fontName(xml.wAttribute("hAnsi"));
            if (name)
                properties.fontName = name;
        } else if (xml.isW("sz")) {
            if (const auto value = xml.wAttribute("val")) {
                const auto size = values::halfPoints(*value, MinHalfPoints, MaxHalfPoints);
                if (!size)
                    xml.damaged(QCoreApplication::translate("word::oxml::RunProperties",
                                                            "the font size \"%1\" is not a size Word allows")
                                    .arg(value->left(40)));
                properties.halfPoints = size;
            }
        } else if (xml.isW("rStyle")) {
            properties.characterStyle = xml.wAttribute("val").value_or(QString()).left(MaxFontNameLength);
        }
        xml.skip();
    }
    return properties;
}

}  // namespace word::oxml
