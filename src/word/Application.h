#pragma once

#include "word/Handle.h"

#include <QString>

namespace word {

class Documents;
class Document;

// An instance of class "Word.Application". It runs unseen until Quit(); a
// handle's release does not end it.
class Application : public Handle {
public:
    Application() = default;  // Nothing

    // CreateObject("Word.Application") through the process-wide engine: a new
    // instance. Throws AutomationError when none can be created.
    static Application CreateObject();
    // GetObject(, "Word.Application"): attaches to a running instance.
    // Throws AutomationError when none runs.
    static Application GetObject();

    // The default member (dispatch id 0): "Microsoft Word".
    QString DefaultMember() const;
    void Quit();
    // Quit with SaveChanges 0 (wdDoNotSaveChanges): documents still open
    // close unsaved, and no Word asks about them.
    void Quit(int SaveChanges);
    void setDisplayAlerts(bool DisplayAlerts);
    word::Documents Documents() const;
    word::Document ActiveDocument() const;  // throws when no document is open

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
