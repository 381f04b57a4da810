#include "word/PictureSink.h"

#include "word/AutomationError.h"
#include "word/Messages.h"

#include <QClipboard>
#include <QGuiApplication>

namespace word {

namespace {

void toSystemClipboard(const QImage& image)
{
    QClipboard* clipboard = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
    if (!clipboard)
        throw AutomationError(messages::ClipboardUnavailable);
    clipboard->setImage(image);
}

PictureSink& current()
{
    static PictureSink sink = toSystemClipboard;
    return sink;
}

}  // namespace

void setPictureSink(PictureSink sink)
{
    current() = sink ? std::move(sink) : PictureSink(toSystemClipboard);
}

const PictureSink& pictureSink()
{
    return current();
}

}  // namespace word
