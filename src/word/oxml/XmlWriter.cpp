#include "word/oxml/XmlWriter.h"

#include "word/oxml/XmlCharacters.h"

#include <charconv>
#include <cstring>

namespace word::oxml {

namespace {

char16_t code(QChar c) { return c.unicode(); }
char16_t code(unsigned char c) { return c; }

// Printable ASCII with nothing to escape: what nearly every value and text
// of a planner is, copied as it is.
template <typename Char>
bool plain(const Char* text, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = code(text[i]);
        if (c < 0x20 || c >= 0x7f || c == '&' || c == '<' || c == '>' || c == '"')
            return false;
    }
    return true;
}

}  // namespace

XmlWriter::XmlWriter()
{
    m_out.reserve(1 << 16);
    m_out += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
}

QString XmlWriter::cleaned(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            const char32_t code = QChar::surrogateToUcs4(c, text.at(i + 1));
            if (isXmlCharacter(code)) {
                result += c;
                result += text.at(i + 1);
            }
            ++i;
        } else if (!c.isSurrogate() && isXmlCharacter(c.unicode())) {
            result += c;
        }
    }
    return result;
}

void XmlWriter::closeStartTag()
{
    if (m_startTagOpen) {
        m_out += '>';
        m_startTagOpen = false;
    }
}

void XmlWriter::start(const char* name)
{
    closeStartTag();
    m_out += '<';
    m_out += name;
    m_open.push_back(name);
    m_startTagOpen = true;
}

void XmlWriter::attribute(const char* name, const QString& value)
{
    m_out += ' ';
    m_out += name;
    m_out += "=\"";
    escaped(value, true);
    m_out += '"';
}

void XmlWriter::attribute(const char* name, const char* value)
{
    const qsizetype size = qsizetype(std::strlen(value));
    if (!plain(reinterpret_cast<const unsigned char*>(value), size)) {
        attribute(name, QString::fromUtf8(value));
        return;
    }
    m_out += ' ';
    m_out += name;
    m_out += "=\"";
    m_out.append(value, size_t(size));
    m_out += '"';
}

void XmlWriter::attribute(const char* name, int value)
{
    m_out += ' ';
    m_out += name;
    m_out += "=\"";
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    m_out.append(digits, written.ptr);
    m_out += '"';
}

void XmlWriter::text(const QString& text)
{
    closeStartTag();
    escaped(text, false);
}

void XmlWriter::end()
{
    const char* name = m_open.back();
    m_open.pop_back();
    if (m_startTagOpen) {
        m_out += "/>";
        m_startTagOpen = false;
        return;
    }
    m_out += "</";
    m_out += name;
    m_out += '>';
}

void XmlWriter::empty(const char* name, const char* attributeName, const QString& value)
{
    start(name);
    if (attributeName)
        attribute(attributeName, value);
    end();
}

void XmlWriter::fonts(const QString& family)
{
    start("w:rFonts");
    for (const char* script : {"w:ascii", "w:eastAsia", "w:hAnsi", "w:cs"})
        attribute(script, family);
    end();
}

QByteArray XmlWriter::finish()
{
    while (!m_open.empty())
        end();
    return QByteArray(m_out.data(), qsizetype(m_out.size()));
}

void XmlWriter::escaped(const QString& text, bool inAttribute)
{
    if (plain(text.constData(), text.size())) {
        for (const QChar c : text)
            m_out.push_back(char(c.unicode()));
        return;
    }
    const QString clean = cleaned(text);
    QString out;
    out.reserve(clean.size() + 8);
    for (const QChar c : clean) {
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': inAttribute ? out += QLatin1String("&quot;") : out += c; break;
        // Kept as references so that readers do not normalise them away.
        case '\r': out += QLatin1String("&#xD;"); break;
        case '\n': inAttribute ? out += QLatin1String("&#xA;") : out += c; break;
        case '\t': inAttribute ? out += QLatin1String("&#x9;") : out += c; break;
        default: out += c;
        }
    }
    const QByteArray utf8 = out.toUtf8();
    m_out.append(utf8.constData(), size_t(utf8.size()));
}

}  // namespace word::oxml
