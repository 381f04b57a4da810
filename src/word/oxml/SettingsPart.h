#pragma once

#include <QByteArray>

namespace word::oxml {

// word/settings.xml: Word's current compatibility mode (15), so that Word
// opens the document without compatibility mode, and half-inch tab stops.
QByteArray settingsPart();

}  // namespace word::oxml
