#include "word/oxml/BodyCounts.h"

#include "word/model/DocumentError.h"
#include "word/oxml/PartLimits.h"

namespace word::oxml {

void BodyCounts::addParagraph()
{
    if (++m_paragraphs > limits::MaxParagraphs)
        throw DocumentError::tooLarge(QStringLiteral("it has more than %1 paragraphs").arg(limits::MaxParagraphs));
}

void BodyCounts::addRun()
{
    if (++m_runs > limits::MaxRuns)
        throw DocumentError::tooLarge(QStringLiteral("it has more than %1 runs of text").arg(limits::MaxRuns));
}

void BodyCounts::addTable()
{
    if (++m_tables > limits::MaxTables)
        throw DocumentError::tooLarge(QStringLiteral("it has more than %1 tables").arg(limits::MaxTables));
}

void BodyCounts::addCell()
{
    if (++m_cells > limits::MaxCells)
        throw DocumentError::tooLarge(QStringLiteral("it has more than %1 table cells").arg(limits::MaxCells));
}

void BodyCounts::addText(qsizetype characters)
{
    m_characters += characters;
    if (m_characters > limits::MaxTextCharacters)
        throw DocumentError::tooLarge(QStringLiteral("it holds more than %1 characters of text").arg(limits::MaxTextCharacters));
}

}  // namespace word::oxml
