#include "PreviewWindow.h"

#include "desktop/PictureBox.h"
#include "preview/PreviewCommands.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QWheelEvent>

#include <cmath>

// The preview window's input: the shortcuts, the wheel, the keys and the mouse on the
// picture. Every one of them acts through the scroll bars and the zoom buttons' handlers,
// so the viewport model stays the one place of the window's state.

namespace preview {
namespace {


// One line of scrolling by the arrow keys or a wheel's line: about a row of the planner.
constexpr double LinePixels = 20;
// A wheel notch, in eighths of a degree.
constexpr int Notch = QWheelEvent::DefaultDeltasPerStep;

int16_t buttonCode(Qt::MouseButtons buttons)
{
    int16_t code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

int16_t shiftCode(Qt::KeyboardModifiers modifiers)
{
    int16_t code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

}  // namespace

void PreviewWindow::addShortcuts()
{
    auto add = [this](const QKeySequence& keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus),
                                     QKeySequence(QKeySequence::ZoomIn)})
        add(keys, &PreviewWindow::zoomInClicked);
    add(QKeySequence(Qt::CTRL | Qt::Key_Minus), &PreviewWindow::zoomOutClicked);
    add(QKeySequence(Qt::CTRL | Qt::Key_S), &PreviewWindow::saveClicked);
    // Quits as closing the window does, through the same steps.
    add(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
    add(QKeySequence(Qt::Key_Up), [this] { scrollBy(m_verticalBar, -LinePixels); });
    add(QKeySequence(Qt::Key_Down), [this] { scrollBy(m_verticalBar, LinePixels); });
    add(QKeySequence(Qt::Key_Left), [this] { scrollBy(m_horizontalBar, -LinePixels); });
    add(QKeySequence(Qt::Key_Right), [this] { scrollBy(m_horizontalBar, LinePixels); });
    // A page is what the viewport shows, less a line kept in view.
    auto page = [this] { return m_view->contentsRect().height() - LinePixels; };
    add(QKeySequence(Qt::Key_PageUp), [this, page] { scrollBy(m_verticalBar, -page()); });
    add(QKeySequence(Qt::Key_PageDown), [this, page] { scrollBy(m_verticalBar, page()); });
}

void PreviewWindow::scrollBy(QScrollBar* bar, double pixels)
{
    const int16_t step = bar == m_horizontalBar ? m_viewport.horizontalStep() : m_viewport.verticalStep();
    double& rest = bar == m_horizontalBar ? m_horizontalRest : m_verticalRest;
    if (step <= 0 || !bar->isEnabled()) {
        rest = 0;
        return;
    }
    const double pixelsPerUnit = double(step) / TwipsPerPixel;
    rest += pixels;
    const int units = int(rest / pixelsPerUnit);  // towards zero: the rest keeps its sign
    rest -= units * pixelsPerUnit;
    const int value = std::clamp(bar->value() + units, bar->minimum(), bar->maximum());
    if (value == bar->minimum() || value == bar->maximum())
        rest = 0;  // at an end nothing is owed
    bar->setValue(value);
}

void PreviewWindow::wheelEvent(QWheelEvent* event)
{
    event->accept();
    if (event->modifiers() & Qt::ControlModifier) {
        m_zoomNotches += event->angleDelta().y();
        for (; m_zoomNotches >= Notch; m_zoomNotches -= Notch)
            zoomInClicked();
        for (; m_zoomNotches <= -Notch; m_zoomNotches += Notch)
            zoomOutClicked();
        return;
    }
    // A touchpad says how far in pixels; a wheel, in notches of some lines.
    QPointF pixels = event->pixelDelta().isNull()
        ? QPointF(event->angleDelta()) / Notch * (QApplication::wheelScrollLines() * LinePixels)
        : QPointF(event->pixelDelta());
    if ((event->modifiers() & Qt::ShiftModifier) && pixels.x() == 0)
        pixels = QPointF(pixels.y(), 0);
    // Turning the wheel away from oneself shows what lies above.
    if (pixels.x() != 0)
        scrollBy(m_horizontalBar, -pixels.x());
    if (pixels.y() != 0)
        scrollBy(m_verticalBar, -pixels.y());
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A bar would scroll by its own single step, a sliver of the picture;
    // the window scrolls by lines, and zooms with Ctrl. Over the picture the
    // wheel is the window's at once, however the event came.
    if (event->type() == QEvent::Wheel && (watched == m_horizontalBar || watched == m_verticalBar || watched == m_shownPicture)) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    if (watched == m_shownPicture) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return shownPictureMouse(event);
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool PreviewWindow::shownPictureMouse(QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    // The right button opens the context menu: it neither starts a drag nor
    // pans while held, and its release leaves the scroll bars alone.
    if (event->type() != QEvent::MouseMove && mouse->button() == Qt::RightButton)
        return false;
    const Qt::MouseButtons panning = mouse->buttons() & ~Qt::RightButton;
    // Position in twips relative to shownPicture's outer edge as the model places
    // it (not the rounded pixel position), so a long drag does not drift.
    const QPointF onViewport = QPointF(m_shownPicture->pos()) + mouse->position();
    const float x = float(onViewport.x() * TwipsPerPixel - m_viewport.shownPicture().left);
    const float y = float(onViewport.y() * TwipsPerPixel - m_viewport.shownPicture().top);
    const int16_t shift = shiftCode(mouse->modifiers());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_viewport.mouseDown(buttonCode(mouse->button()), shift, x, y);
        break;
    case QEvent::MouseMove:
        m_viewport.mouseMove(buttonCode(panning), shift, x, y);
        break;
    default:
        m_viewport.mouseUp(buttonCode(mouse->button()), shift, x, y);
        break;
    }
    applyViewport();
    return true;
}

}  // namespace preview
