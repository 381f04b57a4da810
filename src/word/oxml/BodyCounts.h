#pragma once

#include <QtGlobal>

namespace word::oxml {

// What the body of a document part has held so far, counted as it is read,
// so that a part beyond a limit of PartLimits.h is refused (DocumentError,
// "too large") as soon as it passes it, before all of it is in memory.
// Each add...() counts one more and throws once the count is over its limit.
class BodyCounts {
public:
    void addParagraph();  // in the body and in cells alike
    void addRun();        // w:r elements as read, before runs are merged
    void addTable();      // nested tables too
    void addCell();
    void addText(qsizetype characters);  // UTF-16 units

private:
    int m_paragraphs = 0;
    int m_runs = 0;
    int m_tables = 0;
    int m_cells = 0;
    qint64 m_characters = 0;
};

}  // namespace word::oxml
