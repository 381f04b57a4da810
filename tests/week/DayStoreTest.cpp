#include "week/DayStore.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using week::DayStore;
using week::EntryFields;

TEST(WeekRows, HourTextsAndTabCaptions)
{
    const QStringList hours = {"8", "9", "10", "11", "12", "1", "2", "3", "4", "5"};
    for (int row = 0; row < week::RowCount; ++row)
        EXPECT_EQ(week::defaultHourText(row), hours[row]) << row;
    const QStringList captions = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Sat/Sun"};
    for (int page = 0; page < week::DayPageCount; ++page)
        EXPECT_EQ(week::dayTabCaption(page), captions[page]);
    EXPECT_THROW(week::dayTabCaption(6), std::out_of_range);
    EXPECT_EQ(week::dayHeading(5), "Saturday/Sunday");
    EXPECT_THROW(week::dayHeading(-1), std::out_of_range);
    // French writes its day names in lower case; a caption starts with a capital.
    EXPECT_EQ(week::dayTabCaption(0, QLocale(QLocale::French, QLocale::France)), "Lundi");
}

TEST(EntryLine, JoinsWithCommasAndNothingElse)
{
    EXPECT_EQ(week::joinEntryLine({"8", "", ""}), "8,,");
    EXPECT_EQ(week::joinEntryLine({"9", "2", "Lunch"}), "9,2,Lunch");
    EXPECT_EQ(week::joinEntryLine({"10", " 3 ", " Gym  "}), "10, 3 , Gym  ");  // nothing trimmed
}

TEST(EntryLine, SplitsAtEveryCommaAndIgnoresFurtherFields)
{
    EXPECT_EQ(week::splitEntryLine("9,2,Lunch"), (EntryFields{"9", "2", "Lunch"}));
    EXPECT_EQ(week::splitEntryLine("8,,"), (EntryFields{"8", "", ""}));
    EXPECT_EQ(week::splitEntryLine("1,2,3,4"), (EntryFields{"1", "2", "3"}));
    EXPECT_EQ(week::splitEntryLine("7"), (EntryFields{"7", "", ""}));
}

TEST(DayStore, BlankStoreHoldsTenHourLines)
{
    const DayStore store = DayStore::blank();
    EXPECT_EQ(store.entryLines(), QStringList({"8,,", "9,,", "10,,", "11,,", "12,,", "1,,", "2,,", "3,,", "4,,", "5,,"}));
    EXPECT_THROW(store.entry(10), std::out_of_range);
    EXPECT_THROW(store.entry(-1), std::out_of_range);
}

TEST(DayStore, CommasInNumbersAndNamesComeBackIntact)
{
    DayStore::Rows rows = DayStore::blank().rows();
    rows[1] = {"9", "1,5", "Lunch, then gym"};
    rows[2] = {"10", "2", "Plain"};
    const DayStore store(rows);
    EXPECT_EQ(store.number(1), "1,5");
    EXPECT_EQ(store.name(1), "Lunch, then gym");
    EXPECT_EQ(store.time(1), "9");
    // Lines without commas in their fields keep the classic form.
    EXPECT_EQ(store.entryLine(2), "10,2,Plain");
    EXPECT_EQ(week::splitEntryLine(store.entryLine(2)), store.entry(2));
}

}  // namespace
