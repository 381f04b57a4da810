#pragma once

#include <QString>

// Descriptions of the failures of automation calls, worded as Word and VB
// word them, so that a report reads the same as with Word itself.
namespace word::messages {

inline const QString ObjectNotSet = QStringLiteral("Object variable or With block variable not set");
inline const QString CannotCreateObject = QStringLiteral("ActiveX component can't create object");
inline const QString ServerUnavailable = QStringLiteral("The RPC server is unavailable.");
inline const QString ObjectDeleted = QStringLiteral("Object has been deleted.");
inline const QString NoDocumentOpen = QStringLiteral("This command is not available because no document is open.");
inline const QString BadParameter = QStringLiteral("Bad parameter");
inline const QString ValueOutOfRange = QStringLiteral("Value out of range");
inline const QString NotInTable = QStringLiteral("This method or property is not available because some or all of the object does not refer to a table.");
inline const QString NoSuchMember = QStringLiteral("The requested member of the collection does not exist.");
inline const QString NoSuchStyle = QStringLiteral("Item with specified name does not exist.");
inline const QString MixedCellWidths = QStringLiteral("Cannot access individual columns in this collection because the table has mixed cell widths.");
inline const QString InvalidRange = QStringLiteral("The range is no longer part of the document.");
inline const QString ForeignRange = QStringLiteral("The range is not part of this document.");
inline const QString NestedTable = QStringLiteral("A table cannot be put inside a table.");
inline const QString NeverSaved = QStringLiteral("The document has not been saved yet and has no file to be saved to.");
inline const QString EmptyRange = QStringLiteral("This method or property is not available because the object is empty.");
inline const QString ClipboardUnavailable = QStringLiteral("The clipboard is not available.");
inline const QString VerticalMerge = QStringLiteral("Cells of a column cannot be merged.");

}  // namespace word::messages
