#pragma once

#include <QByteArray>
#include <QPaintDevice>
#include <QPicture>
#include <QRect>

#include <memory>

namespace word::render {

// A paint device that records what is painted on it as a QPicture (Qt's
// picture format 11.0, what QPicture itself writes and what QPicture::load
// and QPainter::drawPicture read), for pictures made of many paths, such as
// a document's picture with its glyphs as outlines.
//
// Why not paint on a QPicture: Qt's recorder passes every number of a path
// through QDataStream and QBuffer and then runs a nibble-wise CRC over the
// bytes; for a planner's 27,000 outline points that was a third of the
// time of making, saving and drawing the planner. Here a path's points go
// straight into the bytes, and the checksum (the same CRC-16) is table-driven.
// State that is already in force (the pen, the brush and the render hints a
// fill sets again before every path) is not recorded again: replayed, the
// picture draws the same as the one Qt would record, with fewer commands.
//
// The picture's bounding rectangle is the device's: `area` in pixels at
// 96 dpi, which is what QPicture::boundingRect() gives after the picture is
// saved and loaded again. Glyph runs and text items painted on it are
// recorded as their outlines. Use from one thread at a time; one painter at
// a time.
class PictureRecorder final : public QPaintDevice {
public:
    explicit PictureRecorder(const QRect& area);
    ~PictureRecorder() override;
    PictureRecorder(const PictureRecorder&) = delete;
    PictureRecorder& operator=(const PictureRecorder&) = delete;

    QPaintEngine* paintEngine() const override;

    // What was recorded, once the painter has ended; with its bounding
    // rectangle set to the area. A null picture before any painting.
    QPicture picture() const;
    // The picture's bytes as QPicture::data() holds them (checksum included).
    const QByteArray& bytes() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QRect m_area;
    std::unique_ptr<QPaintEngine> m_engine;
};

// The checksum of a picture's bytes: CRC-16 as ISO 3309 (X.25) has it, the
// value of qChecksum(data, Qt::ChecksumIso3309), computed eight bytes a step.
quint16 pictureChecksum(const char* data, qsizetype size);

}  // namespace word::render
