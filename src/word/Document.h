#pragma once

#include "word/Handle.h"

#include <QString>

namespace word {

class Window;
class Tables;
class Range;

// A document open in an instance.
class Document : public Handle {
public:
    Document() = default;

    word::Window ActiveWindow() const;
    word::Tables Tables() const;
    // The whole document's content.
    word::Range Range() const;
    // Writes the document as a WordprocessingML package (.docx format,
    // whatever the extension) to FileName, completely or not at all. A link at
    // FileName is replaced, never followed. Throws AutomationError.
    void SaveAs(const QString& FileName);
    void Close();
    // SaveChanges 0 (wdDoNotSaveChanges) closes without saving. The document is
    // never saved on close by this engine: it has no file of its own to save to
    // unless SaveAs was called, and the program only closes saved or read-only work.
    void Close(int SaveChanges);

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
