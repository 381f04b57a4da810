#include "PictureBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <cmath>

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

PicturePlayback PictureBox::playbackOf(const QPicture& picture) const
{
    // A picture's bytes are shared by its copies.
    auto same = [&](const QPicture& other) {
        return !other.isNull() && other.data() == picture.data() && other.size() == picture.size();
    };
    if (m_drawing && same(m_drawing->source))
        return m_drawing->playback;
    if (same(m_picture))
        return m_playback;
    return PicturePlayback(picture);
}

void PictureBox::setPicture(const QPicture& picture)
{
    m_playback = playbackOf(picture);
    m_picture = picture;
    m_drawing.reset();
    if (m_autoSize && !m_picture.isNull())
        resize(pictureSize(m_picture) + QSize(2 * frameWidth(), 2 * frameWidth()));
    update();
}

void PictureBox::clearPicture()
{
    m_picture = QPicture();
    m_playback = PicturePlayback();
    m_drawing.reset();
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
    update();
}

void PictureBox::paintInside(QPainter& painter) const
{
    if (m_drawing) {
        const Drawing& drawing = *m_drawing;
        painter.save();
        painter.setClipRect(drawing.target, Qt::IntersectClip);
        painter.translate(drawing.target.topLeft());
        painter.scale(drawing.target.width() / drawing.sourceRect.width(),
                      drawing.target.height() / drawing.sourceRect.height());
        painter.translate(-drawing.sourceRect.topLeft());
        // The picture's own coordinates start at its bounding rectangle's corner.
        drawing.playback.draw(painter, -drawing.source.boundingRect().topLeft());
        painter.restore();
    } else if (!m_picture.isNull()) {
        m_playback.draw(painter, -m_picture.boundingRect().topLeft());
    }
}

QImage PictureBox::image(qreal devicePixelRatio) const
{
    const QSize inner = contentsRect().size().expandedTo(QSize(0, 0));
    QImage shown(QSize(int(std::ceil(inner.width() * devicePixelRatio)), int(std::ceil(inner.height() * devicePixelRatio))),
                 QImage::Format_RGB32);
    shown.setDevicePixelRatio(devicePixelRatio);
    shown.fill(palette().color(QPalette::Window));
    QPainter painter(&shown);
    paintInside(painter);
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
    if (m_drawing || !m_picture.isNull()) {
        painter.save();
        // Only what is exposed: at zoom 4 the area is some times the viewport.
        painter.setClipRegion(event->region().intersected(contentsRect()));
        painter.translate(contentsRect().topLeft());
        paintInside(painter);
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
