#pragma once

#include <QFrame>
#include <QImage>

namespace platform {

// A picture area: a white panel that may hold a picture drawn at its top-left
// corner and may hold other controls. The entry window uses one as the panel
// under its rows; the preview window builds its viewport from them.
// Sizes are in pixels, as everywhere in Qt.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);

    // With auto-size on, assigning a picture resizes the area to it.
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    bool m_autoSize = false;
};

}  // namespace platform
