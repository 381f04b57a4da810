#pragma once

#include "word/Handle.h"

#include <QString>

namespace word {

class Document;

// Application.Documents: the documents open in an instance.
class Documents : public Handle {
public:
    Documents() = default;

    // A new blank document; it becomes the active document.
    Document Add();
    // Opens a WordprocessingML package (whatever its extension); it becomes
    // the active document. Throws AutomationError when the file cannot be read.
    Document Open(const QString& FileName);

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
