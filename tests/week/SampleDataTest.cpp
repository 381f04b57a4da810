#include "week/DayStore.h"
#include "week/SampleData.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(SundayWeekNumber, FirstDaysOfTheYear)
{
    EXPECT_EQ(week::sundayWeekNumber(QDate(2026, 1, 1)), 1);  // a Thursday
    EXPECT_EQ(week::sundayWeekNumber(QDate(2026, 1, 3)), 1);  // Saturday: still week 1
    EXPECT_EQ(week::sundayWeekNumber(QDate(2026, 1, 4)), 2);  // the first Sunday after 1 January
    EXPECT_EQ(week::sundayWeekNumber(QDate(2022, 1, 1)), 1);  // a Saturday: one-day first week
    EXPECT_EQ(week::sundayWeekNumber(QDate(2022, 1, 2)), 2);
}

TEST(SundayWeekNumber, EndsOfTheYear)
{
    // 2000 is a leap year that began on a Saturday: the only kind with a week 54.
    EXPECT_EQ(week::sundayWeekNumber(QDate(2000, 12, 31)), 54);
    EXPECT_EQ(week::sundayWeekNumber(QDate(2000, 12, 30)), 53);
    EXPECT_EQ(week::sundayWeekNumber(QDate(2022, 12, 31)), 53);  // began on a Saturday, not leap
    EXPECT_THROW(week::sundayWeekNumber(QDate()), std::invalid_argument);
}

TEST(SampleData, TitleAndRowRanges)
{
    EXPECT_EQ(week::sampleWeekTitle(QDate(2026, 2, 12)), "Week #7");
    const int expected[6][2] = {{1, 4}, {3, 6}, {3, 6}, {1, 4}, {3, 6}, {4, 8}};
    for (int page = 0; page < week::DayPageCount; ++page) {
        EXPECT_EQ(week::sampleRows(page).first, expected[page][0]);
        EXPECT_EQ(week::sampleRows(page).last, expected[page][1]);
    }
    EXPECT_THROW(week::sampleRows(6), std::out_of_range);
}

TEST(SampleData, NamesFollowRowAndCounter)
{
    EXPECT_EQ(week::sampleName(2, 3), "Lunch");
    EXPECT_EQ(week::sampleName(2, 4), "Meeting with friends");
    EXPECT_EQ(week::sampleName(3, 2), "Go shopping");
    EXPECT_EQ(week::sampleName(3, 3), "Gym");
    EXPECT_EQ(week::sampleName(9, 2), "Go shopping");
    EXPECT_EQ(week::sampleName(1, 1), "Trip");
    EXPECT_EQ(week::sampleName(5, 2), "Meeting with associates");
    EXPECT_EQ(week::sampleName(7, 1), "Trip");
}

}  // namespace
