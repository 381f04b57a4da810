#pragma once

#include "platform/WindowPointer.h"
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

namespace platform {
class PictureBox;
}

namespace preview {

// The preview window: shows the picture of a finished planner in the viewport
// (zoom, scroll bars, drag-to-pan), saves the temporary planner document as a
// file of the user's choosing, goes back to the entry window, or ends the
// program when closed.
//
// Hand-over from the planner generator, in this order:
//
//     preview.setPicture(picture);                 // the picture goes to Picture1
//     preview.mWordFile = temporaryDocumentPath;   // the window owns the file from here on
//     preview.setEntryWindow(&form1);              // once is enough
//     preview.show();                              // not modal
//     form1.hide();
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
class Form2 : public QWidget, private ViewportHost {
    Q_OBJECT
public:
    // Builds the controls and runs the load step (Form_Load).
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    // Assigns the vector picture to Picture1 (a null picture assigns none).
    // Its bounding rectangle is its size in pixels at 96 dpi.
    void setPicture(const QPicture& picture);

    // Full path of the temporary planner document handed over by the generator:
    // copied by Save, deleted by "< Back" and by closing.
    QString mWordFile;

    // The window "< Back" shows again (not owned). Without one, "< Back"
    // deletes the document but keeps this window on the screen.
    void setEntryWindow(QWidget* entry) { m_entry = entry; }
    QWidget* entryWindow() const { return m_entry; }

    // Recomputes the zoomed size and redraws Picture1.
    void RedrawImage();
    // Sets the scroll bar (HScroll1 / VScroll1) to `percent` of its maximum;
    // outside 0 to 100 nothing happens.
    void SetHScrollbarByPercent(QScrollBar* HScrollbar, int16_t percent);
    void SetVScrollbarByPercent(QScrollBar* VScrollbar, int16_t percent);

    // The event procedures (also reached through the controls).
    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload();
    void Form_Unload();
    void PushButton1_Click();  // "Zoom In"
    void PushButton2_Click();  // "Zoom Out"
    void PushButton6_Click();  // "Save Results To Word File"
    void PushButton8_Click();  // "< Back"

    // Controls, named as in the layout.
    platform::PictureBox* Picture1() const { return m_picture1; }
    platform::PictureBox* Picture2() const { return m_picture2; }
    platform::PictureBox* Zoom_Ori() const { return m_zoomOri; }
    QScrollBar* HScroll1() const { return m_hScroll; }
    QScrollBar* VScroll1() const { return m_vScroll; }
    QGroupBox* Frame1() const { return m_frame1; }
    QPushButton* PushButton1() const { return m_pushButton1; }
    QPushButton* PushButton2() const { return m_pushButton2; }
    QPushButton* PushButton6() const { return m_pushButton6; }
    QPushButton* PushButton8() const { return m_pushButton8; }

    const Viewport& viewport() const { return m_viewport; }
    platform::WindowPointer& pointer() { return m_pointer; }
    bool firstActivatePending() const { return mFirstActivate; }

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
    void clearPicture1() override;
    void copyPictureToZoomOri() override;
    void drawZoomed(int32_t zoomWidth, int32_t zoomHeight, int32_t origWidth, int32_t origHeight) override;
    void showArrowPointer() override;

    void buildControls();
    // Puts the viewport model's state on the controls.
    void applyViewport();
    void scrollBarMoved(ScrollBar& bar, int value);
    ScrollBar& modelBar(QScrollBar* bar);
    bool picture1Mouse(QEvent* event);
    void addShortcuts();
    // Moves the picture by about `pixels` through the scroll bar, which keeps
    // bar and picture in step; what is less than one unit of the bar is kept
    // for the next move.
    void scrollBy(QScrollBar* bar, double pixels);
    // Copies mWordFile to `target`; an existing target is replaced only once the copy is complete.
    void copyDocument(const QString& target) const;

    bool mFirstActivate = false;
    Viewport m_viewport;
    platform::WindowPointer m_pointer;
    QPointer<QWidget> m_entry;
    bool m_applying = false;
    int m_zoomNotches = 0;          // Ctrl+wheel travel not yet worth a zoom step (1/8 degree)
    double m_hScrollRest = 0;       // scrolling not yet worth a unit of HScroll1 (pixels)
    double m_vScrollRest = 0;

    platform::PictureBox* m_picture2 = nullptr;
    platform::PictureBox* m_picture1 = nullptr;
    platform::PictureBox* m_zoomOri = nullptr;
    QScrollBar* m_hScroll = nullptr;
    QScrollBar* m_vScroll = nullptr;
    QGroupBox* m_frame1 = nullptr;
    QPushButton* m_pushButton1 = nullptr;
    QPushButton* m_pushButton2 = nullptr;
    QPushButton* m_pushButton6 = nullptr;
    QPushButton* m_pushButton8 = nullptr;
};

}  // namespace preview
