#pragma once

#include "word/Handle.h"

namespace word {

class Cells;

// One grid column of a table (Table.Columns(i)).
class Column : public Handle {
public:
    Column() = default;

    void setWidth(double Width);  // points
    word::Cells Cells() const;

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
