#pragma once

#include "desktop/WindowPointer.h"
#include "preview/Viewport.h"

#include <QPicture>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>

class QGroupBox;
class QPushButton;
class QScrollBar;
class QWheelEvent;

namespace desktop {
class PictureBox;
}

namespace preview {

class PreviewCommands;

// The preview window: shows the picture of a finished planner in the viewport
// (zoom, scroll bars, drag-to-pan), saves the temporary planner document as a
// file of the user's choosing, goes back to the entry window, or ends the
// program when closed. Printing, PDF export and picture copies of the
// planner are PreviewCommands, reached by shortcuts and the picture's
// context menu.
//
// Hand-over from the planner generator, in this order:
//
//     preview.setPicture(picture);                 // the picture goes to shownPicture
//     preview.temporaryDocument = temporaryDocumentPath;   // the window owns the file from here on
//     preview.setEntryWindow(&entryWindow);        // once is enough
//     preview.show();                              // not modal
//     entryWindow.hide();
//
// The window never reads a picture file. The first activation sets the
// viewport up for the picture (zoom 1.0); a picture assigned after that (a
// later result, after "< Back") sets the viewport up for itself at once, so
// every result starts at zoom 1.0 with its own full-size copy and ranges.
//
// Wheel and keys, as in a picture viewer, all through the scroll bars and the
// zoom buttons' handlers: the wheel scrolls up and down (Shift+wheel left and
// right, touchpad pixel deltas pixel by pixel), Ctrl+wheel zooms one step a
// notch, Ctrl+= or Ctrl++ zooms in and Ctrl+- out, the arrow keys and Page
// Up/Down scroll, Ctrl+S saves as the Save button does.
//
// Geometry: the layout is given in twips and shown at 15 twips per pixel;
// the viewport model (Viewport) holds the twips and this window applies them.
// The window lives until the program ends; "< Back" only hides it.
class PreviewWindow : public QWidget, private ViewportHost {
    Q_OBJECT
public:
    // Builds the controls and runs the load step (load).
    explicit PreviewWindow(QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // Assigns the vector picture to shownPicture (a null picture assigns none).
    // Its bounding rectangle is its size in pixels at 96 dpi.
    void setPicture(const QPicture& picture);

    // The planner's heading ("Week of ..."), the accessible name of the
    // picture; empty names it "Planner".
    void setPlannerHeading(const QString& heading);

    // Full path of the temporary planner document handed over by the generator:
    // copied by Save, deleted by "< Back" and by closing.
    QString temporaryDocument;

    // The window "< Back" shows again (not owned). Without one, "< Back"
    // deletes the document but keeps this window on the screen.
    void setEntryWindow(QWidget* entry) { m_entry = entry; }
    QWidget* entryWindow() const { return m_entry; }

    // Recomputes the zoomed size and redraws shownPicture.
    void redrawImage();
    // Sets the scroll bar (horizontalBar / verticalBar) to `percent` of its maximum;
    // outside 0 to 100 nothing happens.
    void setHorizontalBarPercent(QScrollBar* bar, int16_t percent);
    void setVerticalBarPercent(QScrollBar* bar, int16_t percent);

    // The event procedures (also reached through the controls).
    void load();
    void activate();
    void closeRequested();
    void unload();
    void zoomInClicked();  // "Zoom In"
    void zoomOutClicked();  // "Zoom Out"
    void saveClicked();  // "Save Results To Word File"
    void backClicked();  // "< Back"

    // Controls, named as in the layout.
    desktop::PictureBox* shownPicture() const { return m_shownPicture; }
    desktop::PictureBox* view() const { return m_view; }
    desktop::PictureBox* originalPicture() const { return m_originalPicture; }
    QScrollBar* horizontalBar() const { return m_horizontalBar; }
    QScrollBar* verticalBar() const { return m_verticalBar; }
    QGroupBox* buttonFrame() const { return m_buttonFrame; }
    QPushButton* zoomInButton() const { return m_zoomInButton; }
    QPushButton* zoomOutButton() const { return m_zoomOutButton; }
    QPushButton* saveButton() const { return m_saveButton; }
    QPushButton* backButton() const { return m_backButton; }

    // Print, Export as PDF and Copy Picture, with their shortcuts and the picture's context menu.
    PreviewCommands* commands() const { return m_commands; }

    const Viewport& viewport() const { return m_viewport; }
    desktop::WindowPointer& pointer() { return m_pointer; }
    bool firstActivatePending() const { return m_firstActivatePending; }

    // Twips to pixels and back, at 15 twips per pixel.
    static int toPixels(double twips);
    static QRect toPixels(double left, double top, double width, double height);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // ViewportHost
    bool runLine(const char* location, int line, const std::function<void()>& body) override;
    void clearShownPicture() override;
    void copyPictureToOriginal() override;
    void drawZoomed(int32_t zoomWidth, int32_t zoomHeight, int32_t origWidth, int32_t origHeight) override;
    void showArrowPointer() override;

    void buildControls();
    // Puts the viewport model's state on the controls.
    void applyViewport();
    void scrollBarMoved(ScrollBar& bar, int value);
    ScrollBar& modelBar(QScrollBar* bar);
    bool shownPictureMouse(QEvent* event);
    void addShortcuts();
    // Moves the picture by about `pixels` through the scroll bar, which keeps
    // bar and picture in step; what is less than one unit of the bar is kept
    // for the next move.
    void scrollBy(QScrollBar* bar, double pixels);
    // Copies temporaryDocument to `target`; an existing target is replaced only once the copy is complete.
    void copyDocument(const QString& target) const;

    bool m_firstActivatePending = false;
    Viewport m_viewport;
    desktop::WindowPointer m_pointer;
    QPointer<QWidget> m_entry;
    bool m_applying = false;
    int m_zoomNotches = 0;          // Ctrl+wheel travel not yet worth a zoom step (1/8 degree)
    double m_horizontalRest = 0;       // scrolling not yet worth a unit of horizontalBar (pixels)
    double m_verticalRest = 0;

    desktop::PictureBox* m_view = nullptr;
    desktop::PictureBox* m_shownPicture = nullptr;
    desktop::PictureBox* m_originalPicture = nullptr;
    QScrollBar* m_horizontalBar = nullptr;
    QScrollBar* m_verticalBar = nullptr;
    QGroupBox* m_buttonFrame = nullptr;
    QPushButton* m_zoomInButton = nullptr;
    QPushButton* m_zoomOutButton = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_backButton = nullptr;
    PreviewCommands* m_commands = nullptr;
};

}  // namespace preview
