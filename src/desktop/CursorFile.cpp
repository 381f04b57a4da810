#include "CursorFile.h"

#include "errors/UserError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QPixmap>

namespace desktop {
namespace {

quint16 le16(const QByteArray& bytes, int at)
{
    return quint16(quint8(bytes[at])) | quint16(quint8(bytes[at + 1])) << 8;
}

// `why` is marked with QT_TRANSLATE_NOOP("desktop::CursorFile", ...).
[[noreturn]] void fail(const QString& path, const char* why)
{
    throw errors::UserError(QCoreApplication::translate("desktop::CursorFile", "Cannot load cursor file %1: %2")
                                .arg(path, QCoreApplication::translate("desktop::CursorFile", why)));
}

}  // namespace

QCursor loadCursorFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, QT_TRANSLATE_NOOP("desktop::CursorFile", "the file cannot be read"));
    // A cursor is a few kilobytes; refuse anything absurd instead of decoding it.
    if (file.size() > 1 << 20)
        fail(path, QT_TRANSLATE_NOOP("desktop::CursorFile", "the file is too large for a cursor"));
    const QByteArray bytes = file.readAll();

    // ICONDIR (reserved 0, type 2 = cursor, count) then 16-byte entries whose
    // words 4 and 6 are the hot spot.
    constexpr int headerSize = 6, entrySize = 16;
    if (bytes.size() < headerSize + entrySize || le16(bytes, 0) != 0 || le16(bytes, 2) != 2 || le16(bytes, 4) == 0)
        fail(path, QT_TRANSLATE_NOOP("desktop::CursorFile", "not a Windows cursor file"));
    const int hotX = le16(bytes, headerSize + 4);
    const int hotY = le16(bytes, headerSize + 6);

    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "cur");
    const QImage image = reader.read();
    if (image.isNull())
        fail(path, QT_TRANSLATE_NOOP("desktop::CursorFile", "the cursor image cannot be decoded"));
    if (hotX >= image.width() || hotY >= image.height())
        fail(path, QT_TRANSLATE_NOOP("desktop::CursorFile", "the hot spot lies outside the cursor image"));
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

}  // namespace desktop
