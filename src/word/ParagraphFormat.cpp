#include "word/ParagraphFormat.h"

#include "word/AutomationError.h"
#include "word/Messages.h"
#include "word/dispatch/ObjectRef.h"

namespace word {

void ParagraphFormat::setAlignment(int Alignment)
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Set, "ParagraphFormat.Alignment", {Argument::integer(Alignment)}, [&] {
        editing::OpenDocument& document = self.liveDocument();
        if (Alignment < wdAlignParagraphLeft || Alignment > wdAlignParagraphJustify)
            throw AutomationError(messages::ValueOutOfRange());
        document.selection().setAlignment(model::Alignment(Alignment));
    });
}

void ParagraphFormat::setPageBreakBefore(bool PageBreakBefore)
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Set, "ParagraphFormat.PageBreakBefore", {Argument::boolean(PageBreakBefore)},
             [&] { self.liveDocument().selection().setPageBreakBefore(PageBreakBefore); });
}

}  // namespace word
