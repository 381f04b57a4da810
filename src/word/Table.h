#pragma once

#include "word/Handle.h"

#include <QString>

namespace word {

class Column;

// A table of a document.
class Table : public Handle {
public:
    Table() = default;

    word::Column Columns(int Index) const;  // 1-based
    QString Style() const;                  // the style's name, e.g. "Table Grid"
    void setStyle(const QString& Style);    // throws when no such style exists
    void setApplyStyleHeadingRows(bool ApplyStyleHeadingRows);
    void setApplyStyleLastRow(bool ApplyStyleLastRow);
    void setApplyStyleFirstColumn(bool ApplyStyleFirstColumn);
    void setApplyStyleLastColumn(bool ApplyStyleLastColumn);

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
