#pragma once

#include <QFrame>
#include <QImage>

namespace platform {

// A picture area: a white panel that may hold a picture drawn at its top-left
// corner (inside its border) and may hold other controls. The entry window
// uses one as the panel under its rows; the preview window builds its
// viewport from them.
// Sizes are in pixels, as everywhere in Qt. The border is the QFrame's frame
// (none unless the owner sets a frame style); "inside" means contentsRect().
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& picture() const { return m_picture; }
    // Assigns the picture. A persistent drawing starts over from it.
    void setPicture(const QImage& picture);
    // Removes the assigned picture; a persistent drawing is cleared to the background.
    void clearPicture();

    // With auto-size on, assigning a picture resizes the area to it.
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

    // Persistent image: what is drawn with drawPicture() is kept in an image of
    // the inner size and repainted from it, never redrawn. The image follows
    // the area's size: growing adds background, shrinking cuts at the right and bottom.
    bool persistent() const { return m_persistent; }
    void setPersistent(bool on);

    // Draws `sourceRect` of `source` into `target` on the persistent image
    // (pixel coordinates inside the border), scaled to fit, replacing what was
    // there. Enlarging keeps pixels crisp; reducing smooths. Needs persistent on.
    void drawPicture(const QRectF& target, const QImage& source, const QRectF& sourceRect);

    // What the area shows inside its border, as an image of the inner size.
    QImage image() const;

    // A plain child covering the inside of the border. Controls placed on it
    // are clipped at the border instead of painting over it. Made on first use.
    QWidget* inside();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Brings the persistent image to the inner size; `clear` false skips the
    // background where nothing was there before (the caller covers it all).
    void ensureCanvas(bool clear = true);

    QImage m_picture;
    QImage m_canvas;  // the persistent image, a view on m_store; null until something needs it
    // Memory behind the persistent image. It only grows, so redrawing at a new
    // size (every zoom step) reuses memory already in use instead of having
    // fresh pages of tens of megabytes handed out and cleared each time.
    QImage m_store;
    bool m_autoSize = false;
    bool m_persistent = false;
    QWidget* m_inside = nullptr;
};

}  // namespace platform
