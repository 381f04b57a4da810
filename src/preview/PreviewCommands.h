#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace preview {

// The preview window's commands on its planner: "Print…" (Ctrl+P),
// "Export as PDF…" (Ctrl+E) and "Copy Picture" (Ctrl+C). Their shortcuts
// work anywhere in the window; a right-click on the picture offers them in
// a context menu. Each reads the planner document the window holds when it
// runs, and reports a failure in a message box that names the reason. One
// command runs at a time.
// Owned by the window (a child QObject).
class PreviewCommands : public QObject {
    Q_OBJECT
public:
    PreviewCommands(QWidget* window, QWidget* picture, std::function<QString()> documentPath);

    QAction* printAction() const { return m_print; }
    QAction* exportAction() const { return m_export; }
    QAction* copyAction() const { return m_copy; }
    QMenu* contextMenu() const { return m_menu; }

private:
    QAction* addCommand(QWidget* window, const QString& text, const QString& shortcut, const QString& failure,
                        void (*command)(const QString&));

    std::function<QString()> m_documentPath;
    QAction* m_print = nullptr;
    QAction* m_export = nullptr;
    QAction* m_copy = nullptr;
    QMenu* m_menu = nullptr;
    bool m_running = false;  // one command at a time
};

}  // namespace preview
