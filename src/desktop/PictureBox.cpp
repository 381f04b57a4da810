#include "PictureBox.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <system_error>
#include <thread>
#include <utility>

namespace desktop {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

QSize PictureBox::pictureSize(const QPicture& picture)
{
    return picture.isNull() ? QSize() : picture.boundingRect().size();
}

namespace {

// A picture's bytes are shared by its copies.
bool samePicture(const QPicture& one, const QPicture& other)
{
    return !one.isNull() && one.data() == other.data() && one.size() == other.size();
}

// Below this many device pixels a second thread costs more than it saves.
constexpr qint64 PixelsForTwoCores = 160'000;

std::atomic<int> twoCorePaints{0};

}  // namespace

PicturePlayback PictureBox::playbackOf(const QPicture& picture) const
{
    if (m_drawing && samePicture(m_drawing->source, picture))
        return m_drawing->playback;
    if (samePicture(m_picture, picture))
        return m_playback;
    return PicturePlayback(picture);
}

const QPicture* PictureBox::shownPicture() const
{
    if (m_drawing)
        return &m_drawing->source;
    return m_picture.isNull() ? nullptr : &m_picture;
}

const PicturePlayback& PictureBox::shownPlayback() const
{
    return m_drawing ? m_drawing->playback : m_playback;
}

QPointF PictureBox::shownOrigin() const
{
    // The picture's own coordinates start at its bounding rectangle's corner.
    const QPicture* shown = shownPicture();
    return shown ? QPointF(-shown->boundingRect().topLeft()) : QPointF();
}

void PictureBox::prepareTwin(const QPicture& picture, const PicturePlayback& playback)
{
    if (m_twin && samePicture(m_twin->picture, picture))
        return;
    m_twin.reset();
    if (!playback.drawableElsewhere())
        return;
    try {
        auto reading = std::async(std::launch::async, [picture] { return PicturePlayback::readAnew(picture); });
        m_twin = Twin{picture, reading.share()};
    } catch (const std::system_error&) {
        // No thread to be had: every paint stays on this one.
    }
}

void PictureBox::setPicture(const QPicture& picture)
{
    m_playback = playbackOf(picture);
    m_picture = picture;
    m_drawing.reset();
    prepareTwin(m_picture, m_playback);
    if (m_autoSize && !m_picture.isNull())
        resize(pictureSize(m_picture) + QSize(2 * frameWidth(), 2 * frameWidth()));
    update();
}

void PictureBox::clearPicture()
{
    m_picture = QPicture();
    m_playback = PicturePlayback();
    m_drawing.reset();
    m_twin.reset();
    update();
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on && !m_picture.isNull())
        resize(pictureSize(m_picture) + QSize(2 * frameWidth(), 2 * frameWidth()));
}

void PictureBox::setPersistent(bool on)
{
    m_persistent = on;
    if (!on)
        m_drawing.reset();
}

void PictureBox::drawPicture(const QRectF& target, const QPicture& source, const QRectF& sourceRect)
{
    if (!m_persistent)
        return;
    if (source.isNull() || sourceRect.isEmpty() || target.isEmpty())
        m_drawing.reset();
    else
        m_drawing = Drawing{source, playbackOf(source), target, sourceRect};
    if (m_drawing)
        prepareTwin(m_drawing->source, m_drawing->playback);
    update();
}

void PictureBox::paintInside(QPainter& painter, const PicturePlayback& playback, const QPointF& origin) const
{
    if (m_drawing) {
        const Drawing& drawing = *m_drawing;
        painter.save();
        painter.setClipRect(drawing.target, Qt::IntersectClip);
        painter.translate(drawing.target.topLeft());
        painter.scale(drawing.target.width() / drawing.sourceRect.width(),
                      drawing.target.height() / drawing.sourceRect.height());
        painter.translate(-drawing.sourceRect.topLeft());
        playback.draw(painter, origin);
        painter.restore();
    } else {
        playback.draw(painter, origin);
    }
}

bool PictureBox::paintOnTwoCores(QPainter& painter, const QRegion& region) const
{
    const QPicture* shown = shownPicture();
    if (!shown || !m_twin || !samePicture(m_twin->picture, *shown))
        return false;
    // The helper writes into the rows of the image the window is painted on.
    QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice()
        || engine->paintDevice()->devType() != QInternal::Image)
        return false;
    QImage& target = *static_cast<QImage*>(engine->paintDevice());
    if (target.depth() < 16)  // no colour table to share
        return false;
    // The two halves must meet at a whole device pixel: a move by whole
    // pixels and a whole scale (the device pixel ratio), nothing else.
    const QTransform toDevice = painter.deviceTransform();
    const qreal scale = toDevice.m11();
    if (toDevice.type() > QTransform::TxScale || scale != toDevice.m22() || scale < 1 || scale != std::floor(scale)
        || toDevice.dx() != std::floor(toDevice.dx()) || toDevice.dy() != std::floor(toDevice.dy()))
        return false;
    const QRect bounds = region.boundingRect();
    if (bounds.height() < 2 || qint64(bounds.width()) * bounds.height() * scale * scale < PixelsForTwoCores)
        return false;
    // Pens and brushes are shared with the helper: none may hold a pixmap.
    if (painter.brush().style() == Qt::TexturePattern || painter.pen().brush().style() == Qt::TexturePattern)
        return false;

    const int middle = bounds.top() + bounds.height() / 2;
    const QRegion upper = region.intersected(QRect(bounds.left(), bounds.top(), bounds.width(), middle - bounds.top()));
    const QRegion lower =
        region.intersected(QRect(bounds.left(), middle, bounds.width(), bounds.bottom() + 1 - middle));
    const int firstRow = std::max(0, int(toDevice.map(QPointF(0, middle)).y()));
    const int endRow = std::min(target.height(), int(toDevice.map(QPointF(0, bounds.bottom() + 1)).y()));
    if (firstRow >= endRow)
        return false;
    // The lower rows as an image of their own, over the same memory (the
    // const access keeps the window's image from being copied).
    QImage rows(const_cast<uchar*>(std::as_const(target).constScanLine(firstRow)), target.width(), endRow - firstRow,
                target.bytesPerLine(), target.format());
    // The picture is scaled by the device's resolution, as on the window.
    rows.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    rows.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));

    // Everything the helper needs, taken here: it reads nothing of the widget's.
    const QPoint inside = contentsRect().topLeft();
    const QPointF origin = shownOrigin();
    const QPen pen = painter.pen();
    const QBrush brush = painter.brush();
    const QPainter::RenderHints hints = painter.renderHints();
    const std::shared_future<PicturePlayback> twin = m_twin->playback;
    bool helped = false;
    auto paintLower = [&] {
        try {
            const PicturePlayback& playback = twin.get();
            QPainter below(&rows);
            below.setTransform(toDevice * QTransform::fromTranslate(0, -firstRow));
            below.setClipRegion(lower);
            below.setPen(pen);
            below.setBrush(brush);
            below.setRenderHints(hints);
            below.translate(inside);
            paintInside(below, playback, origin);
            helped = below.end();
        } catch (...) {
            // Out of memory: the lower half is painted below, on this thread.
        }
    };
    std::optional<std::jthread> helper;
    try {
        helper.emplace(paintLower);
    } catch (const std::system_error&) {
        return false;
    }
    painter.save();
    painter.setClipRegion(upper);
    painter.translate(inside);
    paintInside(painter, shownPlayback(), origin);
    painter.restore();
    helper.reset();  // joins
    if (!helped) {
        painter.save();
        painter.setClipRegion(lower);
        painter.translate(inside);
        paintInside(painter, shownPlayback(), origin);
        painter.restore();
    }
    ++twoCorePaints;
    return true;
}

int PictureBox::paintsOnTwoCores()
{
    return twoCorePaints;
}

QImage PictureBox::image(qreal devicePixelRatio) const
{
    const QSize inner = contentsRect().size().expandedTo(QSize(0, 0));
    QImage shown(QSize(int(std::ceil(inner.width() * devicePixelRatio)), int(std::ceil(inner.height() * devicePixelRatio))),
                 QImage::Format_RGB32);
    shown.setDevicePixelRatio(devicePixelRatio);
    shown.fill(palette().color(QPalette::Window));
    QPainter painter(&shown);
    if (shownPicture())
        paintInside(painter, shownPlayback(), shownOrigin());
    return shown;
}

QWidget* PictureBox::inside()
{
    if (!m_inside) {
        m_inside = new QWidget(this);
        m_inside->setGeometry(contentsRect());
        m_inside->show();
    }
    return m_inside;
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    if (m_inside)
        m_inside->setGeometry(contentsRect());
}

void PictureBox::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    // Only what is exposed: at zoom 4 the area is some times the viewport.
    const QRegion exposed = event->region().intersected(contentsRect());
    if (shownPicture() && !paintOnTwoCores(painter, exposed)) {
        painter.save();
        painter.setClipRegion(exposed);
        painter.translate(contentsRect().topLeft());
        paintInside(painter, shownPlayback(), shownOrigin());
        painter.restore();
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contentsRect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

}  // namespace desktop
