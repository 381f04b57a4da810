#include "ScreenFit.h"

#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace entry {

namespace {

constexpr int LongestServerText = 60;  // average characters

QScreen* screenOf(const QWidget& widget)
{
    const QWidget* window = widget.parentWidget() ? widget.parentWidget()->window() : widget.window();
    QScreen* screen = window ? window->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

// Moves its dialog inside the screen's available area each time it is shown,
// after QDialog has placed it over its parent.
class ScreenKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* dialog = static_cast<QDialog*>(watched);
            if (QScreen* screen = screenOf(*dialog)) {
                const QRect area = screen->availableGeometry();
                QRect frame = dialog->frameGeometry();
                frame.moveRight(std::min(frame.right(), area.right()));
                frame.moveBottom(std::min(frame.bottom(), area.bottom()));
                frame.moveLeft(std::max(frame.left(), area.left()));
                frame.moveTop(std::max(frame.top(), area.top()));
                dialog->move(frame.topLeft());
            }
        }
        return false;
    }
};

}  // namespace

QString fitServerText(const QString& text, const QWidget& shownIn)
{
    const QFontMetrics metrics(shownIn.font());
    int width = metrics.averageCharWidth() * LongestServerText;
    if (const QScreen* screen = screenOf(shownIn))
        width = std::min(width, screen->availableGeometry().width() / 3);
    return metrics.elidedText(text, Qt::ElideMiddle, width);
}

void fitToScreen(QDialog& dialog)
{
    if (const QScreen* screen = screenOf(dialog)) {
        const QSize area = screen->availableGeometry().size();
        // The frame's share is not known before the window exists: leave room for it.
        dialog.setMaximumSize(area - QSize(16, 48));
    }
    dialog.installEventFilter(new ScreenKeeper(&dialog));
}

}  // namespace entry
