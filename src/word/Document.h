#pragma once

#include "word/Handle.h"

#include <QString>

namespace word {

class Window;
class Tables;
class Range;
class PageSetup;

// A document open in an instance.
class Document : public Handle {
public:
    Document() = default;

    word::Window ActiveWindow() const;
    word::Tables Tables() const;
    // The whole document's content.
    word::Range Range() const;
    // The paper of the document.
    word::PageSetup PageSetup() const;
    // Writes the document as a WordprocessingML package (.docx format,
    // whatever the extension) to FileName, completely or not at all. A link at
    // FileName stays, and the file it leads to is replaced. Throws AutomationError.
    void SaveAs(const QString& FileName);
    // Closes without saving: an unseen Word has nobody to ask whether to save.
    void Close();
    // SaveChanges 0 (wdDoNotSaveChanges) and -2 (wdPromptToSaveChanges) close
    // without saving; -1 (wdSaveChanges) saves to the file the document was
    // opened from or saved as first (and fails, leaving it open, when it has
    // none). Other values throw AutomationError ("Bad parameter").
    void Close(int SaveChanges);

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
