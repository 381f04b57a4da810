#pragma once

#include <QCursor>

#include <memory>
#include <optional>
#include <vector>

class QObject;
class QWidget;

namespace desktop {

// The pointer shape of one window, with the program's three shapes and its
// hover rule: over push buttons the hand, over the bare window the arrow,
// never while the hourglass shows.
class WindowPointer {
public:
    // Pointer values as the program numbers them.
    enum class Shape { Arrow = 0, Hourglass = 11, Custom = 99 };

    explicit WindowPointer(QWidget* window);
    // Removes the hover watchers before the window's controls go away.
    ~WindowPointer();
    WindowPointer(const WindowPointer&) = delete;
    WindowPointer& operator=(const WindowPointer&) = delete;

    Shape shape() const { return m_shape; }
    void setShape(Shape shape);

    // The hand cursor; without one the Custom shape shows the arrow.
    void setCustomCursor(const QCursor& cursor);
    bool hasCustomCursor() const { return m_custom.has_value(); }

    // Hover rule: takes `shape` unless the hourglass is showing.
    void hover(Shape shape);

    // Makes `widget` apply the hover rule with `shape` whenever the pointer
    // moves over it (turns mouse tracking on). Only moves over the widget's
    // own surface count: a control inside it that passes a move on (a push
    // button does) keeps its own rule.
    void hoverOver(QWidget* widget, Shape shape);

private:
    QWidget* m_window;
    std::vector<std::unique_ptr<QObject>> m_watchers;
    Shape m_shape = Shape::Arrow;
    std::optional<QCursor> m_custom;
};

}  // namespace desktop
