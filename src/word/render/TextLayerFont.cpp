#include "word/render/TextLayerFont.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QList>

namespace word::render {

namespace {

const QString Family = QStringLiteral("Dorvane Text Layer");

QRawFont loadFace()
{
    QFile file(QStringLiteral(":/word/text-layer.ttf"));
    if (!file.open(QIODevice::ReadOnly))
        return QRawFont();
    // Known to the database just long enough to be made: a face made from
    // bytes alone has no name a PDF writer can embed it under.
    const int id = QFontDatabase::addApplicationFontFromData(file.readAll());
    if (id < 0)
        return QRawFont();
    QFont font(Family);
    font.setStyleStrategy(QFont::NoFontMerging);
    QRawFont face = QRawFont::fromFont(font);
    QFontDatabase::removeApplicationFont(id);
    return face.isValid() && face.familyName() == Family ? face : QRawFont();
}

}  // namespace

QRawFont textLayerFont(qreal pixelSize)
{
    static const QRawFont face = loadFace();
    QRawFont sized = face;
    if (sized.isValid())
        sized.setPixelSize(pixelSize);
    return sized;
}

char16_t characterReadBack(const QRawFont& face, quint32 glyph)
{
    // One table a face, of the lowest character for each glyph, made from
    // the whole plane at once (some milliseconds) the first time it is asked.
    static QHash<QString, QHash<quint32, char16_t>> tables;
    const QString key = face.familyName() + QLatin1Char('|') + face.styleName() + QLatin1Char('|') +
                        QString::number(face.weight());
    auto table = tables.find(key);
    if (table == tables.end()) {
        QList<QChar> plane;
        plane.reserve(0x10000);
        for (char32_t c = 0; c < 0x10000; ++c)
            plane.push_back(QChar(char16_t(c >= 0xD800 && c <= 0xDFFF ? 0 : c)));
        QList<quint32> glyphs(plane.size());
        int count = int(glyphs.size());
        face.glyphIndexesForChars(plane.constData(), int(plane.size()), glyphs.data(), &count);
        QHash<quint32, char16_t> lowest;
        for (int c = count - 1; c > 0; --c) {
            if (glyphs[c] != 0)
                lowest.insert(glyphs[c], char16_t(c));
        }
        table = tables.insert(key, lowest);
    }
    return table->value(glyph, 0);
}

}  // namespace word::render
