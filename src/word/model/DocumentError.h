#pragma once

#include <QString>

#include <stdexcept>

namespace word {

// What the document layers (model, XML parts, package, editing engine,
// renderer) throw when they cannot do what was asked. They know nothing of
// automation: the Word objects turn a DocumentError into the AutomationError
// the program sees, wording each reason as Word words it and showing a
// description of our own (a file that cannot be read or written, a picture
// that cannot be made) as it is.
class DocumentError : public std::runtime_error {
public:
    enum class Reason {
        Described,        // description() says what went wrong
        BadParameter,     // an argument outside what the call accepts
        ValueOutOfRange,  // a number beyond what the document can hold
        NotInTable,       // a table operation where the selection is not in a table
        InvalidRange,     // a place that is no longer part of the document
        NestedTable,      // a table asked for inside a table
    };

    explicit DocumentError(Reason reason);
    explicit DocumentError(const QString& description);

    Reason reason() const { return m_reason; }
    // Empty unless the reason is Described.
    const QString& description() const { return m_description; }

    // The ways reading a package fails; Documents.Open puts the file's name in front.
    // Not a package of a Word document at all (another format, another kind of
    // Office document, an old binary .doc).
    static DocumentError notWordDocument(const QString& why = {});
    // A Word package whose content is broken: "The file is damaged: <detail>."
    static DocumentError damaged(const QString& detail);
    // Beyond what the reader accepts (see word/package/ReadLimits.h and
    // word/oxml/PartLimits.h): "The file is too large to open: <detail>."
    static DocumentError tooLarge(const QString& detail);

private:
    Reason m_reason;
    QString m_description;
};

}  // namespace word
