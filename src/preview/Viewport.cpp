#include "Viewport.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace preview {
namespace {

int32_t floorToInt32(double value)
{
    const double floored = std::floor(value);
    if (!(floored >= std::numeric_limits<int32_t>::min() && floored <= std::numeric_limits<int32_t>::max()))
        throw std::overflow_error("Overflow");
    return static_cast<int32_t>(floored);
}

// The percentage of the overflow that an offset stands for, or nothing when
// it has no value or lies outside 0 to 100.
std::optional<int16_t> releasePercent(float offset, int32_t pictureOuter, int32_t viewportOuter)
{
    const double percent = std::fabs(double(offset)) / double(pictureOuter - viewportOuter) * 100.0;
    if (!std::isfinite(percent))
        return std::nullopt;
    const double rounded = roundHalfEven(percent);
    if (rounded < 0 || rounded > 100)
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

}  // namespace

double roundHalfEven(double value)
{
    const double nearest = std::round(value);  // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return nearest;
}

int16_t toInt16(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<int16_t>::min() && rounded <= std::numeric_limits<int16_t>::max()))
        throw std::overflow_error("Overflow");
    return static_cast<int16_t>(rounded);
}

int32_t toInt32(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max()))
        throw std::overflow_error("Overflow");
    return static_cast<int32_t>(rounded);
}

void ScrollBar::setMax(int16_t max)
{
    if (max < min())
        throw std::out_of_range("Invalid property value");
    m_max = max;
    if (m_value > m_max) {
        m_value = m_max;
        if (m_change)
            m_change();
    }
}

void ScrollBar::setValue(int16_t value)
{
    if (value < min() || value > m_max)
        throw std::out_of_range("Invalid property value");
    if (value == m_value)
        return;
    m_value = value;
    if (m_change)
        m_change();
}

Viewport::Viewport(ViewportHost& host)
    : m_host(host), m_hScroll([this] { HScroll1_Change(); }), m_vScroll([this] { VScroll1_Change(); })
{
    m_picture2.left = 120;
    m_picture2.top = 120;
    m_picture2.outerWidth = 9330;
    m_picture2.outerHeight = 7425;

    m_picture1.outerWidth = 2340;
    m_picture1.outerHeight = 3435;

    m_zoomOri.left = 10320;
    m_zoomOri.top = 480;
    m_zoomOri.outerWidth = 735;
    m_zoomOri.outerHeight = 375;
}

bool Viewport::line(const char* location, int number, const std::function<void()>& body)
{
    return m_host.runLine(location, number, body);
}

void Viewport::AssignPicture(std::optional<Size> size)
{
    m_picture1Picture = size;
    if (m_picture1.autoSize && size) {
        m_picture1.outerWidth = size->width + 2 * BorderTwips;
        m_picture1.outerHeight = size->height + 2 * BorderTwips;
    }
}

void Viewport::FirstDisplay()
{
    const char* at = location::FormActivate;
    line(at, 104, [&] { m_picture1.persistent = true; });
    line(at, 106, [&] {
        m_picture1.autoSize = true;
        AssignPicture(m_picture1Picture);
    });
    line(at, 108, [&] { m_picture1.penMode = 6; });
    line(at, 110, [&] { m_picture1.backColor = 0xFFFFFF; });

    line(at, 114, [&] { m_zoomOri.persistent = true; });
    line(at, 116, [&] { m_zoomOri.visible = false; });
    line(at, 118, [&] { m_zoomOri.outerWidth = m_picture1.outerWidth; });
    line(at, 120, [&] { m_zoomOri.outerHeight = m_picture1.outerHeight; });
    line(at, 122, [&] { m_host.copyPictureToZoomOri(); });

    line(at, 124, [&] { m_zoom = 1.0f; });
    readOriginalSize(at, 126, 128);
    line(at, 130, [&] { m_zoomWidth = floorToInt32(double(m_origWidth) * 1.0); });
    line(at, 132, [&] { m_zoomHeight = floorToInt32(double(m_origHeight) * 1.0); });
    line(at, 134, [&] { RedrawImage(); });
    line(at, 136, [&] { SetupScrollBars(); });
}

void Viewport::readOriginalSize(const char* location, int widthLine, int heightLine)
{
    line(location, widthLine, [&] { m_origWidth = toInt32(double(m_zoomOri.innerWidth()) - 2.0); });
    line(location, heightLine, [&] { m_origHeight = toInt32(double(m_zoomOri.innerHeight()) - 2.0); });
}

void Viewport::RedrawImage()
{
    const char* at = location::RedrawImage;
    line(at, 100, [&] { m_zoomWidth = floorToInt32(double(m_origWidth) * double(m_zoom)); });
    line(at, 102, [&] { m_zoomHeight = floorToInt32(double(m_origHeight) * double(m_zoom)); });

    bool fits = false;
    line(at, 104, [&] { fits = m_zoomWidth < MaxZoomWidth && m_zoomHeight < MaxZoomHeight; });
    if (fits) {
        line(at, 106, [&] {
            m_host.clearPicture1();
            m_picture1Picture.reset();
        });
        line(at, 108, [&] { m_picture1.outerWidth = m_zoomWidth; });
        line(at, 110, [&] { m_picture1.outerHeight = m_zoomHeight; });
        line(at, 112, [&] { m_host.drawZoomed(m_zoomWidth, m_zoomHeight, m_origWidth, m_origHeight); });
        line(at, 114, [&] { m_host.showArrowPointer(); });
        line(at, 116, [&] { m_hScroll.setValue(0); });
        line(at, 118, [&] { m_vScroll.setValue(0); });
        line(at, 120, [&] { m_hScroll.setEnabled(m_picture2.innerWidth() < m_zoomWidth); });
        line(at, 122, [&] { m_vScroll.setEnabled(m_picture2.innerHeight() < m_zoomHeight); });
    } else {
        // Too large: back to full size without drawing; Picture1 and the bars
        // go on showing the previous drawing.
        line(at, 124, [&] { m_zoom = 1.0f; });
        readOriginalSize(at, 126, 128);
        line(at, 130, [&] { m_zoomWidth = floorToInt32(double(m_origWidth) * 1.0); });
        line(at, 132, [&] { m_zoomHeight = floorToInt32(double(m_origHeight) * 1.0); });
    }
    // The bars follow the zoom, so every part of the new drawing can be reached.
    if (fits)
        line(at, 134, [&] { setupScrollRanges(); });
}

void Viewport::PushButton1_Click()
{
    line(location::ZoomIn, 100, [&] { StepZoom(0); });
}

void Viewport::PushButton2_Click()
{
    line(location::ZoomOut, 100, [&] { StepZoom(1); });
}

void Viewport::StepZoom(int32_t zoomOut)
{
    const float candidate = zoomOut == 0 ? m_zoom + ZoomStep : m_zoom - ZoomStep;
    SetZoom(candidate);
}

void Viewport::SetZoom(float factor)
{
    if (factor >= MinZoom && factor <= MaxZoom) {
        m_zoom = factor;
        RedrawImage();
    }
}

void Viewport::SetupScrollBars()
{
    m_picture1.top = 0;
    m_picture1.left = 0;
    setupScrollRanges();
}

void Viewport::setupScrollRanges()
{
    setupBar(m_hScroll, m_hScrollStep, m_picture1.outerWidth, m_picture2.outerWidth);
    setupBar(m_vScroll, m_vScrollStep, m_picture1.outerHeight, m_picture2.outerHeight);
}

void Viewport::setupBar(ScrollBar& bar, int16_t& step, int32_t pictureOuter, int32_t viewportOuter)
{
    if (pictureOuter <= viewportOuter) {
        bar.setEnabled(false);
        step = 0;
        return;
    }
    const float overflow = float(pictureOuter - viewportOuter);
    bar.setEnabled(true);
    if (overflow <= FineScrollLimit) {
        bar.setMax(toInt16(overflow));
        step = 1;
    } else {
        bar.setMax(toInt16(overflow / float(CoarseScrollStep)));
        step = CoarseScrollStep;
    }
    bar.setValue(0);
}

void Viewport::HScroll1_Change()
{
    m_picture1.left = -float(int32_t(m_hScrollStep) * int32_t(m_hScroll.value()));
}

void Viewport::VScroll1_Change()
{
    m_picture1.top = -float(int32_t(m_vScrollStep) * int32_t(m_vScroll.value()));
}

void Viewport::setByPercent(ScrollBar& bar, int16_t percent)
{
    if (percent < 0 || percent > 100)
        return;
    bar.setValue(toInt16(double(percent) / 100.0 * double(bar.max())));
}

void Viewport::SetHScrollbarByPercent(ScrollBar& HScrollbar, int16_t percent) { setByPercent(HScrollbar, percent); }

void Viewport::SetVScrollbarByPercent(ScrollBar& VScrollbar, int16_t percent) { setByPercent(VScrollbar, percent); }

void Viewport::Picture1_MouseDown(int16_t /*Button*/, int16_t /*Shift*/, float X, float Y)
{
    const char* at = location::MouseDown;
    line(at, 100, [&] { m_dragStartX = X; });
    line(at, 102, [&] { m_dragStartY = Y; });
}

void Viewport::Picture1_MouseMove(int16_t Button, int16_t /*Shift*/, float X, float Y)
{
    const char* at = location::MouseMove;
    bool held = false;
    line(at, 100, [&] { held = Button != 0; });
    if (!held)
        return;

    float newLeft = m_picture1.left;
    line(at, 104, [&] { newLeft = m_picture1.left - m_dragStartX + X; });
    bool beyondStart = false;
    line(at, 106, [&] { beyondStart = newLeft > 0; });
    if (beyondStart) {
        line(at, 108, [&] { newLeft = 0; });
    } else {
        bool beyondEnd = false;
        line(at, 110, [&] { beyondEnd = float(m_picture2.innerWidth() - m_picture1.outerWidth) > newLeft; });
        if (beyondEnd)
            line(at, 112, [&] { newLeft = float(m_picture2.innerWidth() - m_picture1.outerWidth); });
    }

    float newTop = m_picture1.top;
    line(at, 114, [&] { newTop = m_picture1.top - m_dragStartY + Y; });
    beyondStart = false;
    line(at, 116, [&] { beyondStart = newTop > 0; });
    if (beyondStart) {
        line(at, 118, [&] { newTop = 0; });
    } else {
        bool beyondEnd = false;
        line(at, 120, [&] { beyondEnd = float(m_picture2.innerHeight() - m_picture1.outerHeight) > newTop; });
        if (beyondEnd)
            line(at, 122, [&] { newTop = float(m_picture2.innerHeight() - m_picture1.outerHeight); });
    }

    line(at, 124, [&] {
        m_picture1.left = newLeft;
        m_picture1.top = newTop;
    });
}

void Viewport::Picture1_MouseUp(int16_t /*Button*/, int16_t /*Shift*/, float /*X*/, float /*Y*/)
{
    const char* at = location::MouseUp;
    std::optional<int16_t> h, v;
    line(at, 100, [&] { h = releasePercent(m_picture1.left, m_picture1.outerWidth, m_picture2.outerWidth); });
    line(at, 102, [&] { v = releasePercent(m_picture1.top, m_picture1.outerHeight, m_picture2.outerHeight); });
    line(at, 104, [&] {
        if (h)
            SetHScrollbarByPercent(m_hScroll, *h);
    });
    line(at, 106, [&] {
        if (v)
            SetVScrollbarByPercent(m_vScroll, *v);
    });
}

}  // namespace preview
