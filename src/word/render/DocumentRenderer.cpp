#include "word/render/DocumentRenderer.h"

#include "word/AutomationError.h"
#include "word/model/Units.h"
#include "word/render/DocumentLayout.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QThread>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace word {

namespace {

// QPainter draws on images up to this size in each direction.
constexpr int LargestSide = 32767;
// And we draw at most this many pixels (160 MB at 32 bits): a planner needs
// under half a million, and a crafted document must not take gigabytes.
constexpr qint64 LargestArea = 40'000'000;

}  // namespace

void paintDocument(const render::DocumentLayout& layout, QPainter& painter)
{
    painter.save();
    for (const render::Fill& fill : layout.fills)
        painter.fillRect(fill.rect, fill.colour);
    for (const QRect& line : layout.lines)
        painter.fillRect(line, Qt::black);

    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::black);
    // Qt's SVG writer cannot write glyph runs (it writes the characters, and
    // a glyph run has none): there the glyphs become outlines, which also
    // look the same wherever the SVG is shown.
    const bool outlines = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::SVG;
    // Glyphs go where the layout measured them (unhinted advances); text
    // the face cannot show goes through Qt's font fallback.
    const QFont* current = nullptr;
    QList<quint32> indexes;
    QList<QPointF> advances;
    QList<QPointF> positions;
    QGlyphRun run;
    for (const render::PlacedText& text : layout.texts) {
        if (text.font->glyphs(text.text, indexes, advances)) {
            positions.resize(advances.size());
            QPointF pen;
            for (qsizetype i = 0; i < advances.size(); ++i) {
                positions[i] = pen;
                pen += advances[i];
            }
            if (outlines) {
                QPainterPath glyphs;
                for (qsizetype i = 0; i < indexes.size(); ++i)
                    glyphs.addPath(text.font->raw.pathForGlyph(indexes[i]).translated(text.baseline + positions[i]));
                painter.fillPath(glyphs, Qt::black);
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
    painter.restore();
}

QImage renderDocument(const model::DocumentModel& document)
{
    // Fonts need the GUI application, and its thread.
    const QCoreApplication* application = QCoreApplication::instance();
    if (!qobject_cast<const QGuiApplication*>(application) || QThread::currentThread() != application->thread())
        throw AutomationError(QStringLiteral("A picture of the document can only be made by the program's main thread."));
    const render::DocumentLayout layout = render::DocumentLayout::of(document);
    if (layout.size.width() > LargestSide || layout.size.height() > LargestSide ||
        qint64(layout.size.width()) * layout.size.height() > LargestArea)
        throw AutomationError(QStringLiteral("The document is too large to be copied as one picture."));

    QImage image(layout.size, QImage::Format_RGB32);
    if (image.isNull())
        throw AutomationError(QStringLiteral("There is not enough memory to copy the document as a picture."));
    const int dotsPerMeter = int(std::lround(units::PixelsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);

    QPainter painter(&image);
    paintDocument(layout, painter);
    painter.end();
    return image;
}

}  // namespace word
