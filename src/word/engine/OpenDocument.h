#pragma once

#include "word/engine/EditSelection.h"
#include "word/model/DocumentModel.h"

#include <QString>

namespace word::editing {

// A document open in an instance: its content, the selection of its window,
// and the file it was opened from or last saved to (empty for a new one).
class OpenDocument {
public:
    explicit OpenDocument(model::DocumentModel document, QString path = {});
    OpenDocument(const OpenDocument&) = delete;
    OpenDocument& operator=(const OpenDocument&) = delete;

    model::DocumentModel& model() { return m_model; }
    const model::DocumentModel& model() const { return m_model; }
    EditSelection& selection() { return m_selection; }

    const QString& path() const { return m_path; }
    void setPath(const QString& path) { m_path = path; }

    bool isClosed() const { return m_closed; }
    void markClosed() { m_closed = true; }

private:
    model::DocumentModel m_model;
    EditSelection m_selection;
    QString m_path;
    bool m_closed = false;
};

}  // namespace word::editing
