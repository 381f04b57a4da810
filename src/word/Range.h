#pragma once

#include "word/Handle.h"

namespace word {

// A stretch of a document: the whole content (Document.Range) or the
// selection's place (Selection.Range), as it stands when the Range is taken.
class Range : public Handle {
public:
    Range() = default;

    // Renders the range's document content at 96 dpi and puts the picture on
    // the clipboard (see PictureSinkSeam). Throws AutomationError.
    void CopyAsPicture();

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
