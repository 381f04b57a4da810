#include "PicturePlayback.h"

#include "pictureformat/PictureFormat.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <type_traits>
#include <variant>

namespace desktop {

namespace {

using namespace pictureformat;

// The oldest format whose commands are read here as Qt reads them.
constexpr quint16 OldestFormat = 9;

struct Path {
    QPainterPath path;
    QRectF bounds;  // of its control points, which hold the whole outline
};
struct Rect {
    QRectF rect;
};
struct Pen {
    QPen pen;
};
struct Brush {
    QBrush brush;
};
struct BrushOrigin {
    QPointF at;
};
struct Font {
    QFont font;
};
struct Background {
    QColor colour;
};
struct BackgroundMode {
    Qt::BGMode mode;
};
struct Transform {
    QTransform matrix;
    bool combine;
};
struct Hints {
    quint32 hints;
};
struct Composition {
    QPainter::CompositionMode mode;
};
struct ClipEnabled {
    bool on;
};
struct Opacity {
    double value;
};
using Command = std::variant<Path, Rect, Pen, Brush, BrushOrigin, Font, Background, BackgroundMode, Transform, Hints,
                             Composition, ClipEnabled, Opacity>;

double readDouble(const uchar* at)
{
    const quint64 bits = qFromBigEndian<quint64>(at);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// A path as QDataStream writes one: its element count, each element's type
// and position, the start of its last subpath and its fill rule.
std::optional<QPainterPath> readPath(const uchar* at, qsizetype length)
{
    if (length < 4)
        return std::nullopt;
    const qint32 count = qFromBigEndian<qint32>(at);
    if (count == 0)
        return QPainterPath();
    constexpr qsizetype ElementSize = 4 + 2 * 8;
    if (count < 0 || length != 4 + qsizetype(count) * ElementSize + 8)
        return std::nullopt;
    const uchar* element = at + 4;
    auto type = [&](qint32 i) { return qFromBigEndian<qint32>(element + i * ElementSize); };
    auto point = [&](qint32 i) -> std::optional<QPointF> {
        const double x = readDouble(element + i * ElementSize + 4);
        const double y = readDouble(element + i * ElementSize + 12);
        // What Qt's reader would drop, making the whole path empty.
        if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(x) >= 1e128 || std::fabs(y) >= 1e128)
            return std::nullopt;
        return QPointF(x, y);
    };
    QPainterPath path;
    path.reserve(count);
    for (qint32 i = 0; i < count; ++i) {
        const auto to = point(i);
        if (!to)
            return std::nullopt;
        switch (type(i)) {
        case QPainterPath::MoveToElement:
            path.moveTo(*to);
            break;
        case QPainterPath::LineToElement:
            if (i == 0)
                return std::nullopt;
            path.lineTo(*to);
            break;
        case QPainterPath::CurveToElement: {
            if (i == 0 || i + 2 >= count || type(i + 1) != QPainterPath::CurveToDataElement
                || type(i + 2) != QPainterPath::CurveToDataElement)
                return std::nullopt;
            const auto second = point(i + 1);
            const auto end = point(i + 2);
            if (!second || !end)
                return std::nullopt;
            path.cubicTo(*to, *second, *end);
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    const qint32 fillRule = qFromBigEndian<qint32>(element + qsizetype(count) * ElementSize + 4);
    if (fillRule != Qt::OddEvenFill && fillRule != Qt::WindingFill)
        return std::nullopt;
    path.setFillRule(Qt::FillRule(fillRule));
    return path;
}

// The parameters of one state command, read by QDataStream as Qt's player reads them.
template <typename... Values>
bool readValues(const uchar* at, qsizetype length, int version, Values&... values)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(at), length);
    QDataStream stream(bytes);
    stream.setVersion(version);
    (stream >> ... >> values);
    return stream.status() == QDataStream::Ok;
}

std::optional<Command> readCommand(quint8 code, const uchar* at, qsizetype length, int version)
{
    switch (code) {
    case DrawPath:
        if (auto path = readPath(at, length))
            return Path{*path, path->controlPointRect()};
        return std::nullopt;
    case DrawRect: {
        QRectF rect;
        return readValues(at, length, version, rect) ? std::optional<Command>(Rect{rect}) : std::nullopt;
    }
    case SetPen: {
        QPen pen;
        return readValues(at, length, version, pen) ? std::optional<Command>(Pen{pen}) : std::nullopt;
    }
    case SetBrush: {
        QBrush brush;
        return readValues(at, length, version, brush) ? std::optional<Command>(Brush{brush}) : std::nullopt;
    }
    case SetBrushOrigin: {
        QPointF origin;
        return readValues(at, length, version, origin) ? std::optional<Command>(BrushOrigin{origin}) : std::nullopt;
    }
    case SetFont: {
        QFont font;
        return readValues(at, length, version, font) ? std::optional<Command>(Font{font}) : std::nullopt;
    }
    case SetBackgroundColour: {
        QColor colour;
        return readValues(at, length, version, colour) ? std::optional<Command>(Background{colour}) : std::nullopt;
    }
    case SetBackgroundMode: {
        qint8 mode = 0;
        return readValues(at, length, version, mode) ? std::optional<Command>(BackgroundMode{Qt::BGMode(mode)})
                                                     : std::nullopt;
    }
    case SetTransform: {
        QTransform matrix;
        qint8 combine = 0;
        return readValues(at, length, version, matrix, combine)
                   ? std::optional<Command>(Transform{matrix, combine != 0})
                   : std::nullopt;
    }
    case SetRenderHints: {
        quint32 hints = 0;
        return readValues(at, length, version, hints) ? std::optional<Command>(Hints{hints}) : std::nullopt;
    }
    case SetCompositionMode: {
        quint32 mode = 0;
        return readValues(at, length, version, mode)
                   ? std::optional<Command>(Composition{QPainter::CompositionMode(mode)})
                   : std::nullopt;
    }
    case SetClipEnabled: {
        bool on = false;
        return readValues(at, length, version, on) ? std::optional<Command>(ClipEnabled{on}) : std::nullopt;
    }
    case SetOpacity: {
        double opacity = 1.0;
        return readValues(at, length, version, opacity) ? std::optional<Command>(Opacity{opacity}) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

}  // namespace

struct PicturePlayback::Commands {
    QPicture source;  // held, so that no other picture gets its bytes' address
    std::vector<Command> list;
    bool holdsPixmap = false;  // a pen or brush with a texture
};

PicturePlayback PicturePlayback::readAnew(const QPicture& picture)
{
    PicturePlayback playback;
    playback.m_picture = picture;
    playback.read();
    return playback;
}

bool PicturePlayback::drawableElsewhere() const
{
    return m_commands && !m_commands->holdsPixmap;
}

PicturePlayback::PicturePlayback(const QPicture& picture) : m_picture(picture)
{
    // The preview shows one picture in more than one place: it is read once
    // while any of them shows it. (Copies of a picture share its bytes.)
    static std::weak_ptr<const Commands> last;
    if (const auto known = last.lock(); known && !picture.isNull() && known->source.data() == picture.data()
                                        && known->source.size() == picture.size()) {
        m_commands = known;
        return;
    }
    read();
    if (m_commands)
        last = m_commands;
}

void PicturePlayback::read()
{
    const QPicture& picture = m_picture;
    const auto* bytes = reinterpret_cast<const uchar*>(picture.data());
    const qsizetype size = picture.size();
    if (!bytes || !hasHeader(QByteArrayView(bytes, size)))
        return;
    const quint16 format = qFromBigEndian<quint16>(bytes + VersionAt);
    if (format < OldestFormat || format > QDataStream::Qt_DefaultCompiledVersion)
        return;
    const quint32 records = qFromBigEndian<quint32>(bytes + CountAt);
    auto commands = std::make_shared<Commands>();
    commands->source = picture;
    qsizetype at = HeaderSize;
    for (quint32 record = 0; record < records; ++record) {
        if (size - at < 2)
            return;
        const quint8 code = bytes[at];
        qsizetype length = bytes[at + 1];
        at += 2;
        if (length == 255) {
            if (size - at < 4)
                return;
            length = qFromBigEndian<quint32>(bytes + at);
            at += 4;
        }
        if (length > size - at)
            return;
        if (code == End) {
            // Qt's player ends at the last command, an End.
            if (record + 1 == records) {
                m_commands = std::move(commands);
                return;
            }
        } else if (auto command = readCommand(code, bytes + at, length, format)) {
            if (const auto* brush = std::get_if<Brush>(&*command))
                commands->holdsPixmap |= brush->brush.style() == Qt::TexturePattern;
            else if (const auto* pen = std::get_if<Pen>(&*command))
                commands->holdsPixmap |= pen->pen.brush().style() == Qt::TexturePattern;
            commands->list.push_back(std::move(*command));
        } else {
            return;
        }
        at += length;
    }
}

void PicturePlayback::draw(QPainter& painter, const QPointF& at) const
{
    if (!m_commands) {
        painter.drawPicture(at, m_picture);
        return;
    }
    // What lies wholly outside the clip is not drawn: at zoom 1 the view shows
    // a third of a week's page, and the raster engine would flatten every
    // glyph's curves before it clips them away. In device pixels.
    const QRectF visible = painter.hasClipping() ? painter.transform().mapRect(painter.clipBoundingRect())
                                                 : QRectF(0, 0, painter.device()->width(), painter.device()->height());
    auto outside = [&](const QRectF& bounds) {
        // A pen reaches past the outline by its width (twice, at a mitred
        // corner), smoothing by a pixel more.
        const QPen& pen = painter.pen();
        const qreal reach = pen.style() == Qt::NoPen ? 0.0 : 2 * std::max<qreal>(pen.widthF(), 1.0);
        const QRectF drawn = painter.transform().mapRect(bounds.adjusted(-reach, -reach, reach, reach));
        return !drawn.adjusted(-2, -2, 2, 2).intersects(visible);
    };
    painter.save();
    painter.translate(at);
    // As Qt's player: the picture's pixels are at its default resolution,
    // scaled to the device's.
    // (Any picture has that resolution; a blank one tells it without
    // looking at this one's bytes.)
    static const QPicture blank;
    QTransform world = painter.transform();
    const QPaintDevice* device = painter.device();
    world.scale(qreal(device->logicalDpiX()) / blank.logicalDpiX(), qreal(device->logicalDpiY()) / blank.logicalDpiY());
    painter.setTransform(world);
    const QCoreApplication* application = QCoreApplication::instance();
    const bool onGuiThread = !application || QThread::currentThread() == application->thread();
    for (const Command& command : m_commands->list) {
        std::visit(
            [&](const auto& c) {
                using C = std::decay_t<decltype(c)>;
                if constexpr (std::is_same_v<C, Path>) {
                    if (!outside(c.bounds))
                        painter.drawPath(c.path);
                } else if constexpr (std::is_same_v<C, Rect>) {
                    if (!outside(c.rect))
                        painter.drawRect(c.rect);
                }
                else if constexpr (std::is_same_v<C, Pen>)
                    painter.setPen(c.pen);
                else if constexpr (std::is_same_v<C, Brush>)
                    painter.setBrush(c.brush);
                else if constexpr (std::is_same_v<C, BrushOrigin>)
                    painter.setBrushOrigin(c.at);
                else if constexpr (std::is_same_v<C, Font>) {
                    if (onGuiThread)
                        painter.setFont(c.font);
                }
                else if constexpr (std::is_same_v<C, Background>)
                    painter.setBackground(c.colour);
                else if constexpr (std::is_same_v<C, BackgroundMode>)
                    painter.setBackgroundMode(c.mode);
                else if constexpr (std::is_same_v<C, Transform>)
                    painter.setTransform(c.matrix * world, c.combine);
                else if constexpr (std::is_same_v<C, Hints>) {
                    painter.setRenderHint(QPainter::Antialiasing, (c.hints & QPainter::Antialiasing) != 0);
                    painter.setRenderHint(QPainter::SmoothPixmapTransform, (c.hints & QPainter::SmoothPixmapTransform) != 0);
                } else if constexpr (std::is_same_v<C, Composition>)
                    painter.setCompositionMode(c.mode);
                else if constexpr (std::is_same_v<C, ClipEnabled>)
                    painter.setClipping(c.on);
                else if constexpr (std::is_same_v<C, Opacity>)
                    painter.setOpacity(c.value);
            },
            command);
    }
    painter.restore();
}

}  // namespace desktop
