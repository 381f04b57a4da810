#pragma once

#include <QPicture>
#include <QString>

namespace planner {

// Where a finished generation goes: the preview window that takes the planner
// over and the entry window it replaces on the screen. The generator calls
// these in this order, each as a step of its own:
//
//     showPicture(picture, heading)   the first call makes the preview window
//     resetEntryPointer()
//     setDocumentPath(path)           the preview owns the document from here on
//     showPreview()
//     hideEntryWindow()               only once the preview is shown
//
// Any of them may throw; the generator reports it and goes on with the next.
class PreviewHandOver {
public:
    virtual ~PreviewHandOver() = default;

    // The planner's picture, for the preview's rowsPanel, and the heading the
    // generator typed into it ("Week of" and the title), which the preview
    // names the picture after. A generation without a picture hands over an
    // empty one.
    virtual void showPicture(const QPicture& picture, const QString& heading) = 0;
    // The entry window's pointer back to the standard arrow.
    virtual void resetEntryPointer() = 0;
    // The temporary planner document the preview saves from and deletes.
    virtual void setDocumentPath(const QString& path) = 0;
    // Shows the preview window, not modal; "< Back" there returns to the entry window.
    virtual void showPreview() = 0;
    virtual void hideEntryWindow() = 0;
};

}  // namespace planner
