#pragma once

#include "word/model/CharacterFormat.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPainterPath>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <QStringView>

#include <array>
#include <memory>

namespace word::render {

// A font as the renderer draws it: the QFont (its size in points on a 96 dpi
// device, so one point is 4/3 pixel) and its metrics in pixels. Metrics are
// the outlines' own, unhinted, as LibreOffice lays text out: rounded to
// pixels they would lose half a pixel a line at 10 pt and make a heading
// some pixels wider. A glyph advances as far as on LibreOffice's reference
// device (8640 dots per inch): the design's advance cut down to whole dots.
// (The face at the drawn size cuts down to 1/64 pixel, which made lines
// some 0.2 % narrower than LibreOffice's and fitted words it moves on; of
// the lines of a year of busy planners, whole dots cut down break where
// LibreOffice breaks far more often than the design's advances, whole or
// rounded.)
// Text is not kerned (Word and LibreOffice do not kern
// unless told to). Text that needs shaping (another script, right-to-left,
// combining marks) or characters the face lacks are laid out by Qt's text
// engine instead (see TextShaper.h).
struct RenderFont {
    // LibreOffice's reference device (8640 dots per inch): its dots to a pixel.
    static constexpr double DotsPerPixel = 8640.0 / 96.0;

    QFont font;
    QRawFont raw;               // the face at the font's pixel size
    QFontMetricsF large;        // of the font measureScale times larger
    double measureScale = 1.0;
    QRawFont designFace{};      // the face at a pixel to its unit: advances in whole units
    double dotsPerUnit = 0;     // reference-device dots to a design unit at this size
    // A line of this font as LibreOffice sets it, in whole twips: its
    // reference device has 8640 dots per inch (six to a twip), where the
    // face's ascent, descent and line gap are each rounded to whole dots and
    // then to whole twips; the gap goes above the letters. Rows and lines
    // measured so add up as LibreOffice's do, and its pages end where ours do.
    int ascentTwips = 0;        // from the line's top to the baseline
    int lineTwips = 0;          // the whole line
    double ascent = 0;          // pixels above the baseline (ascentTwips)
    double descent = 0;         // pixels below it, to the line's foot
    double lineHeight() const { return ascent + descent; }

    // Glyphs of a text and their unhinted advances in pixels, taken one for
    // one from the face's character map; false when the text needs shaping
    // or the face lacks one of its characters.
    bool glyphs(const QString& text, QList<quint32>& indexes, QList<QPointF>& advances) const;
    // The glyphs() of a text as a run placed from its baseline's left end;
    // false where glyphs() is.
    bool glyphRun(const QString& text, QGlyphRun& run) const;
    // The text's width in pixels, as it is drawn (shaped where it needs it).
    double advance(QStringView text) const;
    // The face DotsPerPixel times larger, to set text in reference-device
    // dots, its places as many times further: a PDF's text in dots has whole
    // numbers for places (advances are whole dots), a quarter shorter to
    // write and compress than in pixels.
    const QRawFont& inDots() const;
    mutable QRawFont dotsFace{};  // made by inDots()
    // A glyph's outline in pixels, its origin on the baseline; kept once made,
    // so that a picture of vectors costs no outline look-ups after the first.
    const QPainterPath& outline(quint32 glyph) const;
    mutable QHash<quint32, QPainterPath> outlines{};  // made by outline()
    mutable QHash<quint32, double> designAdvances{};  // pixels, kept by glyphs()
    // The glyph and advance (pixels) of each character below U+0100, kept by
    // glyphs() once looked up: most planners' text is all in them, and a
    // table costs less than the face's character map and a hash a glyph.
    struct LatinGlyph {
        quint32 index = 0;
        double advance = 0;
        bool known = false;
    };
    mutable std::array<LatinGlyph, 0x100> latinGlyphs{};
    // The formatting this font was first looked up for, and its face's
    // header table (which names the face's version, revision and dates), by
    // which another thread's catalog finds the same face (FontCatalog::sameAs).
    model::CharacterFormat asked{};
    QByteArray header{};
    double pixelSize = 0;  // the face's size, kept apart from it for other threads

private:
    // A glyph's advance in pixels, as glyphs() gives it.
    double advanceOf(quint32 glyph) const;
    // The entry of latinGlyphs for `c` (below U+0100), looked up if need be.
    const LatinGlyph& latinGlyph(QChar c) const;
};

// The fonts of documents, looked up once and kept: a document names fonts
// that may not be installed here (Calibri, Trebuchet MS), and the picture is
// to look like LibreOffice's rendering of the same file, so a missing family
// is replaced the way LibreOffice replaces it: its metric-compatible stand-in
// where one is installed (Calibri -> Carlito, Arial -> Liberation Sans, ...),
// otherwise what fontconfig matches for the name, as LibreOffice asks
// fontconfig too (Trebuchet MS -> DejaVu Sans on Debian, which is what
// LibreOffice draws it with). Families are looked up
// once and fonts kept for the program's life, so a picture costs no font
// database scan. Use a catalog on one thread only (shared() on the GUI
// thread), with a QGuiApplication.
// A device at 96 dots per inch for measuring, whatever the screen is.
QPaintDevice* measuringDevice();

class FontCatalog {
public:
    static FontCatalog& shared();

    // The font for this formatting; the reference stays valid for the
    // program's life.
    const RenderFont& font(const model::CharacterFormat& format);

    // The installed family drawn for a requested one.
    QString familyFor(const QString& requested);

    // This catalog's font for what `other`, a font of another catalog, was
    // looked up for. Qt keeps a face to the thread that made it, so a thread
    // that draws what another laid out draws it in faces of its own catalog.
    // Throws std::runtime_error when the face found here is not the other's
    // (a font installed or removed in between): its glyph numbers would draw
    // other letters.
    const RenderFont& sameAs(const RenderFont& other);

    FontCatalog();
    ~FontCatalog();
    FontCatalog(const FontCatalog&) = delete;
    FontCatalog& operator=(const FontCatalog&) = delete;

private:
    const RenderFont& lookUp(const model::CharacterFormat& format);

    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace word::render
