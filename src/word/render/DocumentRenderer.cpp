#include "word/render/DocumentRenderer.h"

#include "word/model/DocumentError.h"
#include "word/model/Units.h"
#include "word/render/DocumentLayout.h"
#include "word/render/PictureRecorder.h"

#include <QCoreApplication>
#include <QGlyphRun>
#include <QPainterPath>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QThread>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

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
        throw DocumentError(QCoreApplication::translate(
            "word::DocumentRenderer", "A picture of the document can only be made by the program's main thread."));
    render::DocumentLayout layout = render::DocumentLayout::of(document);
    if (layout.size.width() > LargestSide || layout.size.height() > LargestSide ||
        qint64(layout.size.width()) * layout.size.height() > LargestArea)
        throw DocumentError(QCoreApplication::translate("word::DocumentRenderer",
                                                        "The document is too large to be copied as one picture."));
    return layout;
}

// How glyphs are drawn: by the device's font rasterizer, or as outlines
// (what a picture of vectors keeps of them; Qt would make them for each run).
enum class Glyphs { Rasterized, Outlines };

// A glyph run as filled outlines, what a picture of vectors keeps of glyphs.
void fillOutlines(QPainter& painter, const render::PlacedText& text, const QGlyphRun& run)
{
    // The main face's outlines are kept once made (most text is in it).
    const QRawFont raw = run.rawFont();
    const bool mainFace = raw == text.font->raw;
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    QPainterPath outlines;
    outlines.setFillRule(Qt::WindingFill);
    for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
        const QPointF at = text.baseline + positions[i];
        outlines.addPath(mainFace ? text.font->outline(indexes[i]).translated(at) : raw.pathForGlyph(indexes[i]).translated(at));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(outlines, Qt::black);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// The one drawing of a layout, in 96-dpi pixels, for every device: fills,
// grid lines and text, nothing of the white ground.
void paint(QPainter& painter, const render::DocumentLayout& layout, Glyphs glyphs,
           render::FontCatalog* otherFonts = nullptr)
{
    // A page shows its band of the layout through a clip. What lies outside
    // it is left out, not merely hidden: a PDF keeps every drawing command,
    // so each page of a long document would carry the whole document, and
    // its text layer would hold the lines of the neighbouring pages too. A
    // line of text belongs to the page of its baseline.
    const bool clipped = painter.hasClipping();
    const QRectF clip = clipped ? painter.clipBoundingRect() : QRectF();
    // The stretch of the body between the page breaks around the clip's top.
    render::DocumentLayout::Items from;
    render::DocumentLayout::Items to{layout.fills.size(), layout.lines.size(), layout.texts.size()};
    if (clipped && layout.itemsAbove.size() == layout.pageBreaks.size()) {
        const auto next = std::upper_bound(layout.pageBreaks.begin(), layout.pageBreaks.end(), clip.top() + 1e-6);
        const size_t index = size_t(next - layout.pageBreaks.begin());
        if (index > 0)
            from = layout.itemsAbove[index - 1];
        if (index < layout.itemsAbove.size())
            to = layout.itemsAbove[index];
    }
    // Of those, the items that may lie in the clip; a layout made otherwise
    // than by DocumentLayout::of has no band index, and every item is looked at.
    auto band = [&](const render::BandIndex& index, size_t count, size_t first, size_t last) {
        const std::pair<size_t, size_t> all = clipped && index.size() == count
                                                  ? index.within(clip.top(), clip.bottom())
                                                  : std::pair<size_t, size_t>(0, count);
        return std::pair<size_t, size_t>(std::max(all.first, first), std::min(all.second, last));
    };
    // A PDF maps glyphs back to characters through the face's character
    // map alone: where that cannot find a text's characters, its glyphs are
    // drawn as outlines and its characters laid invisibly over them.
    const bool pdf = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf;
    // On a PDF, rectangles of one colour in a row are filled together: the
    // writer sets its state and the page's stream for each fill of its own.
    QList<QRect> sameColour;
    QColor colour;
    auto flush = [&] {
        if (sameColour.isEmpty())
            return;
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRects(sameColour);
        painter.restore();
        sameColour.clear();
    };
    auto fillRect = [&](const QRect& rect, const QColor& fill) {
        if (!pdf) {
            painter.fillRect(rect, fill);
            return;
        }
        if (fill != colour)
            flush();
        colour = fill;
        sameColour.push_back(rect);
    };
    const auto fills = band(layout.fillBands, layout.fills.size(), from.fills, to.fills);
    for (size_t i = fills.first; i < fills.second; ++i) {
        const render::Fill& fill = layout.fills[i];
        if (!clipped || clip.intersects(fill.rect))
            fillRect(fill.rect, fill.colour);
    }
    const auto lines = band(layout.lineBands, layout.lines.size(), from.lines, to.lines);
    for (size_t i = lines.first; i < lines.second; ++i) {
        const QRect& line = layout.lines[i];
        if (!clipped || clip.intersects(line))
            fillRect(line, Qt::black);
    }
    flush();

    painter.setRenderHint(QPainter::TextAntialiasing, true);
    // Baselines lie between pixels (rows are whole twips): on an image Qt
    // would set glyphs down on the nearest whole pixel, half a pixel from
    // where a picture's outlines or a PDF put them.
    painter.setRenderHint(QPainter::VerticalSubpixelPositioning, true);
    painter.setPen(Qt::black);
    // On a PDF, text in its own font alone is set in reference-device dots
    // (RenderFont::inDots); the painter is scaled to dots while it is, from
    // the page's top, so that places stay within the 1/64 units Qt keeps
    // them in (a year's picture is some millions of dots high).
    constexpr double Dots = render::RenderFont::DotsPerPixel;
    constexpr double FarthestInDots = 100000;  // pixels from the origin
    const QPointF dotsOrigin(0, clipped ? clip.top() : 0);
    // Texts in a row in one font are drawn as one run: each run costs the
    // writer a text object and a graphics state of its own.
    const render::RenderFont* runFont = nullptr;
    QList<quint32> runGlyphs;
    QList<QPointF> runPlaces;
    auto drawRun = [&] {
        if (runGlyphs.isEmpty())
            return;
        QGlyphRun run;
        run.setRawFont((otherFonts ? otherFonts->sameAs(*runFont) : *runFont).inDots());
        run.setGlyphIndexes(runGlyphs);
        run.setPositions(runPlaces);
        painter.drawGlyphRun(QPointF(0, 0), run);
        runGlyphs.clear();
        runPlaces.clear();
    };
    bool inDots = false;
    auto setInDots = [&](bool on) {
        if (on == inDots)
            return;
        drawRun();
        if (on) {
            painter.save();
            painter.translate(dotsOrigin);
            painter.scale(1 / Dots, 1 / Dots);
        } else {
            painter.restore();
        }
        inDots = on;
    };
    const auto texts = band(layout.textBands, layout.texts.size(), from.texts, to.texts);
    for (size_t i = texts.first; i < texts.second; ++i) {
        const render::PlacedText& text = layout.texts[i];
        if (clipped && (text.baseline.y() < clip.top() || text.baseline.y() >= clip.bottom()))
            continue;
        const bool textLayer = pdf && !text.textLayer.isEmpty();
        // Another thread paints only what was found drawnInOwnFace() where
        // the faces live (DocumentPages::paintableElsewhere), and looks at
        // no face of the layout's thread here.
        const bool ownFace = otherFonts || render::drawnInOwnFace(text);
        setInDots(pdf && std::abs(text.baseline.y() - dotsOrigin.y()) < FarthestInDots && ownFace);
        if (!inDots && otherFonts)
            throw std::runtime_error("a text cannot be drawn in the faces of another thread");
        if (inDots) {
            if (text.font != runFont)
                drawRun();
            runFont = text.font;
            const QPointF origin = (text.baseline - dotsOrigin) * Dots;
            for (const QGlyphRun& run : text.glyphs) {
                runGlyphs += run.glyphIndexes();
                for (const QPointF& place : run.positions())
                    runPlaces += origin + place * Dots;
            }
            continue;
        }
        for (const QGlyphRun& run : text.glyphs) {
            if (glyphs == Glyphs::Rasterized && !textLayer)
                painter.drawGlyphRun(text.baseline, run);
            else
                fillOutlines(painter, text, run);
        }
        if (textLayer) {
            painter.setPen(Qt::transparent);
            for (const render::LayerWord& word : text.textLayer) {
                painter.save();
                painter.translate(text.baseline + QPointF(word.left, 0));
                painter.scale(word.stretch, 1.0);
                painter.drawGlyphRun(QPointF(0, 0), word.glyphs);
                painter.restore();
            }
            painter.setPen(Qt::black);
        }
    }
    setInDots(false);
}

// A picture or image of the whole layout: white ground, then the drawing.
void paintOnWhite(QPainter& painter, const render::DocumentLayout& layout, Glyphs glyphs)
{
    painter.fillRect(QRect(QPoint(0, 0), layout.size), Qt::white);
    paint(painter, layout, glyphs);
}

}  // namespace

namespace render {

bool drawnInOwnFace(const PlacedText& text)
{
    return text.textLayer.isEmpty()
        && std::all_of(text.glyphs.begin(), text.glyphs.end(),
                       [&](const QGlyphRun& run) { return run.rawFont() == text.font->raw; });
}

}  // namespace render

void paintDocumentWith(const render::DocumentLayout& layout, QPainter& painter, render::FontCatalog& fonts)
{
    painter.save();
    paint(painter, layout, Glyphs::Rasterized, &fonts);
    painter.restore();
}

void paintDocument(const render::DocumentLayout& layout, QPainter& painter)
{
    // Qt's SVG writer cannot write glyph runs (it writes the characters, and
    // a glyph run has none): there the glyphs become outlines, which also
    // look the same wherever the SVG is shown. A PDF keeps them as text.
    const bool svg = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::SVG;
    painter.save();
    paint(painter, layout, svg ? Glyphs::Outlines : Glyphs::Rasterized);
    painter.restore();
}

QPicture pictureOfDocument(const model::DocumentModel& document)
{
    const render::DocumentLayout layout = layOut(document);
    // Recorded by our own recorder: a planner's glyphs are some 27,000
    // outline points, which QPicture's recorder takes three times as long over.
    render::PictureRecorder recorder(QRect(QPoint(0, 0), layout.size));
    QPainter painter(&recorder);
    paintOnWhite(painter, layout, Glyphs::Outlines);
    painter.end();
    if (recorder.bytes().size() > std::numeric_limits<int>::max())
        throw DocumentError(QCoreApplication::translate("word::DocumentRenderer",
                                                        "The document is too large to be copied as one picture."));
    return recorder.picture();
}

QImage renderDocument(const model::DocumentModel& document, double scale)
{
    const render::DocumentLayout layout = layOut(document);
    const QSize size(int(std::ceil(layout.size.width() * scale)), int(std::ceil(layout.size.height() * scale)));
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        throw DocumentError(QCoreApplication::translate(
            "word::DocumentRenderer", "There is not enough memory to draw the document as a picture."));
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
