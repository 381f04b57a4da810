#include "word/oxml/XmlReader.h"

#include "word/model/DocumentError.h"
#include "word/oxml/PartLimits.h"
#include "word/oxml/XmlCharacters.h"
#include "word/oxml/XmlValues.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>
#include <vector>

namespace word::oxml {

namespace {

// Attributes of one element, namespace declarations included: Word's
// document element declares about thirty-five namespaces.
constexpr int MaxAttributes = 128;

constexpr const char* XmlnsUri = "http://www.w3.org/2000/xmlns/";

// The length of the UTF-8 sequence at `p` if it is one character XML allows;
// 0 if not (a control character, a bad or overlong sequence, a surrogate).
int xmlCharacterLength(const uchar* p, qsizetype left)
{
    const uchar first = p[0];
    if (first < 0x80)
        return isXmlCharacter(first) ? 1 : 0;
    int length = 0;
    char32_t c = 0;
    if ((first & 0xE0) == 0xC0) {
        length = 2;
        c = first & 0x1F;
    } else if ((first & 0xF0) == 0xE0) {
        length = 3;
        c = first & 0x0F;
    } else if ((first & 0xF8) == 0xF0) {
        length = 4;
        c = first & 0x07;
    } else {
        return 0;
    }
    if (left < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (p[i] & 0x3F);
    }
    static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return c >= smallest[length] && isXmlCharacter(c) ? length : 0;
}

// What the bytes of a part hold that pugixml would let pass and a conforming
// parser refuses, or that this reader refuses on purpose.
struct Scan {
    enum class Problem { None, Malformed, UndefinedEntity, DocumentType, TooManyAttributes, EndsEarly };
    Problem problem = Problem::None;
    qsizetype at = 0;              // where, in the bytes
    const char* detail = nullptr;  // for Malformed: QT_TRANSLATE_NOOP("word::oxml::XmlReader", ...)
};

bool startsAt(const uchar* p, qsizetype left, const char* text)
{
    const auto length = qsizetype(std::strlen(text));
    return left >= length && std::memcmp(p, text, size_t(length)) == 0;
}

// Checks the reference at `p` (at its '&'): XML's five entities and
// character references to characters XML allows. 0 when it is one of them,
// else the problem.
Scan::Problem checkReference(const uchar* p, qsizetype left)
{
    qsizetype end = 1;
    while (end < left && end < 16 && p[end] != ';')
        ++end;
    if (end >= left || p[end] != ';')
        return Scan::Problem::Malformed;
    const QByteArrayView name(p + 1, end - 1);
    if (name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos")
        return Scan::Problem::None;
    if (name.startsWith('#')) {
        const bool hex = name.size() > 1 && name[1] == 'x';
        const QByteArrayView digits = name.sliced(hex ? 2 : 1);
        bool ok = false;
        const uint value = QByteArray(digits.data(), digits.size()).toUInt(&ok, hex ? 16 : 10);
        // The parser reads digits and nothing else: no sign, no blanks.
        const bool plain = std::all_of(digits.begin(), digits.end(), [hex](char c) {
            return (c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
        });
        const bool allowed = ok && plain && !digits.isEmpty() && isXmlCharacter(value);
        return allowed ? Scan::Problem::None : Scan::Problem::Malformed;
    }
    return name.isEmpty() ? Scan::Problem::Malformed : Scan::Problem::UndefinedEntity;
}

// One pass over a part's UTF-8 bytes.
Scan scanPart(QByteArrayView xml)
{
    // Comments, CDATA sections and processing instructions are passed over
    // to their closing text.
    enum class State { Text, Tag, Quoted, PassingOver };
    const auto* p = reinterpret_cast<const uchar*>(xml.data());
    const qsizetype size = xml.size();
    State state = State::Text;
    const char* closing = nullptr;  // what ends the part passed over
    uchar quote = 0;
    int attributes = 0;
    bool endTag = false;
    qsizetype open = 0;  // elements begun and not yet ended
    auto reference = [&](qsizetype at) {
        const Scan::Problem problem = checkReference(p + at, size - at);
        return Scan{problem, at, QT_TRANSLATE_NOOP("word::oxml::XmlReader", "a '&' that begins no reference")};
    };
    qsizetype i = 0;
    while (i < size) {
        const uchar c = p[i];
        if (c >= 0x80 || c < 0x20) {
            const int length = xmlCharacterLength(p + i, size - i);
            if (!length)
                return {Scan::Problem::Malformed, i,
                        QT_TRANSLATE_NOOP("word::oxml::XmlReader", "a character XML does not allow")};
            i += length;  // nothing beyond ASCII delimits anything
            continue;
        }
        switch (state) {
        case State::Text:
            if (c == '<') {
                static constexpr std::pair<const char*, const char*> passedOver[] = {
                    {"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}};
                const auto* over = std::find_if(std::begin(passedOver), std::end(passedOver), [&](const auto& kind) {
                    return startsAt(p + i, size - i, kind.first);
                });
                if (over != std::end(passedOver)) {
                    state = State::PassingOver;
                    closing = over->second;
                    i += qsizetype(std::strlen(over->first));
                    continue;
                }
                if (startsAt(p + i, size - i, "<!DOCTYPE"))
                    return {Scan::Problem::DocumentType, i};
                state = State::Tag;
                attributes = 0;
                endTag = i + 1 < size && p[i + 1] == '/';
            } else if (c == '&') {
                if (const Scan problem = reference(i); problem.problem != Scan::Problem::None)
                    return problem;
            }
            break;
        case State::Tag:
            if (c == '"' || c == '\'') {
                state = State::Quoted;
                quote = c;
            } else if (c == '>') {
                state = State::Text;
                if (endTag)
                    --open;
                else if (p[i - 1] != '/')
                    ++open;
            } else if (c == '=' && ++attributes > MaxAttributes) {
                return {Scan::Problem::TooManyAttributes, i};
            }
            break;
        case State::Quoted:
            if (c == quote) {
                state = State::Tag;
            } else if (c == '&') {
                if (const Scan problem = reference(i); problem.problem != Scan::Problem::None)
                    return problem;
            } else if (c == '<') {
                return {Scan::Problem::Malformed, i,
                        QT_TRANSLATE_NOOP("word::oxml::XmlReader", "a '<' in an attribute value")};
            }
            break;
        case State::PassingOver:
            if (c == uchar(closing[0]) && startsAt(p + i, size - i, closing)) {
                state = State::Text;
                i += qsizetype(std::strlen(closing));
                continue;
            }
            break;
        }
        ++i;
    }
    // Inside a tag or a part passed over, or inside an element.
    if (state != State::Text || open > 0)
        return {Scan::Problem::EndsEarly, size};
    return {};
}

// The part as UTF-8, whatever of XML's encodings it came in (by its byte
// order mark, its first bytes or its declaration, as XML reads them); a null
// array for an encoding this program cannot read or bytes that are not in it.
QByteArray asUtf8(const QByteArray& xml)
{
    auto decoded = [&](QStringConverter::Encoding encoding, qsizetype skip) {
        QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
        const QString text = decoder.decode(QByteArrayView(xml).sliced(skip));
        return decoder.hasError() ? QByteArray() : text.toUtf8();
    };
    const QByteArrayView head = QByteArrayView(xml).first(std::min<qsizetype>(4, xml.size()));
    if (head.startsWith("\xEF\xBB\xBF"))
        return xml.sliced(3);
    if (head.startsWith(QByteArrayView("\xFF\xFE\0\0", 4)))
        return decoded(QStringConverter::Utf32LE, 4);
    if (head.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)))
        return decoded(QStringConverter::Utf32BE, 4);
    if (head.startsWith("\xFF\xFE"))
        return decoded(QStringConverter::Utf16LE, 2);
    if (head.startsWith("\xFE\xFF"))
        return decoded(QStringConverter::Utf16BE, 2);
    if (head.startsWith(QByteArrayView("<\0?\0", 4)))
        return decoded(QStringConverter::Utf16LE, 0);
    if (head.startsWith(QByteArrayView("\0<\0?", 4)))
        return decoded(QStringConverter::Utf16BE, 0);
    if (!xml.startsWith("<?xml"))
        return xml;
    const qsizetype end = xml.indexOf("?>");
    const QByteArray declaration = xml.left(end < 0 ? 0 : end);
    const qsizetype at = declaration.indexOf("encoding");
    if (at < 0)
        return xml;
    qsizetype open = at + 8;
    while (open < declaration.size() && QByteArrayView(" \t=").contains(declaration[open]))
        ++open;
    if (open >= declaration.size() || (declaration[open] != '"' && declaration[open] != '\''))
        return xml;
    const qsizetype close = declaration.indexOf(declaration[open], open + 1);
    const QByteArray name = declaration.mid(open + 1, close - open - 1).toLower();
    if (name == "utf-8" || name == "utf8" || name == "us-ascii" || name == "ascii")
        return xml;
    if (name == "iso-8859-1" || name == "latin1" || name == "latin-1" || name == "iso_8859-1")
        return QString::fromLatin1(xml).toUtf8();
    return {};
}

// The element children of a node, in order.
pugi::xml_node firstElement(pugi::xml_node node)
{
    pugi::xml_node child = node.first_child();
    while (child && child.type() != pugi::node_element)
        child = child.next_sibling();
    return child;
}

pugi::xml_node nextElement(pugi::xml_node node)
{
    pugi::xml_node sibling = node.next_sibling();
    while (sibling && sibling.type() != pugi::node_element)
        sibling = sibling.next_sibling();
    return sibling;
}

// The prefix of a qualified name (empty for none) and where its local name starts.
QByteArrayView prefixOf(const char* name, const char** local)
{
    const char* colon = std::strchr(name, ':');
    if (!colon) {
        *local = name;
        return {};
    }
    *local = colon + 1;
    return QByteArrayView(name, colon - name);
}

bool isNamespaceDeclaration(const char* name)
{
    return std::strncmp(name, "xmlns", 5) == 0 && (name[5] == '\0' || name[5] == ':');
}

bool isWordNamespace(const char* uri)
{
    return uri && (std::strcmp(uri, readns::W) == 0 || std::strcmp(uri, readns::WStrict) == 0);
}

}  // namespace

struct XmlReader::Tree {
    QByteArray original;  // the part as UTF-8, for lines
    QByteArray buffer;    // the same, parsed in place
    pugi::xml_document document;
    struct Binding {
        int level;
        QByteArrayView prefix;  // empty: the default namespace
        const char* uri;        // empty: none
    };
    std::vector<Binding> bindings;  // the namespace declarations in scope, outermost first
    QString localName;              // of the current element, made when asked
    QString namespaceUri;

    // The namespace of `prefix` in scope: null for none (no prefix and no
    // default namespace); throws through `reader` for a prefix never declared.
    const char* resolve(QByteArrayView prefix, bool forElement, const XmlReader& reader) const
    {
        if (prefix == "xml")
            return readns::Xml;
        if (prefix == "xmlns")
            return XmlnsUri;
        if (prefix.isEmpty() && !forElement)
            return nullptr;  // attributes take no default namespace
        for (auto binding = bindings.rbegin(); binding != bindings.rend(); ++binding) {
            if (binding->prefix == prefix)
                return *binding->uri ? binding->uri : nullptr;
        }
        if (prefix.isEmpty())
            return nullptr;
        const QString undeclared = QCoreApplication::translate("word::oxml::XmlReader",
                                                               "the namespace prefix %1 is not declared")
                                       .arg(QString::fromUtf8(prefix));
        reader.notWellFormed(reader.m_node ? pugi::xml_node(reader.m_node).offset_debug() : 0, undeclared);
    }
};

XmlReader::XmlReader(const QByteArray& xml, QString partName)
    : m_tree(std::make_unique<Tree>()), m_partName(std::move(partName))
{
    m_tree->original = asUtf8(xml);
    if (m_tree->original.isNull() && !xml.isNull())
        notWellFormed(0, QCoreApplication::translate("word::oxml::XmlReader", "its encoding cannot be read"));
    const Scan scan = scanPart(m_tree->original);
    switch (scan.problem) {
    case Scan::Problem::None:
        break;
    case Scan::Problem::Malformed:
        notWellFormed(scan.at, QCoreApplication::translate("word::oxml::XmlReader", scan.detail));
    case Scan::Problem::UndefinedEntity:
        throwAt(scan.at,
                QCoreApplication::translate("word::oxml::XmlReader", "the part %1 refers to an undefined entity")
                    .arg(m_partName));
    case Scan::Problem::DocumentType:
        throwAt(scan.at, QCoreApplication::translate(
                             "word::oxml::XmlReader",
                             "the part %1 has a document type declaration, which a package part may not have")
                             .arg(m_partName));
    case Scan::Problem::EndsEarly:
        endsTooEarly();
    case Scan::Problem::TooManyAttributes:
        throwAt(scan.at,
                QCoreApplication::translate("word::oxml::XmlReader", "an element of %1 has more than %2 attributes")
                    .arg(m_partName)
                    .arg(MaxAttributes));
    }

    m_tree->buffer = QByteArray(m_tree->original.constData(), m_tree->original.size());
    // Blank text is kept: a w:t may hold nothing but blanks.
    constexpr unsigned options = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_wconv_attribute
                               | pugi::parse_eol | pugi::parse_ws_pcdata;
    const pugi::xml_parse_result parsed = m_tree->document.load_buffer_inplace(
        m_tree->buffer.data(), size_t(m_tree->buffer.size()), options, pugi::encoding_utf8);
    if (!parsed) {
        if (parsed.offset >= m_tree->buffer.size() || parsed.status == pugi::status_no_document_element)
            endsTooEarly();
        notWellFormed(parsed.offset, QString::fromUtf8(parsed.description()));
    }
    if (!m_tree->document.document_element())
        endsTooEarly();

    // Nesting, over the whole part: passing over an element reads it too.
    struct DepthCheck : pugi::xml_tree_walker {
        pugi::xml_node tooDeep;
        bool for_each(pugi::xml_node& node) override
        {
            // depth() is 0 for the root element.
            if (node.type() == pugi::node_element && depth() + 1 > limits::MaxXmlDepth) {
                tooDeep = node;
                return false;
            }
            return true;
        }
    } depth;
    m_tree->document.traverse(depth);
    if (depth.tooDeep)
        throwAt(depth.tooDeep.offset_debug(),
                QCoreApplication::translate("word::oxml::XmlReader", "the elements of %1 are nested more than %2 deep")
                    .arg(m_partName)
                    .arg(limits::MaxXmlDepth));
}

XmlReader::~XmlReader() = default;

void XmlReader::throwAt(qsizetype offset, const QString& detail) const
{
    const QByteArray& bytes = m_tree->original;
    const qsizetype end = std::clamp<qsizetype>(offset, 0, bytes.size());
    const qint64 line = 1 + std::count(bytes.cbegin(), bytes.cbegin() + end, '\n');
    //: %1 is what is wrong, %2 the name of the part of the document package
    throw DocumentError::damaged(
        QCoreApplication::translate("word::oxml::XmlReader", "%1 (%2, line %3)").arg(detail, m_partName).arg(line));
}

qint64 XmlReader::lineNumber() const
{
    const ptrdiff_t offset = m_node ? pugi::xml_node(m_node).offset_debug() : 0;
    const QByteArray& bytes = m_tree->original;
    return 1 + std::count(bytes.cbegin(), bytes.cbegin() + std::clamp<qsizetype>(offset, 0, bytes.size()), '\n');
}

void XmlReader::damaged(const QString& detail) const
{
    throwAt(m_node ? pugi::xml_node(m_node).offset_debug() : 0, detail);
}

void XmlReader::notWellFormed(qsizetype offset, const QString& why) const
{
    throwAt(offset, QCoreApplication::translate("word::oxml::XmlReader", "the part %1 is not well-formed XML: %2")
                        .arg(m_partName, why));
}

void XmlReader::endsTooEarly() const
{
    throwAt(m_tree->original.size(),
            QCoreApplication::translate("word::oxml::XmlReader", "the part %1 ends too early").arg(m_partName));
}

void XmlReader::outOfRange(const QString& value, const char* what) const
{
    //: %2 says what the value is for, e.g. "a cell margin"
    damaged(QCoreApplication::translate("word::oxml::XmlReader", "the value \"%1\" of %2 is out of range")
                .arg(value.left(40), QCoreApplication::translate("word::oxml::XmlReader", what)));
}

std::optional<int> XmlReader::wTwipsAttribute(const char* localName, int minimum, int maximum, const char* what) const
{
    const auto value = wAttribute(localName);
    if (!value)
        return std::nullopt;
    const auto twips = values::twips(*value, minimum, maximum);
    if (!twips)
        outOfRange(*value, what);
    return twips;
}

void XmlReader::enter(pugi::xml_node_struct* node, int level)
{
    m_node = node;
    m_level = level;
    m_atEnd = false;
    auto& bindings = m_tree->bindings;
    while (!bindings.empty() && bindings.back().level >= level)
        bindings.pop_back();
    const pugi::xml_node element(node);
    for (pugi::xml_attribute attribute = element.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        const char* name = attribute.name();
        if (isNamespaceDeclaration(name))
            bindings.push_back({level, name[5] ? QByteArrayView(name + 6) : QByteArrayView(), attribute.value()});
    }
    const QByteArrayView prefix = prefixOf(element.name(), &m_local);
    m_uri = m_tree->resolve(prefix, true, *this);
}

void XmlReader::leaveToParent()
{
    const pugi::xml_node parent = pugi::xml_node(m_node).parent();
    if (!parent || parent.type() != pugi::node_element)
        endsTooEarly();  // past the root element: the part has nothing more
    auto& bindings = m_tree->bindings;
    while (!bindings.empty() && bindings.back().level >= m_level)
        bindings.pop_back();
    m_node = parent.internal_object();
    --m_level;
    m_atEnd = true;
    m_uri = m_tree->resolve(prefixOf(parent.name(), &m_local), true, *this);
}

bool XmlReader::readRoot()
{
    const pugi::xml_node root = m_tree->document.document_element();
    if (!root)
        damaged(QCoreApplication::translate("word::oxml::XmlReader", "the part %1 is empty").arg(m_partName));
    enter(root.internal_object(), 1);
    return true;
}

bool XmlReader::nextChild()
{
    // Standing on a start means entering the element; on an end, moving past it.
    if (!m_atEnd) {
        if (const pugi::xml_node child = firstElement(pugi::xml_node(m_node))) {
            enter(child.internal_object(), m_level + 1);
            return true;
        }
        m_atEnd = true;
        return false;
    }
    if (const pugi::xml_node sibling = nextElement(pugi::xml_node(m_node))) {
        enter(sibling.internal_object(), m_level);
        return true;
    }
    leaveToParent();
    return false;
}

void XmlReader::skip()
{
    if (!m_atEnd)
        m_atEnd = true;
    else
        leaveToParent();
}

QString XmlReader::readText()
{
    if (m_atEnd) {
        leaveToParent();
        return {};
    }
    QString text;
    for (pugi::xml_node child = pugi::xml_node(m_node).first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_pcdata && child.type() != pugi::node_cdata)
            continue;
        text += QString::fromUtf8(child.value());
        if (text.size() > limits::MaxTextCharacters)
            throw DocumentError::tooLarge(
                QCoreApplication::translate("word::oxml::XmlReader", "it holds more than %1 characters of text")
                    .arg(limits::MaxTextCharacters));
    }
    m_atEnd = true;
    return text;
}

bool XmlReader::isIn(const char* namespaceUri, const char* localName) const
{
    return m_local && std::strcmp(m_local, localName) == 0 && m_uri && std::strcmp(m_uri, namespaceUri) == 0;
}

bool XmlReader::isW(const char* localName) const
{
    return m_local && std::strcmp(m_local, localName) == 0 && isWordNamespace(m_uri);
}

QStringView XmlReader::localName() const
{
    m_tree->localName = m_local ? QString::fromUtf8(m_local) : QString();
    return m_tree->localName;
}

QStringView XmlReader::namespaceUri() const
{
    m_tree->namespaceUri = m_uri ? QString::fromUtf8(m_uri) : QString();
    return m_tree->namespaceUri;
}

template <typename Accepted>
const char* XmlReader::attributeValue(const char* localName, Accepted accepted) const
{
    if (!m_node)
        return nullptr;
    const pugi::xml_node element(m_node);
    for (pugi::xml_attribute attribute = element.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        const char* name = attribute.name();
        if (isNamespaceDeclaration(name))
            continue;
        const char* local = nullptr;
        const QByteArrayView prefix = prefixOf(name, &local);
        if (std::strcmp(local, localName) == 0 && accepted(m_tree->resolve(prefix, false, *this)))
            return attribute.value();
    }
    return nullptr;
}

std::optional<QString> XmlReader::attribute(const char* namespaceUri, const char* localName) const
{
    const char* value =
        attributeValue(localName, [&](const char* uri) { return uri && std::strcmp(uri, namespaceUri) == 0; });
    return value ? std::optional<QString>(QString::fromUtf8(value)) : std::nullopt;
}

std::optional<QString> XmlReader::plainAttribute(const char* localName) const
{
    const char* value = attributeValue(localName, [](const char* uri) { return uri == nullptr; });
    return value ? std::optional<QString>(QString::fromUtf8(value)) : std::nullopt;
}

std::optional<QString> XmlReader::wAttribute(const char* localName) const
{
    const char* value =
        attributeValue(localName, [](const char* uri) { return uri == nullptr || isWordNamespace(uri); });
    return value ? std::optional<QString>(QString::fromUtf8(value)) : std::nullopt;
}

}  // namespace word::oxml
