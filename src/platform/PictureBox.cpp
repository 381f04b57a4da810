#include "PictureBox.h"

#include <QPainter>

namespace platform {

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
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.width() + 2 * frameWidth(), m_picture.height() + 2 * frameWidth());
    update();
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on)
        setPicture(m_picture);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_picture);
}

}  // namespace platform
