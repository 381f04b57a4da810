#include "word/Handle.h"

#include "word/AutomationError.h"
#include "word/Messages.h"

namespace word {

const ObjectRef& Handle::target() const
{
    if (!m_ref)
        throw AutomationError(messages::ObjectNotSet());
    return *m_ref;
}

}  // namespace word
