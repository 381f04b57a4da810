#pragma once

#include "word/model/CharacterFormat.h"
#include "word/model/DocumentModel.h"
#include "word/model/Paragraph.h"
#include "word/oxml/RunProperties.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

namespace word::oxml {

// Paragraph spacing as one pPr states it; what it leaves out comes from below.
struct SpacingProperties {
    std::optional<int> afterTwips;
    std::optional<int> line240ths;  // only "auto" line spacing, the kind the model keeps

    void overlay(const SpacingProperties& above);
};

// One style of word/styles.xml, as stated (its basedOn chain not yet applied).
struct StyleDefinition {
    enum class Kind { Paragraph, Character, Table, Other };
    Kind kind = Kind::Other;
    QString name;     // display name (w:name), the id when it has none
    QString basedOn;  // style id
    RunProperties run;
    std::optional<model::Alignment> alignment;
    SpacingProperties spacing;
    std::optional<int> cellMarginTwips;  // tblPr/tblCellMar left (or right)
};

// The styles part read for what the model keeps: document defaults, and each
// style's character formatting, alignment, spacing and table cell margins.
// Styles are looked up by id; basedOn chains are followed (a cycle, a
// missing parent or 32 links end a chain). Without a styles part, Word's
// built-in defaults apply (Times New Roman 10 pt, no spacing). Lookups are
// cached, so one sheet serves one thread.
class StyleSheet {
public:
    StyleSheet();
    // Reads a styles part; throws DocumentError when it is damaged.
    static StyleSheet read(const QByteArray& xml, const QString& partName, const ThemeFonts& theme);

    // What a paragraph of that style (empty: the default paragraph style)
    // shows without direct formatting.
    model::CharacterFormat paragraphFormat(const QString& paragraphStyleId) const;
    model::Alignment paragraphAlignment(const QString& paragraphStyleId) const;
    // The formatting a character style adds, its basedOn chain applied.
    RunProperties characterStyle(const QString& characterStyleId) const;

    // The model's two table styles: "Table Grid" for that style (by id or
    // name) and styles based on it, "Normal Table" for every other style.
    QString tableStyleName(const QString& tableStyleId) const;
    // The left and right cell margin the table style gives (Word's 108 twips
    // of "Normal Table" when no style states one).
    int tableCellMargin(const QString& tableStyleId) const;

    // Spacing of paragraphs outside tables (document defaults and the default
    // paragraph style), and inside "Table Grid" tables (that style's spacing
    // over the former).
    model::ParagraphSpacing bodySpacing() const;
    model::ParagraphSpacing tableGridSpacing() const;

private:
    // The chain of a style, the style itself first, for as long as ids resolve.
    std::vector<const StyleDefinition*> chain(const QString& styleId) const;
    QString tableGridId() const;

    RunProperties m_defaultRun;
    SpacingProperties m_defaultSpacing;
    QHash<QString, StyleDefinition> m_styles;
    QString m_defaultParagraphStyle;
    QString m_defaultTableStyle;
    // Resolved once per style id: a document names the same few styles throughout.
    mutable QHash<QString, model::CharacterFormat> m_paragraphFormats;
    mutable QHash<QString, RunProperties> m_characterStyles;
};

}  // namespace word::oxml
