#pragma once

#include <optional>

namespace word::oxml {

class XmlReader;

// Reads the w:tblCellMar the reader stands on, to its end, for the one cell
// margin the model keeps: the left (or start) margin in twips, else the right
// (or end) one; nothing when it states neither. A margin of type "nil" is 0,
// one of type "pct" or "auto" is passed over. The width is checked even for
// "nil": a value that is no length within [0, limits::MaxTwips] throws
// DocumentError ("the value ... of <what> is out of range").
std::optional<int> readCellMargins(XmlReader& xml, const char* what);

}  // namespace word::oxml
