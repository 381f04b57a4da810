// The planner's picture against LibreOffice's rendering of the same saved
// file: the table's column boundaries, the fills of the day headings and of
// the middle column, and the texts.
#include "PlannerRun.h"
#include "LibreOffice.h"
#include "PdfTools.h"
#include "RunProgram.h"
#include "WordTestSupport.h"

#include "word/DocumentPages.h"
#include "word/PictureSink.h"
#include "word/Range.h"
#include "word/Word.h"
#include "word/model/Colour.h"
#include "week/DayStore.h"
#include "word/model/Units.h"
#include "word/render/DocumentLayout.h"
#include "word/render/PageBreaks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

bool isDark(QRgb pixel)
{
    return qRed(pixel) < 100 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

// The grid of the first table in a picture of the planner (ours, or a page
// as LibreOffice draws it), found from its black lines alone.
struct Grid {
    int left = -1;
    int right = -1;
    std::vector<int> rowLines;  // y of every horizontal line, top to bottom

    bool isValid() const { return left >= 0 && right > left && rowLines.size() >= 2; }
    // x of the vertical lines crossing row `row` from top to bottom.
    std::vector<int> columnLines(const QImage& image, int row) const
    {
        std::vector<int> xs;
        const int top = rowLines[row] + 2;
        const int bottom = rowLines[row + 1] - 2;
        for (int x = left; x <= right; ++x) {
            bool line = top <= bottom;
            for (int y = top; y <= bottom && line; ++y)
                line = isDark(image.pixel(x, y));
            if (line && (xs.empty() || xs.back() != x - 1))
                xs.push_back(x);
        }
        return xs;
    }
    QPoint middleOfRow(int row, int x) const { return QPoint(x, (rowLines[row] + rowLines[row + 1]) / 2); }
};

Grid findGrid(const QImage& image)
{
    // The table's left and right edges are the longest vertical lines.
    std::vector<int> longest(image.width(), 0);
    int best = 0;
    for (int x = 0; x < image.width(); ++x) {
        int run = 0;
        for (int y = 0; y < image.height(); ++y) {
            run = isDark(image.pixel(x, y)) ? run + 1 : 0;
            longest[x] = std::max(longest[x], run);
        }
        best = std::max(best, longest[x]);
    }
    Grid grid;
    if (best < 100)
        return grid;
    for (int x = 0; x < image.width(); ++x) {
        if (longest[x] >= best * 9 / 10) {
            if (grid.left < 0)
                grid.left = x;
            grid.right = x;
        }
    }
    // Horizontal lines run across the table.
    for (int y = 0; y < image.height(); ++y) {
        int dark = 0;
        for (int x = grid.left; x <= grid.right; ++x)
            dark += isDark(image.pixel(x, y)) ? 1 : 0;
        if (dark * 10 >= (grid.right - grid.left + 1) * 9 && (grid.rowLines.empty() || grid.rowLines.back() != y - 1))
            grid.rowLines.push_back(y);
    }
    return grid;
}

// The box of the dark pixels above a line (the heading).
QRect inkAbove(const QImage& image, int bottom)
{
    QRect box;
    for (int y = 0; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isDark(image.pixel(x, y)))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

bool sameColour(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2 && std::abs(qBlue(a) - qBlue(b)) <= 2;
}

QString describe(QRgb pixel)
{
    return QColor(pixel).name();
}

class LibreOfficeComparisonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("soffice").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty()
            || QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "LibreOffice (soffice) or poppler-utils (pdftoppm, pdftotext) not installed";
        ASSERT_TRUE(dir.isValid());
        // Keep the pictures for a look when asked to.
        if (qEnvironmentVariableIsSet("DORVANE_KEEP_RENDER"))
            dir.setAutoRemove(false);
    }

    QTemporaryDir dir;
};

TEST_F(LibreOfficeComparisonTest, PlannerPictureMatchesLibreOfficesRendering)
{
    // The planner's own picture, as the generator hands it to the preview.
    plannertest::PlannerRun planner;
    planner.generate(plannertest::fullWeek("March 3"));
    ASSERT_TRUE(planner.boxes.errorReports().isEmpty()) << planner.boxes.errorReports().join('\n').toStdString();
    ASSERT_TRUE(planner.savedModel.has_value());
    const word::model::DocumentModel& model = *planner.savedModel;
    QImage ours = wordtest::imageOf(planner.picture);
    const QString docPath = dir.filePath("planner.doc");
    ASSERT_TRUE(QFile::copy(planner.documentPath, docPath));

    ASSERT_FALSE(ours.isNull());
    ours.save(dir.filePath("ours.png"));

    // LibreOffice's PDF of the same document: the reference drawing.
    QByteArray log;
    const QString pdfPath = libreoffice::convert(docPath, "pdf", dir.path(), &log);
    ASSERT_FALSE(pdfPath.isEmpty()) << log.constData();
    ASSERT_TRUE(QFile::exists(pdfPath)) << log.constData();
    ASSERT_TRUE(runProgram("pdftoppm", {"-r", "96", "-png", "-f", "1", "-l", "1", "-singlefile", pdfPath, dir.filePath("libreoffice")},
                    60000, &log))
        << log.constData();
    const QImage theirs = QImage(dir.filePath("libreoffice.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(theirs.isNull());
    ours = ours.convertToFormat(QImage::Format_RGB32);

    const Grid ourGrid = findGrid(ours);
    const Grid theirGrid = findGrid(theirs);
    ASSERT_TRUE(ourGrid.isValid());
    ASSERT_TRUE(theirGrid.isValid());
    // 36 rows: 37 lines, each within 2 pixels of LibreOffice's, from the table's top.
    ASSERT_EQ(ourGrid.rowLines.size(), 37u);
    ASSERT_EQ(theirGrid.rowLines.size(), 37u);
    EXPECT_NEAR(ourGrid.right - ourGrid.left, theirGrid.right - theirGrid.left, 2);
    for (size_t i = 0; i < 37; ++i)
        EXPECT_NEAR(ourGrid.rowLines[i] - ourGrid.rowLines[0], theirGrid.rowLines[i] - theirGrid.rowLines[0], 2) << "line " << i;

    // Column boundaries of every row relative to the table's left edge:
    // heading rows show the merged cells (four lines), the others five columns.
    for (int row = 0; row < 36; ++row) {
        std::vector<int> mine = ourGrid.columnLines(ours, row);
        std::vector<int> libre = theirGrid.columnLines(theirs, row);
        ASSERT_EQ(mine.size(), row % 12 == 0 ? 4u : 6u) << "row " << row;
        ASSERT_EQ(mine.size(), libre.size()) << "row " << row;
        for (size_t i = 0; i < mine.size(); ++i)
            EXPECT_NEAR(mine[i] - ourGrid.left, libre[i] - theirGrid.left, 2) << "row " << row << " line " << i;
    }

    // Fills: the six day headings (sampled inside, clear of their centred
    // names) and the middle column in every row.
    for (int block = 0; block < 3; ++block) {
        const int row = 12 * block;
        for (int side = 0; side < 2; ++side) {
            const int day = 2 * block + side;
            const QRgb expected = word::colour::toQColor(plannertest::DayColours[day])->rgb();
            const QPoint mine = ourGrid.middleOfRow(row, side == 0 ? ourGrid.left + 8 : ourGrid.right - 8);
            const QPoint libre = theirGrid.middleOfRow(row, side == 0 ? theirGrid.left + 8 : theirGrid.right - 8);
            EXPECT_TRUE(sameColour(ours.pixel(mine), expected)) << describe(ours.pixel(mine)).toStdString() << " day " << day;
            EXPECT_TRUE(sameColour(theirs.pixel(libre), expected)) << describe(theirs.pixel(libre)).toStdString() << " day " << day;
        }
    }
    const QRgb middle = word::colour::toQColor(plannertest::MiddleColour)->rgb();
    for (int row = 0; row < 36; ++row) {
        const std::vector<int> mine = ourGrid.columnLines(ours, row);
        const std::vector<int> libre = theirGrid.columnLines(theirs, row);
        const size_t column = row % 12 == 0 ? 1 : 2;  // the middle column's left line
        const QPoint ourSample = ourGrid.middleOfRow(row, mine[column] + 2);
        const QPoint theirSample = theirGrid.middleOfRow(row, libre[column] + 2);
        EXPECT_TRUE(sameColour(ours.pixel(ourSample), middle)) << describe(ours.pixel(ourSample)).toStdString() << " row " << row;
        EXPECT_TRUE(sameColour(theirs.pixel(theirSample), middle)) << describe(theirs.pixel(theirSample)).toStdString() << " row " << row;
    }

    // The heading: the same size (font, bold, point size) and centred at the
    // same place, relative to the table.
    const QRect ourHeading = inkAbove(ours, ourGrid.rowLines[0]);
    const QRect theirHeading = inkAbove(theirs, theirGrid.rowLines[0]);
    ASSERT_FALSE(ourHeading.isEmpty());
    ASSERT_FALSE(theirHeading.isEmpty());
    EXPECT_NEAR(ourHeading.width(), theirHeading.width(), 3);
    EXPECT_NEAR(ourHeading.height(), theirHeading.height(), 2);
    EXPECT_NEAR(ourHeading.center().x() - ourGrid.left, theirHeading.center().x() - theirGrid.left, 2);
    EXPECT_NEAR(ourGrid.rowLines[0] - ourHeading.bottom(), theirGrid.rowLines[0] - theirHeading.bottom(), 2);

    // Texts: LibreOffice shows every text of the document, each hour on one
    // line; ours places the same texts, each on one line.
    ASSERT_TRUE(runProgram("pdftotext", {pdfPath, dir.filePath("planner.txt")}, 60000, &log)) << log.constData();
    QFile textFile(dir.filePath("planner.txt"));
    ASSERT_TRUE(textFile.open(QIODevice::ReadOnly));
    const QStringList libreWords = QString::fromUtf8(textFile.readAll()).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    QStringList ourTexts;
    for (const word::render::PlacedText& text : word::render::DocumentLayout::of(model).texts)
        ourTexts << text.text;
    const QStringList ourWords = ourTexts.join(' ').split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    QStringList expected{"Week", "of", "March", "3", "Number", "Name"};
    for (const QString& day : plannertest::DayNames)
        expected << day;
    for (int day = 0; day < 6; ++day)
        for (int row = 0; row < 10; ++row)
            expected << QStringLiteral("N%1-%2").arg(day).arg(row) << QStringLiteral("%1.%2").arg(day).arg(row);
    expected << "8" << "9" << "10" << "11" << "12" << "1" << "2" << "3" << "4" << "5";
    for (const QString& text : expected) {
        EXPECT_TRUE(libreWords.contains(text)) << "LibreOffice lacks " << text.toStdString();
        EXPECT_TRUE(ourWords.contains(text)) << "ours lacks " << text.toStdString();
    }
    // An hour broken over two lines would show as two words, "1" and "0".
    for (const char* hour : {"10", "11", "12"}) {
        EXPECT_EQ(ourTexts.count(hour), 3) << hour;
        EXPECT_EQ(libreWords.count(hour), 3) << hour;
    }
}

}  // namespace

TEST_F(LibreOfficeComparisonTest, DenseWeekBreaksIntoTheSamePagesAsLibreOffice)
{
    // Rows as a busy shared calendar fills them: long lists of numbers in
    // their narrow column ("1, 2, 3, ..."), which set the rows' heights, and
    // names beside them; some rows are taller than half a page. Our pages
    // must hold the same texts as LibreOffice's pages of the saved file.
    week::Week week;
    week.title = QStringLiteral("Busy");
    int next = 1;
    for (int page = 0; page < week::DayPageCount; ++page) {
        week::DayStore::Rows rows;
        for (int row = 0; row < week::RowCount; ++row) {
            QStringList numbers;
            QStringList names;
            for (int i = 0; i < 5 + (7 * page + 11 * row) % 60; ++i) {
                numbers << QString::number(next++);
                names << QStringLiteral("Review %1").arg(next);
            }
            rows[size_t(row)] = {week::defaultHourText(row), numbers.join(QStringLiteral(", ")), names.join(QStringLiteral("; "))};
        }
        week.stores[size_t(page)] = std::make_shared<const week::DayStore>(rows);
    }
    plannertest::PlannerRun planner;
    planner.generate(week);
    ASSERT_TRUE(planner.boxes.errorReports().isEmpty()) << planner.boxes.errorReports().join('\n').toStdString();
    ASSERT_TRUE(planner.savedModel.has_value());
    const word::model::DocumentModel& model = *planner.savedModel;
    const QString docPath = dir.filePath("busy.doc");
    ASSERT_TRUE(QFile::copy(planner.documentPath, docPath));

    // Our pages: the characters of the texts whose baselines lie on each.
    const auto layout = word::render::DocumentLayout::of(model);
    const auto slices = word::render::pageSlices(
        layout, word::units::pixelsFromTwips(model.page.heightTwips - model.page.topTwips - model.page.bottomTwips));
    auto characters = [](QString text) {
        text.remove(QRegularExpression("\\s"));
        std::sort(text.begin(), text.end());
        return text;
    };
    QStringList ours;
    for (const word::render::PageSlice& slice : slices) {
        QString text;
        for (const word::render::PlacedText& placed : layout.texts)
            if (placed.baseline.y() >= slice.top && placed.baseline.y() < slice.bottom)
                text += placed.text + QLatin1Char('\n');
        if (qEnvironmentVariableIsSet("DORVANE_KEEP_RENDER")) {
            QFile f(dir.filePath(QStringLiteral("ours%1.txt").arg(ours.size() + 1)));
            f.open(QIODevice::WriteOnly);
            f.write(text.toUtf8() + QByteArray::number(slice.top) + " " + QByteArray::number(slice.bottom));
        }
        ours << characters(text);
    }
    ASSERT_GE(ours.size(), 4);

    // LibreOffice's pages, as poppler reads them (pages end in a form feed).
    QByteArray log;
    const QString pdfPath = libreoffice::convert(docPath, "pdf", dir.path(), &log);
    ASSERT_FALSE(pdfPath.isEmpty()) << log.constData();
    ASSERT_TRUE(runProgram("pdftotext", {pdfPath, dir.filePath("busy.txt")}, 60000, &log)) << log.constData();
    QFile textFile(dir.filePath("busy.txt"));
    ASSERT_TRUE(textFile.open(QIODevice::ReadOnly));
    QStringList theirs = QString::fromUtf8(textFile.readAll()).split(QLatin1Char('\f'));
    theirs.removeLast();  // after the last form feed
    for (QString& page : theirs)
        page = characters(page);
    ASSERT_EQ(theirs.size(), ours.size());
    for (qsizetype page = 0; page < ours.size(); ++page)
        EXPECT_EQ(ours[page].toStdString(), theirs[page].toStdString()) << "page " << page + 1;

    // And every word of our PDF within 2 pt of LibreOffice's: the lists wrap
    // into the same lines, the rows end where LibreOffice's end.
    const QString ourPdf = dir.filePath("ours.pdf");
    {
        QPdfWriter writer(ourPdf);
        ASSERT_TRUE(word::DocumentPages::ofSaved(docPath).print(writer));
    }
    double worst = 0;
    EXPECT_EQ(pdftools::compareWords(pdftools::readWords(ourPdf).words, pdftools::readWords(pdfPath).words, 2.0, &worst)
                  .toStdString(),
              "");
}
