#include "Form1.h"

#include "entry/DayTabs.h"
#include "entry/SampleData.h"
#include "app/ErrorReport.h"
#include "app/Main.h"
#include "app/ProgramIcon.h"
#include "platform/CursorFile.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "platform/ProgramEnvironment.h"
#include "skin/ApplySkin.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <cmath>

namespace {

using Shape = platform::WindowPointer::Shape;

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

const QString Form1::ContactPage = QStringLiteral("https://dorvane.example/contact");

int Form1::twipsToPixels(int twips) { return platform::twipsToPixels(twips); }

Form1::Form1(QWidget* parent) : QWidget(parent), m_pointer(this)
{
    today = [] { return QDate::currentDate(); };
    createControls();
    arrangeTabOrder();
    createImportShortcut();
    m_pointer.hoverOver(this, Shape::Arrow);  // the bare surface turns the pointer back to the arrow
}

Form1::~Form1() = default;

void Form1::createControls()
{
    const auto px = &Form1::twipsToPixels;
    auto place = [px](QWidget* w, int left, int top, int width, int height) {
        w->setGeometry(px(left), px(top), px(width), px(height));
    };

    setFixedSize(px(8160), px(7305));
    setFont(arialBold(9));

    const QFont buttonFont = arialBold(11.25);
    PushButton1 = new QPushButton(QStringLiteral("Start Creating Template"), this);
    place(PushButton1, 120, 120, 7920, 400);
    PushButton2 = new QPushButton(QStringLiteral("Help"), this);
    place(PushButton2, 120, 630, 3960, 405);
    PushButton3 = new QPushButton(QStringLiteral("Load Sample/Example Data"), this);
    place(PushButton3, 4200, 630, 3840, 405);
    for (QPushButton* button : {PushButton1, PushButton2, PushButton3}) {
        button->setFont(buttonFont);
        button->setAutoDefault(false);
        m_pointer.hoverOver(button, Shape::Custom);
    }
    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(PushButton3, &QPushButton::clicked, this, [this] { PushButton3_Click(); });

    Frame1 = new QGroupBox(QStringLiteral("Title For This Week"), this);
    place(Frame1, 120, 1110, 7920, 820);
    makeWhite(Frame1);
    m_pointer.hoverOver(Frame1, Shape::Arrow);
    txtWeekInfo = new QLineEdit(Frame1);
    place(txtWeekInfo, 240, 300, 7440, 375);
    makeWhite(txtWeekInfo);
    txtWeekInfo->installEventFilter(this);

    // The tab row ends where the row panel begins, so the panel covers the page area.
    SSTab1 = new entry::DayTabs(px(2415) - px(2040), this);
    place(SSTab1, 120, 2040, 7920, 5145);
    connect(SSTab1, &QTabWidget::currentChanged, this, [this, previous = 0](int current) mutable {
        const int before = previous;
        previous = current;
        SSTab1_Click(before);
    });

    Picture1 = new platform::PictureBox(this);
    place(Picture1, 150, 2415, 7785, 4665);
    Picture1->setFrameShape(QFrame::NoFrame);
    Picture1->raise();

    const char* headings[] = {nullptr, "Time", "Number", "Name"};
    const int headingLeft[] = {0, 195, 1350, 2745};
    const int headingWidth[] = {0, 870, 1320, 4860};
    for (int i = 1; i <= 3; ++i) {
        Label1[i] = new QLabel(QString::fromLatin1(headings[i]), Picture1);
        place(Label1[i], headingLeft[i], 225, headingWidth[i], 225);
    }

    for (int row = 0; row < entry::RowCount; ++row) {
        const int top = 585 + 405 * row;
        txtTime[row] = new QLineEdit(entry::defaultHourText(row), Picture1);
        place(txtTime[row], 180, top, 915, 375);
        txtTime[row]->setAlignment(Qt::AlignCenter);
        txtTime[row]->setReadOnly(true);

        txtNumber[row] = new QLineEdit(Picture1);
        place(txtNumber[row], 1305, top, 1320, 375);
        makeWhite(txtNumber[row]);
        connect(txtNumber[row], &QLineEdit::textChanged, this, [this, row] { txtNumber_Change(row); });

        txtName[row] = new QLineEdit(Picture1);
        place(txtName[row], 2745, top, 4875, 375);
        makeWhite(txtName[row]);
        connect(txtName[row], &QLineEdit::textChanged, this, [this, row] { txtName_Change(row); });

        for (QLineEdit* box : {txtTime[row], txtNumber[row], txtName[row]})
            box->installEventFilter(this);
    }
}

void Form1::arrangeTabOrder()
{
    // Number and Name row by row, the Time boxes, the tabs, Start, the title, Help, Load Sample.
    QList<QWidget*> chain;
    for (int row = 0; row < entry::RowCount; ++row)
        chain << txtNumber[row] << txtName[row];
    for (int row = 0; row < entry::RowCount; ++row)
        chain << txtTime[row];
    chain << SSTab1->tabBar() << PushButton1 << txtWeekInfo << PushButton2 << PushButton3;
    // The tab control takes part through its tab row alone; as a stop of its
    // own it would hand the focus to that row a second time.
    SSTab1->setFocusProxy(nullptr);
    SSTab1->setFocusPolicy(Qt::NoFocus);
    SSTab1->tabBar()->setFocusPolicy(Qt::TabFocus);
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
    for (QPushButton* button : {PushButton1, PushButton2, PushButton3})
        button->setFocusPolicy(Qt::StrongFocus);
    txtNumber[0]->setFocus();
}

QString Form1::weekTitle() const { return txtWeekInfo->text(); }

std::shared_ptr<const entry::DayStore> Form1::dayStore(int page) const
{
    if (page < 0 || page >= entry::DayPageCount)
        return nullptr;
    return m_stores[page];
}

QString Form1::timeText(int row) const
{
    if (row < 0 || row >= entry::RowCount)
        return {};
    return txtTime[row]->text();
}

int Form1::shownPage() const { return SSTab1->currentIndex(); }

void Form1::LoadDayPage()
{
    const int page = shownPage();
    // The store read here stays alive even when a change in a row replaces it:
    // every Number or Name set below saves the half-filled rows for this page.
    const std::shared_ptr<const entry::DayStore> held = m_stores[page];
    // The rows are filled in one go, without letting other window events run
    // in between: a tab change, a Start or a sample fill handled half-way
    // would see (or store) a page made of two pages' rows.
    for (int row = 0; row < entry::RowCount; ++row) {
        const entry::EntryFields fields =
            held ? held->entry(row) : entry::EntryFields{entry::defaultHourText(row), QString(), QString()};
        txtTime[row]->setText(fields.time);
        txtNumber[row]->setText(fields.number);
        txtName[row]->setText(fields.name);
    }
}

void Form1::SaveDayPage()
{
    entry::DayStore::Rows rows;
    for (int row = 0; row < entry::RowCount; ++row)
        rows[row] = {txtTime[row]->text(), txtNumber[row]->text(), txtName[row]->text()};
    m_stores[shownPage()] = std::make_shared<const entry::DayStore>(rows);
}

void Form1::SSTab1_Click(int /*previousTab*/) { LoadDayPage(); }
void Form1::txtNumber_Change(int /*row*/) { SaveDayPage(); }
void Form1::txtName_Change(int /*row*/) { SaveDayPage(); }

void Form1::selectWholeText(QLineEdit* box)
{
    box->setSelection(0, int(box->text().size()));
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (takeCalendarDrop(event))
        return true;  // a calendar file dropped on a box is imported, not typed in
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            selectWholeText(box);
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::PushButton1_Click()
{
    if (m_busy)
        return;  // a click let through while a generation runs
    app::Guard step(StartLocation);
    bool blank = false;
    step(100, [&] { m_busy = true; });
    step(102, [&] { blank = txtWeekInfo->text().trimmed().isEmpty(); });
    if (blank) {
        step(104, [&] { platform::showMessage(QStringLiteral("You forgot to input week information.")); });
        step(106, [&] { txtWeekInfo->setFocus(); });
    } else {
        step(108, [&] { m_pointer.setShape(Shape::Hourglass); });
        step(110, [&] {
            if (generateTessaly)
                generateTessaly();
        });
        step(112, [&] { m_pointer.setShape(Shape::Arrow); });
    }
    step(114, [&] { m_busy = false; });
}

void Form1::PushButton2_Click()
{
    app::Guard step(HelpLocation);
    step(100, [&] { platform::showMessage(QStringLiteral("Questions? Please contact Team Quenlis at ") + ContactPage); });
}

void Form1::PushButton3_Click()
{
    app::Guard step(SampleLocation);
    step(100, [&] { txtWeekInfo->setText(entry::sampleWeekTitle(today())); });
    for (int page = 0; page < SSTab1->count(); ++page) {
        // Selecting the page loads its rows through the tab change.
        step(102, [&] { SSTab1->setCurrentIndex(page); });
        int first = 0, last = -1;  // no rows when the range cannot be had
        step(104, [&] {
            const entry::SampleRows rows = entry::sampleRows(page);
            first = rows.first;
            last = rows.last;
        });
        int n = 1;
        for (int row = first; row <= last; ++row) {
            step(106, [&] { txtName[row]->setText(entry::sampleName(row, n)); });
            step(108, [&] { txtNumber[row]->setText(QString::number(n)); });
            ++n;
        }
    }
}

void Form1::Form_Load()
{
    app::Guard step(LoadLocation);
    step(100, [&] { Main::ApplySkin(this, SkinFramework1); });
    step(102, [&] { setWindowTitle(Main::ProductName); });
    step(104, [&] { setWindowIcon(app::programIcon()); });
    step(106, [&] { Main::SetAppTitle(); });
    step(108, [&] {
        const QString path = Main::HandCursorPath();
        if (Main::FileExists(path))
            m_pointer.setCustomCursor(platform::loadCursorFile(path));
    });
    step(110, [&] { SaveDayPage(); });
    step(112, [&] {
        if (checkWordPresence)
            checkWordPresence();
    });
}

void Form1::Form_QueryUnload()
{
    app::Guard step(QueryUnloadLocation);
    step(100, [&] {
        for (auto& store : m_stores)
            store.reset();
    });
    step(102, [&] { platform::endProgram(); });
}

void Form1::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    // Only reached when ending the program was intercepted (tests).
    event->accept();
}
