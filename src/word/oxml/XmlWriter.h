#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

namespace word::oxml {

// Writes one XML part (UTF-8, standalone declaration) into memory: elements,
// attributes and text, escaped. Characters XML 1.0 cannot carry (most control
// characters, unpaired surrogates, U+FFFE/U+FFFF) are left out, since no
// reference can stand for them either.
class XmlWriter {
public:
    XmlWriter();

    void start(const char* name);                       // <name
    void attribute(const char* name, const QString& value);
    void attribute(const char* name, const char* value);
    void attribute(const char* name, int value);
    void text(const QString& text);                     // character data
    void end();                                         // </name> or />
    // <name attribute="value"/>, the common case of the package's properties.
    void empty(const char* name, const char* attributeName = nullptr, const QString& value = {});

    // <w:rFonts> naming one family for every script, so that no reader falls
    // back to a theme font of its own.
    void fonts(const QString& family);

    QByteArray finish();  // closes what is open

    // The text without the characters XML cannot carry.
    static QString cleaned(const QString& text);

private:
    void closeStartTag();
    void escaped(const QString& text, bool inAttribute);

    // A std::string: a planner's part is some thousands of small appends,
    // which QByteArray's general insertion makes several times dearer.
    std::string m_out;
    std::vector<const char*> m_open;
    bool m_startTagOpen = false;
};

}  // namespace word::oxml
