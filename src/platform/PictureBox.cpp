#include "PictureBox.h"

#include <QPainter>
#include <QResizeEvent>

namespace platform {
namespace {

QColor background(const QWidget* widget) { return widget->palette().color(QPalette::Window); }

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    m_canvas = QImage();
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.width() + 2 * frameWidth(), m_picture.height() + 2 * frameWidth());
    update();
}

void PictureBox::clearPicture()
{
    m_picture = QImage();
    m_canvas = QImage();
    update();
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on && !m_picture.isNull())
        resize(m_picture.width() + 2 * frameWidth(), m_picture.height() + 2 * frameWidth());
}

void PictureBox::setPersistent(bool on)
{
    m_persistent = on;
    if (!on) {
        m_canvas = QImage();
        m_store = QImage();
    }
}

void PictureBox::ensureCanvas(bool clear)
{
    const QSize size = contentsRect().size().expandedTo(QSize(0, 0));
    if (!m_canvas.isNull() && m_canvas.size() == size)
        return;
    if (size.isEmpty()) {
        m_canvas = QImage();
        return;
    }
    const QImage previous = m_canvas.copy(QRect(QPoint(0, 0), size).intersected(m_canvas.rect()));
    if (m_store.width() < size.width() || m_store.height() < size.height()) {
        m_canvas = QImage();
        m_store = QImage(size.expandedTo(m_store.size()), QImage::Format_RGB32);
    }
    m_canvas = QImage(m_store.bits(), size.width(), size.height(), m_store.bytesPerLine(), QImage::Format_RGB32);
    if (!clear && previous.isNull() && m_picture.isNull())
        return;
    m_canvas.fill(background(this));
    QPainter painter(&m_canvas);
    if (!previous.isNull())
        painter.drawImage(0, 0, previous);
    else if (!m_picture.isNull())
        painter.drawImage(0, 0, m_picture);
}

void PictureBox::drawPicture(const QRectF& target, const QImage& source, const QRectF& sourceRect)
{
    if (!m_persistent)
        return;
    // A drawing that covers the whole area needs no background under it.
    const QRectF inner(QPointF(0, 0), QSizeF(contentsRect().size()));
    ensureCanvas(!(source.rect().toRectF().contains(sourceRect) && target.contains(inner)));
    if (m_canvas.isNull() || source.isNull())
        return;
    QPainter painter(&m_canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const bool reducing = target.width() < sourceRect.width() || target.height() < sourceRect.height();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, reducing);
    painter.drawImage(target, source, sourceRect);
    painter.end();
    update();
}

QImage PictureBox::image() const
{
    if (m_persistent) {
        const_cast<PictureBox*>(this)->ensureCanvas();
        return m_canvas.copy();  // the persistent image lives in memory this area reuses
    }
    QImage shown(contentsRect().size().expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    shown.fill(background(this));
    if (!m_picture.isNull()) {
        QPainter painter(&shown);
        painter.drawImage(0, 0, m_picture);
    }
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

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    if (m_persistent && !m_canvas.isNull()) {
        // The canvas follows the size lazily; until then show what it has.
        painter.drawImage(contentsRect().topLeft(), m_canvas);
    } else if (!m_picture.isNull()) {
        painter.drawImage(contentsRect().topLeft(), m_picture);
    }
}

}  // namespace platform
