#pragma once

#include "word/model/Paragraph.h"

#include <QString>

#include <optional>

// The simple values of WordprocessingML attributes, read strictly: a number
// is range-checked before it becomes an int, so that no value a file holds
// can overflow anything downstream.
namespace word::oxml::values {

// ST_OnOff: "1", "true", "on" or "0", "false", "off"; an absent value is on.
// Nothing for any other text.
std::optional<bool> onOff(const std::optional<QString>& value);

// A whole number (ST_DecimalNumber) within [minimum, maximum]; nothing when
// the text is no number or lies outside.
std::optional<int> integer(const QString& text, int minimum, int maximum);

// A length in twips (ST_TwipsMeasure, ST_SignedTwipsMeasure): a number of
// twips, possibly with decimals, or a measure with a unit ("2.54cm", "1in",
// "72pt", "25.4mm", "6pc", "6pi"), rounded to twips, within [minimum, maximum].
std::optional<int> twips(const QString& text, int minimum, int maximum);

// A font size in half points (ST_HpsMeasure): a number, or a measure with a
// unit as for twips(), within [minimum, maximum].
std::optional<int> halfPoints(const QString& text, int minimum, int maximum);

// A hexadecimal number of at most eight digits (w:tblLook/@w:val).
std::optional<quint32> hexNumber(const QString& text);

// A paragraph's alignment (ST_Jc, w:jc/@w:val) as the model keeps it: the
// distributed and kashida kinds are justified, "start" and what the model has
// no place for are left.
model::Alignment alignment(const QString& value);

}  // namespace word::oxml::values
