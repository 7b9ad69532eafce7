// The competition screen over a small world: a league of three clubs, a cup,
// an international tournament and the Test championship with a series.
#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "CompetitionFixture.h"
#include "season/Standings.h"
#include "shell/gui/Button.h"
#include "shell/gui/ScrollBar.h"
#include "world/Random.h"

namespace ravel {
namespace {

using CS = CCompetitionScreen;

constexpr int CLUB_C = 1303;
constexpr int CUP = 6;
constexpr int TOURNAMENT = 505;

class CompetitionScreenTest : public CompetitionWorldTest {
protected:
    void SetUp() override {
        CompetitionWorldTest::SetUp();
        AddClub(CLUB_C, "Eastwick");
        Competition& league = g_world.mv_competitions[0];
        league.mv_teams.push_back(CLUB_C);
        league.mv_standings.emplace_back(CLUB_C, LEAGUE);
        league.m_season = FIRST_SEASON;
        league.m_format = FORMAT_LIST_A;
        league.m_promotion = 1;
        league.m_relegation = 1;
        league.m_points[POINTS_WIN] = 4;
        league.mv_standings[1].m_won = 2;  // Saltmarsh top
        league.mv_standings[1].m_points = 8;
        league.mv_standings[0].m_won = 1;
        league.mv_standings[0].m_points = 4;
        Season s;
        s.m_season = FIRST_SEASON;
        std::snprintf(s.m_label, sizeof s.m_label, "2006");
        g_world.mv_seasons.push_back(s);
        s.m_season = FIRST_SEASON + 1;
        std::snprintf(s.m_label, sizeof s.m_label, "2006/07");
        g_world.mv_seasons.push_back(s);
    }

    static Fixture& AddFixture(int competition, int home, int away, int day) {
        Fixture f;
        f.m_id = static_cast<int32_t>(g_world.mv_fixtures.size()) + 1;
        f.m_competition = competition;
        f.m_home = home;
        f.m_away = away;
        f.m_date = GameDate::FromSeasonDay(day, FIRST_SEASON);
        g_world.mv_fixtures.push_back(f);
        return g_world.mv_fixtures.back();
    }
};

TEST_F(CompetitionScreenTest, PageKeptOnlyWhereTheCompetitionHasIt) {
    struct Case {
        int page, id, last, expected;
    };
    const Case cases[] = {
        {COMP_PAGE_RULES, LEAGUE, 7, COMP_PAGE_STANDINGS},  // another competition
        {COMP_PAGE_FIXTURES, LEAGUE, LEAGUE, COMP_PAGE_FIXTURES},
        {COMP_PAGE_HISTORY, LEAGUE, LEAGUE, COMP_PAGE_HISTORY},
        {COMP_PAGE_PLAYER_STATS, LEAGUE, LEAGUE, COMP_PAGE_STANDINGS},
        {COMP_PAGE_TEAM_STATS, LEAGUE, LEAGUE, COMP_PAGE_STANDINGS},
        {COMP_PAGE_RULES, LEAGUE, LEAGUE, COMP_PAGE_STANDINGS},
        {COMP_PAGE_PAST_SERIES, LEAGUE, LEAGUE, COMP_PAGE_STANDINGS},
        {COMP_PAGE_PAST_SERIES, COMP_TEST_CHAMPIONSHIP, COMP_TEST_CHAMPIONSHIP, COMP_PAGE_PAST_SERIES},
        {COMP_PAGE_FUTURE_SERIES, COMP_ODI_CHAMPIONSHIP, COMP_ODI_CHAMPIONSHIP, COMP_PAGE_FUTURE_SERIES},
        {COMP_PAGE_HISTORY, COMP_TEST_CHAMPIONSHIP, COMP_TEST_CHAMPIONSHIP, COMP_PAGE_STANDINGS},
        {COMP_PAGE_HISTORY, TOURNAMENT, TOURNAMENT, COMP_PAGE_HISTORY},
        {COMP_PAGE_PLAYER_STATS, TOURNAMENT, TOURNAMENT, COMP_PAGE_PLAYER_STATS},
        {COMP_PAGE_RULES, TOURNAMENT, TOURNAMENT, COMP_PAGE_STANDINGS},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CS::PageOnEntry(c.page, c.id, c.last), c.expected)
            << c.page << " " << c.id << " " << c.last;
}

TEST_F(CompetitionScreenTest, LeagueTableWithPromotionAndRelegationLines) {
    Appoint(CLUB_A);
    OpenCompetition(LEAGUE);
    ASSERT_EQ(m_game->m_screenId, SCREEN_COMPETITION);
    EXPECT_EQ(Comp().Page(), COMP_PAGE_STANDINGS);
    EXPECT_TRUE(Shows("County League"));
    EXPECT_TRUE(Shows("2006 season"));
    // Sorted on entry: Saltmarsh leads; the user's Northfield is yellow.
    const DrawnText* first = Find("Saltmarsh");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->y, 197);
    const DrawnText* mine = Find("Northfield");
    ASSERT_NE(mine, nullptr);
    EXPECT_EQ(mine->colour, TEXT_YELLOW);
    EXPECT_EQ(mine->y, 237);
    Frame("competition_league.png");
    EXPECT_GT(CountNear(300, 228, 1000, 230, 0xff00ff00u), 500) << "green line under the promotion place";
    EXPECT_GT(CountNear(300, 268, 1000, 270, 0xffff0000u), 500) << "red line over the relegation place";
    for (int i = 0; i < COMP_ROW_SPOTS; ++i) EXPECT_EQ(Comp().m_rows[i]->mb_visible != 0, i < 3) << i;
    Tap(Comp().m_rows[1]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_TEAM);
    EXPECT_EQ(SubjectOf(SCREEN_TEAM).m_id, CLUB_A);
}

TEST_F(CompetitionScreenTest, FixturesRowsAndTheirColours) {
    Appoint(CLUB_A);
    Fixture& played = AddFixture(LEAGUE, CLUB_B, CLUB_C, 5);
    played.m_state = FIXTURE_PLAYED;
    played.m_result[0] = 2;  // won by runs
    played.m_result[1] = 35;
    played.m_result[2] = CLUB_B;
    AddFixture(LEAGUE, CLUB_A, CLUB_B, 12);
    AddFixture(LEAGUE, CLUB_B, CLUB_C, 19);
    OpenCompetition(LEAGUE);
    Tap(Comp().m_tabs[CS::TAB_FIXTURES]);
    ASSERT_EQ(Comp().Page(), COMP_PAGE_FIXTURES);
    ASSERT_EQ(Comp().mv_fixtures.size(), 3u);
    const DrawnText* result = Find("Saltmarsh won by 35 runs");
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->colour, 0xffc8c8c8u);
    const DrawnText* mine = Find("Northfield v Saltmarsh");
    ASSERT_NE(mine, nullptr);
    EXPECT_EQ(mine->colour, TEXT_YELLOW);
    const DrawnText* other = Find("Saltmarsh v Eastwick");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->y, 190) << "earliest first";
    Frame("competition_fixtures.png");
    // A fixture not yet played opens nothing.
    Tap(Comp().m_rows[1]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_COMPETITION);
}

TEST_F(CompetitionScreenTest, LastSeasonsCompetitionShowsItsTableWithTheListsDisabled) {
    Competition& league = g_world.mv_competitions[0];
    league.m_status = COMP_NOT_RUNNING;
    g_cricket.m_date = GameDate::FromSeasonDay(10, FIRST_SEASON + 1);
    OpenCompetition(LEAGUE);
    EXPECT_TRUE(Shows("There are currently no results or standings for this competition"));
    EXPECT_TRUE(Shows("Eastwick"));
    for (CS::Tab tab : {CS::TAB_FIXTURES, CS::TAB_PLAYER_STATS, CS::TAB_TEAM_STATS})
        EXPECT_TRUE(Comp().m_tabs[tab]->mb_disabled) << tab;
    EXPECT_FALSE(Comp().m_tabs[CS::TAB_HISTORY]->mb_disabled);
    for (CHotSpot* row : Comp().m_rows) EXPECT_FALSE(row->mb_visible) << "rows of a table not running";
}

TEST_F(CompetitionScreenTest, CupTiesWithTheirResultLines) {
    Competition cup;
    cup.m_id = CUP;
    std::snprintf(cup.m_name, sizeof cup.m_name, "County Cup");
    cup.m_kind = COMP_KNOCKOUT;
    cup.m_status = COMP_RUNNING;
    cup.m_season = FIRST_SEASON;
    std::fill(std::begin(cup.m_knockout), std::end(cup.m_knockout), -1);
    cup.m_knockout[8] = CLUB_A;  // the first semi-final
    cup.m_knockout[9] = CLUB_B;
    cup.m_knockout[10] = CLUB_C;
    cup.m_knockout[11] = 1304;
    g_world.mv_competitions.push_back(cup);
    AddClub(1304, "Westbury");
    Fixture& f = AddFixture(CUP, CLUB_B, CLUB_A, 40);
    f.m_state = FIXTURE_PLAYED;
    f.m_result[0] = 1;
    f.m_result[1] = 4;
    f.m_result[2] = CLUB_B;
    OpenCompetition(CUP);
    const DrawnText* heading = Find("Semi Finals");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->y, 150) << "the first round drawn leads";
    const DrawnText* result = Find("Saltmarsh won by 4 wkts");
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->y, 190);
    EXPECT_NE(Find("beat"), nullptr);
    const DrawnText* final = FindExact("Final");
    ASSERT_NE(final, nullptr);
    EXPECT_EQ(final->y, 280);
    EXPECT_FALSE(Shows("Quarter Finals"));
    Frame("competition_cup.png");
    EXPECT_TRUE(Comp().m_rows[4]->mb_visible);
    EXPECT_TRUE(Comp().m_rows[5]->mb_visible);
    EXPECT_FALSE(Comp().m_rows[6]->mb_visible) << "the final is not drawn";
    Tap(Comp().m_rows[5]);  // a tie without a fixture opens nothing
    EXPECT_EQ(m_game->m_screenId, SCREEN_COMPETITION);
}

TEST_F(CompetitionScreenTest, TournamentGroupsAndStages) {
    Competition c;
    c.m_id = TOURNAMENT;
    std::snprintf(c.m_name, sizeof c.m_name, "World Cup");
    c.m_format = FORMAT_ODI;
    g_world.mv_competitions.push_back(c);
    InternationalTournament t;
    t.m_id = TOURNAMENT;
    t.m_competition = TOURNAMENT;
    t.m_year = 2007;
    t.m_season = FIRST_SEASON;
    t.m_host = 3;
    t.m_running = 1;
    t.m_superEight = 1;
    t.m_stage = TSTAGE_SUPER_EIGHT;
    t.mv_groups = {{StandingsRow(1, TOURNAMENT), StandingsRow(2, TOURNAMENT)}, {StandingsRow(3, TOURNAMENT)}};
    t.mv_groups[0][1].m_won = 1;
    t.mv_groups[0][1].m_points = 2;
    t.mv_superEight = {StandingsRow(2, TOURNAMENT), StandingsRow(3, TOURNAMENT)};
    g_world.mv_tournaments.push_back(t);
    OpenCompetition(TOURNAMENT);
    EXPECT_TRUE(Shows("World Cup 2007"));
    EXPECT_TRUE(Shows("In Castria"));
    EXPECT_EQ(Comp().m_stage, SHOWN_SUPER_EIGHT);
    EXPECT_STREQ(Comp().m_comboStage->m_caption, "Super Eight");
    EXPECT_TRUE(Shows("Super Eight Stage"));
    EXPECT_FALSE(Comp().m_tabs[CS::TAB_RULES]->mb_visible);
    EXPECT_EQ(Comp().m_tabs[CS::TAB_HISTORY]->m_x, 847);
    Choose(Comp().m_comboStage, COMP_SIDE_ITEMS);
    EXPECT_EQ(Comp().m_stage, SHOWN_GROUPS);
    EXPECT_EQ(Comp().m_group, 0);
    EXPECT_STREQ(Comp().m_comboStage->m_caption, "Group 1");
    const DrawnText* leader = Find("Brenmoor");
    ASSERT_NE(leader, nullptr);
    EXPECT_EQ(leader->y, 210) << "sorted by points";
    Frame("competition_group.png");
    EXPECT_TRUE(Comp().m_rows[1]->mb_visible);
    EXPECT_FALSE(Comp().m_rows[2]->mb_visible);
    EXPECT_EQ(Comp().m_rows[1]->m_y, 235);
    Tap(Comp().m_rows[1]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_COUNTRY);
    EXPECT_EQ(SubjectOf(SCREEN_COUNTRY).m_id, 1);
}

TEST_F(CompetitionScreenTest, RankingsAndTheirSeries) {
    Competition tests;
    tests.m_id = COMP_TEST_CHAMPIONSHIP;
    std::snprintf(tests.m_name, sizeof tests.m_name, "Test Championship");
    tests.mv_standings = {StandingsRow(1, 500), StandingsRow(2, 500)};
    tests.mv_standings[0].m_testCount = 8;
    tests.mv_standings[0].m_testPoints = 900;
    g_world.mv_competitions.push_back(tests);
    TourSeries s;
    s.m_id = 601;
    s.m_competition = COMP_TEST_CHAMPIONSHIP;
    s.m_home = 1;
    s.m_away = 2;
    s.m_homeWins = 1;
    s.m_startMonth = 5;
    s.m_startYear = 2006;
    g_world.mv_tourSeries.push_back(s);
    Tour tour;
    tour.m_id = 1;
    tour.m_series = 601;
    tour.m_state = TOUR_RUNNING;
    tour.m_host = 1;
    tour.m_visitor = 2;
    g_world.mv_tours.push_back(tour);
    OpenCompetition(COMP_TEST_CHAMPIONSHIP);
    EXPECT_STREQ(Comp().m_tabs[CS::TAB_STANDINGS]->m_caption, "Rankings");
    EXPECT_FALSE(Comp().m_tabs[CS::TAB_PLAYER_STATS]->mb_visible);
    const DrawnText* rating = Find("112");  // 900 / 8
    ASSERT_NE(rating, nullptr);
    EXPECT_EQ(rating->colour, TEXT_YELLOW);
    EXPECT_TRUE(Shows("Explanation"));
    EXPECT_TRUE(Shows("close to 100"));
    Frame("competition_rankings.png");
    Tap(Comp().m_tabs[CS::TAB_FIXTURES]);
    EXPECT_EQ(Comp().Page(), COMP_PAGE_FUTURE_SERIES);
    EXPECT_TRUE(Shows("No fixtures to show"));
    EXPECT_TRUE(Comp().m_btnPrevious->mb_disabled) << "at the current season";
    EXPECT_FALSE(Comp().m_btnNext->mb_disabled);
    Tap(Comp().m_btnNext);
    EXPECT_EQ(Comp().m_seriesSeason, FIRST_SEASON + 1);
    EXPECT_TRUE(Comp().m_btnNext->mb_disabled) << "at the last season of the table";
    EXPECT_FALSE(Comp().m_btnPrevious->mb_disabled);
    Tap(Comp().m_tabs[CS::TAB_RESULTS]);
    ASSERT_EQ(Comp().Page(), COMP_PAGE_PAST_SERIES);
    EXPECT_TRUE(Shows("Averland hosted Brenmoor"));
    EXPECT_TRUE(Shows("May 2006"));
    Tap(Comp().m_rows[0]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_SERIES);
    EXPECT_EQ(SubjectOf(SCREEN_SERIES).m_id, 601);
}

TEST_F(CompetitionScreenTest, RecordsItemOfASideFiltersTheAverages) {
    OpenCompetition(LEAGUE);
    Tap(Comp().m_tabs[CS::TAB_PLAYER_STATS]);
    ASSERT_EQ(Comp().Page(), COMP_PAGE_PLAYER_STATS);
    EXPECT_TRUE(Comp().m_comboRecords->mb_visible);
    EXPECT_TRUE(Shows("No statistics available"));
    ASSERT_EQ(Comp().m_comboRecords->ItemCount(), 7 + 2 * 3);
    EXPECT_STREQ(Comp().m_comboRecords->mv_items[10].m_text, "Saltmarsh Bowling");
    Choose(Comp().m_comboRecords, COMP_SIDE_ITEMS + 3);
    EXPECT_EQ(Comp().PlayerList(), PLAYER_LIST_BOWLING);
    EXPECT_EQ(Comp().TeamFilter(), CLUB_B);
    EXPECT_EQ(Comp().m_filter.mv_teams, std::vector<int32_t>{CLUB_B});
    EXPECT_STREQ(Comp().m_comboRecords->m_caption, "Saltmarsh Bowling");
    EXPECT_TRUE(Shows("5w")) << "limited-overs hauls";
    Choose(Comp().m_comboRecords, 7);
    EXPECT_EQ(Comp().PlayerList(), PLAYER_LIST_BATTING);
    EXPECT_EQ(Comp().TeamFilter(), -1);
    EXPECT_TRUE(Comp().m_filter.mv_teams.empty());
    // Away and back: the statistics page falls back to the standings.
    m_game->ChangeScreen(SCREEN_NEWS);
    OpenCompetition(LEAGUE);
    EXPECT_EQ(Comp().Page(), COMP_PAGE_STANDINGS);
}

TEST_F(CompetitionScreenTest, StreaksSortTheScreensCopy) {
    Competition& league = g_world.mv_competitions[0];
    league.mv_standings[2].m_loseRun = 3;
    OpenCompetition(LEAGUE);
    Tap(Comp().m_tabs[CS::TAB_TEAM_STATS]);
    Choose(Comp().m_comboTeamStats, 2);
    ASSERT_EQ(Comp().TeamList(), STREAK_LOST);
    ASSERT_FALSE(Comp().mv_streaks.empty());
    EXPECT_EQ(Comp().mv_streaks[0].m_team, CLUB_C);
    EXPECT_EQ(league.mv_standings[0].m_team, CLUB_B) << "the competition's table keeps its order";
    const DrawnText* games = FindExact("Games");
    ASSERT_NE(games, nullptr);
    Choose(Comp().m_comboTeamStats, 6);
    EXPECT_EQ(Comp().TeamList(), TEAM_LIST_LOWEST);
    EXPECT_TRUE(Shows("No statistics available"));
}

TEST_F(CompetitionScreenTest, HistoryAndRules) {
    Competition& league = g_world.mv_competitions[0];
    league.mv_history = {{FIRST_SEASON, CLUB_A, CLUB_B}, {FIRST_SEASON + 1, HISTORY_NOT_HELD, 0}};
    league.m_length = 50;
    OpenCompetition(LEAGUE);
    Tap(Comp().m_tabs[CS::TAB_HISTORY]);
    EXPECT_TRUE(Shows("Runner-up"));
    const DrawnText* absent = Find("No competition");
    ASSERT_NE(absent, nullptr);
    EXPECT_EQ(absent->colour, TEXT_YELLOW);
    EXPECT_TRUE(Shows("2006/07"));
    Tap(Comp().m_tabs[CS::TAB_RULES]);
    EXPECT_TRUE(Shows("50 overs per side"));
    EXPECT_TRUE(Shows("4 points"));
    const DrawnText* window = Find("Season window");
    ASSERT_NE(window, nullptr);
    const DrawnText* value = nullptr;
    for (const DrawnText& t : Texts())
        if (t.y == window->y && t.x == 600) value = &t;
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->text, "-") << "a competition without round dates";
    league.mv_rounds = {{0, LEAGUE, 30}, {1, LEAGUE, 9}};
    EXPECT_TRUE(Shows("10.4.2006 to 1.5.2006"));
    league.mv_history.clear();
    Tap(Comp().m_tabs[CS::TAB_HISTORY]);
    EXPECT_TRUE(Shows("No history is currently available"));
}

TEST_F(CompetitionScreenTest, HistoryReadsNewestFirstWhateverOrderItWasKeptIn) {
    // As the world reads it, newest first; then the seasons played since.
    const int seasons[] = {FIRST_SEASON - 1, FIRST_SEASON - 3, FIRST_SEASON - 2, FIRST_SEASON,
                           FIRST_SEASON + 1};
    Competition& league = g_world.mv_competitions[0];
    for (int season : seasons) league.mv_history.push_back({season, CLUB_A, CLUB_B});
    OpenCompetition(LEAGUE);
    Tap(Comp().m_tabs[CS::TAB_HISTORY]);
    std::vector<std::pair<int, std::string>> rows;
    for (const DrawnText& t : Texts())
        if (t.x == 230 && t.y >= 190) rows.emplace_back(t.y, t.text);
    std::sort(rows.begin(), rows.end());
    std::vector<std::string> shown;
    for (const auto& row : rows) shown.push_back(row.second);
    std::vector<std::string> expected;
    for (int season = FIRST_SEASON + 1; season >= FIRST_SEASON - 3; --season)
        expected.push_back(SeasonLabel(season));
    EXPECT_EQ(shown, expected);
}

TEST_F(CompetitionScreenTest, UnknownCompetitionShowsANoticeAndNoRows) {
    OpenCompetition(77);
    ASSERT_EQ(m_game->m_screenId, SCREEN_COMPETITION);
    EXPECT_TRUE(Shows("No record of this competition is held"));
    EXPECT_FALSE(Shows("County League")) << "never the first record";
    for (CHotSpot* row : Comp().m_rows) EXPECT_FALSE(row->mb_visible);
}

}  // namespace
}  // namespace ravel
