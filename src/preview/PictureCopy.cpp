#include "preview/PictureCopy.h"

#include "platform/SystemClipboard.h"
#include "preview/PictureVector.h"
#include "preview/PlannerPages.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QMimeData>
#include <QPainter>

#include <cmath>
#include <stdexcept>

namespace preview {

QImage pictureBitmap(const word::DocumentPages& pages, int dpi)
{
    const double scale = dpi / 96.0;
    const QSize size(int(std::ceil(pages.pictureSize().width() * scale)),
                     int(std::ceil(pages.pictureSize().height() * scale)));
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        throw std::runtime_error(
            QCoreApplication::translate("preview::PictureCopy", "There is not enough memory for the picture.")
                .toStdString());
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    pages.paintPicture(painter);
    painter.end();
    return image;
}

void copyPicture(const QString& wordFile)
{
    const word::DocumentPages pages = readPlannerPages(wordFile);
    auto* data = new QMimeData;
    addVectorPicture(*data, pages);
    // Qt offers an image as PNG (and the other bitmap formats it writes).
    data->setImageData(pictureBitmap(pages, BitmapDpi));
    platform::systemClipboard().setMimeData(data);
}

}  // namespace preview
