#include "word/Range.h"

#include "word/AutomationError.h"
#include "word/Messages.h"
#include "word/PictureSink.h"
#include "word/dispatch/ObjectRef.h"
#include "word/render/DocumentRenderer.h"

namespace word {

void Range::CopyAsPicture()
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Method, "Range.CopyAsPicture", {}, [&] {
        editing::OpenDocument& document = self.liveDocument();
        if (self.scope != ObjectRef::Scope::WholeDocument)
            throw AutomationError(messages::EmptyRange());
        pictureSink()(pictureOfDocument(document.model()));
    });
}

}  // namespace word
