#include "word/render/DocumentRenderer.h"

#include "word/model/DocumentError.h"
#include "word/model/Units.h"
#include "word/render/DocumentLayout.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QThread>
#include <QPainter>

#include <cmath>

namespace word {

namespace {

// QPainter draws on images up to this size in each direction.
constexpr int LargestSide = 32767;
// And we draw at most this many pixels (160 MB at 32 bits): a planner needs
// under half a million, and a crafted document must not take gigabytes.
constexpr qint64 LargestArea = 40'000'000;

}  // namespace

QImage renderDocument(const model::DocumentModel& document)
{
    // Fonts need the GUI application, and its thread.
    const QCoreApplication* application = QCoreApplication::instance();
    if (!qobject_cast<const QGuiApplication*>(application) || QThread::currentThread() != application->thread())
        throw DocumentError(QStringLiteral("A picture of the document can only be made by the program's main thread."));
    const render::DocumentLayout layout = render::DocumentLayout::of(document);
    if (layout.size.width() > LargestSide || layout.size.height() > LargestSide ||
        qint64(layout.size.width()) * layout.size.height() > LargestArea)
        throw DocumentError(QStringLiteral("The document is too large to be copied as one picture."));

    QImage image(layout.size, QImage::Format_RGB32);
    if (image.isNull())
        throw DocumentError(QStringLiteral("There is not enough memory to copy the document as a picture."));
    const int dotsPerMeter = int(std::lround(units::PixelsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);

    QPainter painter(&image);
    for (const render::Fill& fill : layout.fills)
        painter.fillRect(fill.rect, fill.colour);
    for (const QRect& line : layout.lines)
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
        if (text.font->glyphs(text.text, indexes, advances)) {
            positions.resize(advances.size());
            QPointF pen;
            for (qsizetype i = 0; i < advances.size(); ++i) {
                positions[i] = pen;
                pen += advances[i];
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
    painter.end();
    return image;
}

}  // namespace word
