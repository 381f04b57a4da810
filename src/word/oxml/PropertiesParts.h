#pragma once

#include <QByteArray>
#include <QDateTime>

namespace word::oxml {

// docProps/core.xml: who made the document and when (UTC, to the second).
QByteArray corePropertiesPart(const QDateTime& savedAt);
// docProps/app.xml: the application that wrote it.
QByteArray appPropertiesPart();

}  // namespace word::oxml
