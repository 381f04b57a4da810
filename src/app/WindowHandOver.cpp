#include "WindowHandOver.h"

#include "entry/EntryWindow.h"
#include "preview/PreviewWindow.h"

namespace app {

WindowHandOver::WindowHandOver(entry::EntryWindow& entryWindow) : m_entryWindow(entryWindow) {}

WindowHandOver::~WindowHandOver() = default;

preview::PreviewWindow& WindowHandOver::preview()
{
    if (!m_previewWindow)
        m_previewWindow = std::make_unique<preview::PreviewWindow>();
    return *m_previewWindow;
}

void WindowHandOver::showPicture(const QPicture& picture, const QString& heading)
{
    preview().setPicture(picture);
    preview().setPlannerHeading(heading);
}

void WindowHandOver::resetEntryPointer() { m_entryWindow.pointer().setShape(desktop::WindowPointer::Shape::Arrow); }

void WindowHandOver::setDocumentPath(const QString& path) { preview().temporaryDocument = path; }

void WindowHandOver::showPreview()
{
    preview::PreviewWindow& previewWindow = preview();
    previewWindow.setEntryWindow(&m_entryWindow);
    previewWindow.show();
}

void WindowHandOver::hideEntryWindow() { m_entryWindow.hide(); }

}  // namespace app
