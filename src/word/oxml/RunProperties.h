#pragma once

#include "word/model/CharacterFormat.h"

#include <QString>

#include <optional>

namespace word::oxml {

class XmlReader;

// The fonts of the document's theme that w:rFonts may name instead of a font
// ("minorHAnsi", "majorAscii" ...). Without a theme part, those of Office's
// own theme since 2013.
struct ThemeFonts {
    QString minor = QStringLiteral("Calibri");
    QString major = QStringLiteral("Calibri Light");
};

// Reads the theme part's fonts (a:fontScheme, the Latin typefaces).
ThemeFonts readThemeFonts(const QByteArray& xml, const QString& partName);

// The character properties one w:rPr states: what it leaves out comes from
// the level below (document defaults, styles).
struct RunProperties {
    std::optional<bool> bold;
    std::optional<QString> fontName;
    std::optional<int> halfPoints;
    QString characterStyle;  // w:rStyle

    // These properties over `below`: what they state wins.
    void applyTo(model::CharacterFormat& below) const;
    void overlay(const RunProperties& above);  // `above` wins where it states something
};

// Reads the w:rPr the reader stands on, to its end.
RunProperties readRunProperties(XmlReader& xml, const ThemeFonts& theme);

}  // namespace word::oxml
