#include "word/oxml/XmlReader.h"

#include "word/model/DocumentError.h"
#include "word/oxml/PartLimits.h"
#include "word/oxml/XmlValues.h"

#include <QCoreApplication>

#include <algorithm>

namespace word::oxml {

namespace {

// Attributes of one element, namespace declarations included: Word's
// document element declares about thirty-five namespaces.
constexpr int MaxAttributes = 128;

// The most attributes any one tag of the part has, counted on the bytes:
// the '=' signs outside quoted values between '<' and '>'. QXmlStreamReader
// compares each attribute with every earlier one of its element, so an
// element with a hundred thousand of them would take minutes.
int mostAttributesInATag(const QByteArray& xml)
{
    int most = 0;
    int count = 0;
    bool inTag = false;
    char quote = 0;
    for (const char c : xml) {
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (!inTag) {
            if (c == '<') {
                inTag = true;
                count = 0;
            }
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            inTag = false;
        } else if (c == '=') {
            most = std::max(most, ++count);
        }
    }
    return most;
}

}  // namespace

XmlReader::XmlReader(const QByteArray& xml, QString partName) : m_xml(xml), m_partName(std::move(partName))
{
    if (mostAttributesInATag(xml) > MaxAttributes)
        damaged(QCoreApplication::translate("word::oxml::XmlReader", "an element of %1 has more than %2 attributes")
                    .arg(m_partName)
                    .arg(MaxAttributes));
    // No entity of a document's own is ever expanded: the declaration that
    // could define one is refused (advance()) before any content is read.
    m_xml.setNamespaceProcessing(true);
}

void XmlReader::damaged(const QString& detail) const
{
    //: %1 is what is wrong, %2 the name of the part of the document package
    throw DocumentError::damaged(QCoreApplication::translate("word::oxml::XmlReader", "%1 (%2, line %3)")
                                     .arg(detail, m_partName)
                                     .arg(m_xml.lineNumber()));
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

void XmlReader::xmlError() const
{
    if (m_xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        damaged(QCoreApplication::translate("word::oxml::XmlReader", "the part %1 ends too early").arg(m_partName));
    damaged(QCoreApplication::translate("word::oxml::XmlReader", "the part %1 is not well-formed XML: %2")
                .arg(m_partName, m_xml.errorString()));
}

QXmlStreamReader::TokenType XmlReader::advance()
{
    for (;;) {
        const QXmlStreamReader::TokenType token = m_xml.readNext();
        switch (token) {
        case QXmlStreamReader::Invalid:
            xmlError();
        case QXmlStreamReader::DTD:
            damaged(QCoreApplication::translate(
                        "word::oxml::XmlReader",
                        "the part %1 has a document type declaration, which a package part may not have")
                        .arg(m_partName));
        case QXmlStreamReader::EntityReference:
            damaged(QCoreApplication::translate("word::oxml::XmlReader", "the part %1 refers to an undefined entity")
                        .arg(m_partName));
        case QXmlStreamReader::StartElement:
            if (++m_depth > limits::MaxXmlDepth)
                damaged(QCoreApplication::translate("word::oxml::XmlReader",
                                                    "the elements of %1 are nested more than %2 deep")
                            .arg(m_partName)
                            .arg(limits::MaxXmlDepth));
            return token;
        case QXmlStreamReader::EndElement:
            --m_depth;
            return token;
        case QXmlStreamReader::EndDocument:
            return token;
        default:
            break;  // declarations, comments, processing instructions, character data between elements
        }
    }
}

bool XmlReader::readRoot()
{
    const auto token = advance();
    if (token != QXmlStreamReader::StartElement)
        damaged(QCoreApplication::translate("word::oxml::XmlReader", "the part %1 is empty").arg(m_partName));
    return true;
}

bool XmlReader::nextChild()
{
    // Standing on a start element means entering it; on an end, moving past it.
    const auto token = advance();
    if (token == QXmlStreamReader::StartElement)
        return true;
    if (token == QXmlStreamReader::EndDocument)
        damaged(QCoreApplication::translate("word::oxml::XmlReader", "the part %1 ends too early").arg(m_partName));
    return false;
}

void XmlReader::skip()
{
    const int depth = m_depth;
    while (m_depth >= depth) {
        if (advance() == QXmlStreamReader::EndDocument)
            damaged(QCoreApplication::translate("word::oxml::XmlReader", "the part %1 ends too early").arg(m_partName));
    }
}

QString XmlReader::readText()
{
    QString text;
    const int depth = m_depth;
    for (;;) {
        const auto token = m_xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            if (m_depth == depth)
                text += m_xml.text();
            if (text.size() > limits::MaxTextCharacters)
                throw DocumentError::tooLarge(
                    QCoreApplication::translate("word::oxml::XmlReader", "it holds more than %1 characters of text")
                        .arg(limits::MaxTextCharacters));
            continue;
        }
        if (token == QXmlStreamReader::Invalid)
            xmlError();
        if (token == QXmlStreamReader::EntityReference)
            damaged(QCoreApplication::translate("word::oxml::XmlReader", "the part %1 refers to an undefined entity")
                        .arg(m_partName));
        if (token == QXmlStreamReader::StartElement) {
            if (++m_depth > limits::MaxXmlDepth)
                damaged(QCoreApplication::translate("word::oxml::XmlReader",
                                                    "the elements of %1 are nested more than %2 deep")
                            .arg(m_partName)
                            .arg(limits::MaxXmlDepth));
        } else if (token == QXmlStreamReader::EndElement) {
            if (--m_depth < depth)
                return text;
        } else if (token == QXmlStreamReader::EndDocument) {
            damaged(QCoreApplication::translate("word::oxml::XmlReader", "the part %1 ends too early").arg(m_partName));
        }
    }
}

bool XmlReader::isIn(const char* namespaceUri, const char* localName) const
{
    return m_xml.name() == QLatin1StringView(localName) && m_xml.namespaceUri() == QLatin1StringView(namespaceUri);
}

bool XmlReader::isW(const char* localName) const
{
    return m_xml.name() == QLatin1StringView(localName)
        && (m_xml.namespaceUri() == QLatin1StringView(readns::W) || m_xml.namespaceUri() == QLatin1StringView(readns::WStrict));
}

std::optional<QString> XmlReader::attribute(const char* namespaceUri, const char* localName) const
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.name() == QLatin1StringView(localName) && attribute.namespaceUri() == QLatin1StringView(namespaceUri))
            return attribute.value().toString();
    }
    return std::nullopt;
}

std::optional<QString> XmlReader::plainAttribute(const char* localName) const
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.name() == QLatin1StringView(localName) && attribute.namespaceUri().isEmpty())
            return attribute.value().toString();
    }
    return std::nullopt;
}

std::optional<QString> XmlReader::wAttribute(const char* localName) const
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    for (const QXmlStreamAttribute& attribute : attributes) {
        if (attribute.name() != QLatin1StringView(localName))
            continue;
        const QStringView uri = attribute.namespaceUri();
        if (uri.isEmpty() || uri == QLatin1StringView(readns::W) || uri == QLatin1StringView(readns::WStrict))
            return attribute.value().toString();
    }
    return std::nullopt;
}

}  // namespace word::oxml
