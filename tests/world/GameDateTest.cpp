#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "season/GameState.h"
#include "world/GameDate.h"

namespace ravel {
namespace {

GameDate MakeDate(int day, int month, int year, int season = FIRST_SEASON, int dayOfSeason = 0) {
    GameDate date;
    date.m_day = day;
    date.m_month = month;
    date.m_year = year;
    date.m_season = season;
    date.m_dayOfSeason = dayOfSeason;
    return date;
}

void ExpectDay(const GameDate& date, int day, int month, int year) {
    EXPECT_EQ(date.m_day, day);
    EXPECT_EQ(date.m_month, month);
    EXPECT_EQ(date.m_year, year);
}

class GameDateTest : public ::testing::Test {
protected:
    void TearDown() override { ResetGameState(); }
};

TEST_F(GameDateTest, NextDayFollowsMonthLengths) {
    const struct {
        int m_day, m_month, m_year;
        int m_nextDay, m_nextMonth, m_nextYear;
    } cases[] = {
        {28, 2, 2006, 1, 3, 2006},   {28, 2, 2008, 1, 3, 2008},  // no leap years
        {30, 4, 2006, 1, 5, 2006},   {30, 6, 2006, 1, 7, 2006},  {30, 9, 2006, 1, 10, 2006},
        {30, 11, 2006, 1, 12, 2006}, {30, 5, 2006, 31, 5, 2006}, {31, 5, 2006, 1, 6, 2006},
        {31, 12, 2006, 1, 1, 2007},  {15, 8, 2006, 16, 8, 2006},
    };
    for (const auto& c : cases) {
        GameDate date = MakeDate(c.m_day, c.m_month, c.m_year, 362, 10);
        date.m_hour = 8;
        date.m_minute = 45;
        date.NextDay();
        SCOPED_TRACE(std::to_string(c.m_day) + "/" + std::to_string(c.m_month));
        ExpectDay(date, c.m_nextDay, c.m_nextMonth, c.m_nextYear);
        EXPECT_EQ(date.m_season, 362);
        EXPECT_EQ(date.m_dayOfSeason, 11);
        EXPECT_EQ(date.m_hour, 8);
        EXPECT_EQ(date.m_minute, 45);
    }
}

TEST_F(GameDateTest, DayOfSeasonWrapsAfter363) {
    GameDate date = MakeDate(29, 3, 2007, 362, 362);
    EXPECT_EQ(date.NextDay(), 363);
    EXPECT_EQ(date.NextDay(), 0);
    EXPECT_EQ(date.m_season, 362);
}

TEST_F(GameDateTest, DaysBetweenCountsCalendarDays) {
    const struct {
        GameDate m_from, m_to;
        int m_days;
    } cases[] = {
        {MakeDate(10, 4, 2006), MakeDate(10, 4, 2006), 0},
        {MakeDate(30, 4, 2006), MakeDate(1, 5, 2006), 1},
        {MakeDate(28, 2, 2007), MakeDate(1, 3, 2007), 1},  // no leap years
        {MakeDate(31, 12, 2006), MakeDate(1, 1, 2007), 1},
        {MakeDate(5, 5, 2006), MakeDate(1, 5, 2006), -4},
        // The next season's first day, whatever its day of season says.
        {MakeDate(29, 3, 2007, 362, 362), MakeDate(1, 4, 2007, 364, 0), 3},
        {MakeDate(1, 4, 2006), MakeDate(1, 4, 2007), 365},
    };
    for (const auto& c : cases) {
        const std::string from = c.m_from.DateText();
        SCOPED_TRACE(from + " to " + c.m_to.DateText());
        EXPECT_EQ(DaysBetween(c.m_from, c.m_to), c.m_days);
    }
}

TEST_F(GameDateTest, FromSeasonDayWalksFromTheSeasonStart) {
    const struct {
        int m_dayOfSeason, m_season;
        int m_day, m_month, m_year;
        int m_storedDay;
    } cases[] = {
        {0, 362, 1, 4, 2006, 0},     {1, 362, 2, 4, 2006, 1},     {0, 363, 1, 10, 2006, 0},
        {30, 362, 1, 5, 2006, 30},   {275, 362, 1, 1, 2007, 275}, {92, 363, 1, 1, 2007, 92},
        {400, 362, 1, 4, 2007, 365}, {365, 362, 1, 4, 2007, 365}, {-3, 362, 2, 4, 2006, 1},
        {0, 364, 1, 4, 2007, 0},     {0, 50, 1, 4, 1850, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.m_dayOfSeason) + " of " + std::to_string(c.m_season));
        const GameDate date = GameDate::FromSeasonDay(c.m_dayOfSeason, c.m_season);
        ExpectDay(date, c.m_day, c.m_month, c.m_year);
        EXPECT_EQ(date.m_season, c.m_season);
        EXPECT_EQ(date.m_dayOfSeason, c.m_storedDay);
        EXPECT_EQ(date.m_hour, 0);
        EXPECT_EQ(date.m_reserved, 0);
    }
}

TEST_F(GameDateTest, FromCurrentSeasonDayUsesTheYearTheSeasonBegan) {
    const struct {
        GameDate m_now;
        int m_dayOfSeason;
        int m_day, m_month, m_year;
    } cases[] = {
        {MakeDate(15, 10, 2006, 363, 14), 0, 1, 10, 2006},
        {MakeDate(20, 2, 2007, 363, 142), 0, 1, 10, 2006},  // after 1 January
        {MakeDate(20, 2, 2007, 363, 142), 100, 9, 1, 2007},
        {MakeDate(10, 3, 2007, 362, 343), 0, 1, 4, 2006},
        {MakeDate(1, 4, 2006, 362, 0), 1, 2, 4, 2006},
    };
    for (const auto& c : cases) {
        g_cricket.m_date = c.m_now;
        const GameDate date = GameDate::FromCurrentSeasonDay(c.m_dayOfSeason);
        SCOPED_TRACE(c.m_now.DateText());
        ExpectDay(date, c.m_day, c.m_month, c.m_year);
        EXPECT_EQ(date.m_season, c.m_now.m_season);
    }
}

TEST_F(GameDateTest, TextsWithEnglishMonthsAndLeadingZeros) {
    // Month names must not follow the user's locale.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(MakeDate(1, 4, 2006).DateText(), "01 Apr 2006");
    EXPECT_EQ(MakeDate(31, 12, 2010).DateText(), "31 Dec 2010");
    EXPECT_EQ(MakeDate(5, 3, 2007).DateText(), "05 Mar 2007");
    std::setlocale(LC_ALL, "C");

    const struct {
        int m_hour, m_minute;
        const char* m_text;
    } clocks[] = {{7, 5, "07:05"}, {22, 45, "22:45"}, {8, 30, "08:30"}, {10, 0, "10:00"}, {0, 0, "00:00"}};
    for (const auto& c : clocks) {
        GameDate date;
        date.m_hour = c.m_hour;
        date.m_minute = c.m_minute;
        EXPECT_EQ(date.ClockText(), c.m_text);
    }

    EXPECT_EQ(DateLongText(3, 4, 2006), "03 Apr 2006");
    EXPECT_EQ(DateLongText(10, 1, 2007), "10 Jan 2007");
    EXPECT_EQ(DateLongText(9, 12, 2007), "09 Dec 2007");
}

TEST_F(GameDateTest, SeasonLabelsNameTheYearsOfEverySeason) {
    const struct {
        int m_season;
        const char* m_label;
    } cases[] = {{FIRST_SEASON, "2006"},
                 {FIRST_SEASON + 1, "2006/07"},
                 {FIRST_SEASON - 2, "2005"},
                 {FIRST_SEASON - 1, "2005/06"},
                 {387, "2018/19"},
                 {0, "-"},
                 {-3, "-"}};
    for (const auto& c : cases) EXPECT_EQ(SeasonLabel(c.m_season), c.m_label) << c.m_season;
}

TEST_F(GameDateTest, CricketDataStartsOnTheFirstDayOfTheGame) {
    const CricketData data;
    EXPECT_EQ(data.m_date.m_hour, 7);
    EXPECT_EQ(data.m_date.m_minute, 0);
    EXPECT_EQ(data.m_date.m_second, 0);
    ExpectDay(data.m_date, 1, 4, 2006);
    EXPECT_EQ(data.m_date.m_season, 362);
    EXPECT_EQ(data.m_date.m_dayOfSeason, 0);
    EXPECT_EQ(data.m_date.m_reserved, 0);
    EXPECT_EQ(data.m_pendingMessage, -1);
    EXPECT_EQ(data.m_dayPhase, 0);
}

}  // namespace
}  // namespace ravel
