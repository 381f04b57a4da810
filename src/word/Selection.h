#pragma once

#include "word/Handle.h"

#include <QString>

namespace word {

class Cells;
class Font;
class ParagraphFormat;
class Range;

// Units and movement types of MoveRight, as Word numbers them.
inline constexpr int wdCharacter = 1;
inline constexpr int wdCell = 12;
inline constexpr int wdMove = 0;
inline constexpr int wdExtend = 1;
// Unit of EndKey: the whole document.
inline constexpr int wdStory = 6;

// Document.ActiveWindow.Selection: the insertion point, or a stretch of
// cells, where typing and formatting happen.
class Selection : public Handle {
public:
    Selection() = default;

    // Types Text at the insertion point (replacing a selected cell's content).
    void TypeText(const QString& Text);
    // The Enter key: a new paragraph after the insertion point, with the same
    // paragraph and character formatting.
    void TypeParagraph();
    // Unit wdCell: count cells on, from a row's last cell to the next row's
    // first; the cell's content ends up selected. From the table's last cell
    // the selection stays. Extend must be wdMove.
    // Unit wdCharacter with Extend wdExtend in a table: count 2 from a cell
    // covers it and the next cell. Returns how far it moved.
    int MoveRight(int Unit, int count, int Extend = wdMove);
    // Unit wdStory (the only one): the insertion point to the end of the
    // document (Ctrl+End), after the last table; other units throw
    // AutomationError ("Bad parameter").
    void EndKey(int Unit);
    word::Cells Cells() const;
    // Formatting of the selection, and of what is typed next at an insertion point.
    word::Font Font() const;
    word::ParagraphFormat ParagraphFormat() const;
    // The insertion point as a range.
    word::Range Range() const;

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
