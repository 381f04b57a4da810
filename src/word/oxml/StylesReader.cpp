#include "word/oxml/StylesReader.h"

#include "word/oxml/CellMargins.h"
#include "word/oxml/XmlReader.h"
#include "word/oxml/XmlValues.h"
#include "word/model/DocumentError.h"
#include "word/oxml/PartLimits.h"

#include <QCoreApplication>
#include <QSet>

namespace word::oxml {

namespace {

constexpr qsizetype MaxStyleIdLength = 253;
constexpr size_t MaxChainLength = 32;
const QString TableGridName = QStringLiteral("Table Grid");
const QString NormalTableName = QStringLiteral("Normal Table");

// Word's built-in defaults, for a package without a styles part (ECMA-376 17.7.2).
constexpr int BuiltInHalfPoints = 20;
const QString BuiltInFont = QStringLiteral("Times New Roman");

}  // namespace

void SpacingProperties::overlay(const SpacingProperties& above)
{
    if (above.afterTwips)
        afterTwips = above.afterTwips;
    if (above.line240ths)
        line240ths = above.line240ths;
}

// The styles part needs only these few properties.
namespace {

SpacingProperties readSpacing(XmlReader& xml)
{
    SpacingProperties spacing;
    spacing.afterTwips = xml.wTwipsAttribute("after", 0, limits::MaxTwips, "after");
    const auto rule = xml.wAttribute("lineRule");
    if (!rule || *rule == QLatin1String("auto")) {
        if (const auto line = xml.wAttribute("line")) {
            const auto value = values::integer(*line, -limits::MaxTwips * 10, limits::MaxTwips * 10);
            if (!value)
                xml.damaged(
                    QCoreApplication::translate("word::oxml::StylesReader", "the line spacing \"%1\" is out of range")
                        .arg(line->left(40)));
            if (*value > 0)
                spacing.line240ths = value;
        }
    }
    return spacing;
}

// pPr: alignment and spacing; the rest is passed over.
void readParagraphProperties(XmlReader& xml, StyleDefinition& style)
{
    while (xml.nextChild()) {
        if (xml.isW("jc")) {
            if (const auto value = xml.wAttribute("val"))
                style.alignment = values::alignment(*value);
        } else if (xml.isW("spacing")) {
            style.spacing.overlay(readSpacing(xml));
        }
        xml.skip();
    }
}

void readTableProperties(XmlReader& xml, StyleDefinition& style)
{
    while (xml.nextChild()) {
        if (xml.isW("tblCellMar"))
            style.cellMarginTwips = readCellMargins(xml, "w");
        else
            xml.skip();
    }
}

QString styleId(const std::optional<QString>& id)
{
    return id.value_or(QString()).left(MaxStyleIdLength);
}

}  // namespace

StyleSheet::StyleSheet()
{
    m_defaultRun.fontName = BuiltInFont;
    m_defaultRun.halfPoints = BuiltInHalfPoints;
    m_defaultRun.bold = false;
    m_defaultSpacing.afterTwips = 0;
    m_defaultSpacing.line240ths = 240;
}

StyleSheet StyleSheet::read(const QByteArray& xml, const QString& partName, const ThemeFonts& theme)
{
    StyleSheet sheet;
    XmlReader reader(xml, partName);
    reader.readRoot();
    if (!reader.isW("styles"))
        reader.damaged(
            QCoreApplication::translate("word::oxml::StylesReader", "the styles part has no w:styles element"));
    while (reader.nextChild()) {
        if (reader.isW("docDefaults")) {
            while (reader.nextChild()) {
                const bool runDefaults = reader.isW("rPrDefault");
                const bool paragraphDefaults = reader.isW("pPrDefault");
                if (!runDefaults && !paragraphDefaults) {
                    reader.skip();
                    continue;
                }
                while (reader.nextChild()) {
                    if (runDefaults && reader.isW("rPr")) {
                        sheet.m_defaultRun.overlay(readRunProperties(reader, theme));
                    } else if (paragraphDefaults && reader.isW("pPr")) {
                        StyleDefinition defaults;
                        readParagraphProperties(reader, defaults);
                        sheet.m_defaultSpacing.overlay(defaults.spacing);
                    } else {
                        reader.skip();
                    }
                }
            }
            continue;
        }
        if (!reader.isW("style")) {
            reader.skip();
            continue;
        }
        if (sheet.m_styles.size() >= limits::MaxStyles)
            throw DocumentError::tooLarge(
                QCoreApplication::translate("word::oxml::StylesReader", "it defines more than %1 styles")
                    .arg(limits::MaxStyles));
        StyleDefinition style;
        const QString type = reader.wAttribute("type").value_or(QStringLiteral("paragraph"));
        style.kind = type == QLatin1String("paragraph") ? StyleDefinition::Kind::Paragraph
            : type == QLatin1String("character")        ? StyleDefinition::Kind::Character
            : type == QLatin1String("table")            ? StyleDefinition::Kind::Table
                                                        : StyleDefinition::Kind::Other;
        const QString id = styleId(reader.wAttribute("styleId"));
        const bool isDefault = values::onOff(reader.wAttribute("default")).value_or(false) && reader.wAttribute("default");
        while (reader.nextChild()) {
            if (reader.isW("name"))
                style.name = reader.wAttribute("val").value_or(QString()).left(MaxStyleIdLength);
            else if (reader.isW("basedOn"))
                style.basedOn = styleId(reader.wAttribute("val"));
            else if (reader.isW("rPr")) {
                style.run = readRunProperties(reader, theme);
                continue;
            } else if (reader.isW("pPr")) {
                readParagraphProperties(reader, style);
                continue;
            } else if (reader.isW("tblPr")) {
                readTableProperties(reader, style);
                continue;
            }
            reader.skip();
        }
        if (style.name.isEmpty())
            style.name = id;
        if (isDefault && style.kind == StyleDefinition::Kind::Paragraph && sheet.m_defaultParagraphStyle.isEmpty())
            sheet.m_defaultParagraphStyle = id;
        if (isDefault && style.kind == StyleDefinition::Kind::Table && sheet.m_defaultTableStyle.isEmpty())
            sheet.m_defaultTableStyle = id;
        if (!id.isEmpty() && !sheet.m_styles.contains(id))
            sheet.m_styles.insert(id, std::move(style));
    }
    return sheet;
}

std::vector<const StyleDefinition*> StyleSheet::chain(const QString& styleId) const
{
    std::vector<const StyleDefinition*> styles;
    QSet<QString> seen;
    QString id = styleId;
    // Real chains are a few styles long; a crafted one of thousands, met for
    // every paragraph, would make reading take quadratic time.
    while (!id.isEmpty() && !seen.contains(id) && styles.size() < MaxChainLength) {
        const auto found = m_styles.constFind(id);
        if (found == m_styles.cend())
            break;
        seen.insert(id);
        styles.push_back(&found.value());
        id = found->basedOn;
    }
    return styles;
}

model::CharacterFormat StyleSheet::paragraphFormat(const QString& paragraphStyleId) const
{
    if (const auto cached = m_paragraphFormats.constFind(paragraphStyleId); cached != m_paragraphFormats.cend())
        return *cached;
    model::CharacterFormat format;
    m_defaultRun.applyTo(format);
    const QString id = m_styles.contains(paragraphStyleId) ? paragraphStyleId : m_defaultParagraphStyle;
    const auto styles = chain(id);
    for (auto style = styles.rbegin(); style != styles.rend(); ++style)
        (*style)->run.applyTo(format);
    m_paragraphFormats.insert(paragraphStyleId, format);
    return format;
}

model::Alignment StyleSheet::paragraphAlignment(const QString& paragraphStyleId) const
{
    const QString id = m_styles.contains(paragraphStyleId) ? paragraphStyleId : m_defaultParagraphStyle;
    for (const StyleDefinition* style : chain(id)) {
        if (style->alignment)
            return *style->alignment;
    }
    return model::Alignment::Left;
}

RunProperties StyleSheet::characterStyle(const QString& characterStyleId) const
{
    if (const auto cached = m_characterStyles.constFind(characterStyleId); cached != m_characterStyles.cend())
        return *cached;
    RunProperties properties;
    const auto styles = chain(characterStyleId);
    for (auto style = styles.rbegin(); style != styles.rend(); ++style) {
        if ((*style)->kind == StyleDefinition::Kind::Character)
            properties.overlay((*style)->run);
    }
    properties.characterStyle.clear();
    m_characterStyles.insert(characterStyleId, properties);
    return properties;
}

QString StyleSheet::tableGridId() const
{
    for (auto it = m_styles.cbegin(); it != m_styles.cend(); ++it) {
        if (it->kind == StyleDefinition::Kind::Table && it->name.compare(TableGridName, Qt::CaseInsensitive) == 0)
            return it.key();
    }
    return QStringLiteral("TableGrid");
}

QString StyleSheet::tableStyleName(const QString& tableStyleId) const
{
    const QString id = tableStyleId.isEmpty() ? m_defaultTableStyle : tableStyleId;
    if (id.compare(QLatin1String("TableGrid"), Qt::CaseInsensitive) == 0)
        return TableGridName;
    for (const StyleDefinition* style : chain(id)) {
        if (style->name.compare(TableGridName, Qt::CaseInsensitive) == 0 || style->basedOn.compare(QLatin1String("TableGrid"), Qt::CaseInsensitive) == 0)
            return TableGridName;
    }
    return NormalTableName;
}

int StyleSheet::tableCellMargin(const QString& tableStyleId) const
{
    constexpr int WordDefaultCellMargin = 108;
    for (const QString& id : {tableStyleId, m_defaultTableStyle}) {
        for (const StyleDefinition* style : chain(id)) {
            if (style->cellMarginTwips)
                return *style->cellMarginTwips;
        }
    }
    return WordDefaultCellMargin;
}

model::ParagraphSpacing StyleSheet::bodySpacing() const
{
    SpacingProperties spacing = m_defaultSpacing;
    const auto styles = chain(m_defaultParagraphStyle);
    for (auto style = styles.rbegin(); style != styles.rend(); ++style)
        spacing.overlay((*style)->spacing);
    return {spacing.afterTwips.value_or(0), spacing.line240ths.value_or(240)};
}

model::ParagraphSpacing StyleSheet::tableGridSpacing() const
{
    SpacingProperties spacing = m_defaultSpacing;
    const auto styles = chain(tableGridId());
    for (auto style = styles.rbegin(); style != styles.rend(); ++style)
        spacing.overlay((*style)->spacing);
    return {spacing.afterTwips.value_or(0), spacing.line240ths.value_or(240)};
}

}  // namespace word::oxml
