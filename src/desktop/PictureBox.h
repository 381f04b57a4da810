#pragma once

#include <QFrame>
#include <QImage>
#include <QPicture>

#include "PicturePlayback.h"

#include <future>
#include <optional>

namespace desktop {

// A picture area: a white panel that may hold a vector picture drawn at its
// top-left corner (inside its border) and may hold other controls. The entry
// window uses one as the panel under its rows; the preview window builds its
// viewport from them.
//
// Sizes are in pixels, as everywhere in Qt: device-independent pixels, 96 to
// the inch at a device pixel ratio of 1. A picture's size is its bounding
// rectangle in those pixels. The border is the QFrame's frame (none unless
// the owner sets a frame style); "inside" means contentsRect().
//
// Pictures are drawn from their vectors (read once, see PicturePlayback.h)
// at every repaint, at the scale asked
// for and at the screen's device pixel ratio, and only where the area is
// exposed: a large zoomed drawing costs no memory of its size, and text and
// lines stay sharp at any zoom and on high-density screens. A large exposed
// area is painted on two cores, half each, when the window's pixels are an
// image in memory (Qt's raster windows): filling the glyphs' outlines is
// most of the time from Start to the preview on screen. The pixels are the
// same as painted on one.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QPicture& picture() const { return m_picture; }
    // Assigns the picture (shared, not copied). A persistent drawing starts over.
    void setPicture(const QPicture& picture);
    // Removes the assigned picture; a persistent drawing is cleared to the background.
    void clearPicture();
    // The picture's size in pixels (its bounding rectangle's); empty without one.
    static QSize pictureSize(const QPicture& picture);

    // With auto-size on, assigning a picture resizes the area to it.
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

    // Persistent drawing: what is drawn with drawPicture() stays until the
    // picture is cleared or replaced, whatever the area's size.
    bool persistent() const { return m_persistent; }
    void setPersistent(bool on);

    // Draws `sourceRect` of `source` (the picture's own pixels) into `target`
    // (pixels inside the border), scaled to fit, in place of what was drawn
    // there before. Needs persistent on.
    void drawPicture(const QRectF& target, const QPicture& source, const QRectF& sourceRect);

    // What the area shows inside its border, as an image of the inner size
    // times `devicePixelRatio` device pixels.
    QImage image(qreal devicePixelRatio = 1.0) const;

    // How many paints so far, of any picture area, shared their exposed area
    // with a helper thread (for tests).
    static int paintsOnTwoCores();

    // A plain child covering the inside of the border. Controls placed on it
    // are clipped at the border instead of painting over it. Made on first use.
    QWidget* inside();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // An area that holds the keyboard focus shows it with the style's focus
    // frame just inside its border, so that keyboard users see where they are.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // One scaled drawing of a picture, replayed at every repaint.
    struct Drawing {
        QPicture source;
        PicturePlayback playback;
        QRectF target;
        QRectF sourceRect;
    };
    // The same picture's commands read a second time, on a helper thread,
    // for the helper that paints half of a large exposed area.
    struct Twin {
        QPicture picture;
        std::shared_future<PicturePlayback> playback;
    };

    // The playback of `picture`: the one kept when it is a picture already shown.
    PicturePlayback playbackOf(const QPicture& picture) const;
    // What is shown (the drawing's source, else the picture), and where its
    // own origin goes: null without either.
    const QPicture* shownPicture() const;
    const PicturePlayback& shownPlayback() const;
    QPointF shownOrigin() const;
    // Starts reading the twin of a picture just assigned, unless it has one.
    void prepareTwin(const QPicture& picture, const PicturePlayback& playback);
    // Paints the inside with `playback` (the shown picture's or its twin),
    // its top-left at the painter's origin, the picture's origin at `origin`.
    // Touches nothing of the widget but plain values: a helper thread calls it.
    void paintInside(QPainter& painter, const PicturePlayback& playback, const QPointF& origin) const;
    // Paints the exposed `region` (inside the border) on two cores: its upper
    // half here, its lower half at the same time on a helper thread, with the
    // twin, straight into the same image's rows. False, with nothing painted,
    // when the area is small or the device does not allow it.
    bool paintOnTwoCores(QPainter& painter, const QRegion& region) const;

    QPicture m_picture;
    PicturePlayback m_playback;  // of m_picture, read once for every repaint
    std::optional<Drawing> m_drawing;
    std::optional<Twin> m_twin;  // of the shown picture, when it may be drawn elsewhere
    bool m_autoSize = false;
    bool m_persistent = false;
    QWidget* m_inside = nullptr;
};

}  // namespace desktop
