#include "EntryWindow.h"

#include "entry/DayTabs.h"
#include "week/SampleData.h"
#include "common/ErrorReport.h"
#include "common/AppTitle.h"
#include "common/Files.h"
#include "common/Language.h"
#include "desktop/ProgramIcon.h"
#include "desktop/CursorFile.h"
#include "platform/MessageBoxes.h"
#include "desktop/PictureBox.h"
#include "platform/Twips.h"
#include "platform/ProgramEnvironment.h"
#include "skin/ApplySkin.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>

#include <cmath>

namespace entry {
namespace {

using Shape = desktop::WindowPointer::Shape;

const char* const StartLocation = "in Dorvane2021/08/31.Form1.PushButton1_Click ";
const char* const HelpLocation = "in Dorvane2021/08/31.Form1.PushButton2_Click ";
const char* const SampleLocation = "in Dorvane2021/08/31.Form1.PushButton3_Click ";
const char* const LoadLocation = "in Dorvane2021/08/31.Form1.Form_Load ";
const char* const QueryUnloadLocation = "in Dorvane2021/08/31.Form1.Form_QueryUnload ";

QFont arialBold(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void makeWhite(QWidget* widget)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::Base, Qt::white);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

}  // namespace

const QString EntryWindow::ContactPage = QStringLiteral("https://dorvane.example/contact");

int EntryWindow::twipsToPixels(int twips) { return platform::twipsToPixels(twips); }

EntryWindow::EntryWindow(QWidget* parent) : QWidget(parent), m_pointer(this)
{
    today = [] { return QDate::currentDate(); };
    createControls();
    arrangeTabOrder();
    createImportShortcut();
    createPageShortcuts();
    nameControls();
    m_pointer.hoverOver(this, Shape::Arrow);  // the bare surface turns the pointer back to the arrow
}

EntryWindow::~EntryWindow() = default;

void EntryWindow::createControls()
{
    const auto px = &EntryWindow::twipsToPixels;
    auto place = [px](QWidget* w, int left, int top, int width, int height) {
        w->setGeometry(px(left), px(top), px(width), px(height));
    };

    setFixedSize(px(8160), px(7305));
    setFont(arialBold(9));

    const QFont buttonFont = arialBold(11.25);
    startButton = new QPushButton(tr("Start Creating Template"), this);
    place(startButton, 120, 120, 7920, 400);
    helpButton = new QPushButton(tr("Help"), this);
    place(helpButton, 120, 630, 3960, 405);
    sampleButton = new QPushButton(tr("Load Sample/Example Data"), this);
    place(sampleButton, 4200, 630, 3840, 405);
    for (QPushButton* button : {startButton, helpButton, sampleButton}) {
        button->setFont(buttonFont);
        button->setAutoDefault(false);
        m_pointer.hoverOver(button, Shape::Custom);
    }
    connect(startButton, &QPushButton::clicked, this, [this] { startClicked(); });
    connect(helpButton, &QPushButton::clicked, this, [this] { helpClicked(); });
    connect(sampleButton, &QPushButton::clicked, this, [this] { sampleClicked(); });

    titleFrame = new QGroupBox(tr("Title For This Week"), this);
    place(titleFrame, 120, 1110, 7920, 820);
    makeWhite(titleFrame);
    m_pointer.hoverOver(titleFrame, Shape::Arrow);
    titleEdit = new QLineEdit(titleFrame);
    place(titleEdit, 240, 300, 7440, 375);
    makeWhite(titleEdit);
    titleEdit->installEventFilter(this);
    connect(titleEdit, &QLineEdit::textChanged, this, [this](const QString& title) { m_week.title = title; });

    // The tab row ends where the row panel begins, so the panel covers the page area.
    dayTabs = new entry::DayTabs(px(2415) - px(2040), this);
    place(dayTabs, 120, 2040, 7920, 5145);
    connect(dayTabs, &QTabWidget::currentChanged, this, [this, previous = 0](int current) mutable {
        const int before = previous;
        previous = current;
        dayTabChanged(before);
    });

    rowsPanel = new desktop::PictureBox(this);
    place(rowsPanel, 150, 2415, 7785, 4665);
    rowsPanel->setFrameShape(QFrame::NoFrame);
    rowsPanel->raise();

    const char* headings[] = {nullptr, QT_TR_NOOP("Time"), QT_TR_NOOP("Number"), QT_TR_NOOP("Name")};
    const int headingLeft[] = {0, 195, 1350, 2745};
    const int headingWidth[] = {0, 870, 1320, 4860};
    for (int i = 1; i <= 3; ++i) {
        headingLabels[i] = new QLabel(tr(headings[i]), rowsPanel);
        place(headingLabels[i], headingLeft[i], 225, headingWidth[i], 225);
    }

    for (int row = 0; row < week::RowCount; ++row) {
        const int top = 585 + 405 * row;
        timeBoxes[row] = new QLineEdit(week::defaultHourText(row), rowsPanel);
        place(timeBoxes[row], 180, top, 915, 375);
        timeBoxes[row]->setAlignment(Qt::AlignCenter);
        timeBoxes[row]->setReadOnly(true);

        numberBoxes[row] = new QLineEdit(rowsPanel);
        place(numberBoxes[row], 1305, top, 1320, 375);
        makeWhite(numberBoxes[row]);
        connect(numberBoxes[row], &QLineEdit::textChanged, this, [this, row] { numberChanged(row); });

        nameBoxes[row] = new QLineEdit(rowsPanel);
        place(nameBoxes[row], 2745, top, 4875, 375);
        makeWhite(nameBoxes[row]);
        connect(nameBoxes[row], &QLineEdit::textChanged, this, [this, row] { nameChanged(row); });

        for (QLineEdit* box : {timeBoxes[row], numberBoxes[row], nameBoxes[row]})
            box->installEventFilter(this);
    }
}

void EntryWindow::nameControls()
{
    startButton->setAccessibleDescription(tr("Makes the planner of this week and shows its preview"));
    helpButton->setAccessibleDescription(tr("Tells whom to ask about Dorvane"));
    sampleButton->setAccessibleDescription(tr("Fills the title and all six day pages with an example week"));
    titleEdit->setAccessibleName(titleFrame->title());
    titleEdit->setAccessibleDescription(tr("The planner's heading reads Week of, then this title"));
    // The tab row takes the name of its current tab (Qt), so it gets only a description.
    dayTabs->tabBar()->setAccessibleDescription(tr("Control+Page Down and Control+Page Up switch pages"));
    rowsPanel->setAccessibleName(tr("Appointments"));
    nameRows();
}

void EntryWindow::nameRows()
{
    // One grid serves all six pages, so every box says the page shown: a
    // screen reader user hears which day a box belongs to.
    const QString day = week::dayTabCaption(shownPage(), common::windowLocale());
    for (int row = 0; row < week::RowCount; ++row) {
        //: Accessible name of an appointment box: %1 the day, %2 the hour (8 to 12, 1 to 5), %3 the column
        const QString slot = tr("%1, %2 o'clock, %3").arg(day, week::defaultHourText(row));
        timeBoxes[row]->setAccessibleName(slot.arg(headingLabels[1]->text()));
        numberBoxes[row]->setAccessibleName(slot.arg(headingLabels[2]->text()));
        nameBoxes[row]->setAccessibleName(slot.arg(headingLabels[3]->text()));
    }
}

void EntryWindow::createPageShortcuts()
{
    // The tab control knows these keys only while the focus is in its tab
    // row; the boxes of the rows are not inside it, so the window takes them.
    auto turn = [this](int by) {
        const int count = dayTabs->count();
        dayTabs->setCurrentIndex((dayTabs->currentIndex() + by + count) % count);
    };
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this), &QShortcut::activated, this,
            [turn] { turn(1); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this), &QShortcut::activated, this,
            [turn] { turn(-1); });
    // Quits as closing the window does, through the same steps.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this, [this] { close(); });
}

void EntryWindow::arrangeTabOrder()
{
    // Number and Name row by row, the Time boxes, the tabs, Start, the title, Help, Load Sample.
    QList<QWidget*> chain;
    for (int row = 0; row < week::RowCount; ++row)
        chain << numberBoxes[row] << nameBoxes[row];
    for (int row = 0; row < week::RowCount; ++row)
        chain << timeBoxes[row];
    chain << dayTabs->tabBar() << startButton << titleEdit << helpButton << sampleButton;
    // The tab control takes part through its tab row alone; as a stop of its
    // own it would hand the focus to that row a second time.
    dayTabs->setFocusProxy(nullptr);
    dayTabs->setFocusPolicy(Qt::NoFocus);
    dayTabs->tabBar()->setFocusPolicy(Qt::TabFocus);
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
    for (QPushButton* button : {startButton, helpButton, sampleButton})
        button->setFocusPolicy(Qt::StrongFocus);
    numberBoxes[0]->setFocus();
}

QString EntryWindow::weekTitle() const { return titleEdit->text(); }

std::shared_ptr<const week::DayStore> EntryWindow::dayStore(int page) const { return m_week.dayStore(page); }

QString EntryWindow::timeText(int row) const { return m_week.timeText(row); }

int EntryWindow::shownPage() const { return dayTabs->currentIndex(); }

void EntryWindow::loadDayPage()
{
    const int page = shownPage();
    // The store read here stays alive even when a change in a row replaces it:
    // every Number or Name set below saves the half-filled rows for this page.
    const std::shared_ptr<const week::DayStore> held = m_week.stores[page];
    // The rows are filled in one go, without letting other window events run
    // in between: a tab change, a Start or a sample fill handled half-way
    // would see (or store) a page made of two pages' rows.
    for (int row = 0; row < week::RowCount; ++row) {
        const week::EntryFields fields =
            held ? held->entry(row) : week::EntryFields{week::defaultHourText(row), QString(), QString()};
        timeBoxes[row]->setText(fields.time);
        numberBoxes[row]->setText(fields.number);
        nameBoxes[row]->setText(fields.name);
    }
    nameRows();
}

void EntryWindow::saveDayPage()
{
    week::DayStore::Rows rows;
    for (int row = 0; row < week::RowCount; ++row)
        rows[row] = {timeBoxes[row]->text(), numberBoxes[row]->text(), nameBoxes[row]->text()};
    m_week.stores[shownPage()] = std::make_shared<const week::DayStore>(rows);
}

void EntryWindow::dayTabChanged(int /*previousTab*/) { loadDayPage(); }
void EntryWindow::numberChanged(int /*row*/) { saveDayPage(); }
void EntryWindow::nameChanged(int /*row*/) { saveDayPage(); }

void EntryWindow::selectWholeText(QLineEdit* box)
{
    box->setSelection(0, int(box->text().size()));
}

bool EntryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (takeCalendarDrop(event))
        return true;  // a calendar file dropped on a box is imported, not typed in
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            selectWholeText(box);
    }
    return QWidget::eventFilter(watched, event);
}

void EntryWindow::startClicked()
{
    if (m_busy)
        return;  // a click let through while a generation runs
    common::Guard step(StartLocation);
    bool blank = false;
    step(100, [&] { m_busy = true; });
    step(102, [&] { blank = titleEdit->text().trimmed().isEmpty(); });
    if (blank) {
        step(104, [&] { platform::showMessage(tr("You forgot to input week information.")); });
        step(106, [&] { titleEdit->setFocus(); });
    } else {
        step(108, [&] { m_pointer.setShape(Shape::Hourglass); });
        step(110, [&] {
            if (generatePlanner)
                generatePlanner();
        });
        step(112, [&] { m_pointer.setShape(Shape::Arrow); });
    }
    step(114, [&] { m_busy = false; });
}

void EntryWindow::helpClicked()
{
    common::Guard step(HelpLocation);
    step(100, [&] { platform::showMessage(tr("Questions? Please contact Team Quenlis at %1").arg(ContactPage)); });
}

void EntryWindow::sampleClicked()
{
    common::Guard step(SampleLocation);
    step(100, [&] { titleEdit->setText(week::sampleWeekTitle(today())); });
    for (int page = 0; page < dayTabs->count(); ++page) {
        // Selecting the page loads its rows through the tab change.
        step(102, [&] { dayTabs->setCurrentIndex(page); });
        int first = 0, last = -1;  // no rows when the range cannot be had
        step(104, [&] {
            const week::SampleRows rows = week::sampleRows(page);
            first = rows.first;
            last = rows.last;
        });
        int n = 1;
        for (int row = first; row <= last; ++row) {
            step(106, [&] { nameBoxes[row]->setText(week::sampleName(row, n)); });
            step(108, [&] { numberBoxes[row]->setText(QString::number(n)); });
            ++n;
        }
    }
}

void EntryWindow::load()
{
    common::Guard step(LoadLocation);
    step(100, [&] { skin::applySkin(this, skinEngine); });
    step(102, [&] { setWindowTitle(common::ProductName); });
    step(104, [&] { setWindowIcon(desktop::programIcon()); });
    step(106, [&] { common::setAppTitle(); });
    step(108, [&] {
        const QString path = common::handCursorPath();
        if (common::fileExists(path))
            m_pointer.setCustomCursor(desktop::loadCursorFile(path));
    });
    step(110, [&] { saveDayPage(); });
    step(112, [&] {
        if (checkWordPresence)
            checkWordPresence();
    });
}

void EntryWindow::closeRequested()
{
    common::Guard step(QueryUnloadLocation);
    step(100, [&] {
        for (auto& store : m_week.stores)
            store.reset();
    });
    step(102, [&] { platform::endProgram(); });
}

void EntryWindow::closeEvent(QCloseEvent* event)
{
    closeRequested();
    // Only reached when ending the program was intercepted (tests).
    event->accept();
}

}  // namespace entry
