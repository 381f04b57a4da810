#pragma once

#include <QByteArrayView>
#include <QRect>
#include <QtEndian>

#include <optional>

// QPicture's file format, as Qt 6 writes and reads it: what our own recorder
// writes (word/render/PictureRecorder), our own player reads
// (desktop/PicturePlayback), and a picture read back is checked by
// (planner/TemporaryFiles), known here once. Numbers are big-endian, as
// QDataStream writes them.
namespace pictureformat {

// The header: "QPIC", the checksum of everything after it, the format
// version (major, minor), then the Begin command holding the bounding
// rectangle (left, top, width, height) and the number of commands that
// follow it (End included). Offsets in bytes.
inline constexpr char Magic[] = "QPIC";
inline constexpr qsizetype ChecksumAt = 4;
inline constexpr qsizetype ChecksummedFrom = 6;
inline constexpr qsizetype VersionAt = 6;  // major, then minor, 16 bits each
inline constexpr qsizetype BeginAt = 10;
inline constexpr qsizetype RectangleAt = 12;
inline constexpr qsizetype CountAt = 28;
inline constexpr qsizetype HeaderSize = 32;

// The codes QPicture gives its commands.
enum Command : quint8 {
    DrawRect = 5,
    DrawPolyline = 12,
    DrawPolygon = 13,
    DrawPixmap = 17,
    DrawImage = 18,
    DrawTiledPixmap = 24,
    DrawPath = 25,
    Begin = 30,
    End = 31,
    SetBackgroundColour = 40,
    SetBackgroundMode = 41,
    SetBrushOrigin = 43,
    SetFont = 45,
    SetPen = 46,
    SetBrush = 47,
    SetTransform = 55,
    SetClipRegion = 61,
    SetClipPath = 62,
    SetRenderHints = 63,
    SetCompositionMode = 64,
    SetClipEnabled = 65,
    SetOpacity = 66,
};

// Whether `bytes` begin as a picture does: the magic and a Begin command
// after a whole header.
inline bool hasHeader(QByteArrayView bytes)
{
    return bytes.size() >= HeaderSize && bytes.startsWith(QByteArrayView(Magic, 4))
        && quint8(bytes[BeginAt]) == Begin;
}

// The bounding rectangle the bytes give a picture loaded from them; a
// bounding rectangle set on a picture after it was drawn is not saved.
inline std::optional<QRect> recordedBounds(QByteArrayView bytes)
{
    if (!hasHeader(bytes))
        return std::nullopt;
    const auto* at = reinterpret_cast<const uchar*>(bytes.data()) + RectangleAt;
    return QRect(qFromBigEndian<qint32>(at), qFromBigEndian<qint32>(at + 4), qFromBigEndian<qint32>(at + 8),
                 qFromBigEndian<qint32>(at + 12));
}

}  // namespace pictureformat
