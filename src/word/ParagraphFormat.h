#pragma once

#include "word/Handle.h"

namespace word {

// Paragraph alignment as Word numbers it.
inline constexpr int wdAlignParagraphLeft = 0;
inline constexpr int wdAlignParagraphCenter = 1;
inline constexpr int wdAlignParagraphRight = 2;
inline constexpr int wdAlignParagraphJustify = 3;

// Paragraph formatting of the selection's paragraphs (Selection.ParagraphFormat).
class ParagraphFormat : public Handle {
public:
    ParagraphFormat() = default;

    void setAlignment(int Alignment);  // 0 to 3; others throw AutomationError
    // True: each of the paragraphs starts a new page when printed. Like
    // every paragraph property it passes on to the paragraph TypeParagraph
    // starts.
    void setPageBreakBefore(bool PageBreakBefore);

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
