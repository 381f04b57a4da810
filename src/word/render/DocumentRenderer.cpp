#include "word/render/DocumentRenderer.h"

#include "word/model/DocumentError.h"
#include "word/model/Units.h"
#include "word/render/DocumentLayout.h"

#include <QGlyphRun>
#include <QPainterPath>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QThread>
#include <QPainter>

#include <cmath>
#include <limits>

namespace word {

namespace {

// QPainter draws on images up to this size in each direction.
constexpr int LargestSide = 32767;
// And we draw at most this many pixels at 96 dpi (160 MB at 32 bits as an
// image): a planner needs under half a million, and a crafted document must
// not take gigabytes wherever its picture is shown.
constexpr qint64 LargestArea = 40'000'000;

render::DocumentLayout layOut(const model::DocumentModel& document)
{
    // Fonts need the GUI application, and its thread.
    const QCoreApplication* application = QCoreApplication::instance();
    if (!qobject_cast<const QGuiApplication*>(application) || QThread::currentThread() != application->thread())
        throw DocumentError(QStringLiteral("A picture of the document can only be made by the program's main thread."));
    render::DocumentLayout layout = render::DocumentLayout::of(document);
    if (layout.size.width() > LargestSide || layout.size.height() > LargestSide ||
        qint64(layout.size.width()) * layout.size.height() > LargestArea)
        throw DocumentError(QStringLiteral("The document is too large to be copied as one picture."));
    return layout;
}

// How glyphs are drawn: by the device's font rasterizer, or as outlines
// (what a picture of vectors keeps of them; Qt would make them for each run).
enum class Glyphs { Rasterized, Outlines };

// What of a layout is drawn: everything, or one page's band of it.
struct Band {
    double top = -std::numeric_limits<double>::infinity();
    double bottom = std::numeric_limits<double>::infinity();

    bool meets(const QRect& rect) const { return rect.bottom() + 1 > top && rect.top() < bottom; }
    // A line of text belongs to the band its baseline is in: a page must not
    // carry, even clipped away, the text of the next.
    bool holds(const QPointF& baseline) const { return baseline.y() >= top && baseline.y() < bottom; }
};

// The one drawing of a layout, in 96-dpi pixels, for every device: fills,
// grid lines and text, nothing of the white ground.
void paint(QPainter& painter, const render::DocumentLayout& layout, Glyphs glyphs, const Band& band = {})
{
    for (const render::Fill& fill : layout.fills)
        if (band.meets(fill.rect))
            painter.fillRect(fill.rect, fill.colour);
    for (const QRect& line : layout.lines)
        if (band.meets(line))
            painter.fillRect(line, Qt::black);

    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::black);
    // Glyphs go where the layout measured them (unhinted advances); text
    // the face cannot show goes through Qt's font fallback.
    const QFont* current = nullptr;
    QList<quint32> indexes;
    QList<QPointF> advances;
    QList<QPointF> positions;
    QGlyphRun run;
    for (const render::PlacedText& text : layout.texts) {
        if (!band.holds(text.baseline))
            continue;
        if (text.font->glyphs(text.text, indexes, advances)) {
            positions.resize(advances.size());
            QPointF pen;
            for (qsizetype i = 0; i < advances.size(); ++i) {
                positions[i] = pen;
                pen += advances[i];
            }
            if (glyphs == Glyphs::Outlines) {
                QPainterPath outlines;
                outlines.setFillRule(Qt::WindingFill);
                for (qsizetype i = 0; i < indexes.size(); ++i)
                    outlines.addPath(text.font->outline(indexes[i]).translated(text.baseline + positions[i]));
                painter.setRenderHint(QPainter::Antialiasing, true);
                painter.fillPath(outlines, Qt::black);
                painter.setRenderHint(QPainter::Antialiasing, false);
                continue;
            }
            run.setRawFont(text.font->raw);
            run.setGlyphIndexes(indexes);
            run.setPositions(positions);
            painter.drawGlyphRun(text.baseline, run);
            continue;
        }
        if (&text.font->font != current) {
            current = &text.font->font;
            painter.setFont(*current);
        }
        painter.drawText(text.baseline, text.text);
    }
}

// A picture or image of the whole layout: white ground, then the drawing.
void paintOnWhite(QPainter& painter, const render::DocumentLayout& layout, Glyphs glyphs)
{
    painter.fillRect(QRect(QPoint(0, 0), layout.size), Qt::white);
    paint(painter, layout, glyphs);
}

}  // namespace

void paintDocument(const render::DocumentLayout& layout, QPainter& painter, double top, double bottom)
{
    // Qt's SVG writer cannot write glyph runs (it writes the characters, and
    // a glyph run has none): there the glyphs become outlines, which also
    // look the same wherever the SVG is shown. A PDF keeps them as text.
    const bool svg = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::SVG;
    painter.save();
    paint(painter, layout, svg ? Glyphs::Outlines : Glyphs::Rasterized, Band{top, bottom});
    painter.restore();
}

QPicture pictureOfDocument(const model::DocumentModel& document)
{
    const render::DocumentLayout layout = layOut(document);
    QPicture picture;
    QPainter painter(&picture);
    paintOnWhite(painter, layout, Glyphs::Outlines);
    painter.end();
    picture.setBoundingRect(QRect(QPoint(0, 0), layout.size));
    return picture;
}

QImage renderDocument(const model::DocumentModel& document, double scale)
{
    const render::DocumentLayout layout = layOut(document);
    const QSize size(int(std::ceil(layout.size.width() * scale)), int(std::ceil(layout.size.height() * scale)));
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        throw DocumentError(QStringLiteral("There is not enough memory to draw the document as a picture."));
    // The device stays at 96 dpi, so that fonts keep their sizes; the scale is the painter's.
    const int dotsPerMeter = int(std::lround(units::PixelsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paintOnWhite(painter, layout, Glyphs::Rasterized);
    painter.end();
    return image;
}

}  // namespace word
