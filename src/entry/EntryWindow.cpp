#include "EntryWindow.h"

#include "entry/DayTabs.h"
#include "entry/PlannerSettingsDialog.h"
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

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTabBar>

#include <algorithm>
#include <cmath>

namespace entry {
namespace {

using Shape = desktop::WindowPointer::Shape;

const char* const StartLocation = "in Dorvane2021/08/31.Form1.PushButton1_Click ";
const char* const HelpLocation = "in Dorvane2021/08/31.Form1.PushButton2_Click ";
const char* const SampleLocation = "in Dorvane2021/08/31.Form1.PushButton3_Click ";
const char* const LoadLocation = "in Dorvane2021/08/31.Form1.Form_Load ";
const char* const QueryUnloadLocation = "in Dorvane2021/08/31.Form1.Form_QueryUnload ";

// The rows in the panel, in twips: where the first begins, the step from
// one to the next, and how many the panel shows.
constexpr int FirstRowTop = 585;
constexpr int RowStep = 405;
constexpr int RowHeight = 375;
constexpr int ShownRows = 10;

// Gives `week` one row for each hour of `settings`, labelled on its clock:
// what was typed at an hour the new range leaves out goes into `kept`, and
// what `kept` holds for an hour of the new range comes back into its row.
// A page without a store gets one only when something comes back to it.
void fitWeek(week::Week& week, const planner::PlannerSettings& settings, EntryWindow::KeptHours& kept)
{
    const week::HourRange before = week.hours;
    const QStringList labels = settings.hourLabels();
    for (int page = 0; page < week::DayPageCount; ++page) {
        std::map<int, week::EntryFields>& keptOfPage = kept[page];
        const std::shared_ptr<const week::DayStore> store = week.stores[page];
        if (store) {
            for (int row = 0; row < store->rowCount(); ++row) {
                const week::EntryFields& fields = store->entry(row);
                if (!fields.number.isEmpty() || !fields.name.isEmpty())
                    keptOfPage[before.hour(row)] = fields;
            }
        }
        week::DayStore::Rows rows(std::size_t(settings.hours.count()));
        bool typed = false;
        for (int row = 0; row < settings.hours.count(); ++row) {
            rows[row].time = labels[row];
            if (const auto found = keptOfPage.find(settings.hours.hour(row)); found != keptOfPage.end()) {
                rows[row].number = found->second.number;
                rows[row].name = found->second.name;
                keptOfPage.erase(found);
                typed = true;
            }
        }
        week.stores[page] = store || typed ? std::make_shared<const week::DayStore>(rows) : nullptr;
    }
    week.hours = settings.hours;
    week.clock = settings.clock;
    week.times = labels;
}

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

EntryWindow::EntryWindow(QWidget* parent)
    : QWidget(parent), m_week(m_settings.hours, m_settings.clock), m_pointer(this)
{
    today = [] { return QDate::currentDate(); };
    createControls();
    arrangeTabOrder();
    createImportShortcut();
    createPageShortcuts();
    createSettingsCommand();
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

    rowsScrollBar = new QScrollBar(Qt::Vertical, rowsPanel);
    rowsScrollBar->setFocusPolicy(Qt::NoFocus);  // the keys reach every row through the boxes
    rowsScrollBar->setSingleStep(1);
    rowsScrollBar->hide();
    connect(rowsScrollBar, &QScrollBar::valueChanged, this, [this] { placeRows(); });
    rowsPanel->installEventFilter(this);
    createRows();
}

void EntryWindow::createRows()
{
    for (auto* boxes : {&timeBoxes, &numberBoxes, &nameBoxes}) {
        for (QLineEdit* box : *boxes)
            delete box;
        boxes->clear();
    }
    for (int row = 0; row < m_week.rowCount(); ++row) {
        auto* time = new QLineEdit(m_week.timeText(row), rowsPanel);
        time->setAlignment(Qt::AlignCenter);
        time->setReadOnly(true);
        timeBoxes.push_back(time);

        auto* number = new QLineEdit(rowsPanel);
        makeWhite(number);
        connect(number, &QLineEdit::textChanged, this, [this, row] { numberChanged(row); });
        numberBoxes.push_back(number);

        auto* name = new QLineEdit(rowsPanel);
        makeWhite(name);
        connect(name, &QLineEdit::textChanged, this, [this, row] { nameChanged(row); });
        nameBoxes.push_back(name);

        for (QLineEdit* box : {time, number, name}) {
            box->installEventFilter(this);
            box->show();
        }
    }
    const int hidden = std::max(0, m_week.rowCount() - ShownRows);
    rowsScrollBar->setRange(0, hidden);
    rowsScrollBar->setPageStep(ShownRows);
    rowsScrollBar->setVisible(hidden > 0);
    placeRows();
}

void EntryWindow::placeRows()
{
    const auto px = &EntryWindow::twipsToPixels;
    const int first = rowsScrollBar->value();
    const int barWidth = rowsScrollBar->isVisibleTo(this) ? rowsScrollBar->sizeHint().width() : 0;
    if (barWidth > 0) {
        const int top = px(FirstRowTop);
        rowsScrollBar->setGeometry(rowsPanel->width() - barWidth, top, barWidth, rowsPanel->height() - top);
    }
    for (int row = 0; row < int(timeBoxes.size()); ++row) {
        // Rows scrolled away lie outside the panel, which clips them; they
        // still take the focus, which scrolls them back into sight.
        const int shown = row - first;
        const int top = shown < 0 ? -2 * px(RowStep) : shown >= ShownRows ? rowsPanel->height() + px(RowStep)
                                                                           : px(FirstRowTop + RowStep * shown);
        timeBoxes[row]->setGeometry(px(180), top, px(915), px(RowHeight));
        numberBoxes[row]->setGeometry(px(1305), top, px(1320), px(RowHeight));
        nameBoxes[row]->setGeometry(px(2745), top, px(4875) - barWidth, px(RowHeight));
    }
}

void EntryWindow::scrollToRow(int row)
{
    if (row < rowsScrollBar->value())
        rowsScrollBar->setValue(row);
    else if (row >= rowsScrollBar->value() + ShownRows)
        rowsScrollBar->setValue(row - ShownRows + 1);
}

int EntryWindow::rowOf(const QObject* box) const
{
    for (const auto* boxes : {&timeBoxes, &numberBoxes, &nameBoxes}) {
        for (std::size_t row = 0; row < boxes->size(); ++row) {
            if ((*boxes)[row] == box)
                return int(row);
        }
    }
    return -1;
}

void EntryWindow::createSettingsCommand()
{
    //: The entry window's context menu and Ctrl+,: opens the dialog "Planner Settings"
    auto* action = new QAction(tr("Planner Settings\u2026"), this);
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, &EntryWindow::openPlannerSettings);
    addAction(action);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void EntryWindow::openPlannerSettings()
{
    if (m_busy)
        return;
    PlannerSettingsDialog dialog(m_settings, this);
    const bool word = engineChoice && engineChoice->wordMakesPlanner();
    if (engineChoice)
        dialog.offerEngineChoice(word, engineChoice->wordInstalled());
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (engineChoice && dialog.wordChosen() != word)
        engineChoice->choose(dialog.wordChosen());
    const planner::PlannerSettings chosen = dialog.settings();
    chosen.save();
    setPlannerSettings(chosen);
}

void EntryWindow::setPlannerSettings(const planner::PlannerSettings& settings)
{
    fitWeek(m_week, settings, m_keptHours);
    m_followingKept.resize(m_followingWeeks.size());
    for (std::size_t i = 0; i < m_followingWeeks.size(); ++i)
        fitWeek(m_followingWeeks[i], settings, m_followingKept[i]);
    m_settings = settings;
    createRows();
    arrangeTabOrder();
    loadDayPage();
    if (plannerSettingsChanged)
        plannerSettingsChanged(m_settings);
}

std::optional<week::EntryFields> EntryWindow::keptEntry(int page, int hour) const
{
    const auto& kept = m_keptHours.at(page);
    const auto found = kept.find(hour);
    if (found == kept.end())
        return std::nullopt;
    return found->second;
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
    const bool halfDays = m_settings.clock == week::Clock::TwelveHour && week::marksHalfDays(m_week.hours);
    for (int row = 0; row < int(timeBoxes.size()); ++row) {
        // The hour as the Time column shows it; "o'clock" only where it is a bare number.
        const QString hour = week::hourLabel(m_week.hours.hour(row), m_week.hours, m_settings.clock);
        const QString slot = halfDays
            //: Accessible name of an appointment box: %1 the day, %2 the hour with am or pm ("1 pm"), %3 the column
            ? tr("%1, %2, %3").arg(day, hour)
            //: Accessible name of an appointment box: %1 the day, %2 the hour (8 to 12, 1 to 5, or 0 to 23), %3 the column
            : tr("%1, %2 o'clock, %3").arg(day, hour);
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
    for (std::size_t row = 0; row < timeBoxes.size(); ++row)
        chain << numberBoxes[row] << nameBoxes[row];
    for (QLineEdit* box : timeBoxes)
        chain << box;
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
    for (int row = 0; row < int(timeBoxes.size()); ++row) {
        const week::EntryFields fields =
            held ? held->entry(row) : week::EntryFields{m_week.timeText(row), QString(), QString()};
        timeBoxes[row]->setText(fields.time);
        numberBoxes[row]->setText(fields.number);
        nameBoxes[row]->setText(fields.name);
    }
    nameRows();
}

void EntryWindow::saveDayPage()
{
    week::DayStore::Rows rows(timeBoxes.size());
    for (std::size_t row = 0; row < timeBoxes.size(); ++row)
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
        if (const int row = rowOf(watched); row >= 0)
            scrollToRow(row);
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            selectWholeText(box);
    }
    // The wheel over the rows scrolls them, when they do not fit.
    if (event->type() == QEvent::Wheel && rowsScrollBar->isVisibleTo(this)
        && (watched == rowsPanel || rowOf(watched) >= 0)) {
        QCoreApplication::sendEvent(rowsScrollBar, event);
        return true;
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
    step(100, [&] {
        titleEdit->setText(week::sampleWeekTitle(today()));
        m_followingWeeks.clear();  // an example is one week
        m_followingKept.clear();
    });
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
            // The example's rows are hours of the classic range; those the
            // range leaves out get none.
            const int shown = m_week.hours.rowOf(week::ClassicHours.hour(row));
            if (shown >= 0) {
                step(106, [&] { nameBoxes[shown]->setText(week::sampleName(row, n)); });
                step(108, [&] { numberBoxes[shown]->setText(QString::number(n)); });
            }
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
