#pragma once

#include "word/oxml/PartLimits.h"

#include <QtGlobal>

namespace word::oxml {

// What the body of a document part has held so far, counted as it is read,
// so that a part beyond a limit of PartLimits.h is refused (DocumentError,
// "too large") as soon as it passes it, before all of it is in memory.
// Each add...() counts one more and throws once the count is over its limit.
// Counting is inline: it happens for every run and every piece of text.
class BodyCounts {
public:
    void addParagraph()  // body and cells alike
    {
        countOne(m_paragraphs, limits::MaxParagraphs, QT_TRANSLATE_NOOP("word::oxml::BodyCounts", "paragraphs"));
    }
    void addRun()  // w:r elements as read, before merging
    {
        countOne(m_runs, limits::MaxRuns, QT_TRANSLATE_NOOP("word::oxml::BodyCounts", "runs of text"));
    }
    void addTable()  // nested tables too
    {
        countOne(m_tables, limits::MaxTables, QT_TRANSLATE_NOOP("word::oxml::BodyCounts", "tables"));
    }
    void addCell() { countOne(m_cells, limits::MaxCells, QT_TRANSLATE_NOOP("word::oxml::BodyCounts", "table cells")); }
    void addText(qsizetype characters)  // UTF-16 units
    {
        m_characters += characters;
        if (m_characters > limits::MaxTextCharacters)
            tooMuchText();
    }

private:
    static void countOne(int& count, int limit, const char* what)
    {
        if (++count > limit)
            tooMany(limit, what);
    }
    // `what` is marked with QT_TRANSLATE_NOOP("word::oxml::BodyCounts", ...)
    // and translated when the report is made.
    [[noreturn]] static void tooMany(int limit, const char* what);
    [[noreturn]] static void tooMuchText();

    int m_paragraphs = 0;
    int m_runs = 0;
    int m_tables = 0;
    int m_cells = 0;
    qint64 m_characters = 0;
};

}  // namespace word::oxml
