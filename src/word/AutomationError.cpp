#include "word/AutomationError.h"

namespace word {

AutomationError::AutomationError(const QString& description)
    : std::runtime_error(description.toStdString()), m_description(description)
{
}

}  // namespace word
