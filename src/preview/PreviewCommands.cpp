#include "preview/PreviewCommands.h"

#include "output/PdfExport.h"
#include "platform/MessageBoxes.h"
#include "windowoutput/PictureCopy.h"
#include "windowoutput/PlannerPrinter.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include <exception>

namespace preview {

PreviewCommands::PreviewCommands(QWidget* window, QWidget* picture, std::function<QString()> documentPath)
    : QObject(window), m_documentPath(std::move(documentPath))
{
    m_print = addCommand(window, tr("Print\u2026"), QStringLiteral("Ctrl+P"),
                         tr("The planner could not be printed."), &windowoutput::printPlanner);
    m_export = addCommand(window, tr("Export as PDF\u2026"), QStringLiteral("Ctrl+E"),
                          tr("The planner could not be exported as PDF."), &output::exportAsPdf);
    m_copy = addCommand(window, tr("Copy Picture"), QStringLiteral("Ctrl+C"),
                        tr("The picture could not be copied."), &windowoutput::copyPicture);

    m_menu = new QMenu(window);
    m_menu->addActions({m_print, m_export, m_copy});
    picture->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(picture, &QWidget::customContextMenuRequested, m_menu,
            [this, picture](const QPoint& at) { m_menu->popup(picture->mapToGlobal(at)); });
}

QAction* PreviewCommands::addCommand(QWidget* window, const QString& text, const QString& shortcut,
                                     const QString& failure, void (*command)(const QString&))
{
    auto* action = new QAction(text, window);
    action->setShortcut(QKeySequence(shortcut));
    // Shown in the context menu too, as the reminder of the key.
    action->setShortcutVisibleInContextMenu(true);
    window->addAction(action);
    connect(action, &QAction::triggered, this, [this, failure, command] {
        // Printing waits for the printer with the window's events going on
        // (see output/PrintJob.h): a command asked for meanwhile is not
        // started inside it.
        if (m_running)
            return;
        m_running = true;
        try {
            command(m_documentPath());
        } catch (const std::exception& error) {
            platform::showMessage(failure + QStringLiteral("\n\n") + QString::fromUtf8(error.what()));
        }
        m_running = false;
    });
    return action;
}

}  // namespace preview
