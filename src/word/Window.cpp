#include "word/Window.h"

#include "word/Selection.h"
#include "word/dispatch/ObjectRef.h"

namespace word {

word::Selection Window::Selection() const
{
    const ObjectRef& self = target();
    dispatch(Call::Kind::Get, "Window.Selection", {}, [&] { self.liveDocument(); });
    return ObjectRef::make<word::Selection>(self.with(ObjectRef::Scope::Selection));
}

}  // namespace word
