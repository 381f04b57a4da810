#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

namespace pugi {
struct xml_node_struct;
}

namespace word::oxml {

// Walks one XML part of a package element by element, for the readers of
// the package's parts. Elements and attributes are recognised by namespace
// and local name, never by prefix, so any prefix a writer chooses works; both
// the transitional and the strict WordprocessingML namespaces count as "w".
//
// The part is parsed whole by pugixml when the reader is made (several times
// faster than a streaming reader, and a planner is read back each time it is
// previewed); the walk then goes over the tree as a streaming reader would,
// standing on an element's start or on its end. What a conforming XML parser
// refuses and pugixml lets pass is refused here, before parsing, on the bytes:
// characters XML does not allow, malformed UTF-8, references to entities that
// are not XML's own. Refused too, as a document part never needs them and an
// attacker would use them: a document type declaration (and with it every
// entity of its own), more than MaxAttributes attributes in a tag, and
// nesting deeper than limits::MaxXmlDepth. Every failure throws
// DocumentError naming the part and the line.
class XmlReader {
public:
    XmlReader(const QByteArray& xml, QString partName);
    ~XmlReader();
    XmlReader(const XmlReader&) = delete;
    XmlReader& operator=(const XmlReader&) = delete;

    // Moves to the root element; false for a part without one.
    bool readRoot();
    // Moves to the next child element of the current element; false once the
    // current element has ended (the reader then stands on its end).
    bool nextChild();
    // Passes over the rest of the current element, children and all.
    void skip();
    // The character data of the current element up to its end; child elements
    // are passed over.
    QString readText();

    // The current element is in the WordprocessingML namespace with this local name.
    bool isW(const char* localName) const;
    bool isIn(const char* namespaceUri, const char* localName) const;
    QStringView localName() const;
    QStringView namespaceUri() const;

    // A WordprocessingML attribute of the current element (w:val ...), also
    // accepted without a prefix; nothing when absent.
    std::optional<QString> wAttribute(const char* localName) const;
    // An attribute in no namespace (the package's own parts use these).
    std::optional<QString> plainAttribute(const char* localName) const;
    // An attribute in the given namespace.
    std::optional<QString> attribute(const char* namespaceUri, const char* localName) const;

    // A WordprocessingML length attribute in twips within [minimum, maximum]
    // (values::twips()); nothing when absent. Any other value throws as
    // outOfRange() does, `what` naming the attribute's meaning (a text marked
    // with QT_TRANSLATE_NOOP("word::oxml::XmlReader", ...), so that the
    // report names it in the user's language).
    std::optional<int> wTwipsAttribute(const char* localName, int minimum, int maximum, const char* what) const;

    const QString& partName() const { return m_partName; }
    // The line of the current element's start (1 for the first).
    qint64 lineNumber() const;

    // Throws: "The file is damaged: <detail> (<part>, line n)."
    [[noreturn]] void damaged(const QString& detail) const;
    // Throws as damaged(): the value "<value>" of <what> is out of range.
    [[noreturn]] void outOfRange(const QString& value, const char* what) const;

private:
    struct Tree;
    // Which attribute of the current element has this local name and a
    // namespace `accepted` allows; null if none.
    template <typename Accepted>
    const char* attributeValue(const char* localName, Accepted accepted) const;
    // Makes `node` the current element (its start), `level` deep.
    void enter(pugi::xml_node_struct* node, int level);
    // Stands on the end of the current element's parent.
    void leaveToParent();
    [[noreturn]] void endsTooEarly() const;
    // Throws: the part is not well-formed XML, `why`, at that offset of its bytes.
    [[noreturn]] void notWellFormed(qsizetype offset, const QString& why) const;
    [[noreturn]] void throwAt(qsizetype offset, const QString& detail) const;

    std::unique_ptr<Tree> m_tree;
    QString m_partName;
    pugi::xml_node_struct* m_node = nullptr;  // the current element
    bool m_atEnd = false;                      // standing on its end rather than its start
    int m_level = 0;                           // of the current element: the root is 1
    const char* m_uri = nullptr;               // the current element's namespace, null for none
    const char* m_local = nullptr;             // its local name
};

// Namespaces a reader meets besides WordprocessingML's own.
namespace readns {
inline constexpr const char* W = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr const char* WStrict = "http://purl.oclc.org/ooxml/wordprocessingml/main";
inline constexpr const char* MarkupCompatibility = "http://schemas.openxmlformats.org/markup-compatibility/2006";
inline constexpr const char* DrawingMain = "http://schemas.openxmlformats.org/drawingml/2006/main";
inline constexpr const char* DrawingMainStrict = "http://purl.oclc.org/ooxml/drawingml/main";
inline constexpr const char* Xml = "http://www.w3.org/XML/1998/namespace";
}  // namespace readns

}  // namespace word::oxml
