#include "word/Window.h"

#include "word/Selection.h"
#include "word/dispatch/ObjectRef.h"

namespace word {

word::Selection Window::Selection() const
{
    return handOut<word::Selection>(Call::Kind::Get, "Window.Selection", target().with(ObjectRef::Scope::Selection),
                                    &ObjectRef::liveDocument);
}

}  // namespace word
