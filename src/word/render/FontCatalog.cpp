#include "word/render/FontCatalog.h"

#include "word/model/Units.h"
#include "word/render/TextShaper.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QImage>
#include <QSet>

#include <algorithm>
#include <stdexcept>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace word::render {

namespace {

// Stand-ins LibreOffice puts in for the common Windows families (its font
// replacement table); each is metric-compatible, so texts keep their widths.
struct Replacement {
    const char* requested;
    const char* standIn;
};
constexpr std::array<Replacement, 9> Replacements{{
    {"Calibri", "Carlito"},
    {"Cambria", "Caladea"},
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Times New Roman", "Liberation Serif"},
    {"Times", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Courier", "Liberation Mono"},
}};

// Where fontconfig has no answer either, the sans-serif faces LibreOffice
// falls back to on a Debian system.
constexpr std::array<const char*, 3> Fallbacks{"DejaVu Sans", "Liberation Sans", "Noto Sans"};

// LibreOffice measures text on a reference device of 8640 dots per inch.
constexpr int DotsPerTwip = 6;
constexpr double DotsPerPixel = RenderFont::DotsPerPixel;
static_assert(DotsPerPixel == double(units::TwipsPerInch) * DotsPerTwip / units::PixelsPerInch);

qint32 bigEndian(const QByteArray& table, qsizetype at, bool isSigned)
{
    const auto high = quint8(table.at(at));
    const auto low = quint8(table.at(at + 1));
    const qint32 value = (high << 8) | low;
    return isSigned && value >= 0x8000 ? value - 0x10000 : value;
}

// A face's vertical metrics in its own units, chosen as LibreOffice chooses
// them: the hhea table's; the OS/2 table's Windows metrics where hhea has
// none; its typographic ones where the face asks for those (the
// USE_TYPO_METRICS flag). All zero when the face has neither table.
struct FaceMetrics {
    double ascent = 0;
    double descent = 0;
    double gap = 0;
};

FaceMetrics faceMetrics(const QRawFont& raw)
{
    FaceMetrics metrics;
    const QByteArray hhea = raw.fontTable("hhea");
    if (hhea.size() >= 10) {
        const qint32 ascender = bigEndian(hhea, 4, true);
        const qint32 descender = bigEndian(hhea, 6, true);
        if (ascender >= 0 && descender <= 0)
            metrics = {double(ascender), double(-descender), double(bigEndian(hhea, 8, true))};
    }
    const QByteArray os2 = raw.fontTable("OS/2");
    if (os2.size() >= 78) {
        const qint32 selection = bigEndian(os2, 62, false);
        const qint32 typoAscender = bigEndian(os2, 68, true);
        const qint32 typoDescender = bigEndian(os2, 70, true);
        const qint32 typoGap = bigEndian(os2, 72, true);
        const qint32 winAscent = bigEndian(os2, 74, false);
        const qint32 winDescent = bigEndian(os2, 76, false);
        if (winAscent || winDescent || typoAscender || typoDescender) {
            if (metrics.ascent == 0 && metrics.descent == 0)
                metrics = {double(winAscent), double(winDescent), 0.0};
            constexpr qint32 UseTypoMetrics = 1 << 7;
            if ((selection & UseTypoMetrics) && typoAscender >= 0 && typoDescender <= 0)
                metrics = {double(typoAscender), double(-typoDescender), double(typoGap)};
        }
    }
    return metrics;
}

// Sets the font's line in whole twips and its advances as LibreOffice
// measures them (see RenderFont): the line from the face's metrics or, for
// a face without them, from the outlines' ascent and descent.
void setMeasures(RenderFont& font, double points)
{
    const double emDots = points * units::TwipsPerPoint * DotsPerTwip;
    const int unitsPerEm = font.raw.isValid() ? font.raw.unitsPerEm() : 0;
    if (unitsPerEm > 0) {
        font.designFace = font.raw;
        font.designFace.setPixelSize(unitsPerEm);
        font.dotsPerUnit = emDots / unitsPerEm;
    }
    FaceMetrics metrics = unitsPerEm > 0 ? faceMetrics(font.raw) : FaceMetrics{};
    double scale = font.dotsPerUnit;
    if (metrics.ascent == 0 && metrics.descent == 0) {
        metrics = {font.large.ascent() / font.measureScale, font.large.descent() / font.measureScale, 0.0};
        scale = DotsPerPixel;
    }
    auto dots = [scale](double length) { return std::round(std::max(0.0, length) * scale); };
    auto twips = [](double dots) { return int(std::lround(dots / DotsPerTwip)); };
    const double ascent = dots(metrics.ascent);
    const double descent = dots(metrics.descent);
    const int gap = twips(dots(metrics.gap));
    font.ascentTwips = twips(ascent) + gap;
    font.lineTwips = twips(ascent + descent) + gap;
    font.ascent = units::pixelsFromTwips(font.ascentTwips);
    font.descent = units::pixelsFromTwips(font.lineTwips - font.ascentTwips);
}

}  // namespace

QPaintDevice* measuringDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = int(std::lround(units::PixelsPerInch / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}

double RenderFont::advanceOf(quint32 glyph) const
{
    if (!designFace.isValid() || dotsPerUnit <= 0) {
        const QList<QPointF> advances = raw.advancesForGlyphIndexes({glyph}, QRawFont::UseDesignMetrics);
        return advances.isEmpty() ? 0.0 : advances.front().x();
    }
    // Kept once looked up: the face at that size keeps no glyphs, and would
    // load each again for every advance.
    auto known = designAdvances.constFind(glyph);
    if (known == designAdvances.constEnd()) {
        const QList<QPointF> design = designFace.advancesForGlyphIndexes({glyph}, QRawFont::UseDesignMetrics);
        known = designAdvances.insert(glyph, design.isEmpty() ? 0.0 : std::floor(design.front().x() * dotsPerUnit) / DotsPerPixel);
    }
    return *known;
}

const RenderFont::LatinGlyph& RenderFont::latinGlyph(QChar c) const
{
    LatinGlyph& glyph = latinGlyphs[c.unicode()];
    if (!glyph.known) {
        int count = 1;
        raw.glyphIndexesForChars(&c, 1, &glyph.index, &count);
        if (count != 1)
            glyph.index = 0;
        glyph.advance = advanceOf(glyph.index);
        glyph.known = true;
    }
    return glyph;
}

bool RenderFont::glyphs(const QString& text, QList<quint32>& indexes, QList<QPointF>& advances) const
{
    if (!raw.isValid() || needsShaping(text))
        return false;
    const bool latin = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
    if (latin) {
        indexes.resize(text.size());
        advances.resize(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            const LatinGlyph& glyph = latinGlyph(c);
            if (glyph.index == 0 && !c.isSpace())
                return false;
            indexes[i] = glyph.index;
            advances[i] = QPointF(glyph.advance, 0.0);
        }
        return true;
    }
    indexes = raw.glyphIndexesForString(text);
    advances.resize(indexes.size());
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        if (indexes[i] == 0 && i < text.size() && !text.at(i).isSpace())
            return false;
        advances[i] = QPointF(advanceOf(indexes[i]), 0.0);
    }
    return true;
}

bool RenderFont::glyphRun(const QString& text, QGlyphRun& run) const
{
    if (raw.isValid() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; })) {
        // As below, the glyphs and their places taken from the table at once.
        QList<quint32> indexes(text.size());
        QList<QPointF> positions(text.size());
        double pen = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const LatinGlyph& glyph = latinGlyph(text.at(i));
            if (glyph.index == 0 && !text.at(i).isSpace())
                return false;
            indexes[i] = glyph.index;
            positions[i] = QPointF(pen, 0.0);
            pen += glyph.advance;
        }
        run = QGlyphRun();
        run.setRawFont(raw);
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        return true;
    }
    QList<quint32> indexes;
    QList<QPointF> advances;
    if (!glyphs(text, indexes, advances))
        return false;
    QList<QPointF> positions(advances.size());
    QPointF pen;
    for (qsizetype i = 0; i < advances.size(); ++i) {
        positions[i] = pen;
        pen += advances[i];
    }
    run = QGlyphRun();
    run.setRawFont(raw);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    return true;
}

double RenderFont::advance(QStringView text) const
{
    // The sum glyphs() would give, without lists, for the text most
    // lines are cut into.
    if (raw.isValid() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; })) {
        double width = 0;
        bool mapped = true;
        for (const QChar c : text) {
            const LatinGlyph& glyph = latinGlyph(c);
            mapped = mapped && (glyph.index != 0 || c.isSpace());
            width += glyph.advance;
        }
        if (mapped)
            return width;
    }
    const QString whole = text.toString();
    QList<quint32> indexes;
    QList<QPointF> advances;
    if (!glyphs(whole, indexes, advances))
        return shapeText({{whole, this}}).width;
    double width = 0;
    for (const QPointF& step : advances)
        width += step.x();
    return width;
}

const QRawFont& RenderFont::inDots() const
{
    if (!dotsFace.isValid()) {
        dotsFace = raw;
        dotsFace.setPixelSize(raw.pixelSize() * DotsPerPixel);
    }
    return dotsFace;
}

const QPainterPath& RenderFont::outline(quint32 glyph) const
{
    auto known = outlines.constFind(glyph);
    if (known == outlines.constEnd())
        known = outlines.insert(glyph, raw.pathForGlyph(glyph));
    return *known;
}

struct FontCatalog::Impl {
    QSet<QString> installed;  // lower-case family names
    bool scanned = false;
    QHash<QString, QString> families;  // requested -> drawn
    QHash<QString, RenderFont*> fonts;  // "family|halfPoints|bold"
    // The formats last asked for and their fonts: a document's runs come in
    // a handful of formats, and a look-up by name costs a key of its own.
    std::vector<std::pair<model::CharacterFormat, const RenderFont*>> recent;

    bool isInstalled(const QString& family)
    {
        if (!scanned) {
            for (const QString& name : QFontDatabase::families())
                installed.insert(name.toLower());
            scanned = true;
        }
        return installed.contains(family.toLower());
    }

    ~Impl() { qDeleteAll(fonts); }
};

FontCatalog::FontCatalog() : m_impl(std::make_unique<Impl>()) {}
FontCatalog::~FontCatalog() = default;

FontCatalog& FontCatalog::shared()
{
    // Never destroyed: its fonts must not outlive the application's font
    // cache, which goes before static objects do.
    static FontCatalog* catalogue = new FontCatalog;
    return *catalogue;
}

QString FontCatalog::familyFor(const QString& requested)
{
    const auto known = m_impl->families.constFind(requested);
    if (known != m_impl->families.constEnd())
        return *known;
    // Real documents name a handful of fonts. Past this many names (a crafted
    // file may name a million), no more fontconfig look-ups and no more memory:
    // every further name is drawn in the fallback face.
    constexpr qsizetype MaxNamedFamilies = 256;
    const bool full = m_impl->families.size() >= MaxNamedFamilies;
    QString drawn;
    if (full) {
        for (const char* fallback : Fallbacks) {
            if (m_impl->isInstalled(QLatin1String(fallback)))
                return QLatin1String(fallback);
        }
        return QString();
    }
    if (!requested.isEmpty() && m_impl->isInstalled(requested))
        drawn = requested;
    for (const Replacement& replacement : Replacements) {
        if (!drawn.isEmpty())
            break;
        if (requested.compare(QLatin1String(replacement.requested), Qt::CaseInsensitive) == 0
            && m_impl->isInstalled(QLatin1String(replacement.standIn)))
            drawn = QLatin1String(replacement.standIn);
    }
    if (drawn.isEmpty() && !requested.isEmpty()) {
        // What fontconfig matches for the name, as LibreOffice asks it too.
        const QString matched = QFontInfo(QFont(requested)).family();
        if (m_impl->isInstalled(matched))
            drawn = matched;
    }
    for (const char* fallback : Fallbacks) {
        if (!drawn.isEmpty())
            break;
        if (m_impl->isInstalled(QLatin1String(fallback)))
            drawn = QLatin1String(fallback);
    }
    if (drawn.isEmpty())
        drawn = requested;  // let fontconfig choose
    m_impl->families.insert(requested, drawn);
    return drawn;
}

const RenderFont& FontCatalog::font(const model::CharacterFormat& format)
{
    auto& recent = m_impl->recent;
    for (const auto& [asked, font] : recent) {
        if (asked == format)
            return *font;
    }
    const RenderFont& found = lookUp(format);
    if (recent.size() >= 16)
        recent.erase(recent.begin());
    recent.emplace_back(format, &found);
    return found;
}

const RenderFont& FontCatalog::sameAs(const RenderFont& other)
{
    const RenderFont& mine = font(other.asked);
    // Only plain copies of the other's: its faces are its thread's.
    if (mine.header != other.header || mine.pixelSize != other.pixelSize)
        throw std::runtime_error("the font drawn here is not the one the text was laid out in");
    return mine;
}

const RenderFont& FontCatalog::lookUp(const model::CharacterFormat& format)
{
    // Keyed by the face drawn, not the name asked for: names that fall back
    // to one face share its fonts.
    const QString family = familyFor(format.fontName);
    const QString key = family + QLatin1Char('|') + QString::number(format.halfPoints)
        + (format.bold ? QLatin1String("|b") : QLatin1String("|r"));
    if (RenderFont* known = m_impl->fonts.value(key))
        return *known;

    QFont font(family);
    // Sizes in points on a 96 dpi device: one point is 4/3 pixel. Unhinted
    // outlines keep fractional advances, as LibreOffice lays text out.
    const double points = std::max(1.0, units::pointsFromHalfPoints(format.halfPoints));
    font.setBold(format.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    // Measuring at 1000 to 4000 points keeps rounding below a thousandth of a pixel.
    const double scale = std::clamp(4000.0 / points, 1.0, 100.0);
    QFont large = font;
    large.setPointSizeF(points * scale);
    font.setPointSizeF(points);
    // The raw face at the pixel size the font has on a 96 dpi device.
    const double pixels = points * units::PixelsPerInch / 72.0;
    QFont pixelFont = font;
    pixelFont.setPixelSize(100);
    QRawFont raw = QRawFont::fromFont(pixelFont);
    if (raw.isValid())
        raw.setPixelSize(pixels);
    auto* resolved = new RenderFont{.font = font, .raw = raw, .large = QFontMetricsF(large, measuringDevice()),
                                    .measureScale = scale};
    setMeasures(*resolved, points);
    resolved->asked = format;
    resolved->header = raw.fontTable("head");
    resolved->pixelSize = raw.isValid() ? raw.pixelSize() : 0;
    m_impl->fonts.insert(key, resolved);
    return *resolved;
}

}  // namespace word::render
