#include "ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace app {
namespace {

QPixmap plannerPage(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 32.0;  // drawn on a 32-unit grid
    p.scale(s, s);

    // The page.
    p.setPen(QPen(QColor(40, 60, 90), 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3.5, 4.5, 25, 25), 2.5, 2.5);
    // The binding across the top.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 200));
    p.drawRoundedRect(QRectF(3.5, 4.5, 25, 7), 2.5, 2.5);
    p.drawRect(QRectF(3.5, 8.5, 25, 3));
    // Rings.
    p.setBrush(QColor(40, 60, 90));
    for (qreal x : {9.0, 16.0, 23.0})
        p.drawRoundedRect(QRectF(x - 1, 2, 2, 5), 1, 1);
    // Ruled rows with a middle column, the first two days coloured.
    p.setBrush(QColor(204, 255, 255));
    p.drawRect(QRectF(5.5, 13.5, 9, 3.5));
    p.setBrush(QColor(250, 150, 130));
    p.drawRect(QRectF(17.5, 13.5, 9, 3.5));
    p.setPen(QPen(QColor(150, 160, 175), 0.9));
    for (qreal y : {19.5, 23.0, 26.5})
        p.drawLine(QPointF(5.5, y), QPointF(26.5, y));
    p.drawLine(QPointF(16, 13.5), QPointF(16, 27.5));
    return pixmap;
}

}  // namespace

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(plannerPage(size));
    return icon;
}

}  // namespace app
