#pragma once

#include "word/engine/OpenDocument.h"

#include <memory>
#include <vector>

namespace word {

// One running Word: its open documents, the active one last opened or added.
// Instances the program creates count as live from creation until quit(); the
// user's own Word (a test's stand-in) does not count.
class WordInstance {
public:
    enum class Origin { Created, UsersOwn };

    explicit WordInstance(Origin origin = Origin::Created);
    ~WordInstance();
    WordInstance(const WordInstance&) = delete;
    WordInstance& operator=(const WordInstance&) = delete;

    bool hasQuit() const { return m_quit; }
    // Ends the instance: its documents close unsaved.
    void quit();

    bool displayAlerts() const { return m_displayAlerts; }
    void setDisplayAlerts(bool on) { m_displayAlerts = on; }

    std::shared_ptr<editing::OpenDocument> add(model::DocumentModel document, const QString& path = {});
    std::shared_ptr<editing::OpenDocument> activeDocument() const;  // nullptr when none is open
    void close(const std::shared_ptr<editing::OpenDocument>& document);

    // Created instances not quit yet, in the whole process.
    static int liveCount();

private:
    Origin m_origin;
    bool m_quit = false;
    bool m_displayAlerts = true;
    std::vector<std::shared_ptr<editing::OpenDocument>> m_documents;
};

}  // namespace word
