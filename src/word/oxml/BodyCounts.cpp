#include "word/oxml/BodyCounts.h"

#include "word/model/DocumentError.h"
#include "word/oxml/PartLimits.h"

namespace word::oxml {

namespace {

// One more of `what`; throws once there are more than `limit`.
void countOne(int& count, int limit, const char* what)
{
    if (++count > limit)
        throw DocumentError::tooLarge(QStringLiteral("it has more than %1 %2").arg(limit).arg(QLatin1String(what)));
}

}  // namespace

void BodyCounts::addParagraph()
{
    countOne(m_paragraphs, limits::MaxParagraphs, "paragraphs");
}

void BodyCounts::addRun()
{
    countOne(m_runs, limits::MaxRuns, "runs of text");
}

void BodyCounts::addTable()
{
    countOne(m_tables, limits::MaxTables, "tables");
}

void BodyCounts::addCell()
{
    countOne(m_cells, limits::MaxCells, "table cells");
}

void BodyCounts::addText(qsizetype characters)
{
    m_characters += characters;
    if (m_characters > limits::MaxTextCharacters)
        throw DocumentError::tooLarge(QStringLiteral("it holds more than %1 characters of text").arg(limits::MaxTextCharacters));
}

}  // namespace word::oxml
