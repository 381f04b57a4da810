#include "Viewport.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace preview {
namespace {

// The description of a run-time error, in the window's language.
std::string failure(const char* description)
{
    return QCoreApplication::translate("preview::Viewport", description).toStdString();
}

int32_t floorToInt32(double value)
{
    const double floored = std::floor(value);
    if (!(floored >= std::numeric_limits<int32_t>::min() && floored <= std::numeric_limits<int32_t>::max()))
        throw std::overflow_error(failure(QT_TRANSLATE_NOOP("preview::Viewport", "Overflow")));
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
        throw std::overflow_error(failure(QT_TRANSLATE_NOOP("preview::Viewport", "Overflow")));
    return static_cast<int16_t>(rounded);
}

int32_t toInt32(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max()))
        throw std::overflow_error(failure(QT_TRANSLATE_NOOP("preview::Viewport", "Overflow")));
    return static_cast<int32_t>(rounded);
}

void ScrollBar::setMax(int16_t max)
{
    if (max < min())
        throw std::out_of_range(failure(QT_TRANSLATE_NOOP("preview::Viewport", "Invalid property value")));
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
        throw std::out_of_range(failure(QT_TRANSLATE_NOOP("preview::Viewport", "Invalid property value")));
    if (value == m_value)
        return;
    m_value = value;
    if (m_change)
        m_change();
}

Viewport::Viewport(ViewportHost& host)
    : m_host(host), m_horizontalBar([this] { horizontalBarChanged(); }), m_verticalBar([this] { verticalBarChanged(); })
{
    m_view.left = 120;
    m_view.top = 120;
    m_view.outerWidth = 9330;
    m_view.outerHeight = 7425;

    m_shownPicture.outerWidth = 2340;
    m_shownPicture.outerHeight = 3435;

    m_originalPicture.left = 10320;
    m_originalPicture.top = 480;
    m_originalPicture.outerWidth = 735;
    m_originalPicture.outerHeight = 375;
}

bool Viewport::line(const char* location, int number, const std::function<void()>& body)
{
    return m_host.runLine(location, number, body);
}

void Viewport::assignPicture(std::optional<Size> size)
{
    m_assignedPicture = size;
    if (m_shownPicture.autoSize && size) {
        m_shownPicture.outerWidth = size->width + 2 * BorderTwips;
        m_shownPicture.outerHeight = size->height + 2 * BorderTwips;
    }
}

void Viewport::firstDisplay()
{
    const char* at = location::FormActivate;
    line(at, 104, [&] { m_shownPicture.persistent = true; });
    line(at, 106, [&] {
        m_shownPicture.autoSize = true;
        assignPicture(m_assignedPicture);
    });
    line(at, 108, [&] { m_shownPicture.penMode = 6; });
    line(at, 110, [&] { m_shownPicture.backColor = 0xFFFFFF; });

    line(at, 114, [&] { m_originalPicture.persistent = true; });
    line(at, 116, [&] { m_originalPicture.visible = false; });
    line(at, 118, [&] { m_originalPicture.outerWidth = m_shownPicture.outerWidth; });
    line(at, 120, [&] { m_originalPicture.outerHeight = m_shownPicture.outerHeight; });
    line(at, 122, [&] { m_host.copyPictureToOriginal(); });

    line(at, 124, [&] { m_zoom = 1.0f; });
    readOriginalSize(at, 126, 128);
    line(at, 130, [&] { m_zoomWidth = floorToInt32(double(m_origWidth) * 1.0); });
    line(at, 132, [&] { m_zoomHeight = floorToInt32(double(m_origHeight) * 1.0); });
    line(at, 134, [&] { redrawImage(); });
    line(at, 136, [&] { setupScrollBars(); });
}

void Viewport::readOriginalSize(const char* location, int widthLine, int heightLine)
{
    line(location, widthLine, [&] { m_origWidth = toInt32(double(m_originalPicture.innerWidth()) - 2.0); });
    line(location, heightLine, [&] { m_origHeight = toInt32(double(m_originalPicture.innerHeight()) - 2.0); });
}

void Viewport::redrawImage()
{
    const char* at = location::redrawImage;
    line(at, 100, [&] { m_zoomWidth = floorToInt32(double(m_origWidth) * double(m_zoom)); });
    line(at, 102, [&] { m_zoomHeight = floorToInt32(double(m_origHeight) * double(m_zoom)); });

    bool fits = false;
    line(at, 104, [&] { fits = m_zoomWidth < MaxZoomWidth && m_zoomHeight < MaxZoomHeight; });
    if (fits) {
        line(at, 106, [&] {
            m_host.clearShownPicture();
            m_assignedPicture.reset();
        });
        line(at, 108, [&] { m_shownPicture.outerWidth = m_zoomWidth; });
        line(at, 110, [&] { m_shownPicture.outerHeight = m_zoomHeight; });
        line(at, 112, [&] { m_host.drawZoomed(m_zoomWidth, m_zoomHeight, m_origWidth, m_origHeight); });
        line(at, 114, [&] { m_host.showArrowPointer(); });
        line(at, 116, [&] { m_horizontalBar.setValue(0); });
        line(at, 118, [&] { m_verticalBar.setValue(0); });
        line(at, 120, [&] { m_horizontalBar.setEnabled(m_view.innerWidth() < m_zoomWidth); });
        line(at, 122, [&] { m_verticalBar.setEnabled(m_view.innerHeight() < m_zoomHeight); });
    } else {
        // Too large: back to full size without drawing; shownPicture and the bars
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

void Viewport::zoomInClicked()
{
    line(location::ZoomIn, 100, [&] { stepZoom(0); });
}

void Viewport::zoomOutClicked()
{
    line(location::ZoomOut, 100, [&] { stepZoom(1); });
}

void Viewport::stepZoom(int32_t zoomOut)
{
    const float candidate = zoomOut == 0 ? m_zoom + ZoomStep : m_zoom - ZoomStep;
    setZoom(candidate);
}

void Viewport::setZoom(float factor)
{
    if (factor >= MinZoom && factor <= MaxZoom) {
        m_zoom = factor;
        redrawImage();
    }
}

void Viewport::setupScrollBars()
{
    m_shownPicture.top = 0;
    m_shownPicture.left = 0;
    setupScrollRanges();
}

void Viewport::setupScrollRanges()
{
    setupBar(m_horizontalBar, m_hScrollStep, m_shownPicture.outerWidth, m_view.outerWidth);
    setupBar(m_verticalBar, m_vScrollStep, m_shownPicture.outerHeight, m_view.outerHeight);
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

void Viewport::horizontalBarChanged()
{
    m_shownPicture.left = -float(int32_t(m_hScrollStep) * int32_t(m_horizontalBar.value()));
}

void Viewport::verticalBarChanged()
{
    m_shownPicture.top = -float(int32_t(m_vScrollStep) * int32_t(m_verticalBar.value()));
}

void Viewport::setByPercent(ScrollBar& bar, int16_t percent)
{
    if (percent < 0 || percent > 100)
        return;
    bar.setValue(toInt16(double(percent) / 100.0 * double(bar.max())));
}

void Viewport::setHorizontalBarPercent(ScrollBar& bar, int16_t percent) { setByPercent(bar, percent); }

void Viewport::setVerticalBarPercent(ScrollBar& bar, int16_t percent) { setByPercent(bar, percent); }

void Viewport::mouseDown(int16_t /*button*/, int16_t /*modifiers*/, float x, float y)
{
    const char* at = location::MouseDown;
    line(at, 100, [&] { m_dragStartX = x; });
    line(at, 102, [&] { m_dragStartY = y; });
}

void Viewport::mouseMove(int16_t button, int16_t /*modifiers*/, float x, float y)
{
    const char* at = location::MouseMove;
    bool held = false;
    line(at, 100, [&] { held = button != 0; });
    if (!held)
        return;

    float newLeft = m_shownPicture.left;
    line(at, 104, [&] { newLeft = m_shownPicture.left - m_dragStartX + x; });
    bool beyondStart = false;
    line(at, 106, [&] { beyondStart = newLeft > 0; });
    if (beyondStart) {
        line(at, 108, [&] { newLeft = 0; });
    } else {
        bool beyondEnd = false;
        line(at, 110, [&] { beyondEnd = float(m_view.innerWidth() - m_shownPicture.outerWidth) > newLeft; });
        if (beyondEnd)
            line(at, 112, [&] { newLeft = float(m_view.innerWidth() - m_shownPicture.outerWidth); });
    }

    float newTop = m_shownPicture.top;
    line(at, 114, [&] { newTop = m_shownPicture.top - m_dragStartY + y; });
    beyondStart = false;
    line(at, 116, [&] { beyondStart = newTop > 0; });
    if (beyondStart) {
        line(at, 118, [&] { newTop = 0; });
    } else {
        bool beyondEnd = false;
        line(at, 120, [&] { beyondEnd = float(m_view.innerHeight() - m_shownPicture.outerHeight) > newTop; });
        if (beyondEnd)
            line(at, 122, [&] { newTop = float(m_view.innerHeight() - m_shownPicture.outerHeight); });
    }

    line(at, 124, [&] {
        m_shownPicture.left = newLeft;
        m_shownPicture.top = newTop;
    });
}

void Viewport::mouseUp(int16_t /*button*/, int16_t /*modifiers*/, float /*x*/, float /*y*/)
{
    const char* at = location::MouseUp;
    std::optional<int16_t> h, v;
    line(at, 100, [&] { h = releasePercent(m_shownPicture.left, m_shownPicture.outerWidth, m_view.outerWidth); });
    line(at, 102, [&] { v = releasePercent(m_shownPicture.top, m_shownPicture.outerHeight, m_view.outerHeight); });
    line(at, 104, [&] {
        if (h)
            setHorizontalBarPercent(m_horizontalBar, *h);
    });
    line(at, 106, [&] {
        if (v)
            setVerticalBarPercent(m_verticalBar, *v);
    });
}

}  // namespace preview
