#include "WindowPointer.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace platform {
namespace {

// Calls the hover rule on every pointer move over the watched widget.
class HoverFilter final : public QObject {
public:
    HoverFilter(WindowPointer* pointer, WindowPointer::Shape shape, QObject* parent)
        : QObject(parent), m_pointer(pointer), m_shape(shape)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            m_pointer->hover(m_shape);
        return QObject::eventFilter(watched, event);
    }

private:
    WindowPointer* m_pointer;
    WindowPointer::Shape m_shape;
};

}  // namespace

WindowPointer::WindowPointer(QWidget* window) : m_window(window) {}

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
    widget->installEventFilter(new HoverFilter(this, shape, widget));
}

}  // namespace platform
