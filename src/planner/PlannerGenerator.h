#pragma once

#include "planner/PlannerSettings.h"
#include "planner/TemporaryFiles.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <vector>

namespace week {
class WeekSource;
}
namespace word {
class Application;
class Document;
}

namespace planner {

class PreviewHandOver;

// The planner generator: turns the week typed into the entry window into the
// planner document, through a Word instance of its own, the way a person at
// the keyboard would (typing, formatting and moving cell by cell), then saves
// it under a fresh temporary name, has a second instance make its picture,
// and hands picture and document to the preview window.
//
// The generator reads the week through `week` (title as typed, the six day
// stores, the Time texts for a left day without a store) and never changes it;
// it hands its result to `handOver`. Both are not owned and must outlive it.
// The planner settings give the paper and the column widths; each day block
// has one row for every row of the week's pages.
// Each Word instance belongs to the procedure that starts it and is quit by it.
class PlannerGenerator {
    Q_DECLARE_TR_FUNCTIONS(planner::PlannerGenerator)

public:
    // One digit 1 to 9 of a temporary document's name.
    using DigitSource = std::function<int()>;

    // `digits` draws the temporary names; the system's random source by default.
    PlannerGenerator(const week::WeekSource& week, PreviewHandOver& handOver, DigitSource digits = {});

    // The settings of the next generations; PlannerSettings::defaults() until set.
    void setSettings(const PlannerSettings& settings) { m_settings = settings; }
    const PlannerSettings& settings() const { return m_settings; }

    // Weeks that follow the week in the same planner, each on a page of its
    // own (an import of several weeks); none by default. Read at every
    // generation; the weeks must outlive it.
    std::function<std::vector<const week::WeekSource*>()> followingWeeks;

    // Runs one whole generation. Every numbered step runs under the common error
    // report (its location literal): a failing step is reported with
    // its number and the next step follows, so a generation always runs to its
    // end and leaves the entry window usable.
    void generatePlanner();

    // The heading of the planner of the week titled `weekTitle`: "Week of " and the title as typed.
    static QString heading(const QString& weekTitle);

    // "Word may be open" check before a generation: true = stop.
    bool stopForOpenWord();
    // True when a Word is already running (attach succeeds and its default
    // member reads "Microsoft Word"); any failure counts as not running.
    static bool isWordRunning();
    // Opens `documentPath` in a second instance, copies it to the program's
    // clipboard as a vector picture and writes that picture to a temporary
    // picture file of this generation's own. No trap of its own: the first
    // failure ends it (the instance is quit all the same).
    void makePreviewPicture(const QString& documentPath);

    // Builds `weeks` (at least one, in order) into one new document of a
    // Word instance of its own, each week's heading and table as
    // generatePlanner builds them and each week after the first on a page
    // of its own (its heading has "Page break before"), then hands the open
    // document to `use` (to save it, or to lay out its pages) and closes it
    // without saving. No step report and no message box: the first failure,
    // also in `use`, throws, and the instance is quit all the same.
    static void makeWeeks(const std::vector<const week::WeekSource*>& weeks,
                          const std::function<void(word::Document&)>& use,
                          const PlannerSettings& settings = PlannerSettings::defaults());

    // The temporary picture of the current generation ("temp", eight digits,
    // ".pic" in the temporary folder, taken by exclusive creation); empty
    // until the picture step has taken a name.
    QString temporaryPicturePath() const { return m_picturePath; }

private:
    // Runs numbered step `line`; false when it failed (and was dealt with).
    using StepRunner = std::function<bool(int line, const std::function<void()>& step)>;

    // Turns the page of `objDoc` to the paper of `settings` (step 105), unless
    // it is the paper a new document has already.
    static void setUpPage(const PlannerSettings& settings, word::Document& objDoc, const StepRunner& step);

    // The heading and the table of `week` at the insertion point of `objDoc`
    // (steps 106 to 430), ending in the table's last cell, its columns as
    // wide as `settings` give. With `newPage` the heading starts a new page.
    // Returns the heading it typed.
    static QString buildWeek(const week::WeekSource& week, const PlannerSettings& settings, bool newPage,
                             word::Application& objWord, word::Document& objDoc, const StepRunner& step);
    // buildWeek for each of `weeks` in turn, each after the first on a new
    // page. Returns the first week's heading.
    static QString buildWeeks(const std::vector<const week::WeekSource*>& weeks, const PlannerSettings& settings,
                              word::Application& objWord, word::Document& objDoc, const StepRunner& step);

    const week::WeekSource& m_week;
    PreviewHandOver& m_handOver;
    DigitSource m_digits;
    PlannerSettings m_settings = PlannerSettings::defaults();
    QString m_picturePath;
    TemporaryFiles::WrittenPicture m_writtenPicture;  // what went to m_picturePath
};

}  // namespace planner
