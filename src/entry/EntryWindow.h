#pragma once

#include "planner/PlannerSettings.h"
#include "week/DayStore.h"
#include "week/Week.h"
#include "desktop/WindowPointer.h"
#include "skin/SkinFramework.h"
#include "remote/RemoteLimits.h"

#include <QDate>
#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace calendar {
class CalendarFile;
}
namespace entry {
class DayTabs;
}
namespace desktop {
class PictureBox;
}

namespace entry {

// The week entry window, the program's main window.
//
// The window is a view of the week::Week it owns: the user types a title and,
// on six day pages, rows of time, number and name, one row for each hour the
// planner settings give (ten, 8 to 5, by default). One grid of rows is
// shared by all pages: choosing a tab saves nothing and only
// exchanges the texts of the rows (loadDayPage), while every change of a
// Number or Name box writes the shown page's rows into the week's store of
// that page (saveDayPage), and every change of the title its title. The week
// therefore always holds what the window shows, and the planner generator
// reads it (week()).
//
// Layout: the designed positions and sizes are in twips (1440 per inch);
// the window works in pixels at 15 twips to a pixel (twipsToPixels). The
// client area is 544 x 487 pixels and not resizable. Ten rows fit the panel;
// more scroll under a scroll bar at its right edge, and a box that gets the
// focus is scrolled into view.
//
// Ownership: the window owns its controls (Qt parent-child), the week (its
// stores shared so that a running loadDayPage keeps the store it reads even
// when a change replaces it) and its skin engine. It ends the program when
// it is closed.
class EntryWindow : public QWidget {
    Q_OBJECT
public:
    explicit EntryWindow(QWidget* parent = nullptr);
    ~EntryWindow() override;

    // ---- What the planner generator and the program use ----

    // The week the window shows, for the planner generator to read. It lives
    // as long as the window.
    const week::Week& week() const { return m_week; }

    // The week title exactly as typed (the text of titleEdit, not trimmed).
    QString weekTitle() const;

    // The store of day page `page` (0 Monday ... 5 Sat/Sun), or null while the
    // page has none (or for a page number out of range). Rows are read field
    // by field: dayStore(p)->time(r), ->number(r), ->name(r). A store never
    // changes; the window replaces it as a whole on every change of a Number
    // or Name box, so a reader that lets window events run keeps the one it
    // took by holding this pointer.
    std::shared_ptr<const week::DayStore> dayStore(int page) const;

    // The text of the Time box of row `row`, what the planner shows for a
    // page without a store.
    QString timeText(int row) const;

    // The hours, clock and paper of the planner; the defaults of the locale
    // until set. Setting them gives the pages one row per hour of the new
    // range, labelled on the new clock. What was typed at hours the range
    // leaves out is kept aside and comes back when a range holds them again.
    // Then plannerSettingsChanged is told.
    const planner::PlannerSettings& plannerSettings() const { return m_settings; }
    void setPlannerSettings(const planner::PlannerSettings& settings);
    std::function<void(const planner::PlannerSettings&)> plannerSettingsChanged;
    // Who makes the planner, where the program offers a choice (Windows with
    // Word registered or not): Planner Settings shows it as a row of its own.
    // Unset, the row is not there.
    struct EngineChoice {
        std::function<bool()> wordMakesPlanner;
        std::function<bool()> wordInstalled;
        std::function<void(bool word)> choose;  // from the next Start on
    };
    std::optional<EngineChoice> engineChoice;
    // Ctrl+, and the window's context menu: "Planner Settings"; OK applies
    // the settings and remembers them in the program's settings.
    void openPlannerSettings();
    // What was typed at hour `hour` (0 to 23) of page `page` while the hour
    // lies outside the range; nothing when nothing is kept there.
    std::optional<week::EntryFields> keptEntry(int page, int hour) const;

    // The weeks after the shown one that the last import brought (its
    // "Weeks" beyond the first), for the planner to follow the shown week
    // with; empty for a typed week.
    const std::vector<week::Week>& followingWeeks() const { return m_followingWeeks; }

    // The window's pointer shape: arrow, hourglass, or the hand over buttons.
    desktop::WindowPointer& pointer() { return m_pointer; }

    // The planner generator, run by Start for a non-blank title with the
    // hourglass showing. Failures it throws are reported by Start. Unset:
    // Start does nothing between hourglass and arrow.
    std::function<void()> generatePlanner;

    // The Word presence check, the last step of load. It may show its
    // message and end the program (platform::endProgram). Unset: no check.
    std::function<void()> checkWordPresence;

    // Today's date as the example data sees it; the local date by default.
    std::function<QDate()> today;

    // Start-up order of the window, run once before it is first shown. Every
    // step runs under the common error report (location of the load step):
    // 100 skin, 102 caption, 104 icon, 106 application title, 108 hand cursor
    // (HAND-M.CUR in the program's folder, when present), 110 store of the
    // first page, 112 Word presence check.
    void load();

    // Close request: releases the six stores [100] and ends the program at
    // once [102]. Closing the window (title bar, keyboard, system) runs it.
    void closeRequested();

    // Fills the week from the calendar file at `path`: reads it, asks for the
    // week ("Import Week"), asks before replacing typed entries, fills the six
    // pages through their boxes (so the stores follow), shows Monday and then
    // the summary. A file that cannot be imported gets a message and changes
    // nothing. Ctrl+O and a file dropped on the window end here; ignored while
    // Start runs.
    void importCalendarFile(const QString& path);

    // Fills the week from the calendar at a server address (http, https,
    // webcal; see remote::RemoteCalendar): a calendar file is downloaded and
    // imported as importCalendarFile does; for a CalDAV calendar the week is
    // asked first ("Import Week", around today) and the server is asked for
    // that week alone. Sign-in, "Choose Calendar" and the progress dialog come
    // up as needed (RemoteDialogs). Failures get a message naming the address
    // and the reason, Cancel ends it silently, and either changes nothing.
    // An address opened successfully joins the recent addresses. Ctrl+Shift+O
    // ends here; ignored while busy.
    void importCalendarAddress(const QString& address);

    // The command line's argument: an address (http, https, webcal) or a file.
    void openCalendar(const QString& fileOrAddress);

    // How long a calendar server may keep the import waiting.
    remote::Timeouts remoteTimeouts;

    // ---- The window's own procedures ----

    // Fills the rows from the shown page's store, or with the hour texts
    // and blank boxes when the page has none, and names the boxes after the
    // page ("Monday, 9 o'clock, Number").
    void loadDayPage();
    // Replaces the shown page's store by one built from the rows.
    void saveDayPage();

    // Start: ignored while busy; a blank title gets "You forgot to input week
    // information." and the focus; otherwise hourglass, generatePlanner, arrow.
    void startClicked();
    // Ctrl+O: "Import Calendar" file dialog, then importCalendarFile.
    void chooseCalendarFile();
    // Ctrl+Shift+O: "Open Calendar Address", then importCalendarAddress.
    void chooseCalendarAddress();
    // Help: the contact message.
    void helpClicked();
    // Load Sample/Example Data: the example week on all six pages.
    void sampleClicked();

    void dayTabChanged(int previousTab);
    void numberChanged(int row);
    void nameChanged(int row);

    // The page whose rows are shown (the current tab, 0..5).
    int shownPage() const;
    // True while Start runs a generation.
    bool busy() const { return m_busy; }

    // Per page, what was typed at hours outside the range, by hour.
    using KeptHours = std::array<std::map<int, week::EntryFields>, week::DayPageCount>;

    // Designed twips to pixels, 15 twips to a pixel.
    static int twipsToPixels(int twips);

    // The address named by Help.
    static const QString ContactPage;

    // ---- Controls, named as designed; owned by the window ----
    QPushButton* startButton;   // "Start Creating Template"
    QPushButton* helpButton;   // "Help"
    QPushButton* sampleButton;   // "Load Sample/Example Data"
    QGroupBox* titleFrame;          // "Title For This Week", white
    QLineEdit* titleEdit;     // in titleFrame
    entry::DayTabs* dayTabs;     // the six day tabs
    desktop::PictureBox* rowsPanel;  // white panel over the tab page, holds the rows
    std::array<QLabel*, 4> headingLabels{};  // column headings 1 "Time", 2 "Number", 3 "Name"; [0] unused
    // One of each per row, top to bottom; made again when the hours change.
    std::vector<QLineEdit*> timeBoxes;    // read-only, centred hour texts
    std::vector<QLineEdit*> numberBoxes;
    std::vector<QLineEdit*> nameBoxes;
    QScrollBar* rowsScrollBar;  // on rowsPanel, shown when the rows do not fit
    skin::SkinFramework skinEngine;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createControls();
    // Makes the boxes of the rows for the week's hours, in place of those before.
    void createRows();
    // Puts the rows the scroll bar shows in the panel, the others out of sight.
    void placeRows();
    // Scrolls so that row `row` is in sight.
    void scrollToRow(int row);
    // The row of a box of the rows, or -1.
    int rowOf(const QObject* box) const;
    // The window's context menu and Ctrl+,.
    void createSettingsCommand();
    void arrangeTabOrder();
    // Accessible names and descriptions of the controls, for screen readers.
    void nameControls();
    // Names the boxes of the rows after the day page shown and their hour.
    void nameRows();
    // Ctrl+Page Down and Ctrl+Page Up: the next and the previous day page, round.
    void createPageShortcuts();
    void selectWholeText(QLineEdit* box);

    // Calendar import (EntryWindowImport.cpp).
    void createImportShortcut();
    void importCalendar(const QString& path);
    // From the read calendar on: the week around its suggested day, named
    // `name` when it holds nothing.
    void importCalendar(const std::shared_ptr<const calendar::CalendarFile>& file, const QString& name);
    // The weeks "Import Week" chose: from `monday`, `count` of them.
    struct ChosenWeeks {
        QDate monday;
        int count = 1;
    };
    // "Import Week" offering `day` and a number of weeks; nothing on Cancel.
    std::optional<ChosenWeeks> askWeek(const QDate& day);
    // Lays the weeks out, asks before replacing typed entries, fills the
    // first into the pages, keeps the others to follow it, and shows the
    // summary. Weeks without appointments are refused with a message naming
    // `nameIfEmpty`, unless that is empty.
    void placeWeek(const std::shared_ptr<const calendar::CalendarFile>& file, const ChosenWeeks& weeks,
                   const QString& nameIfEmpty);
    bool holdsTypedEntries() const;
    // Shows `imported` in place of the week, on its Monday page.
    void showWeek(const week::Week& imported);
    // Takes a drag or drop of one local file, over the window or any of its
    // boxes; other drags are left to the widget.
    bool takeCalendarDrop(QEvent* event);

    planner::PlannerSettings m_settings = planner::PlannerSettings::defaults();
    week::Week m_week;  // of m_settings' hours, so made after them
    KeptHours m_keptHours;
    std::vector<week::Week> m_followingWeeks;
    std::vector<KeptHours> m_followingKept;  // one for each following week
    desktop::WindowPointer m_pointer;
    bool m_busy = false;
};

}  // namespace entry
