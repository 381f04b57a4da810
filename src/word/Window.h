#pragma once

#include "word/Handle.h"

namespace word {

class Selection;

// Document.ActiveWindow: the one window of a document.
class Window : public Handle {
public:
    Window() = default;

    word::Selection Selection() const;

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
