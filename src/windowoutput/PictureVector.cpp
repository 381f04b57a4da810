#include "windowoutput/PictureVector.h"

#include <QBuffer>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

namespace windowoutput {

void addVectorPicture(QMimeData& data, const word::DocumentPages& pages)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(pages.pictureSize());
    svg.setViewBox(QRect(QPoint(0, 0), pages.pictureSize()));
    svg.setResolution(96);
    svg.setTitle(pages.title());
    svg.setDescription(QStringLiteral("Made by Dorvane"));
    QPainter painter(&svg);
    pages.paintPicture(painter);
    painter.end();
    data.setData(QStringLiteral("image/svg+xml"), buffer.data());
}

}  // namespace windowoutput
