#include "ProgramIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace desktop {

QIcon programIcon()
{
    // Painted by hand rather than through Qt's SVG icon engine, so that the
    // icon does not depend on an image plugin being found at run time.
    QSvgRenderer drawing(QStringLiteral(":/icons/dorvane.svg"));
    QIcon icon;
    if (!drawing.isValid())
        return icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        drawing.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace desktop
