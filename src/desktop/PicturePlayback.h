#pragma once

#include <QPicture>

#include <memory>
#include <vector>

class QPainter;

namespace desktop {

// A picture's commands read once, for drawing it again and again: what
// QPainter::drawPicture() draws, without reading the
// picture's bytes anew at every repaint. Qt's player reads every number of a
// path through QDataStream, which for a planner's 27,000 outline points cost
// as much as filling them; here the paths are read once, straight from the
// bytes, and kept.
//
// The commands a document's picture is made of are read here: paths, pens,
// brushes, render hints, transforms and the rest of the painter's state. A
// picture with any other command (text items, pixmaps, clips, ...), or whose
// bytes do not read as a picture of Qt's format, is drawn by QPicture
// itself. Paths are filled exactly as Qt's player fills them; the few
// elements that draw nothing (a move right after a move, a line or curve
// that stays on its point) are left out. The checksum is not checked again:
// QPicture::load has checked it, and a picture made in memory has its own.
// Use on the GUI thread; a playback read anew (readAnew()) may draw on
// another, one thread at a time. Off the GUI thread a picture's fonts are
// not set on the painter: the commands read here draw no text.
class PicturePlayback {
public:
    PicturePlayback() = default;
    explicit PicturePlayback(const QPicture& picture);

    // Draws the picture with its own origin at `at`, as
    // QPainter::drawPicture(at, picture) does.
    void draw(QPainter& painter, const QPointF& at) const;

    // True when the picture's commands were read here (false: QPicture plays it).
    bool decoded() const { return m_commands != nullptr; }

    // The picture's commands read anew, sharing no object with any other
    // playback: for drawing the same picture on a second thread at the same
    // time (Qt's paths fill caches of their own as they are drawn, so two
    // threads must never draw the same path objects). Reads only the
    // picture's bytes, so it may run on any thread.
    static PicturePlayback readAnew(const QPicture& picture);
    // Whether a playback read anew may draw on a thread other than the GUI
    // thread: the commands were read here and no pen or brush holds a pixmap
    // (pixmaps belong to the GUI thread).
    bool drawableElsewhere() const;

private:
    void read();

    struct Commands;
    QPicture m_picture;
    std::shared_ptr<const Commands> m_commands;
};

}  // namespace desktop
