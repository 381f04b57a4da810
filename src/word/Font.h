#pragma once

#include "word/Handle.h"

#include <QString>

namespace word {

// Character formatting of a selection (Selection.Font).
class Font : public Handle {
public:
    Font() = default;

    void setBold(bool Bold);
    void setName(const QString& Name);
    // Points, 1 to 1638 in steps of 0.5; other values throw AutomationError.
    void setSize(double Size);

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
