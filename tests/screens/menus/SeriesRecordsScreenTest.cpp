// The series overview and the records screen over a small world.
#include "CompetitionFixture.h"
#include "match/Match.h"
#include "screens/menus/RecordsScreen.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "shell/gui/ScrollBar.h"
#include "world/RecordsTable.h"

namespace ravel {
namespace {

using SO = CSeriesOverviewScreen;

class SeriesOverviewTest : public CompetitionWorldTest {
protected:
    static TourSeries& AddSeries(int id, int home, int away) {
        TourSeries s;
        s.m_id = id;
        s.m_home = home;
        s.m_away = away;
        g_world.mv_tourSeries.push_back(s);
        return g_world.mv_tourSeries.back();
    }
    static void AddFixtures(int series, int count) {
        for (int k = 0; k < count; ++k) {
            Fixture f;
            f.m_id = k + 1;
            f.m_competition = series;
            f.m_home = 1;
            f.m_away = 2;
            f.m_date = GameDate::FromSeasonDay(20 + 3 * k, FIRST_SEASON);
            g_world.mv_fixtures.push_back(f);
        }
    }
};

TEST_F(SeriesOverviewTest, KindFollowsTheSeriesRecord) {
    AddSeries(601, 1, 2);
    AddSeries(602, 1, 2);
    AddSeries(604, 1, 2).m_series = 604;
    struct Case {
        int id, kind;
    };
    for (const Case& c : {Case{601, OVERVIEW_TESTS}, Case{602, OVERVIEW_ONE_DAY},
                          Case{604, OVERVIEW_TRIANGULAR}, Case{603, -1}})
        EXPECT_EQ(SO::KindOf(c.id), c.kind) << c.id;
}

TEST_F(SeriesOverviewTest, TwoCountriesWithFlagsAndStatus) {
    TourSeries& s = AddSeries(601, 1, 2);
    s.m_homeWins = 2;
    s.m_awayWins = 1;
    OpenSeries(601);
    ASSERT_EQ(m_game->m_screenId, SCREEN_SERIES);
    EXPECT_EQ(Overview().m_kind, OVERVIEW_TESTS);
    EXPECT_TRUE(Shows("Averland v Brenmoor"));
    EXPECT_TRUE(Shows("Series overview"));
    const DrawnText* status = Find("lead the series 2-1");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->y, 600);
    Frame("series_pair.png");
}

TEST_F(SeriesOverviewTest, TriangularTableWithItsExplanationAndNoFinalsYet) {
    AddSeries(604, 1, 2).m_series = 604;
    Series t;
    t.m_id = 604;
    t.mv_countries = {1, 2, 3};
    for (int c : t.mv_countries) t.mv_standings.emplace_back(c, 604);
    t.mv_standings[2].m_won = 1;
    t.mv_standings[2].m_points = 5;
    g_world.mv_series.push_back(t);
    OpenSeries(604);
    EXPECT_EQ(Overview().m_kind, OVERVIEW_TRIANGULAR);
    EXPECT_TRUE(Shows("Triangular Tournament"));
    EXPECT_TRUE(Shows("Current standings"));
    const DrawnText* leader = Find("Castria");
    ASSERT_NE(leader, nullptr);
    EXPECT_EQ(leader->y, 195) << "sorted by points";
    EXPECT_TRUE(Shows("Explanation"));
    EXPECT_TRUE(Shows("1.25 times"));
    EXPECT_FALSE(Shows("Finals"));
    Frame("series_triangular.png");
    for (int i = 0; i < SERIES_ROW_SPOTS; ++i) EXPECT_EQ(Overview().m_rows[i]->mb_visible != 0, i < 3) << i;
    Tap(Overview().m_rows[0]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_COUNTRY);
    EXPECT_EQ(SubjectOf(SCREEN_COUNTRY).m_id, 3);
}

TEST_F(SeriesOverviewTest, ScheduleScrollsOnlyPastTwelveRows) {
    for (int count : {12, 13}) {
        g_world.mv_fixtures.clear();
        g_world.mv_tourSeries.clear();
        AddSeries(602, 1, 2);
        AddFixtures(602, count);
        OpenSeries(602);
        Tap(Overview().m_tabs[SO::TAB_SCHEDULE]);
        ASSERT_EQ(Overview().Page(), SERIES_PAGE_SCHEDULE);
        EXPECT_EQ(Overview().m_scroll->mb_visible != 0, count > 12) << count;
        EXPECT_TRUE(Shows("at ")) << "the ground line";
        Tap(Overview().m_tabs[SO::TAB_OVERVIEW]);
        EXPECT_FALSE(Overview().m_scroll->mb_visible) << "only on the schedule";
    }
}

TEST_F(SeriesOverviewTest, StatisticsListIsRememberedAndNamedOnEntry) {
    AddSeries(601, 1, 2);
    OpenSeries(601);
    Tap(Overview().m_tabs[SO::TAB_STATS]);
    EXPECT_TRUE(Shows("No player statistics are available to display."));
    Choose(Overview().m_comboStats, 8);
    EXPECT_EQ(Overview().StatsList(), PLAYER_LIST_BOWLING);
    EXPECT_TRUE(Shows("Bowling averages"));
    EXPECT_TRUE(Shows("10w")) << "Test series hauls";
    m_game->ChangeScreen(SCREEN_NEWS);
    OpenSeries(601);
    EXPECT_EQ(Overview().Page(), SERIES_PAGE_STATS);
    EXPECT_STREQ(Overview().m_comboStats->m_caption, "Bowling averages");
}

TEST_F(SeriesOverviewTest, UnknownSeriesShowsANoticeNotAnotherSeries) {
    AddSeries(601, 1, 2);
    OpenSeries(777);
    EXPECT_TRUE(Shows("No record of this series is held"));
    EXPECT_FALSE(Shows("Averland"));
}

class RecordsScreenTest : public CompetitionWorldTest {
protected:
    void SetUp() override {
        CompetitionWorldTest::SetUp();
        for (int kind = RECORDS_FIRST_CLASS; kind <= RECORDS_ODI; ++kind) {
            RecordsTable t;
            t.m_kind = kind;
            g_world.mv_records.push_back(t);
        }
    }
    static RecordEntry Entry(int value, int wickets, int flag) {
        RecordEntry e;
        e.m_value = value;
        e.m_wickets = wickets;
        e.m_flag = flag;
        e.m_matchText = "Northfield vs Saltmarsh";
        e.m_groundText = "Long Meadow";
        e.m_seasonText = "2006";
        e.m_teamText = "Northfield";
        return e;
    }
};

TEST_F(RecordsScreenTest, ValueTexts) {
    struct Case {
        int section, value, value2, wickets, flag;
        const char* text;
    };
    const Case cases[] = {
        {REC_HIGHEST_TOTAL, 652, 0, 7, INNINGS_DECLARED, "652/7 dec"},
        {REC_HIGHEST_TOTAL, 245, 0, 10, INNINGS_ALL_OUT, "245"},
        {REC_HIGHEST_TOTAL, 301, 0, 4, 0, "301/4"},
        {REC_HIGHEST_FOURTH_INNINGS, 418, 0, 7, 0, "418/7"},
        {REC_LOWEST_TOTAL, 26, 0, 10, INNINGS_ALL_OUT, "26"},
        {REC_HIGHEST_SCORE, 204, 0, 0, 1, "204*"},
        {REC_HIGHEST_SCORE, 198, 0, 0, 0, "198"},
        {REC_BEST_BOWLING, 9, 28, 9, 0, "9/28"},
        {REC_PARTNERSHIPS, 305, 0, 10, 0, "305*"},
        {REC_PARTNERSHIPS, 281, 0, 9, 1, "281"},
        {REC_FASTEST_FIFTY, 13, 0, 0, 0, "13"},
    };
    for (const Case& c : cases) {
        RecordEntry e = Entry(c.value, c.wickets, c.flag);
        e.m_value2 = c.value2;
        EXPECT_EQ(RecordValueText(c.section, e), c.text) << c.section << " " << c.value;
    }
}

TEST_F(RecordsScreenTest, HighestTotalsThenPartnershipsWithTenWicketLabels) {
    auto& totals = g_world.mv_records[0].Section(REC_HIGHEST_TOTAL);
    totals[0] = Entry(652, 7, INNINGS_DECLARED);
    totals[1] = Entry(601, 10, INNINGS_ALL_OUT);
    OpenRecordsScreen(RECORDS_FIRST_CLASS, REC_HIGHEST_TOTAL);
    Idle(2);
    ASSERT_EQ(m_game->m_screenId, SCREEN_RECORDS);
    EXPECT_TRUE(Shows("Highest Innings Total"));
    EXPECT_TRUE(Shows("First Class Records"));
    const DrawnText* second = FindExact("601");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->y, 175);
    EXPECT_TRUE(Shows("652/7 dec"));
    EXPECT_EQ(Find("Long Meadow") != nullptr, true);
    Frame("records_totals.png");

    auto& stands = g_world.mv_records[0].Section(REC_PARTNERSHIPS);
    stands[2] = Entry(305, 3, 0);
    stands[2].m_playerText = "Ann Hale";
    stands[2].m_player2Text = "Tom Fletcher";
    OpenRecordsScreen(RECORDS_FIRST_CLASS, REC_PARTNERSHIPS);
    Idle(2);
    EXPECT_TRUE(Shows("Partnership Records"));
    for (const char* label : {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th"}) {
        const DrawnText* t = FindExact(label);
        ASSERT_NE(t, nullptr) << label;
        EXPECT_EQ(t->colour, TEXT_YELLOW);
    }
    const DrawnText* runs = FindExact("305*");
    ASSERT_NE(runs, nullptr);
    EXPECT_EQ(runs->y, 150 + 47 * 2) << "on the third wicket's line";
    EXPECT_TRUE(Shows("Tom Fletcher"));
    const DrawnText* match = Find("Northfield vs Saltmarsh");
    ASSERT_NE(match, nullptr);
    EXPECT_EQ(match->y, runs->y + 22);
    Frame("records_partnerships.png");
}

TEST_F(RecordsScreenTest, LongTextsStayInTheirColumns) {
    // Bright text pixels in the four columns of pixels before a column.
    auto textBefore = [this](int columnX, int y) {
        int count = 0;
        for (int x = columnX - 4; x < columnX; ++x)
            for (int row = y; row < y + 20; ++row) {
                const uint32_t p = m_system->Screen().Pixel(x, row);
                count += ((p >> 16) & 0xff) > 0xc0 && ((p >> 8) & 0xff) > 0xc0 && (p & 0xff) > 0xc0;
            }
        return count;
    };
    const struct {
        int m_section;
        int m_value;
        int m_wickets;
        int m_matchX;
    } cases[] = {{REC_HIGHEST_TOTAL, 652, 7, 490},
                 {REC_HIGHEST_SCORE, 204, 0, 500},
                 {REC_LOWEST_AGGREGATE, 1234, 0, 490},
                 {REC_PARTNERSHIPS, 305, 1, 580}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.m_section);
        RecordEntry e = Entry(c.m_value, c.m_wickets, 0);
        e.m_groundText = "Antigua Recreation Ground";
        e.m_matchText = "Trinidad and Tobago vs Leeward Islands";
        e.m_teamText = "Trinidad and Tobago";
        e.m_playerText = "Shivnarine Ramnarinesingh";
        e.m_player2Text = "Chandrikapersad Ramdhanie";
        g_world.mv_records[0].Section(c.m_section)[0] = e;
        OpenRecordsScreen(RECORDS_FIRST_CLASS, c.m_section);
        Idle(2);
        ASSERT_TRUE(Shows("Antigua Rec"));
        EXPECT_TRUE(Shows("Trinidad"));
        EXPECT_EQ(textBefore(940, 150), 0) << "the ground runs into the season";
        EXPECT_EQ(textBefore(790, 150), 0) << "the match runs into the ground";
        EXPECT_EQ(textBefore(c.m_matchX, 150), 0) << "a name runs into the next column";
    }
    Frame("records_long_texts.png");
}

TEST_F(RecordsScreenTest, UnknownKindKeepsTheTableAndUnknownSectionDrawsNoRows) {
    g_world.mv_records[1].Section(REC_HIGHEST_TOTAL)[0] = Entry(700, 8, 0);
    g_world.mv_records[0].Section(REC_PARTNERSHIPS)[0] = Entry(400, 1, 1);
    OpenRecordsScreen(RECORDS_TEST, REC_HIGHEST_TOTAL);
    Idle(2);
    EXPECT_TRUE(Shows("Test Match Records"));
    EXPECT_TRUE(Shows("700/8"));
    OpenRecordsScreen(0, 0);
    Idle(2);
    EXPECT_EQ(TheScreen<CRecordsScreen>().Kind(), RECORDS_TEST);
    EXPECT_TRUE(Shows("Test Match Records"));
    EXPECT_FALSE(Shows("700/8"));
    EXPECT_FALSE(Shows("Partnership Records")) << "never the first section in its place";
    EXPECT_FALSE(Shows("400"));
}

}  // namespace
}  // namespace ravel
