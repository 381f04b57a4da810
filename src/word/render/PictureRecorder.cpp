#include "word/render/PictureRecorder.h"

#include "pictureformat/PictureFormat.h"

#include <QDataStream>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtEndian>

#include <array>
#include <cstring>
#include <optional>

namespace word::render {

namespace {

using namespace pictureformat;

// Numbers as QDataStream writes them: big-endian.
void put(char* at, quint32 value) { qToBigEndian(value, at); }
void put(char* at, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToBigEndian(bits, at);
}

// The format version QPicture writes (it follows Qt's QDataStream version,
// and so the way pens, brushes and fonts are written): taken from a picture
// Qt records, so that ours are the pictures this Qt writes.
struct Version {
    quint16 major;
    quint16 minor;
};

Version qtVersion()
{
    static const Version version = [] {
        QPicture picture;
        QPainter painter(&picture);
        painter.end();
        const char* header = picture.data();
        return Version{qFromBigEndian<quint16>(header + VersionAt), qFromBigEndian<quint16>(header + VersionAt + 2)};
    }();
    return version;
}

class RecorderEngine final : public QPaintEngine {
public:
    explicit RecorderEngine(const QRect& area) : QPaintEngine(AllFeatures), m_area(area) {}

    const QByteArray& bytes() const { return m_bytes; }

    bool begin(QPaintDevice*) override
    {
        m_bytes = QByteArray(HeaderSize, '\0');
        char* header = m_bytes.data();
        std::memcpy(header, Magic, 4);
        const Version version = qtVersion();
        qToBigEndian(version.major, header + VersionAt);
        qToBigEndian(version.minor, header + VersionAt + 2);
        m_streamVersion = version.major;
        header[BeginAt] = char(Begin);
        header[BeginAt + 1] = char(sizeof(qint32));  // what QPicture writes there
        m_records = 0;
        m_pen.reset();
        m_brush.reset();
        m_hints.reset();
        setActive(true);
        return true;
    }

    bool end() override
    {
        appendCommand(End, nullptr, 0);
        char* header = m_bytes.data();
        const std::array<qint32, 4> rectangle{m_area.left(), m_area.top(), m_area.width(), m_area.height()};
        for (size_t i = 0; i < rectangle.size(); ++i)
            put(header + RectangleAt + 4 * qsizetype(i), quint32(rectangle[i]));
        put(header + CountAt, m_records);
        const quint16 checksum = pictureChecksum(header + ChecksummedFrom, m_bytes.size() - ChecksummedFrom);
        qToBigEndian(checksum, header + ChecksumAt);
        setActive(false);
        return true;
    }

    Type type() const override { return Picture; }

    void updateState(const QPaintEngineState& state) override
    {
        const DirtyFlags flags = state.state();
        if ((flags & DirtyPen) && m_pen != state.pen()) {
            m_pen = state.pen();
            record(SetPen, state.pen());
        }
        if ((flags & DirtyBrush) && m_brush != state.brush()) {
            m_brush = state.brush();
            record(SetBrush, state.brush());
        }
        if (flags & DirtyBrushOrigin)
            record(SetBrushOrigin, state.brushOrigin());
        if (flags & DirtyFont)
            record(SetFont, state.font());
        if (flags & DirtyBackground) {
            record(SetBackgroundColour, state.backgroundBrush().color());
            record(SetBackgroundMode, qint8(state.backgroundMode()));
        }
        if (flags & DirtyTransform)
            record(SetTransform, state.transform(), qint8(false));
        if (flags & DirtyClipEnabled)
            record(SetClipEnabled, state.isClipEnabled());
        if (flags & DirtyClipRegion)
            record(SetClipRegion, state.clipRegion(), qint8(state.clipOperation()));
        if (flags & DirtyClipPath)
            record(SetClipPath, state.clipPath(), qint8(state.clipOperation()));
        if ((flags & DirtyHints) && m_hints != quint32(state.renderHints())) {
            m_hints = quint32(state.renderHints());
            record(SetRenderHints, *m_hints);
        }
        if (flags & DirtyCompositionMode)
            record(SetCompositionMode, qint32(state.compositionMode()));
        if (flags & DirtyOpacity)
            record(SetOpacity, double(state.opacity()));
    }

    // The one command of many numbers: its points are written here directly.
    void drawPath(const QPainterPath& path) override
    {
        if (path.isEmpty()) {
            const char none[4] = {};
            appendCommand(DrawPath, none, sizeof none);
            return;
        }
        constexpr qsizetype ElementSize = 4 + 2 * 8;
        const int count = path.elementCount();
        const qsizetype length = 4 + count * ElementSize + 4 + 4;
        char* at = appendCommand(DrawPath, nullptr, length);
        put(at, quint32(count));
        at += 4;
        int subpathStart = 0;
        for (int i = 0; i < count; ++i) {
            const QPainterPath::Element& element = path.elementAt(i);
            if (element.type == QPainterPath::MoveToElement)
                subpathStart = i;
            put(at, quint32(element.type));
            put(at + 4, double(element.x));
            put(at + 12, double(element.y));
            at += ElementSize;
        }
        put(at, quint32(subpathStart));
        put(at + 4, quint32(path.fillRule()));
    }

    void drawPolygon(const QPointF* points, int pointCount, PolygonDrawMode mode) override
    {
        const QPolygonF polygon(QList<QPointF>(points, points + pointCount));
        if (mode == PolylineMode)
            record(DrawPolyline, polygon);
        else
            record(DrawPolygon, polygon, qint8(mode == OddEvenMode ? 0 : 1));
    }

    void drawPolygon(const QPoint* points, int pointCount, PolygonDrawMode mode) override
    {
        QList<QPointF> converted;
        converted.reserve(pointCount);
        for (int i = 0; i < pointCount; ++i)
            converted.append(QPointF(points[i]));
        drawPolygon(converted.constData(), pointCount, mode);
    }

    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override
    {
        record(DrawPixmap, target, pixmap, source);
    }

    void drawTiledPixmap(const QRectF& target, const QPixmap& pixmap, const QPointF& offset) override
    {
        record(DrawTiledPixmap, target, pixmap, offset);
    }

    void drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override
    {
        record(DrawImage, target, image, source, quint32(flags));
    }

private:
    // Appends a command of `length` bytes of parameters (copied from
    // `parameters` when given) and returns where its parameters go.
    char* appendCommand(Command command, const char* parameters, qsizetype length)
    {
        ++m_records;
        const bool longForm = length >= 255;
        const qsizetype start = m_bytes.size();
        const qsizetype head = longForm ? 6 : 2;
        m_bytes.resize(start + head + length);
        char* at = m_bytes.data() + start;
        at[0] = char(command);
        if (longForm) {
            at[1] = char(255);
            put(at + 2, quint32(length));
        } else {
            at[1] = char(length);
        }
        if (parameters)
            std::memcpy(at + head, parameters, size_t(length));
        return at + head;
    }

    // A command whose parameters are written as QPicture's recorder writes them.
    template <typename... Values>
    void record(Command command, const Values&... values)
    {
        QByteArray parameters;
        {
            QDataStream stream(&parameters, QIODevice::WriteOnly);
            stream.setVersion(m_streamVersion);
            (stream << ... << values);
        }
        appendCommand(command, parameters.constData(), parameters.size());
    }

    QRect m_area;
    QByteArray m_bytes;
    int m_streamVersion = 0;
    quint32 m_records = 0;
    // What the picture has in force, so that setting it again records nothing.
    std::optional<QPen> m_pen;
    std::optional<QBrush> m_brush;
    std::optional<quint32> m_hints;
};

// The CRC-16 of ISO 3309 (reflected polynomial 0x8408), eight bytes a step:
// table k holds what a byte value adds followed by k zero bytes.
using ChecksumTables = std::array<std::array<quint16, 256>, 8>;

constexpr ChecksumTables checksumTables()
{
    ChecksumTables tables{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        unsigned crc = byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0x8408 : crc >> 1;
        tables[0][byte] = quint16(crc);
    }
    for (size_t k = 1; k < tables.size(); ++k)
        for (unsigned byte = 0; byte < 256; ++byte)
            tables[k][byte] = quint16((tables[k - 1][byte] >> 8) ^ tables[0][tables[k - 1][byte] & 0xff]);
    return tables;
}

}  // namespace

quint16 pictureChecksum(const char* data, qsizetype size)
{
    static constexpr ChecksumTables t = checksumTables();
    unsigned crc = 0xffff;
    const auto* p = reinterpret_cast<const uchar*>(data);
    for (; size >= 8; size -= 8, p += 8) {
        crc = t[7][(crc ^ p[0]) & 0xff] ^ t[6][((crc >> 8) ^ p[1]) & 0xff] ^ t[5][p[2]] ^ t[4][p[3]] ^ t[3][p[4]]
            ^ t[2][p[5]] ^ t[1][p[6]] ^ t[0][p[7]];
    }
    for (; size > 0; --size, ++p)
        crc = (crc >> 8) ^ t[0][(crc ^ *p) & 0xff];
    return quint16(~crc);
}

PictureRecorder::PictureRecorder(const QRect& area) : m_area(area), m_engine(std::make_unique<RecorderEngine>(area)) {}

PictureRecorder::~PictureRecorder() = default;

QPaintEngine* PictureRecorder::paintEngine() const { return m_engine.get(); }

const QByteArray& PictureRecorder::bytes() const { return static_cast<const RecorderEngine&>(*m_engine).bytes(); }

QPicture PictureRecorder::picture() const
{
    QPicture picture;
    const QByteArray& recorded = bytes();
    if (recorded.isEmpty())
        return picture;
    picture.setData(recorded.constData(), uint(recorded.size()));
    picture.setBoundingRect(m_area);
    return picture;
}

int PictureRecorder::metric(PaintDeviceMetric metric) const
{
    // As a QPicture of this size answers: its resolution is Qt's default one.
    static const QPicture picture;
    switch (metric) {
    case PdmWidth:
        return m_area.width();
    case PdmHeight:
        return m_area.height();
    case PdmWidthMM:
        return int(25.4 / picture.logicalDpiX() * m_area.width());
    case PdmHeightMM:
        return int(25.4 / picture.logicalDpiY() * m_area.height());
    case PdmDpiX:
        return picture.logicalDpiX();
    case PdmDpiY:
        return picture.logicalDpiY();
    case PdmPhysicalDpiX:
        return picture.physicalDpiX();
    case PdmPhysicalDpiY:
        return picture.physicalDpiY();
    case PdmNumColors:
        return picture.colorCount();
    case PdmDepth:
        return picture.depth();
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}

}  // namespace word::render
