#pragma once

#include <QCoreApplication>
#include <QString>

// Descriptions of the failures of automation calls, worded as Word and VB
// word them, so that a report reads the same as with Word itself. Each
// returns the description in the user's language where a translation is loaded.
namespace word::messages {

inline QString ObjectNotSet()
{
    return QCoreApplication::translate("word::messages", "Object variable or With block variable not set");
}
inline QString CannotCreateObject()
{
    return QCoreApplication::translate("word::messages", "ActiveX component can't create object");
}
inline QString ServerUnavailable()
{
    return QCoreApplication::translate("word::messages", "The RPC server is unavailable.");
}
inline QString ObjectDeleted()
{
    return QCoreApplication::translate("word::messages", "Object has been deleted.");
}
inline QString NoDocumentOpen()
{
    return QCoreApplication::translate("word::messages", "This command is not available because no document is open.");
}
inline QString BadParameter()
{
    return QCoreApplication::translate("word::messages", "Bad parameter");
}
inline QString ValueOutOfRange()
{
    return QCoreApplication::translate("word::messages", "Value out of range");
}
inline QString NotInTable()
{
    return QCoreApplication::translate(
        "word::messages",
        "This method or property is not available because some or all of the object does not refer to a table.");
}
inline QString NoSuchMember()
{
    return QCoreApplication::translate("word::messages", "The requested member of the collection does not exist.");
}
inline QString NoSuchStyle()
{
    return QCoreApplication::translate("word::messages", "Item with specified name does not exist.");
}
inline QString MixedCellWidths()
{
    return QCoreApplication::translate(
        "word::messages",
        "Cannot access individual columns in this collection because the table has mixed cell widths.");
}
inline QString InvalidRange()
{
    return QCoreApplication::translate("word::messages", "The range is no longer part of the document.");
}
inline QString ForeignRange()
{
    return QCoreApplication::translate("word::messages", "The range is not part of this document.");
}
inline QString NestedTable()
{
    return QCoreApplication::translate("word::messages", "A table cannot be put inside a table.");
}
inline QString NeverSaved()
{
    return QCoreApplication::translate(
        "word::messages",
        "The document has not been saved yet and has no file to be saved to.");
}
inline QString EmptyRange()
{
    return QCoreApplication::translate(
        "word::messages",
        "This method or property is not available because the object is empty.");
}
inline QString ClipboardUnavailable()
{
    return QCoreApplication::translate("word::messages", "The clipboard is not available.");
}
inline QString WordBusy()
{
    return QCoreApplication::translate(
        "word::messages",
        "Word stayed busy for 30 seconds and did not take the call. Nothing of the week is lost: "
        "finish what Word is doing, then press Start Creating Template again.");
}
inline QString WordGone()
{
    return QCoreApplication::translate(
        "word::messages",
        "Word was closed while the planner was being made. Nothing of the week is lost: press Start Creating Template again.");
}
inline QString UnknownMember(const QString& member)
{
    //: %1 is the name of a member of Word's automation objects, e.g. TypeText
    return QCoreApplication::translate("word::messages", "Word has no member named %1.").arg(member);
}
inline QString NotInThisProcess()
{
    return QCoreApplication::translate(
        "word::messages", "The document is open in Word; its pages are drawn from the file Word saved.");
}
inline QString VerticalMerge()
{
    return QCoreApplication::translate("word::messages", "Cells of a column cannot be merged.");
}

}  // namespace word::messages
