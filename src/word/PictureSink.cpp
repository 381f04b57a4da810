#include "word/PictureSink.h"

#include "word/AutomationError.h"
#include "word/Messages.h"

namespace word {

namespace {

void noClipboard(const QPicture&) { throw AutomationError(messages::ClipboardUnavailable()); }

}  // namespace

const PictureSink& pictureSink()
{
    static const bool noneSet = (PictureSinkSeam::setDefault(noClipboard), true);
    (void)noneSet;
    return PictureSinkSeam::current();
}

}  // namespace word
