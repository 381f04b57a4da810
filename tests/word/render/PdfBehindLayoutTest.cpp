// A planner's PDF written on a second thread while the rest of the document
// is laid out: the same PDF as one written after the whole layout, or, where
// a part cannot be drawn there, no PDF from that thread at all.
#include "output/PdfBehindLayout.h"
#include "output/PdfExport.h"
#include "planner/PlannerGenerator.h"
#include "week/DayStore.h"
#include "week/Week.h"
#include "word/Document.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Every PDF names the moment it was written.
QByteArray timeless(const QByteArray& pdf)
{
    QString text = QString::fromLatin1(pdf);  // byte for byte
    text.replace(QRegularExpression(QStringLiteral("/CreationDate \\(D:[^)]*\\)")), QStringLiteral("/CreationDate ()"));
    return text.toLatin1();
}

week::Week weekWith(const QString& title, const QString& name)
{
    week::Week week;
    week.title = title;
    for (int day = 0; day < week::DayPageCount; ++day)
        for (int row = 0; row < int(week.times.size()); ++row)
            week.setEntry(day, row, {week.times[row], QString::number(row + 1), name});
    return week;
}

struct Made {
    QByteArray after;   // written once the whole document is laid out
    QByteArray behind;  // written part by part behind the layout
    std::vector<bool> taken;
    int pages = 0;
    bool finished = false;
    QByteArray chosen;  // what pdfBytesOf makes
};

Made make(const std::vector<week::Week>& weeks)
{
    std::vector<const week::WeekSource*> sources;
    for (const week::Week& week : weeks)
        sources.push_back(&week);
    Made made;
    planner::PlannerGenerator::makeWeeks(sources, [&](word::Document& document) {
        made.after = output::pdfBytes(word::DocumentPages::of(document));
        output::PdfBehindLayout behind;
        word::DocumentPages::inParts(document, [&](word::DocumentPages&& part) {
            made.pages += part.pageCount();
            made.taken.push_back(behind.add(std::move(part)));
        });
        try {
            made.behind = behind.finish();
            made.finished = true;
        } catch (const std::runtime_error&) {
        }
        made.chosen = output::pdfBytesOf(document);
    });
    return made;
}

TEST(PdfBehindLayout, WritesThePdfWrittenAfterTheWholeLayout)
{
    // Three weeks, the middle one so full that its table runs over pages,
    // its rows cut where a page ends.
    const QString crowded = QStringLiteral("Budget review with the regional team and the auditors, room 4 ").repeated(6);
    const Made made = make({weekWith(QStringLiteral("Week of 4 January 2027"), QStringLiteral("Stand-up")),
                            weekWith(QStringLiteral("Week of 11 January 2027"), crowded),
                            weekWith(QStringLiteral("Week of 18 January 2027"), QStringLiteral("Planning"))});
    ASSERT_EQ(made.taken, (std::vector<bool>{true, true, true}));
    EXPECT_GT(made.pages, 4);
    ASSERT_TRUE(made.finished);
    EXPECT_TRUE(made.after.startsWith("%PDF"));
    EXPECT_EQ(timeless(made.behind), timeless(made.after));
    EXPECT_EQ(timeless(made.chosen), timeless(made.after));
}

TEST(PdfBehindLayout, LeavesAPartInAnotherScriptToTheLayoutThread)
{
    // The second week's Arabic is shaped in faces of the layout's thread:
    // nothing from there on is written behind it, and the PDF is made whole
    // on the layout's thread instead.
    const Made made = make({weekWith(QStringLiteral("Week of 4 January 2027"), QStringLiteral("Stand-up")),
                            weekWith(QStringLiteral("Week of 11 January 2027"), QStringLiteral("مرحبا بالعالم")),
                            weekWith(QStringLiteral("Week of 18 January 2027"), QStringLiteral("Planning"))});
    EXPECT_EQ(made.taken, (std::vector<bool>{true, false, false}));
    EXPECT_FALSE(made.finished);
    EXPECT_EQ(timeless(made.chosen), timeless(made.after));
}

}  // namespace
