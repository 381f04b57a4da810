#pragma once

#include "word/model/PageSetup.h"
#include "word/model/Paragraph.h"
#include "word/model/Table.h"

#include <variant>
#include <vector>

namespace word::model {

// One item of a document's body: a paragraph or a table.
using Block = std::variant<Paragraph, Table>;

// Spacing of paragraphs as a new Word document has it: outside tables 8 pt
// after each paragraph and lines of 1.08 (259/240); inside a "Table Grid"
// table no spacing and single lines.
struct ParagraphSpacing {
    int afterTwips = 160;
    int line240ths = 259;
    bool operator==(const ParagraphSpacing&) const = default;
};

// What the document engine knows of a document: its body, top to bottom, and
// its page. The body is never empty and never ends with a table (a paragraph
// always follows a table, as Word keeps it). Plain data: the engine edits it,
// the package writer and reader translate it, the renderer draws it.
struct DocumentModel {
    std::vector<Block> body{Paragraph{}};
    PageSetup page = PageSetup::forLocale();
    ParagraphSpacing bodySpacing;                       // paragraphs outside tables
    ParagraphSpacing tableSpacing{0, 240};              // paragraphs in "Table Grid" tables

    // A new blank document, as Documents.Add makes it.
    static DocumentModel blank();

    int tableCount() const;
    Table* table(int ordinal);                // 0-based in document order, nullptr if none
    const Table* table(int ordinal) const;
    int blockOfTable(int ordinal) const;      // its index in body, -1 if none

    bool operator==(const DocumentModel&) const = default;
};

}  // namespace word::model
