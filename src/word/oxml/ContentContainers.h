#pragma once

#include "word/oxml/XmlReader.h"

// The elements that wrap content without being content of their own, read
// through the same way wherever they stand (in the body, a paragraph, a run,
// a table or a row). Each reads from the wrapper the reader stands on to its
// end; `readContent` reads the children of the element that holds the content.
namespace word::oxml {

// w:sdt: its w:sdtContent holds the content; properties are passed over.
template <typename ReadContent>
void readContentControl(XmlReader& xml, ReadContent readContent)
{
    while (xml.nextChild()) {
        if (xml.isW("sdtContent"))
            readContent();
        else
            xml.skip();
    }
}

inline bool isAlternateContent(const XmlReader& xml)
{
    return xml.isIn(readns::MarkupCompatibility, "AlternateContent");
}

// mc:AlternateContent: the fallback is what a reader that knows none of the
// choices' extensions shows.
template <typename ReadContent>
void readAlternateContent(XmlReader& xml, ReadContent readContent)
{
    while (xml.nextChild()) {
        if (xml.isIn(readns::MarkupCompatibility, "Fallback"))
            readContent();
        else
            xml.skip();
    }
}

}  // namespace word::oxml
