#include "PlannerGenerator.h"

#include "PreviewHandOver.h"
#include "TemporaryFiles.h"
#include "common/ErrorReport.h"
#include "errors/UserError.h"
#include "common/ClipboardRetry.h"
#include "common/Files.h"
#include "common/Language.h"
#include "week/DayStore.h"
#include "week/WeekSource.h"
#include "platform/MessageBoxes.h"
#include "word/Engine.h"
#include "word/Word.h"

#include <QFile>
#include <QPainter>

#include <array>
#include <stdexcept>

namespace planner {
namespace {

const char* const Location = "in Dorvane2021/08/31.Tessaly.GenerateTessaly ";

// Word colour numbers (red + 256 x green + 65536 x blue).
constexpr int MiddleColumnColour = 12451839;  // RGB(255,255,189)
constexpr int AutomaticColour = -16777216;
constexpr int NoTexture = 0;
constexpr int Centred = 1;
constexpr int DoNotSaveChanges = 0;

constexpr int TableColumns = 5;
// Above the entry rows of a block: the day headings and the column titles.
constexpr int BlockTitleRows = 2;

// One of the three blocks of rows: a left and a right day side by side,
// and the numbers of the steps that build it (they differ per block).
struct Block {
    int leftPage;
    int rightPage;
    int leftColour;
    int rightColour;

    int leftHeading;   // With Selection.Cells.Shading, texture, fore, back, type: five steps from here
    int rightHeading;  // the same for the right day
    int leftStoreTest;
    int leftSplit;
    int leftNumber;  // size, bold, type, move: four steps from here
    int leftName;
    int leftTime;
    std::array<int, 3> leftWithoutStore;  // move, type the time, move
    int rightStoreTest;
    int rightSplit;
    int rightName;
    int rightNumber;
    int rightWithoutStore;
};

constexpr std::array<Block, 3> Blocks = {{
    {0, 1, 16777164, 8558330,  //
     154, 198, 264, 266, 268, 276, 284, {292, 292, 292}, 294, 296, 298, 306, 314},
    {2, 3, 16763364, 13434828,  //
     166, 210, 318, 320, 322, 330, 338, {346, 348, 350}, 352, 354, 356, 364, 372},
    {4, 5, 14597631, 39423,  //
     178, 222, 376, 378, 380, 388, 396, {404, 406, 408}, 410, 412, 414, 422, 430},
}};

// Quits an instance that its procedure could not quit in the regular way, so
// that no Word is left running after a failure.
class InstanceKeeper {
public:
    explicit InstanceKeeper(word::Application& application) : m_application(application) {}
    InstanceKeeper(const InstanceKeeper&) = delete;
    InstanceKeeper& operator=(const InstanceKeeper&) = delete;

    // Takes note of the instance as soon as it exists.
    void keep() { m_kept = m_application; }
    void quit()
    {
        m_application.Quit();
        m_kept.release();
    }
    ~InstanceKeeper()
    {
        if (!m_kept)
            return;
        try {
            // What is still open was not finished: nothing is saved, and no
            // Word waits on a question nobody sees.
            m_kept.Quit(DoNotSaveChanges);
        } catch (...) {
        }
    }

private:
    word::Application& m_application;
    word::Application m_kept;
};

}  // namespace

QString PlannerGenerator::heading(const QString& weekTitle)
{
    //: The planner document's heading; %1 is the week's title as typed, such as a date
    return tr("Week of %1").arg(weekTitle);
}

PlannerGenerator::PlannerGenerator(const week::WeekSource& week, PreviewHandOver& handOver, DigitSource digits)
    : m_week(week), m_handOver(handOver), m_digits(digits ? std::move(digits) : DigitSource(TemporaryFiles::drawDigit))
{
}


bool PlannerGenerator::isWordRunning()
{
    try {
        word::Application running = word::Application::GetObject();
        const bool isWord = running.DefaultMember() == QLatin1String("Microsoft Word");
        running.release();  // the user's Word goes on as it was
        return isWord;
    } catch (...) {
        return false;
    }
}

bool PlannerGenerator::stopForOpenWord()
{
    if (!isWordRunning())
        return false;
    const platform::Answer answer = platform::showMessage(
        tr("Word may be open. It is recommended that you close Word first. Use Ctrl+Alt+Del > Task "
           "Manager > WINWORD.EXE if necessary.\r\n\r\nWould you like to proceed anyway?"),
        platform::Buttons::YesNo);
    return answer != platform::Answer::Yes;
}

void PlannerGenerator::makePreviewPicture(const QString& documentPath)
{
    m_picturePath.clear();
    m_writtenPicture = TemporaryFiles::WrittenPicture();
    if (word::engine()->outOfProcess()) {
        // Word in a process of its own would copy to the user's clipboard:
        // the picture is drawn here, from the file Word saved.
        const word::DocumentPages pages = word::DocumentPages::ofSaved(documentPath);
        QPicture picture;
        QPainter painter(&picture);
        pages.paintPicture(painter);
        painter.end();
        m_picturePath = TemporaryFiles::reservePicture(TemporaryFiles::folder(), m_digits);
        m_writtenPicture = TemporaryFiles::writePicture(picture, m_picturePath);
        return;
    }
    word::Application word = word::Application::CreateObject();
    InstanceKeeper keeper(word);
    keeper.keep();
    word::Document document = word.Documents().Open(documentPath);
    document.Range().CopyAsPicture();
    const std::optional<QPicture> picture = common::clipboardPicture(0);
    if (!picture)
        throw errors::UserError(tr("The clipboard holds no picture of the planner."));
    m_picturePath = TemporaryFiles::reservePicture(TemporaryFiles::folder(), m_digits);
    m_writtenPicture = TemporaryFiles::writePicture(*picture, m_picturePath);
    word.ActiveDocument().Close(DoNotSaveChanges);
    document.release();
    keeper.quit();
    word.release();
}

void PlannerGenerator::setUpPage(const PlannerSettings& settings, word::Document& objDoc, const StepRunner& step)
{
    if (settings.keepsNewDocumentPage())
        return;
    const QSize page = settings.pageTwips();
    step(105, [&] {
        word::PageSetup setup = objDoc.PageSetup();
        // Turned first: Word swaps the sides of the page it turns.
        setup.setOrientation(settings.landscape ? word::wdOrientLandscape : word::wdOrientPortrait);
        setup.setPageWidth(page.width() / 20.0);
        setup.setPageHeight(page.height() / 20.0);
    });
}

QString PlannerGenerator::buildWeek(const week::WeekSource& week, const PlannerSettings& settings, bool newPage,
                                    word::Application& objWord, word::Document& objDoc, const StepRunner& step)
{
    const int entryRows = week.rowCount();
    const std::array<double, 5> columnWidths = settings.columnWidths();
    word::Table table;
    // The selection every call types through: the planner document's.
    auto selection = [&] { return objDoc.ActiveWindow().Selection(); };
    auto moveCells = [&](int count) { selection().MoveRight(word::wdCell, count); };
    auto extendOverTwoCells = [&] { selection().MoveRight(word::wdCharacter, 2, word::wdExtend); };

    if (newPage)
        selection().ParagraphFormat().setPageBreakBefore(true);
    step(106, [&] { selection().Font().setBold(true); });
    step(108, [&] { selection().Font().setName(QStringLiteral("Trebuchet MS")); });
    const QString typed = heading(week.weekTitle());
    step(110, [&] { selection().TypeText(typed); });
    step(112, [&] { selection().ParagraphFormat().setAlignment(Centred); });
    step(114, [&] { selection().TypeParagraph(); });
    // The paragraph the table goes at took the page break over; the table
    // stays on the heading's page.
    if (newPage)
        selection().ParagraphFormat().setPageBreakBefore(false);

    // The table, its columns, style and style options.
    step(116, [&] {
        table = objWord.ActiveDocument().Tables().Add(selection().Range(), 3 * (BlockTitleRows + entryRows), TableColumns,
                                                      word::wdWord9TableBehavior, word::wdAutoFitFixed);
    });
    step(120, [&] { table.Columns(1).setWidth(columnWidths[0]); });
    step(122, [&] { table.Columns(2).setWidth(columnWidths[1]); });
    step(124, [&] { table.Columns(3).setWidth(columnWidths[2]); });
    step(126, [&] { table.Columns(3).Cells().Shading().setBackgroundPatternColor(MiddleColumnColour); });
    step(128, [&] { table.Columns(4).setWidth(columnWidths[3]); });
    step(130, [&] { table.Columns(5).setWidth(columnWidths[4]); });
    bool styleDiffers = true;  // an unreadable style is set all the same
    step(132, [&] { styleDiffers = table.Style() != QLatin1String("Table Grid"); });
    if (styleDiffers)
        step(134, [&] { table.setStyle(QStringLiteral("Table Grid")); });
    step(136, [&] { table.setApplyStyleHeadingRows(true); });
    step(138, [&] { table.setApplyStyleLastRow(true); });
    step(140, [&] { table.setApplyStyleFirstColumn(true); });
    step(142, [&] { table.setApplyStyleLastColumn(true); });

    // Shades the selected (merged) heading cell and types the day's name,
    // in five steps from `line`.
    const QLocale language = common::windowLocale();
    auto dayHeading = [&](int line, int colour, int page) {
        word::Shading shading;
        step(line, [&] { shading = selection().Cells().Shading(); });
        step(line + 2, [&] { shading.setTexture(NoTexture); });
        step(line + 4, [&] { shading.setForegroundPatternColor(AutomaticColour); });
        step(line + 6, [&] { shading.setBackgroundPatternColor(colour); });
        step(line + 8, [&] { selection().TypeText(week::dayHeading(page, language)); });
    };
    // Types one entry cell in four steps from `line`: size 10, bold, text, next cell.
    auto entryCell = [&](int line, bool bold, const QString& text) {
        step(line, [&] { selection().Font().setSize(10); });
        step(line + 2, [&] { selection().Font().setBold(bold); });
        step(line + 4, [&] { selection().TypeText(text); });
        step(line + 6, [&] { moveCells(1); });
    };

    //: Column title of the planner document, over each day's appointment numbers; the column is
    //: 50 points wide, so the title is short enough to fit on one line at 10 points
    const QString numberTitle = tr("Number");
    //: Column title of the planner document, over each day's appointment names
    const QString nameTitle = tr("Name");

    // The three blocks, each starting in the first cell of its first row.
    week::EntryFields fields;  // every split overwrites it
    for (const Block& block : Blocks) {
        // Day heading row: cells 1-2 and 4-5 merged, the middle cell left alone.
        step(146, [&] { extendOverTwoCells(); });
        step(148, [&] { selection().Cells().Merge(); });
        step(150, [&] { selection().Font().setSize(11); });
        dayHeading(block.leftHeading, block.leftColour, block.leftPage);
        step(188, [&] { moveCells(2); });
        step(190, [&] { extendOverTwoCells(); });
        step(192, [&] { selection().Cells().Merge(); });
        step(194, [&] { selection().Font().setSize(11); });
        dayHeading(block.rightHeading, block.rightColour, block.rightPage);
        step(232, [&] { moveCells(1); });

        // Column-title row.
        step(234, [&] { selection().Font().setSize(10); });
        step(236, [&] { selection().TypeText(numberTitle); });
        step(238, [&] { moveCells(1); });
        step(240, [&] { selection().Font().setSize(10); });
        step(242, [&] { selection().TypeText(nameTitle); });
        step(244, [&] { moveCells(2); });
        step(246, [&] { selection().Font().setSize(10); });
        step(248, [&] { selection().TypeText(nameTitle); });
        step(250, [&] { moveCells(1); });
        step(252, [&] { selection().Font().setSize(10); });
        step(254, [&] { selection().TypeText(numberTitle); });
        step(256, [&] { moveCells(1); });

        // Entry rows: the left day's number, name and time, the right day's name and number.
        int lastRow = 0;
        step(258, [&] { lastRow = entryRows - 1; });
        for (int row = 0; row <= lastRow; ++row) {
            std::shared_ptr<const week::DayStore> left;
            step(block.leftStoreTest, [&] { left = week.dayStore(block.leftPage); });
            if (left) {
                step(block.leftSplit, [&] { fields = left->entry(row); });
                entryCell(block.leftNumber, false, fields.number);
                entryCell(block.leftName, false, fields.name);
                entryCell(block.leftTime, true, fields.time);
            } else {
                step(block.leftWithoutStore[0], [&] { moveCells(2); });
                step(block.leftWithoutStore[1], [&] { selection().TypeText(week.timeText(row)); });
                step(block.leftWithoutStore[2], [&] { moveCells(1); });
            }

            std::shared_ptr<const week::DayStore> right;
            step(block.rightStoreTest, [&] { right = week.dayStore(block.rightPage); });
            if (right) {
                step(block.rightSplit, [&] { fields = right->entry(row); });
                entryCell(block.rightName, false, fields.name);
                entryCell(block.rightNumber, false, fields.number);
            } else {
                step(block.rightWithoutStore, [&] { moveCells(2); });
            }
        }
    }
    return typed;
}

QString PlannerGenerator::buildWeeks(const std::vector<const week::WeekSource*>& weeks,
                                     const PlannerSettings& settings, word::Application& objWord,
                                     word::Document& objDoc, const StepRunner& step)
{
    QString firstHeading;
    for (size_t i = 0; i < weeks.size(); ++i) {
        // Each week after the first starts on a new page, after the table before it.
        if (i > 0)
            step(434, [&] { objDoc.ActiveWindow().Selection().EndKey(word::wdStory); });
        const QString typed = buildWeek(*weeks[i], settings, i > 0, objWord, objDoc, step);
        if (i == 0)
            firstHeading = typed;
    }
    return firstHeading;
}

void PlannerGenerator::makeWeeks(const std::vector<const week::WeekSource*>& weeks,
                                 const std::function<void(word::Document&)>& use, const PlannerSettings& settings)
{
    if (weeks.empty())
        throw std::invalid_argument(tr("A planner needs at least one week.").toStdString());
    word::Application objWord = word::Application::CreateObject();
    InstanceKeeper keeper(objWord);
    keeper.keep();
    word::Document objDoc = objWord.Documents().Add();
    // No report and no going on: the first failure ends the run.
    const StepRunner run = [](int, const std::function<void()>& code) {
        code();
        return true;
    };
    setUpPage(settings, objDoc, run);
    buildWeeks(weeks, settings, objWord, objDoc, run);
    use(objDoc);
    objWord.setDisplayAlerts(false);
    objDoc.Close();
    keeper.quit();
    objDoc.release();
    objWord.release();
}

void PlannerGenerator::generatePlanner()
{
    common::Guard step(Location);

    bool stop = false;
    step(100, [&] { stop = stopForOpenWord(); });
    if (stop)
        return;

    word::Application objWord;
    word::Document objDoc;
    InstanceKeeper keeper(objWord);

    // A Word in a process of its own may stop answering (busy past the
    // waiting limit) or go away (closed, killed). That is reported once, with
    // the call that found it, and the generation ends: every later step
    // would only fail the same way. The week stays as typed.
    bool wordLost = false;
    const StepRunner wordStep = [&](int line, const std::function<void()>& code) {
        if (wordLost)
            return false;
        return step(line, [&] {
            try {
                code();
            } catch (const word::AutomationError& error) {
                wordLost = error.wordLost();
                throw;
            }
        });
    };

    // Opening, then the heading and the table.
    wordStep(102, [&] {
        objWord = word::Application::CreateObject();
        keeper.keep();
    });
    wordStep(104, [&] { objDoc = objWord.Documents().Add(); });
    setUpPage(m_settings, objDoc, wordStep);
    std::vector<const week::WeekSource*> weeks{&m_week};
    if (followingWeeks) {
        for (const week::WeekSource* following : followingWeeks())
            weeks.push_back(following);
    }
    const QString plannerHeading = buildWeeks(weeks, m_settings, objWord, objDoc, wordStep);
    if (wordLost)
        return;

    // Save under a fresh temporary name; the name is taken by creating the file
    // exclusively, so nobody's file is overwritten and a taken name is drawn again.
    QString path;
    bool reserved = false;
    for (int draw = 0; draw < 1000 && !reserved; ++draw) {
        QString name;
        step(436, [&] { name = QStringLiteral("kelvas"); });
        for (int digit = 0; digit < 8; ++digit)
            step(442, [&] { name += QString::number(m_digits()); });
        step(448, [&] { path = TemporaryFiles::folder() + QLatin1Char('/') + name + QStringLiteral(".doc"); });
        bool taken = false;
        step(450, [&] {
            taken = !TemporaryFiles::reserve(path);
            reserved = !taken;
        });
        if (!taken && !reserved)
            break;  // the folder refuses new files: drawing again will not help
    }
    if (!reserved)
        path.clear();  // never save over a name that is not ours
    if (!wordStep(452, [&] { objDoc.SaveAs(path); }) && !path.isEmpty()) {
        // The empty file that held the name is no planner: the preview must
        // not offer it for saving as one.
        QFile::remove(path);
    }
    wordStep(454, [&] { objWord.setDisplayAlerts(false); });
    wordStep(456, [&] { objDoc.Close(); });
    wordStep(458, [&] { keeper.quit(); });
    step(460, [&] { objDoc.release(); });
    step(462, [&] { objWord.release(); });
    if (wordLost) {
        if (!path.isEmpty())
            QFile::remove(path);
        return;
    }

    // The picture, and the hand-over to the preview window in the order
    // PreviewHandOver gives.
    step(464, [&] { makePreviewPicture(path); });
    step(466, [&] {
        QPicture picture;
        const QString picturePath = temporaryPicturePath();
        try {
            if (picturePath.isEmpty())
                throw errors::UserError(tr("There is no picture of the planner to load."));
            const std::optional<QPicture> loaded = TemporaryFiles::readPicture(picturePath, m_writtenPicture);
            if (!loaded)
                throw errors::UserError(tr("Cannot load the picture %1.").arg(picturePath));
            picture = *loaded;
        } catch (const std::runtime_error&) {
            // The preview keeps no earlier planner on show as if it were
            // this one: it shows none.
            m_handOver.showPicture(QPicture(), plannerHeading);
            throw;
        }
        m_handOver.showPicture(picture, plannerHeading);
    });
    step(468, [&] { m_handOver.resetEntryPointer(); });
    step(470, [&] { m_handOver.setDocumentPath(path); });
    const bool previewShown = step(472, [&] { m_handOver.showPreview(); });
    // Never leave the user without a window.
    if (previewShown)
        step(474, [&] { m_handOver.hideEntryWindow(); });
    step(476, [&] { common::removeFile(temporaryPicturePath()); });
}

}  // namespace planner
