// The entry window's calendar import: Ctrl+O, a calendar file dropped on the
// window, and importCalendarFile, which both of them end in; Ctrl+Shift+O and
// importCalendarAddress for calendars on servers.
#include "EntryWindow.h"

#include "entry/BusyGuard.h"
#include "entry/DayTabs.h"
#include "entry/ImportWeekDialog.h"
#include "entry/OpenAddressDialog.h"
#include "entry/RemoteDialogs.h"
#include "calendar/CalendarFile.h"
#include "errors/UserError.h"
#include "calendar/ImportSummary.h"
#include "calendar/Occurrences.h"
#include "common/ErrorReport.h"
#include "desktop/RunAside.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "remote/CalendarAddress.h"
#include "remote/PasswordKeyring.h"
#include "remote/RemoteCalendar.h"
#include "remote/Cancelled.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QShortcut>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <optional>

namespace entry {
namespace {

const char* const ImportLocation = "in Dorvane2021/08/31.Form1.ImportCalendarFile ";
const char* const AddressLocation = "in Dorvane2021/08/31.Form1.ImportCalendarAddress ";
using Shape = desktop::WindowPointer::Shape;

// A calendar read, shared by the window and the threads working on it: a
// thread the user gave up on runs on to its end, and libical keeps the
// objects of different threads apart.
using SharedCalendar = std::shared_ptr<const calendar::CalendarFile>;

// Works aside (desktop::runAside) with the calendar's progress texts;
// nothing when the user cancelled.
template <typename Result, typename Work>
std::optional<Result> runAside(QWidget* window, Work work)
{
    return desktop::runAside<Result>(window, EntryWindow::tr("Reading the calendar..."), EntryWindow::tr("Cancel"),
                                     std::move(work));
}

// Reads a calendar aside (runAside); nothing when the user cancelled.
std::optional<SharedCalendar> readAside(QWidget* window, std::function<calendar::CalendarFile()> read)
{
    return runAside<SharedCalendar>(window, [read = std::move(read)] {
        return std::make_shared<const calendar::CalendarFile>(read());
    });
}

// The one local file a drag carries, or an empty string.
QString draggedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    return data->urls().front().toLocalFile();
}

}  // namespace

void EntryWindow::createImportShortcut()
{
    auto* open = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this);
    open->setContext(Qt::WindowShortcut);
    connect(open, &QShortcut::activated, this, &EntryWindow::chooseCalendarFile);
    auto* openAddress = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), this);
    openAddress->setContext(Qt::WindowShortcut);
    connect(openAddress, &QShortcut::activated, this, &EntryWindow::chooseCalendarAddress);
    setAcceptDrops(true);
}

void EntryWindow::chooseCalendarFile()
{
    if (m_busy)
        return;
    const QString path = platform::fileDialogs().openFileName(
        {tr("Import Calendar"), tr("Calendar files (*.ics *.ical *.ifb)|*.ics;*.ical;*.ifb|All files (*)|*")});
    if (!path.isEmpty())
        importCalendarFile(path);
}

void EntryWindow::importCalendarFile(const QString& path)
{
    if (m_busy)
        return;
    const entry::BusyGuard busy(m_busy, m_pointer);
    common::Guard step(ImportLocation);
    step(100, [&] {
        try {
            importCalendar(path);
        } catch (const errors::UserError& error) {
            m_pointer.setShape(Shape::Arrow);
            platform::showMessage(tr("The calendar \"%1\" cannot be imported.\n\n%2")
                                      .arg(QFileInfo(path).fileName(), error.message()));
        }
    });
}

void EntryWindow::openCalendar(const QString& fileOrAddress)
{
    if (remote::CalendarAddress::looksLikeAddress(fileOrAddress))
        importCalendarAddress(fileOrAddress);
    else
        importCalendarFile(fileOrAddress);
}

void EntryWindow::chooseCalendarAddress()
{
    if (m_busy)
        return;
    OpenAddressDialog dialog(this);
    if (dialog.exec() == QDialog::Accepted && !dialog.address().isEmpty())
        importCalendarAddress(dialog.address());
}

void EntryWindow::importCalendarAddress(const QString& text)
{
    if (m_busy)
        return;
    const entry::BusyGuard busy(m_busy, m_pointer);
    common::Guard step(AddressLocation);
    step(100, [&] {
        // Until the address is read, all a message may show of it: never a password.
        QString shown = remote::CalendarAddress::withoutUserInfo(text.trimmed());
        // The server's failures name the address; once its data is here, the
        // calendar's own failures name the calendar.
        bool atServer = true;
        try {
            const remote::CalendarAddress address = remote::CalendarAddress::parse(text);
            shown = address.display();
            RemoteDialogs dialogs(this);
            remote::PasswordKeyring keyring;
            remote::RemoteCalendar source(address, dialogs, keyring, remoteTimeouts);
            m_pointer.setShape(Shape::Hourglass);
            source.open();
            OpenAddressDialog::remember(shown);
            if (!source.isCalDav()) {
                m_pointer.setShape(Shape::Hourglass);
                atServer = false;
                const std::optional<SharedCalendar> file =
                    readAside(this, [data = source.fileData()] { return calendar::CalendarFile::fromData(data); });
                m_pointer.setShape(Shape::Arrow);
                if (file)
                    importCalendar(*file, shown);
            } else {
                // The server is asked for the chosen weeks only, so they are
                // chosen first, around today.
                m_pointer.setShape(Shape::Arrow);
                if (const std::optional<ChosenWeeks> chosen = askWeek(today())) {
                    m_pointer.setShape(Shape::Hourglass);
                    const QByteArray data = source.weeksData(chosen->monday, chosen->count);
                    const QString name = source.name();
                    atServer = false;
                    const std::optional<SharedCalendar> file =
                        readAside(this, [data] { return calendar::CalendarFile::fromData(data); });
                    m_pointer.setShape(Shape::Arrow);
                    if (file)
                        placeWeek(*file, *chosen, name);
                }
            }
        } catch (const remote::Cancelled&) {
            // The user stopped it; nothing changed and nothing needs saying.
        } catch (const errors::UserError& error) {
            m_pointer.setShape(Shape::Arrow);
            platform::showMessage((atServer ? tr("The calendar at %1 cannot be opened.\n\n%2")
                                            : tr("The calendar \"%1\" cannot be imported.\n\n%2"))
                                      .arg(shown, error.message()));
        }
    });
}

void EntryWindow::importCalendar(const QString& path)
{
    m_pointer.setShape(Shape::Hourglass);
    const std::optional<SharedCalendar> file = readAside(this, [path] { return calendar::CalendarFile::read(path); });
    m_pointer.setShape(Shape::Arrow);
    if (file)
        importCalendar(*file, QFileInfo(path).fileName());
}

void EntryWindow::importCalendar(const SharedCalendar& file, const QString& name)
{
    m_pointer.setShape(Shape::Hourglass);
    const QDateTime now(today(), QTime::currentTime());
    const std::optional<std::optional<QDate>> day =
        runAside<std::optional<QDate>>(this, [file, now] { return calendar::suggestedDay(*file, now); });
    m_pointer.setShape(Shape::Arrow);
    if (!day)
        return;
    if (!*day) {
        platform::showMessage(tr("The calendar \"%1\" holds no appointments.").arg(name));
        return;
    }
    if (const std::optional<ChosenWeeks> chosen = askWeek(**day))
        placeWeek(file, *chosen, QString());
}

std::optional<EntryWindow::ChosenWeeks> EntryWindow::askWeek(const QDate& day)
{
    ImportWeekDialog chooser(day, this);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return ChosenWeeks{chooser.monday(), chooser.weeks()};
}

void EntryWindow::placeWeek(const SharedCalendar& file, const ChosenWeeks& chosen, const QString& nameIfEmpty)
{
    const QDate monday = chosen.monday;
    const int count = chosen.count;
    const week::HourRange hours = m_week.hours;
    m_pointer.setShape(Shape::Hourglass);
    // Worked out as the command line works out its weeks, each week within its own limits.
    const std::optional<std::vector<std::vector<calendar::Appointment>>> appointments =
        runAside<std::vector<std::vector<calendar::Appointment>>>(
            this, [file, monday, count, hours] { return calendar::appointmentsOfWeeks(*file, monday, count, hours); });
    m_pointer.setShape(Shape::Arrow);
    if (!appointments)
        return;
    if (!nameIfEmpty.isEmpty()
        && std::all_of(appointments->begin(), appointments->end(), [](const auto& week) { return week.empty(); })) {
        platform::showMessage(tr("The calendar \"%1\" holds no appointments in the week of %2.")
                                  .arg(nameIfEmpty, QLocale().toString(monday, QLocale::LongFormat)));
        return;
    }
    std::vector<week::Week> weeks;
    std::vector<calendar::WeekLayout> layouts;
    for (int i = 0; i < count; ++i) {
        const QDate first = monday.addDays(7 * i);
        layouts.push_back(calendar::layOutWeek(first, (*appointments)[std::size_t(i)], hours));
        weeks.push_back(calendar::weekOf(layouts.back(), calendar::weekTitle(first, QLocale()), m_settings.clock));
    }
    // One message for all the weeks, as short as one week's: a year of them
    // must still fit on the screen.
    const QString summary = calendar::importSummary(layouts, QLocale());

    if (holdsTypedEntries()
        && platform::showMessage(tr("The week already holds appointments. Replace them with those of the calendar?"),
                                 platform::Buttons::YesNo)
               != platform::Answer::Yes)
        return;
    m_followingWeeks.assign(weeks.begin() + 1, weeks.end());
    m_followingKept.assign(m_followingWeeks.size(), {});
    showWeek(weeks.front());
    platform::showMessage(summary);
}

bool EntryWindow::holdsTypedEntries() const
{
    for (const auto& kept : m_keptHours) {
        if (!kept.empty())
            return true;  // typed at hours the range leaves out
    }
    for (const auto& store : m_week.stores) {
        if (!store)
            continue;
        for (const week::EntryFields& row : store->rows()) {
            if (!row.number.isEmpty() || !row.name.isEmpty())
                return true;
        }
    }
    return false;
}

void EntryWindow::showWeek(const week::Week& imported)
{
    m_week = imported;
    for (auto& kept : m_keptHours)
        kept.clear();  // the import replaced them, as the rows shown
    titleEdit->setText(m_week.title);
    // The rows follow the week: the Monday page is loaded from its store.
    if (dayTabs->currentIndex() != 0)
        dayTabs->setCurrentIndex(0);
    else
        loadDayPage();
}

bool EntryWindow::takeCalendarDrop(QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (m_busy || draggedFile(drag->mimeData()).isEmpty())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = draggedFile(drop->mimeData());
        if (m_busy || path.isEmpty())
            return false;
        drop->acceptProposedAction();
        // After the drop has finished: the import opens dialogs of its own,
        // and the program the file came from waits until the drop is done.
        QMetaObject::invokeMethod(this, [this, path] { importCalendarFile(path); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

void EntryWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!takeCalendarDrop(event))
        QWidget::dragEnterEvent(event);
}

void EntryWindow::dragMoveEvent(QDragMoveEvent* event)
{
    if (!takeCalendarDrop(event))
        QWidget::dragMoveEvent(event);
}

void EntryWindow::dropEvent(QDropEvent* event)
{
    if (!takeCalendarDrop(event))
        QWidget::dropEvent(event);
}

}  // namespace entry
