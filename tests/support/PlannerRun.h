#pragma once

#include "ScriptedPlatform.h"
#include "week/Week.h"
#include "planner/PreviewHandOver.h"
#include "planner/PlannerGenerator.h"
#include "word/model/DocumentModel.h"

#include <QPicture>
#include <QStringList>
#include <QTemporaryDir>

#include <array>
#include <optional>
#include <vector>

namespace plannertest {

// What a planner shows: the day headings in table order (left and right day
// of each block), their colours and the middle column's, as Word colour numbers.
inline const std::array<QString, 6> DayNames{"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday/Sunday"};
inline constexpr std::array<int, 6> DayColours{16777164, 8558330, 16763364, 13434828, 14597631, 39423};
inline constexpr int MiddleColour = 12451839;  // RGB(255,255,189)

// A week with all six stores filled: row r of page p holds the hour text, the
// number "N<p>-<r>" and the name "Entry <p>.<r>".
week::Week fullWeek(const QString& title = QStringLiteral("March 3"));

// The real planner generator run on a week without any window: TEMP points to
// a folder of its own while it lives, message boxes are scripted (Yes to every
// question) and the clipboard is kept in memory. It stands in for the preview
// and keeps what the generator hands over. Whatever Word engine is in force
// does the work (a test's RecordingEngine included).
class PlannerRun final : public planner::PreviewHandOver {
public:
    PlannerRun();
    ~PlannerRun() override;

    // One generation; `digits` draws the temporary names (random by default).
    void generate(const week::WeekSource& week, planner::PlannerGenerator::DigitSource digits = {});
    // Moves the planner handed over to `path`, beyond the temporary folder's
    // life. Returns what went wrong (the reports shown, or no planner), empty
    // when nothing did.
    QString keep(const QString& path);

    // What the generator handed over: the names of the hand-over calls in
    // their order, the picture and the document path.
    QStringList handOver;
    QPicture picture;
    QString documentPath;
    // The planner document as the engine held it when it was saved.
    std::optional<word::model::DocumentModel> savedModel;


    // The hand-over call of this name ("showPreview", ...) throws.
    QString failing;

    QTemporaryDir temp;
    ScriptedMessageBoxes boxes;
    ScriptedClipboard clipboard;

private:
    void showPicture(const QPicture& shown, const QString& heading) override;
    void resetEntryPointer() override;
    void setDocumentPath(const QString& path) override;
    void showPreview() override;
    void hideEntryWindow() override;
    void note(const QString& call);

    QByteArray m_oldTemp;
    bool m_hadTemp;
};

// The names of the files in `folder`, hidden ones included, sorted; all but
// the lock file of document names, which stays for good (DocumentLocks.h).
QStringList filesIn(const QString& folder);

// Runs the generator on `week` and keeps the planner it saved as `path`;
// what went wrong, as PlannerRun::keep says it.
QString keepPlanner(const week::WeekSource& week, const QString& path);

}  // namespace plannertest
