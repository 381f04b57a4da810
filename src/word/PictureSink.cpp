#include "word/PictureSink.h"

#include "word/AutomationError.h"
#include "word/Messages.h"

namespace word {

namespace {

void noClipboard(const QPicture&) { throw AutomationError(messages::ClipboardUnavailable); }

PictureSink& current()
{
    static PictureSink sink = noClipboard;
    return sink;
}

}  // namespace

void setPictureSink(PictureSink sink)
{
    current() = sink ? std::move(sink) : PictureSink(noClipboard);
}

const PictureSink& pictureSink()
{
    return current();
}

}  // namespace word
