#include "WindowPointer.h"

#include <QMouseEvent>
#include <QObject>
#include <QWidget>

namespace desktop {
namespace {

// Calls the hover rule on every pointer move over the watched widget.
class HoverFilter final : public QObject {
public:
    HoverFilter(WindowPointer* pointer, WindowPointer::Shape shape) : m_pointer(pointer), m_shape(shape)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (!static_cast<QWidget*>(watched)->childAt(at))
                m_pointer->hover(m_shape);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    WindowPointer* m_pointer;
    WindowPointer::Shape m_shape;
};

}  // namespace

WindowPointer::WindowPointer(QWidget* window) : m_window(window) {}

WindowPointer::~WindowPointer() = default;

void WindowPointer::setShape(Shape shape)
{
    m_shape = shape;
    switch (shape) {
    case Shape::Arrow:
        m_window->unsetCursor();
        break;
    case Shape::Hourglass:
        m_window->setCursor(Qt::WaitCursor);
        break;
    case Shape::Custom:
        if (m_custom)
            m_window->setCursor(*m_custom);
        else
            m_window->unsetCursor();
        break;
    }
}

void WindowPointer::setCustomCursor(const QCursor& cursor) { m_custom = cursor; }

void WindowPointer::hover(Shape shape)
{
    if (m_shape != Shape::Hourglass && m_shape != shape)
        setShape(shape);
}

void WindowPointer::hoverOver(QWidget* widget, Shape shape)
{
    widget->setMouseTracking(true);
    m_watchers.push_back(std::make_unique<HoverFilter>(this, shape));
    widget->installEventFilter(m_watchers.back().get());
}

}  // namespace desktop
