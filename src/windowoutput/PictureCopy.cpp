#include "windowoutput/PictureCopy.h"

#include "errors/UserError.h"
#include "output/PlannerPages.h"
#include "platform/SystemClipboard.h"
#include "windowoutput/PictureVector.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QMimeData>
#include <QPainter>

#include <cmath>

namespace windowoutput {

QImage pictureBitmap(const word::DocumentPages& pages, int dpi)
{
    const double scale = dpi / 96.0;
    const QSize size(int(std::ceil(pages.pictureSize().width() * scale)),
                     int(std::ceil(pages.pictureSize().height() * scale)));
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        throw errors::UserError(
            QCoreApplication::translate("windowoutput::PictureCopy", "There is not enough memory for the picture."));
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
    const word::DocumentPages pages = output::readPlannerPages(wordFile);
    auto* data = new QMimeData;
    addVectorPicture(*data, pages);
    // Qt offers an image as PNG (and the other bitmap formats it writes).
    data->setImageData(pictureBitmap(pages, BitmapDpi));
    platform::systemClipboard().setMimeData(data);
}

}  // namespace windowoutput
