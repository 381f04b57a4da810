#include "Form2.h"

#include "app/ErrorReport.h"
#include "app/Main.h"
#include "app/ProgramIcon.h"
#include "platform/CursorFile.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "platform/ProgramEnvironment.h"
#include "preview/PreviewCommands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSaveFile>
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

// The arrow rule of the bare window surface and of Frame1. A push button
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

Form2::Form2(QWidget* parent) : QWidget(parent), m_viewport(*this), m_pointer(this)
{
    buildControls();
    Form_Load();
}

Form2::~Form2() = default;

int Form2::toPixels(double twips) { return platform::twipsToPixels(twips); }

QRect Form2::toPixels(double left, double top, double width, double height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

void Form2::buildControls()
{
    setFixedSize(toPixels(ClientWidth), toPixels(ClientHeight));
    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPointSizeF(9);
    windowFont.setBold(true);
    setFont(windowFont);

    const Area& p2 = m_viewport.picture2();
    m_picture2 = new platform::PictureBox(this);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    m_picture2->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_picture2->setLineWidth(BorderPixels);
    m_picture2->setGeometry(toPixels(p2.left, p2.top, p2.outerWidth, p2.outerHeight));

    m_picture1 = new platform::PictureBox(m_picture2->inside());
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_picture1->setLineWidth(BorderPixels);
    m_picture1->installEventFilter(this);
    m_picture1->setMouseTracking(true);

    m_vScroll = new QScrollBar(Qt::Vertical, this);
    m_vScroll->setObjectName(QStringLiteral("VScroll1"));
    m_vScroll->setGeometry(toPixels(9450, 120, 255, 7425));
    m_hScroll = new QScrollBar(Qt::Horizontal, this);
    m_hScroll->setObjectName(QStringLiteral("HScroll1"));
    m_hScroll->setGeometry(toPixels(120, 7545, 9330, 255));
    for (QScrollBar* bar : {m_hScroll, m_vScroll}) {
        bar->setFocusPolicy(Qt::TabFocus);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->installEventFilter(this);
    }
    connect(m_hScroll, &QScrollBar::valueChanged, this, [this](int value) { scrollBarMoved(m_viewport.HScroll1(), value); });
    connect(m_vScroll, &QScrollBar::valueChanged, this, [this](int value) { scrollBarMoved(m_viewport.VScroll1(), value); });

    m_frame1 = new QGroupBox(QStringLiteral("Zoom:"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(toPixels(120, 7860, 9600, 855));
    m_pushButton1 = makeButton(QStringLiteral("Zoom In"), m_frame1, toPixels(240, 300, 4440, 405));
    m_pushButton1->setObjectName(QStringLiteral("PushButton1"));
    m_pushButton2 = makeButton(QStringLiteral("Zoom Out"), m_frame1, toPixels(4800, 300, 4560, 405));
    m_pushButton2->setObjectName(QStringLiteral("PushButton2"));
    m_pushButton8 = makeButton(QStringLiteral("< Back"), this, toPixels(120, 8850, 4680, 405));
    m_pushButton8->setObjectName(QStringLiteral("PushButton8"));
    m_pushButton6 = makeButton(QStringLiteral("Save Results To Word File"), this, toPixels(4920, 8850, 4800, 405));
    m_pushButton6->setObjectName(QStringLiteral("PushButton6"));

    m_zoomOri = new platform::PictureBox(this);
    m_zoomOri->setObjectName(QStringLiteral("Zoom_Ori"));
    m_zoomOri->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_zoomOri->setLineWidth(BorderPixels);

    connect(m_pushButton1, &QPushButton::clicked, this, &Form2::PushButton1_Click);
    connect(m_pushButton2, &QPushButton::clicked, this, &Form2::PushButton2_Click);
    connect(m_pushButton6, &QPushButton::clicked, this, &Form2::PushButton6_Click);
    connect(m_pushButton8, &QPushButton::clicked, this, &Form2::PushButton8_Click);

    // Picture areas take focus like any control; the frame hands it on to its first button.
    for (QWidget* widget : {static_cast<QWidget*>(m_picture2), static_cast<QWidget*>(m_picture1),
                            static_cast<QWidget*>(m_zoomOri), static_cast<QWidget*>(m_frame1)})
        widget->setFocusPolicy(Qt::TabFocus);
    QWidget* tabOrder[] = {m_hScroll, m_vScroll, m_picture2, m_picture1, m_frame1,
                           m_zoomOri, m_pushButton1, m_pushButton2, m_pushButton6, m_pushButton8};
    for (size_t i = 0; i + 1 < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);

    m_commands = new PreviewCommands(this, m_picture1, [this] { return mWordFile; });

    m_pointer.hoverOver(this, platform::WindowPointer::Shape::Arrow);
    m_pointer.hoverOver(m_frame1, platform::WindowPointer::Shape::Arrow);
    for (QPushButton* button : {m_pushButton1, m_pushButton2, m_pushButton6, m_pushButton8})
        m_pointer.hoverOver(button, platform::WindowPointer::Shape::Custom);

    // Placed like the entry window: centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    addShortcuts();
    applyViewport();
}

void Form2::addShortcuts()
{
    auto add = [this](const QKeySequence& keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus),
                                     QKeySequence(QKeySequence::ZoomIn)})
        add(keys, &Form2::PushButton1_Click);
    add(QKeySequence(Qt::CTRL | Qt::Key_Minus), &Form2::PushButton2_Click);
    add(QKeySequence(Qt::CTRL | Qt::Key_S), &Form2::PushButton6_Click);
    add(QKeySequence(Qt::Key_Up), [this] { scrollBy(m_vScroll, -LinePixels); });
    add(QKeySequence(Qt::Key_Down), [this] { scrollBy(m_vScroll, LinePixels); });
    add(QKeySequence(Qt::Key_Left), [this] { scrollBy(m_hScroll, -LinePixels); });
    add(QKeySequence(Qt::Key_Right), [this] { scrollBy(m_hScroll, LinePixels); });
    // A page is what the viewport shows, less a line kept in view.
    auto page = [this] { return m_picture2->contentsRect().height() - LinePixels; };
    add(QKeySequence(Qt::Key_PageUp), [this, page] { scrollBy(m_vScroll, -page()); });
    add(QKeySequence(Qt::Key_PageDown), [this, page] { scrollBy(m_vScroll, page()); });
}

void Form2::scrollBy(QScrollBar* bar, double pixels)
{
    const int16_t step = bar == m_hScroll ? m_viewport.mHScrollStep() : m_viewport.mVScrollStep();
    double& rest = bar == m_hScroll ? m_hScrollRest : m_vScrollRest;
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

void Form2::wheelEvent(QWheelEvent* event)
{
    event->accept();
    if (event->modifiers() & Qt::ControlModifier) {
        m_zoomNotches += event->angleDelta().y();
        for (; m_zoomNotches >= Notch; m_zoomNotches -= Notch)
            PushButton1_Click();
        for (; m_zoomNotches <= -Notch; m_zoomNotches += Notch)
            PushButton2_Click();
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
        scrollBy(m_hScroll, -pixels.x());
    if (pixels.y() != 0)
        scrollBy(m_vScroll, -pixels.y());
}

void Form2::Form_Load()
{
    app::Guard step(LoadLocation);
    step(100, [&] { mFirstActivate = true; });
    step(102, [&] { Main::ResetBackColors(this); });
    step(104, [&] {
        setWindowTitle(Main::ProductName);
        setWindowIcon(app::programIcon());
    });
    const QString handCursor = Main::HandCursorPath();
    bool exists = false;
    step(108, [&] { exists = Main::FileExists(handCursor); });
    if (exists)
        step(110, [&] { m_pointer.setCustomCursor(platform::loadCursorFile(handCursor)); });
}

bool Form2::event(QEvent* event)
{
    // Showing counts as the first activation too: a desktop without a window
    // manager (or one that keeps the focus elsewhere) never activates the
    // window, and the viewport must be set up all the same.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        Form_Activate();
    return QWidget::event(event);
}

void Form2::Form_Activate()
{
    app::Guard step(location::FormActivate);
    bool first = false;
    step(100, [&] { first = mFirstActivate; });
    if (!first)
        return;
    // Cleared before the set-up as well: an error report shown during it gives
    // the activation back when it closes, which must not start the set-up again.
    mFirstActivate = false;
    m_viewport.FirstDisplay();
    applyViewport();
    step(138, [&] { mFirstActivate = false; });
}

void Form2::setPicture(const QPicture& picture)
{
    m_picture1->setPicture(picture);
    // The viewport reckons in twips from the picture's size at 96 dpi.
    const QSize size = platform::PictureBox::pictureSize(picture);
    if (size.isEmpty())
        m_viewport.AssignPicture(std::nullopt);
    else
        m_viewport.AssignPicture(Size{int32_t(size.width()) * TwipsPerPixel, int32_t(size.height()) * TwipsPerPixel});
    // A later result starts over like the first one: zoom 1.0, its own
    // full-size copy, sizes and ranges. Before the first activation, that
    // activation does it.
    if (!mFirstActivate)
        m_viewport.FirstDisplay();
    applyViewport();
}

void Form2::RedrawImage()
{
    m_viewport.RedrawImage();
    applyViewport();
}

ScrollBar& Form2::modelBar(QScrollBar* bar)
{
    if (bar == m_hScroll)
        return m_viewport.HScroll1();
    if (bar == m_vScroll)
        return m_viewport.VScroll1();
    throw std::invalid_argument("Not a scroll bar of the preview window");
}

void Form2::SetHScrollbarByPercent(QScrollBar* HScrollbar, int16_t percent)
{
    m_viewport.SetHScrollbarByPercent(modelBar(HScrollbar), percent);
    applyViewport();
}

void Form2::SetVScrollbarByPercent(QScrollBar* VScrollbar, int16_t percent)
{
    m_viewport.SetVScrollbarByPercent(modelBar(VScrollbar), percent);
    applyViewport();
}

void Form2::PushButton1_Click()
{
    m_viewport.PushButton1_Click();
    applyViewport();
}

void Form2::PushButton2_Click()
{
    m_viewport.PushButton2_Click();
    applyViewport();
}

void Form2::copyDocument(const QString& target) const
{
    const QFileInfo sourceInfo(mWordFile);
    const QFileInfo targetInfo(target);
    // Saving the document over itself: it is already there, whole.
    if (sourceInfo.exists() && targetInfo.exists() && sourceInfo.canonicalFilePath() == targetInfo.canonicalFilePath())
        return;

    QFile source(mWordFile);
    if (!source.open(QIODevice::ReadOnly))
        throw std::runtime_error(
            QStringLiteral("Cannot read the planner document %1: %2").arg(mWordFile, source.errorString()).toStdString());
    // Written beside the target under a temporary name and renamed over it
    // only when complete, so an existing file is never lost half-way.
    // Unbuffered: a write the disk refuses then fails in write() with its
    // reason, where Qt's buffered flush inside commit() would lose the
    // failure and rename a cut-off copy over the target.
    QSaveFile copy(target);
    const auto cannotWrite = [&] {
        return std::runtime_error(QStringLiteral("Cannot write %1: %2").arg(target, copy.errorString()).toStdString());
    };
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw cannotWrite();
    QByteArray block;
    do {
        block = source.read(1 << 16);
        if (source.error() != QFileDevice::NoError)
            throw std::runtime_error(
                QStringLiteral("Cannot read the planner document %1: %2").arg(mWordFile, source.errorString()).toStdString());
        // A short write (the disk took part of the block) is followed by a
        // write of the rest, which reports why it cannot go on.
        for (qsizetype written = 0; written < block.size();) {
            const qint64 step = copy.write(block.constData() + written, block.size() - written);
            if (step <= 0)
                throw cannotWrite();  // QSaveFile removes its temporary file when destroyed uncommitted
            written += step;
        }
    } while (!block.isEmpty());
    if (!copy.commit())
        throw cannotWrite();
}

void Form2::PushButton6_Click()
{
    app::Guard step(SaveLocation);
    platform::SaveDialogRequest request;
    QString returned;
    QString chosen;
    step(100, [&] { request.fileName = QString(); });
    step(102, [&] { request.title = QStringLiteral("Save File"); });
    step(104, [&] { request.filter = QStringLiteral("Word Files (*.doc)|*.doc"); });
    step(106, [&] { returned = platform::fileDialogs().saveFileName(request); });
    step(108, [&] { chosen = returned; });

    bool cancelled = true;
    bool yes = false;
    step(110, [&] { cancelled = chosen.isEmpty(); });
    if (!cancelled) {
        bool exists = false;
        step(112, [&] { exists = Main::FileExists(chosen); });
        if (exists) {
            platform::Answer answer = platform::Answer::No;
            step(114, [&] {
                answer = platform::showMessage(QStringLiteral("Are you sure you wish to overwrite ") + chosen +
                                                   QStringLiteral(" ?"),
                                               platform::Buttons::YesNo);
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
        step(126, [&] { platform::showMessage(QStringLiteral("Done.")); });
}

void Form2::PushButton8_Click()
{
    app::Guard step(BackLocation);
    step(102, [&] { Main::RemoveFile(mWordFile); });
    bool entryShown = false;
    step(104, [&] {
        if (!m_entry)
            throw std::runtime_error("The entry window is not available");
        m_entry->show();
        entryShown = true;
    });
    // Never leave the user without a window.
    if (entryShown)
        step(106, [&] { hide(); });
}

void Form2::Form_QueryUnload()
{
    app::Guard step(QueryUnloadLocation);
    step(100, [&] { Main::RemoveFile(mWordFile); });
    step(102, [&] { platform::pumpEvents(); });
    step(104, [&] { platform::pumpEvents(); });
}

void Form2::Form_Unload()
{
    // Ends the whole run at once, the hidden entry window included, without
    // the entry window's own close handling.
    platform::endProgram();
}

void Form2::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    event->accept();
    Form_Unload();
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    // A bar would scroll by its own single step, a sliver of the picture;
    // the window scrolls by lines, and zooms with Ctrl. Over the picture the
    // wheel is the window's at once, however the event came.
    if (event->type() == QEvent::Wheel && (watched == m_hScroll || watched == m_vScroll || watched == m_picture1)) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    if (watched == m_picture1) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return picture1Mouse(event);
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool Form2::picture1Mouse(QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    // The right button opens the context menu: it neither starts a drag nor
    // pans while held, and its release leaves the scroll bars alone.
    if (event->type() != QEvent::MouseMove && mouse->button() == Qt::RightButton)
        return false;
    const Qt::MouseButtons panning = mouse->buttons() & ~Qt::RightButton;
    // Position in twips relative to Picture1's outer edge as the model places
    // it (not the rounded pixel position), so a long drag does not drift.
    const QPointF onViewport = QPointF(m_picture1->pos()) + mouse->position();
    const float x = float(onViewport.x() * TwipsPerPixel - m_viewport.picture1().left);
    const float y = float(onViewport.y() * TwipsPerPixel - m_viewport.picture1().top);
    const int16_t shift = shiftCode(mouse->modifiers());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_viewport.Picture1_MouseDown(buttonCode(mouse->button()), shift, x, y);
        break;
    case QEvent::MouseMove:
        m_viewport.Picture1_MouseMove(buttonCode(panning), shift, x, y);
        break;
    default:
        m_viewport.Picture1_MouseUp(buttonCode(mouse->button()), shift, x, y);
        break;
    }
    applyViewport();
    return true;
}

void Form2::scrollBarMoved(ScrollBar& bar, int value)
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

void Form2::applyViewport()
{
    if (m_applying)
        return;
    m_applying = true;
    const Area& p1 = m_viewport.picture1();
    if (m_picture1->persistent() != p1.persistent)
        m_picture1->setPersistent(p1.persistent);
    m_picture1->setGeometry(toPixels(p1.left, p1.top, p1.outerWidth, p1.outerHeight));

    const Area& zo = m_viewport.zoomOri();
    if (m_zoomOri->persistent() != zo.persistent)
        m_zoomOri->setPersistent(zo.persistent);
    m_zoomOri->setGeometry(toPixels(zo.left, zo.top, zo.outerWidth, zo.outerHeight));
    m_zoomOri->setVisible(zo.visible);

    auto applyBar = [](QScrollBar* widget, const ScrollBar& bar) {
        widget->setRange(bar.min(), bar.max());
        widget->setValue(bar.value());
        widget->setEnabled(bar.enabled());
    };
    applyBar(m_hScroll, m_viewport.HScroll1());
    applyBar(m_vScroll, m_viewport.VScroll1());
    m_applying = false;
}

bool Form2::runLine(const char* location, int line, const std::function<void()>& body)
{
    app::Guard step(location);
    return step(line, body);
}

void Form2::clearPicture1() { m_picture1->clearPicture(); }

void Form2::copyPictureToZoomOri() { m_zoomOri->setPicture(m_picture1->picture()); }

void Form2::drawZoomed(int32_t zoomWidth, int32_t zoomHeight, int32_t origWidth, int32_t origHeight)
{
    // Picture1 takes its new size first, so the drawing fills all of it.
    applyViewport();
    m_picture1->drawPicture(QRectF(0, 0, double(zoomWidth) / TwipsPerPixel, double(zoomHeight) / TwipsPerPixel),
                            m_zoomOri->picture(),
                            QRectF(0, 0, double(origWidth) / TwipsPerPixel, double(origHeight) / TwipsPerPixel));
}

void Form2::showArrowPointer() { m_pointer.setShape(platform::WindowPointer::Shape::Arrow); }

}  // namespace preview
