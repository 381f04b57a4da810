#pragma once

#include "planner/PreviewHandOver.h"

#include <memory>

namespace entry {
class EntryWindow;
}
namespace preview {
class PreviewWindow;
}

namespace app {

// The generator's hand-over to the program's two windows: the planner, its
// heading and its document go to the preview window, which is made, with
// its load step, on the first hand-over and kept ("< Back" only hides it)
// until this goes; the entry window steps aside once the preview shows.
//
// Owns the preview window; the entry window is not owned and must outlive it.
class WindowHandOver final : public planner::PreviewHandOver {
public:
    explicit WindowHandOver(entry::EntryWindow& entryWindow);
    ~WindowHandOver() override;

    WindowHandOver(const WindowHandOver&) = delete;
    WindowHandOver& operator=(const WindowHandOver&) = delete;

    // Null until the first planner was handed over.
    preview::PreviewWindow* previewWindow() const { return m_previewWindow.get(); }

    void showPicture(const QPicture& picture, const QString& heading) override;
    void resetEntryPointer() override;
    void setDocumentPath(const QString& path) override;
    void showPreview() override;
    void hideEntryWindow() override;

private:
    preview::PreviewWindow& preview();

    entry::EntryWindow& m_entryWindow;
    std::unique_ptr<preview::PreviewWindow> m_previewWindow;
};

}  // namespace app
