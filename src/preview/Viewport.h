#pragma once

#include "platform/Twips.h"

#include <cstdint>
#include <functional>
#include <optional>

// The preview window's viewport, without any window toolkit: a fixed frame
// (view) through which a movable picture area (shownPicture) is seen, a hidden
// full-size copy of the picture (originalPicture) every zoom level is redrawn from,
// two scroll bars that move shownPicture in fixed steps, and drag-to-pan.
//
// Units: every length here is in twips (1440 per inch). The window shows
// 15 twips per pixel and converts at its edge; mouse positions come in as
// twips too.
//
// Outer and inner sizes: each picture area has a border of one pixel
// (BorderTwips = 15 twips) on every side. Its outer size includes the border,
// its inner size is what lies inside it (outer - 2 * BorderTwips). The pan
// offset (shownPicture's left and top) is the position of shownPicture's outer edge
// relative to the inside of view: 0 shows the top-left corner of the
// picture, panning makes it negative.
//
// The model holds all viewport state; the window (PreviewWindow) is a thin view that
// applies it after every operation: shownPicture's and originalPicture's geometry, each
// scroll bar's range, value and enabled state. What only the window can do
// (drawing, the pointer, reporting a failure) goes through ViewportHost.

namespace preview {

inline constexpr int TwipsPerPixel = platform::TwipsPerPixel;
inline constexpr int32_t BorderTwips = 15;

inline constexpr float MinZoom = 0.25f;
inline constexpr float MaxZoom = 4.0f;
inline constexpr float ZoomStep = 0.25f;

// A zoomed picture is drawn only while both zoomed sizes stay below these.
// The width once had a limit of 9500 twips, which refused every zoom-in of the
// planner's picture (its table alone is 9600 twips wide); it now shares the
// height's limit.
inline constexpr int32_t MaxZoomWidth = 111000;
inline constexpr int32_t MaxZoomHeight = 111000;

// A picture overflowing the viewport by up to this many twips scrolls one twip
// per scroll unit; beyond it, CoarseScrollStep twips per unit.
inline constexpr float FineScrollLimit = 100.0f;
inline constexpr int16_t CoarseScrollStep = 10;

// Location literals of the common error report for the viewport's procedures.
namespace location {
inline constexpr const char* FormActivate = "in Dorvane2021/08/31.Form2.Form_Activate ";
inline constexpr const char* redrawImage = "in Dorvane2021/08/31.Form2.RedrawImage ";
inline constexpr const char* ZoomIn = "in Dorvane2021/08/31.Form2.PushButton1_Click ";
inline constexpr const char* ZoomOut = "in Dorvane2021/08/31.Form2.PushButton2_Click ";
inline constexpr const char* MouseDown = "in Dorvane2021/08/31.Form2.picture1_MouseDown ";
inline constexpr const char* MouseMove = "in Dorvane2021/08/31.Form2.picture1_MouseMove ";
inline constexpr const char* MouseUp = "in Dorvane2021/08/31.Form2.Picture1_MouseUp ";
}  // namespace location

// Rounds to the nearest whole number, halves to the even neighbour (12.5 -> 12, 13.5 -> 14).
double roundHalfEven(double value);
// roundHalfEven into a 16-bit value; throws std::overflow_error("Overflow") when it does not fit.
int16_t toInt16(double value);
// roundHalfEven into a 32-bit value; throws std::overflow_error("Overflow") when it does not fit.
int32_t toInt32(double value);

struct Size {
    int32_t width = 0;
    int32_t height = 0;
};

// One picture area: position in its container and outer size, in twips.
struct Area {
    float left = 0;
    float top = 0;
    int32_t outerWidth = 0;
    int32_t outerHeight = 0;
    bool visible = true;
    bool persistent = false;  // keeps its drawing between repaints
    bool autoSize = false;    // takes the size of a picture assigned to it
    int penMode = 13;         // 13 copy pen, 6 invert
    uint32_t backColor = 0xFFFFFF;  // red + 256 * green + 65536 * blue

    int32_t innerWidth() const { return outerWidth - 2 * BorderTwips; }
    int32_t innerHeight() const { return outerHeight - 2 * BorderTwips; }
};

// A scroll bar's state: minimum 0, small and large change 1, 16-bit values.
// Every change of the value, by the user or the program, runs the bar's change
// handler; setting the value it already has runs nothing.
class ScrollBar {
public:
    static constexpr int16_t InitialMax = 32767;

    explicit ScrollBar(std::function<void()> change) : m_change(std::move(change)) {}

    int16_t min() const { return 0; }
    int16_t max() const { return m_max; }
    int16_t value() const { return m_value; }
    int16_t smallChange() const { return 1; }
    int16_t largeChange() const { return 1; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool on) { m_enabled = on; }

    // A value above the new maximum moves down to it, which is a change.
    // Throws std::out_of_range for a negative maximum.
    void setMax(int16_t max);
    // Throws std::out_of_range("Invalid property value") outside min..max.
    void setValue(int16_t value);

private:
    std::function<void()> m_change;
    int16_t m_max = InitialMax;
    int16_t m_value = 0;
    bool m_enabled = true;
};

// What the viewport needs from its window.
class ViewportHost {
public:
    virtual ~ViewportHost() = default;
    // Runs one numbered line of the guarded procedure named by `location`.
    // A failing line is shown in the common error report and false returned;
    // the procedure then goes on with its next line.
    virtual bool runLine(const char* location, int line, const std::function<void()>& body) = 0;
    // Removes the picture assigned to shownPicture, so it holds only what is drawn on it.
    virtual void clearShownPicture() = 0;
    // Makes shownPicture's picture originalPicture's picture (the full-size copy).
    virtual void copyPictureToOriginal() = 0;
    // Draws originalPicture's picture into shownPicture (whose geometry is already the
    // model's): source 0, 0, origWidth x origHeight; destination 0, 0,
    // zoomWidth x zoomHeight; plain copy, scaled to fit. Twips.
    virtual void drawZoomed(int32_t zoomWidth, int32_t zoomHeight, int32_t origWidth, int32_t origHeight) = 0;
    // The window's pointer becomes the standard arrow.
    virtual void showArrowPointer() = 0;
};

class Viewport {
public:
    // Picture areas as the window lays them out (twips): view relative to
    // the window, shownPicture relative to the inside of view, originalPicture
    // relative to the window (outside its client area).
    explicit Viewport(ViewportHost& host);

    Viewport(const Viewport&) = delete;
    Viewport& operator=(const Viewport&) = delete;

    // A picture of `size` twips (pixels * 15) assigned to shownPicture, or none. With auto-size on, shownPicture's outer size becomes the picture's
    // size plus the border.
    void assignPicture(std::optional<Size> size);
    bool hasAssignedPicture() const { return m_assignedPicture.has_value(); }

    // First-display set-up: lines 104 to 136 of the window's activation,
    // reported with location::FormActivate. Also run for every later result.
    void firstDisplay();

    // Recomputes the zoomed size from zoom and redraws shownPicture (own error report).
    // After a redraw that draws, both scroll bars' ranges and steps are set for
    // the zoomed picture as at first display, so that they reach all of it.
    void redrawImage();

    // The zoom buttons: stepZoom(0) for Zoom In, stepZoom(1) for Zoom Out, line 100.
    void zoomInClicked();
    void zoomOutClicked();

    // zoomOut 0: zoom + 0.25, otherwise zoom - 0.25 (32-bit float), then setZoom.
    void stepZoom(int32_t zoomOut);
    // Takes `factor` and redraws when 0.25 <= factor <= 4.0; otherwise nothing.
    void setZoom(float factor);
    // Pan offset back to 0, 0, then both bars' range and step from the outer sizes.
    void setupScrollBars();

    // Change handlers: the pan offset follows the bar, offset = -(step * value),
    // the product taken in 32 bits so that long bars do not overflow.
    void horizontalBarChanged();
    void verticalBarChanged();

    // Sets the bar to `percent` of its maximum (halves to even); a percentage
    // below 0 or above 100 changes nothing.
    void setHorizontalBarPercent(ScrollBar& bar, int16_t percent);
    void setVerticalBarPercent(ScrollBar& bar, int16_t percent);

    // Mouse on shownPicture. button: 1 left, 2 right, 4 middle, 0 none held.
    // x, y: pointer position in twips relative to shownPicture's outer edge.
    void mouseDown(int16_t button, int16_t modifiers, float x, float y);
    void mouseMove(int16_t button, int16_t modifiers, float x, float y);
    // Sets both bars from the dragged offset as a percentage. A percentage that
    // has no value (equal outer sizes) or lies outside 0 to 100 (a picture
    // smaller than the viewport, a drag to the inner-edge limit) leaves that
    // bar as it is and reports nothing.
    void mouseUp(int16_t button, int16_t modifiers, float x, float y);

    // State, for the window to apply and for tests.
    Area& shownPicture() { return m_shownPicture; }
    const Area& shownPicture() const { return m_shownPicture; }
    Area& view() { return m_view; }
    const Area& view() const { return m_view; }
    Area& originalPicture() { return m_originalPicture; }
    const Area& originalPicture() const { return m_originalPicture; }
    ScrollBar& horizontalBar() { return m_horizontalBar; }
    const ScrollBar& horizontalBar() const { return m_horizontalBar; }
    ScrollBar& verticalBar() { return m_verticalBar; }
    const ScrollBar& verticalBar() const { return m_verticalBar; }

    float zoom() const { return m_zoom; }
    int32_t originalWidth() const { return m_origWidth; }
    int32_t originalHeight() const { return m_origHeight; }
    int32_t zoomedWidth() const { return m_zoomWidth; }
    int32_t zoomedHeight() const { return m_zoomHeight; }
    int16_t horizontalStep() const { return m_hScrollStep; }
    int16_t verticalStep() const { return m_vScrollStep; }
    float dragStartX() const { return m_dragStartX; }
    float dragStartY() const { return m_dragStartY; }

private:
    bool line(const char* location, int number, const std::function<void()>& body);
    void readOriginalSize(const char* location, int widthLine, int heightLine);
    void setupScrollRanges();
    void setupBar(ScrollBar& bar, int16_t& step, int32_t pictureOuter, int32_t viewportOuter);
    void setByPercent(ScrollBar& bar, int16_t percent);

    ViewportHost& m_host;
    Area m_view;
    Area m_shownPicture;
    Area m_originalPicture;
    std::optional<Size> m_assignedPicture;
    ScrollBar m_horizontalBar;
    ScrollBar m_verticalBar;

    float m_zoom = 1.0f;
    int32_t m_origWidth = 0;
    int32_t m_origHeight = 0;
    int32_t m_zoomWidth = 0;
    int32_t m_zoomHeight = 0;
    int16_t m_hScrollStep = 0;
    int16_t m_vScrollStep = 0;
    float m_dragStartX = 0;
    float m_dragStartY = 0;
};

}  // namespace preview
