#include "ProgramIcon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <future>
#include <system_error>
#include <vector>

namespace desktop {
namespace {

// Images rather than pixmaps, so that any thread may draw them.
std::vector<QImage> drawSizes()
{
    // Painted by hand rather than through Qt's SVG icon engine, so that the
    // icon does not depend on an image plugin being found at run time.
    QSvgRenderer drawing(QStringLiteral(":/icons/dorvane.svg"));
    std::vector<QImage> sizes;
    if (!drawing.isValid())
        return sizes;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawing.render(&painter);
        painter.end();
        sizes.push_back(std::move(image));
    }
    return sizes;
}

// The one drawing of the run; images need no application object to go away.
std::shared_future<std::vector<QImage>>& drawn()
{
    static std::shared_future<std::vector<QImage>> sizes;
    return sizes;
}

}  // namespace

void drawProgramIconAhead()
{
    if (drawn().valid())
        return;
    try {
        drawn() = std::async(std::launch::async, drawSizes).share();
    } catch (const std::system_error&) {
        // No thread to be had: programIcon() draws it.
    }
}

QIcon programIcon()
{
    if (!drawn().valid())
        drawn() = std::async(std::launch::deferred, drawSizes).share();
    QIcon icon;
    for (const QImage& image : drawn().get())
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

}  // namespace desktop
