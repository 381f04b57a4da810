#pragma once

#include "word/model/CharacterFormat.h"
#include "word/model/Run.h"

#include <QString>

#include <vector>

namespace word::model {

// Paragraph alignment, numbered as Word's WdParagraphAlignment.
enum class Alignment { Left = 0, Center = 1, Right = 2, Justify = 3 };

// A paragraph: runs of text and the paragraph mark that ends it. The mark
// has character formatting of its own: it is what text typed into an empty
// paragraph takes. Adjacent runs of equal formatting are kept merged and
// empty runs are dropped (normalize()), so that equal documents compare equal.
struct Paragraph {
    std::vector<Run> runs;
    Alignment alignment = Alignment::Left;
    // The paragraph starts a new page (Word's "Page break before").
    bool pageBreakBefore = false;
    CharacterFormat markFormat;

    QString text() const;          // all runs' text
    int length() const;            // characters (UTF-16 units), mark excluded
    bool isEmpty() const { return length() == 0; }
    void normalize();

    bool operator==(const Paragraph&) const = default;
};

}  // namespace word::model
