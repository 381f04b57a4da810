#include "PreviewWindow.h"

#include "common/ErrorReport.h"
#include "common/AppTitle.h"
#include "common/Files.h"
#include "desktop/WindowColours.h"
#include "desktop/ProgramIcon.h"
#include "desktop/CursorFile.h"
#include "errors/UserError.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "desktop/PictureBox.h"
#include "platform/Twips.h"
#include "platform/ProgramEnvironment.h"
#include "output/OutputFile.h"
#include "preview/PreviewCommands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace preview {
namespace {

constexpr const char* LoadLocation = "in Dorvane2021/08/31.Form2.Form_Load ";
constexpr const char* QueryUnloadLocation = "in Dorvane2021/08/31.Form2.Form_QueryUnload ";
constexpr const char* SaveLocation = "in Dorvane2021/08/31.Form2.PushButton6_Click ";
constexpr const char* BackLocation = "in Dorvane2021/08/31.Form2.PushButton8_Click ";

// Client area of the window, twips.
constexpr int ClientWidth = 9840;
constexpr int ClientHeight = 9390;

// Every picture area has a one-pixel border (see Viewport.h).
constexpr int BorderPixels = BorderTwips / TwipsPerPixel;
// The arrow rule of the bare window surface and of buttonFrame. A push button
// ignores the pointer moves it gets, so they travel on to its container; only
// a move over the container itself, not over one of its controls, counts.
// Over the picture areas and the scroll bars the pointer thus keeps its shape.
QPushButton* makeButton(const QString& caption, QWidget* parent, const QRect& geometry)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11.25);
    font.setBold(true);
    auto* button = new QPushButton(caption, parent);
    button->setFont(font);
    button->setGeometry(geometry);
    return button;
}

}  // namespace

PreviewWindow::PreviewWindow(QWidget* parent) : QWidget(parent), m_viewport(*this), m_pointer(this)
{
    buildControls();
    load();
}

PreviewWindow::~PreviewWindow() = default;

int PreviewWindow::toPixels(double twips) { return platform::twipsToPixels(twips); }

QRect PreviewWindow::toPixels(double left, double top, double width, double height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

void PreviewWindow::buildControls()
{
    setFixedSize(toPixels(ClientWidth), toPixels(ClientHeight));
    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPointSizeF(9);
    windowFont.setBold(true);
    setFont(windowFont);

    const Area& p2 = m_viewport.view();
    m_view = new desktop::PictureBox(this);
    m_view->setObjectName(QStringLiteral("view"));
    m_view->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_view->setLineWidth(BorderPixels);
    m_view->setGeometry(toPixels(p2.left, p2.top, p2.outerWidth, p2.outerHeight));

    m_shownPicture = new desktop::PictureBox(m_view->inside());
    m_shownPicture->setObjectName(QStringLiteral("shownPicture"));
    m_shownPicture->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_shownPicture->setLineWidth(BorderPixels);
    m_shownPicture->installEventFilter(this);
    m_shownPicture->setMouseTracking(true);

    m_verticalBar = new QScrollBar(Qt::Vertical, this);
    m_verticalBar->setObjectName(QStringLiteral("verticalBar"));
    m_verticalBar->setGeometry(toPixels(9450, 120, 255, 7425));
    m_horizontalBar = new QScrollBar(Qt::Horizontal, this);
    m_horizontalBar->setObjectName(QStringLiteral("horizontalBar"));
    m_horizontalBar->setGeometry(toPixels(120, 7545, 9330, 255));
    for (QScrollBar* bar : {m_horizontalBar, m_verticalBar}) {
        bar->setFocusPolicy(Qt::TabFocus);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->installEventFilter(this);
    }
    connect(m_horizontalBar, &QScrollBar::valueChanged, this, [this](int value) { scrollBarMoved(m_viewport.horizontalBar(), value); });
    connect(m_verticalBar, &QScrollBar::valueChanged, this, [this](int value) { scrollBarMoved(m_viewport.verticalBar(), value); });

    m_buttonFrame = new QGroupBox(tr("Zoom:"), this);
    m_buttonFrame->setObjectName(QStringLiteral("buttonFrame"));
    m_buttonFrame->setGeometry(toPixels(120, 7860, 9600, 855));
    m_zoomInButton = makeButton(tr("Zoom In"), m_buttonFrame, toPixels(240, 300, 4440, 405));
    m_zoomInButton->setObjectName(QStringLiteral("zoomInButton"));
    m_zoomOutButton = makeButton(tr("Zoom Out"), m_buttonFrame, toPixels(4800, 300, 4560, 405));
    m_zoomOutButton->setObjectName(QStringLiteral("zoomOutButton"));
    m_backButton = makeButton(tr("< Back"), this, toPixels(120, 8850, 4680, 405));
    m_backButton->setObjectName(QStringLiteral("backButton"));
    m_saveButton = makeButton(tr("Save Results To Word File"), this, toPixels(4920, 8850, 4800, 405));
    m_saveButton->setObjectName(QStringLiteral("saveButton"));

    m_originalPicture = new desktop::PictureBox(this);
    m_originalPicture->setObjectName(QStringLiteral("originalPicture"));
    m_originalPicture->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_originalPicture->setLineWidth(BorderPixels);

    connect(m_zoomInButton, &QPushButton::clicked, this, &PreviewWindow::zoomInClicked);
    connect(m_zoomOutButton, &QPushButton::clicked, this, &PreviewWindow::zoomOutClicked);
    connect(m_saveButton, &QPushButton::clicked, this, &PreviewWindow::saveClicked);
    connect(m_backButton, &QPushButton::clicked, this, &PreviewWindow::backClicked);

    // Picture areas take focus like any control. The "Zoom:" frame is a
    // caption, no stop of its own; the buttons follow as they stand, left to right.
    for (QWidget* widget : {static_cast<QWidget*>(m_view), static_cast<QWidget*>(m_shownPicture),
                            static_cast<QWidget*>(m_originalPicture)})
        widget->setFocusPolicy(Qt::TabFocus);
    m_buttonFrame->setFocusPolicy(Qt::NoFocus);
    QWidget* tabOrder[] = {m_horizontalBar, m_verticalBar, m_view, m_shownPicture,
                           m_originalPicture, m_zoomInButton, m_zoomOutButton, m_backButton, m_saveButton};
    for (size_t i = 0; i + 1 < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);

    m_commands = new PreviewCommands(this, m_shownPicture, [this] { return temporaryDocument; });

    m_view->setAccessibleName(tr("Preview"));
    m_horizontalBar->setAccessibleName(tr("Move the picture left and right"));
    m_verticalBar->setAccessibleName(tr("Move the picture up and down"));
    m_shownPicture->setAccessibleDescription(tr(
        "Control+plus zooms in and Control+minus zooms out; the arrow keys and Page Up and Page Down move the "
        "picture, as does dragging it. Control+P prints, Control+E exports as PDF, Control+C copies the picture."));
    setPlannerHeading(QString());

    m_pointer.hoverOver(this, desktop::WindowPointer::Shape::Arrow);
    m_pointer.hoverOver(m_buttonFrame, desktop::WindowPointer::Shape::Arrow);
    for (QPushButton* button : {m_zoomInButton, m_zoomOutButton, m_saveButton, m_backButton})
        m_pointer.hoverOver(button, desktop::WindowPointer::Shape::Custom);

    // Placed like the entry window: centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    addShortcuts();
    applyViewport();
}

void PreviewWindow::load()
{
    common::Guard step(LoadLocation);
    step(100, [&] { m_firstActivatePending = true; });
    step(102, [&] { desktop::resetBackColors(this); });
    step(104, [&] {
        setWindowTitle(common::ProductName);
        setWindowIcon(desktop::programIcon());
    });
    const QString handCursor = common::handCursorPath();
    bool exists = false;
    step(108, [&] { exists = common::fileExists(handCursor); });
    if (exists)
        step(110, [&] { m_pointer.setCustomCursor(desktop::loadCursorFile(handCursor)); });
}

bool PreviewWindow::event(QEvent* event)
{
    // Showing counts as the first activation too: a desktop without a window
    // manager (or one that keeps the focus elsewhere) never activates the
    // window, and the viewport must be set up all the same.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        activate();
    return QWidget::event(event);
}

void PreviewWindow::activate()
{
    common::Guard step(location::FormActivate);
    bool first = false;
    step(100, [&] { first = m_firstActivatePending; });
    if (!first)
        return;
    // Cleared before the set-up as well: an error report shown during it gives
    // the activation back when it closes, which must not start the set-up again.
    m_firstActivatePending = false;
    m_viewport.firstDisplay();
    applyViewport();
    step(138, [&] { m_firstActivatePending = false; });
}

void PreviewWindow::setPlannerHeading(const QString& heading)
{
    // Named as the planner it shows, so a screen reader says which week it is.
    const QString name = heading.isEmpty() ? tr("Planner") : heading;
    m_shownPicture->setAccessibleName(name);
    m_originalPicture->setAccessibleName(tr("%1, original size").arg(name));
}

void PreviewWindow::setPicture(const QPicture& picture)
{
    m_shownPicture->setPicture(picture);
    // The viewport reckons in twips from the picture's size at 96 dpi.
    const QSize size = desktop::PictureBox::pictureSize(picture);
    if (size.isEmpty())
        m_viewport.assignPicture(std::nullopt);
    else
        m_viewport.assignPicture(Size{int32_t(size.width()) * TwipsPerPixel, int32_t(size.height()) * TwipsPerPixel});
    // A later result starts over like the first one: zoom 1.0, its own
    // full-size copy, sizes and ranges. Before the first activation, that
    // activation does it.
    if (!m_firstActivatePending)
        m_viewport.firstDisplay();
    applyViewport();
}

void PreviewWindow::redrawImage()
{
    m_viewport.redrawImage();
    applyViewport();
}

ScrollBar& PreviewWindow::modelBar(QScrollBar* bar)
{
    if (bar == m_horizontalBar)
        return m_viewport.horizontalBar();
    if (bar == m_verticalBar)
        return m_viewport.verticalBar();
    throw std::invalid_argument("Not a scroll bar of the preview window");
}

void PreviewWindow::setHorizontalBarPercent(QScrollBar* bar, int16_t percent)
{
    m_viewport.setHorizontalBarPercent(modelBar(bar), percent);
    applyViewport();
}

void PreviewWindow::setVerticalBarPercent(QScrollBar* bar, int16_t percent)
{
    m_viewport.setVerticalBarPercent(modelBar(bar), percent);
    applyViewport();
}

void PreviewWindow::zoomInClicked()
{
    m_viewport.zoomInClicked();
    applyViewport();
}

void PreviewWindow::zoomOutClicked()
{
    m_viewport.zoomOutClicked();
    applyViewport();
}

void PreviewWindow::copyDocument(const QString& target) const
{
    const QFileInfo sourceInfo(temporaryDocument);
    const QFileInfo targetInfo(target);
    // Saving the document over itself: it is already there, whole.
    if (sourceInfo.exists() && targetInfo.exists() && sourceInfo.canonicalFilePath() == targetInfo.canonicalFilePath())
        return;

    QFile source(temporaryDocument);
    QByteArray bytes;
    if (source.open(QIODevice::ReadOnly))
        bytes = source.readAll();
    if (!source.isOpen() || source.error() != QFileDevice::NoError)
        throw errors::UserError(tr("Cannot read the planner document %1: %2").arg(temporaryDocument, source.errorString()));
    output::OutputFile::write(target, bytes);
}

void PreviewWindow::saveClicked()
{
    common::Guard step(SaveLocation);
    platform::SaveDialogRequest request;
    QString returned;
    QString chosen;
    step(100, [&] { request.fileName = QString(); });
    step(102, [&] { request.title = tr("Save File"); });
    step(104, [&] { request.filter = tr("Word Files (*.doc)|*.doc"); });
    step(106, [&] { returned = platform::fileDialogs().saveFileName(request); });
    // A name without an extension gets the filter's, as Export's does.
    step(108, [&] { chosen = platform::withFilterExtension(returned, request.filter); });

    bool cancelled = true;
    bool yes = false;
    step(110, [&] { cancelled = chosen.isEmpty(); });
    if (!cancelled) {
        bool exists = false;
        step(112, [&] { exists = common::fileExists(chosen); });
        if (exists) {
            platform::Answer answer = platform::Answer::No;
            step(114, [&] {
                answer = output::OutputFile::askOverwrite(chosen);
            });
            // The old file is not deleted here: the copy replaces it once complete.
            step(116, [&] { yes = answer == platform::Answer::Yes; });
        } else {
            step(120, [&] { yes = true; });
        }
    }

    bool copy = false;
    bool copied = true;
    step(122, [&] { copy = yes; });
    if (copy)
        copied = step(124, [&] { copyDocument(chosen); });
    // A failed copy has been reported; it is no success to announce.
    if (copied)
        step(126, [&] { output::OutputFile::reportDone(); });
}

void PreviewWindow::backClicked()
{
    common::Guard step(BackLocation);
    step(102, [&] { common::removeFile(temporaryDocument); });
    bool entryShown = false;
    step(104, [&] {
        if (!m_entry)
            throw errors::UserError(tr("The entry window is not available"));
        m_entry->show();
        entryShown = true;
    });
    // Never leave the user without a window.
    if (entryShown)
        step(106, [&] { hide(); });
}

void PreviewWindow::closeRequested()
{
    common::Guard step(QueryUnloadLocation);
    step(100, [&] { common::removeFile(temporaryDocument); });
    step(102, [&] { platform::pumpEvents(); });
    step(104, [&] { platform::pumpEvents(); });
}

void PreviewWindow::unload()
{
    // Ends the whole run at once, the hidden entry window included, without
    // the entry window's own close handling.
    platform::endProgram();
}

void PreviewWindow::closeEvent(QCloseEvent* event)
{
    closeRequested();
    event->accept();
    unload();
}

void PreviewWindow::scrollBarMoved(ScrollBar& bar, int value)
{
    if (m_applying)
        return;
    try {
        bar.setValue(int16_t(value));
    } catch (...) {
        // The bar's range mirrors the model's, so this cannot be out of range;
        // should it be, the model keeps its value and the bar is set back below.
    }
    applyViewport();
}

void PreviewWindow::applyViewport()
{
    if (m_applying)
        return;
    m_applying = true;
    const Area& p1 = m_viewport.shownPicture();
    if (m_shownPicture->persistent() != p1.persistent)
        m_shownPicture->setPersistent(p1.persistent);
    m_shownPicture->setGeometry(toPixels(p1.left, p1.top, p1.outerWidth, p1.outerHeight));

    const Area& zo = m_viewport.originalPicture();
    if (m_originalPicture->persistent() != zo.persistent)
        m_originalPicture->setPersistent(zo.persistent);
    m_originalPicture->setGeometry(toPixels(zo.left, zo.top, zo.outerWidth, zo.outerHeight));
    m_originalPicture->setVisible(zo.visible);

    auto applyBar = [](QScrollBar* widget, const ScrollBar& bar) {
        widget->setRange(bar.min(), bar.max());
        widget->setValue(bar.value());
        widget->setEnabled(bar.enabled());
    };
    applyBar(m_horizontalBar, m_viewport.horizontalBar());
    applyBar(m_verticalBar, m_viewport.verticalBar());
    m_applying = false;
}

bool PreviewWindow::runLine(const char* location, int line, const std::function<void()>& body)
{
    common::Guard step(location);
    return step(line, body);
}

void PreviewWindow::clearShownPicture() { m_shownPicture->clearPicture(); }

void PreviewWindow::copyPictureToOriginal() { m_originalPicture->setPicture(m_shownPicture->picture()); }

void PreviewWindow::drawZoomed(int32_t zoomWidth, int32_t zoomHeight, int32_t origWidth, int32_t origHeight)
{
    // shownPicture takes its new size first, so the drawing fills all of it.
    applyViewport();
    m_shownPicture->drawPicture(QRectF(0, 0, double(zoomWidth) / TwipsPerPixel, double(zoomHeight) / TwipsPerPixel),
                            m_originalPicture->picture(),
                            QRectF(0, 0, double(origWidth) / TwipsPerPixel, double(origHeight) / TwipsPerPixel));
}

void PreviewWindow::showArrowPointer() { m_pointer.setShape(desktop::WindowPointer::Shape::Arrow); }

}  // namespace preview
