#include "word/engine/OpenDocument.h"

namespace word::editing {

OpenDocument::OpenDocument(model::DocumentModel document, QString path)
    : m_model(std::move(document)), m_selection(m_model), m_path(std::move(path))
{
}

}  // namespace word::editing
