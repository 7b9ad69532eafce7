// The competition, series and records screens as a new user meets them in
// the built world: a career started through season/Career, the world run on
// by the auto-simulation's day step until his league has results, then the
// side bar's menus and the screens' tabs, drop-downs and rows.
#include <algorithm>
#include <string>

#include "CompetitionFixture.h"
#include "match/Match.h"
#include "match/MatchLists.h"
#include "screens/menus/FixtureRows.h"
#include "screens/menus/RecordsScreen.h"
#include "screens/menus/ScreenControls.h"
#include "season/Career.h"
#include "season/DayMachine.h"
#include "shell/gui/Button.h"
#include "shell/gui/SideBar.h"
#include "world/Random.h"

namespace ravel {
namespace {

using CS = CCompetitionScreen;
using SO = CSeriesOverviewScreen;
using SB = CSideBar;

// The world runs until the user's league has this many results, enough for
// every list of the competition screen to have rows, and at least to this
// day of the first season, by which the first Test tour (from day 37) and
// the first one-day tour (from day 44) are under way: 50 days cost a few
// seconds under the sanitizers.
constexpr int RESULTS_WANTED = 6;
constexpr int TOURS_UNDER_WAY_DAY = 50;
// Never beyond this day of the season, whatever the league's calendar.
constexpr int LAST_DAY = 120;

class CompetitionCareerTest : public CompetitionWorldTest {
protected:
    void SetUp() override {
        CompetitionWorldTest::SetUp();
        if (!UseBuiltDatabase()) GTEST_SKIP() << "the world database is not built";
        SeedRand(11);
        LoadWorld();
        PrepareNewCareer();
    }

    // A club league of the side's country running this season.
    static const Competition* LeagueOf(int clubId) {
        for (const Competition& c : g_world.mv_competitions)
            if (c.m_id < COMP_TEST_CHAMPIONSHIP && c.m_kind == COMP_LEAGUE &&
                std::find(c.mv_teams.begin(), c.mv_teams.end(), clubId) != c.mv_teams.end())
                return &c;
        return nullptr;
    }
    static int Results(int competitionId) {
        return static_cast<int>(
            std::count_if(g_completedMatches.begin(), g_completedMatches.end(),
                          [&](const auto& m) { return m->mi_competition == competitionId; }));
    }
    // The day step of the auto-simulation, one whole day a call; questions
    // in the inbox are left for later, as a user who lets the days run does.
    static void RunWorldUntil(int competitionId) {
        g_cricket.m_autoSimulate = 1;
        while (g_cricket.m_date.m_dayOfSeason < LAST_DAY &&
               (g_cricket.m_date.m_dayOfSeason < TOURS_UNDER_WAY_DAY ||
                Results(competitionId) < RESULTS_WANTED)) {
            for (InboxMessage& m : g_userCoaches[0].mv_inbox) m.m_handled = 1;
            AdvanceDay();
        }
        for (int guard = 0; guard < 10 && g_cricket.m_dayPhase != DAY_PHASE_START; ++guard) AdvanceDay();
        g_cricket.m_autoSimulate = 0;
    }
    void Menu(CButton* button, CPopupMenu* menu, const std::string& item) {
        Tap(button);
        ASSERT_TRUE(ChooseMenuItem(menu, item)) << item;
        Idle(2);
    }
};

TEST_F(CompetitionCareerTest, NewUserWalksTheCompetitionSeriesAndRecordsScreens) {
    // His side: the first club that plays this season in a league.
    int club = 0;
    for (const Team& t : g_world.mv_teams) {
        if (CareerOpensWithAutoSimulation(t.m_id) || !LeagueOf(t.m_id)) continue;
        club = t.m_id;
        break;
    }
    ASSERT_GT(club, 0);
    NewCoachRequest request;
    request.m_firstName = "Ann";
    request.m_surname = "Fletcher";
    request.m_sideId = club;
    ASSERT_TRUE(BeginCareer(request));
    const Competition* league = LeagueOf(club);
    const int leagueId = league->m_id;
    RunWorldUntil(leagueId);
    ASSERT_GE(Results(leagueId), 1) << "no results by day " << g_cricket.m_date.m_dayOfSeason;
    m_game->ChangeScreen(SCREEN_NEWS);
    Idle(2);

    // Competitions: his league's table, his side in yellow.
    Menu(SB::s_btnCompetitions, SB::s_menuCompetitions, league->m_name);
    ASSERT_EQ(m_game->m_screenId, SCREEN_COMPETITION);
    EXPECT_EQ(Comp().CompetitionId(), leagueId);
    EXPECT_TRUE(Shows(league->m_name));
    const DrawnText* mine = FindExact(TeamById(club)->m_name);
    ASSERT_NE(mine, nullptr);
    EXPECT_EQ(mine->colour, TEXT_YELLOW);
    Frame("walk_1_league.png");

    // Fixtures: a played row opens its scorecard.
    Tap(Comp().m_tabs[CS::TAB_FIXTURES]);
    ASSERT_EQ(Comp().Page(), COMP_PAGE_FIXTURES);
    Frame("walk_2_fixtures.png");
    const auto fixtures =
        std::count_if(g_world.mv_fixtures.begin(), g_world.mv_fixtures.end(), [&](const Fixture& f) {
            return f.m_competition == leagueId && f.m_date.m_season == g_cricket.m_date.m_season;
        });
    EXPECT_EQ(static_cast<long>(Comp().mv_fixtures.size()), fixtures) << "each match once";
    const auto played = std::find_if(Comp().mv_fixtures.begin(), Comp().mv_fixtures.end(),
                                     [](const FixtureListEntry& r) { return r.m_kind == ROW_COMPLETED; });
    ASSERT_NE(played, Comp().mv_fixtures.end());
    const int row = static_cast<int>(played - Comp().mv_fixtures.begin());
    ASSERT_LT(row, COMP_LIST_ROWS) << "the season's first results are on the first page";
    EXPECT_TRUE(Shows(ResultRuleText(*played)));
    Tap(Comp().m_rows[row]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_SCORECARD);
    EXPECT_EQ(SubjectOf(SCREEN_SCORECARD).m_kind, 1);
    Click(SB::s_btnBack);
    ASSERT_EQ(m_game->m_screenId, SCREEN_COMPETITION);
    EXPECT_EQ(Comp().Page(), COMP_PAGE_FIXTURES) << "the page is kept on the way back";

    // Player Stats: the overall batting averages, then one side's bowling.
    Tap(Comp().m_tabs[CS::TAB_PLAYER_STATS]);
    EXPECT_FALSE(Comp().mv_stats.empty()) << "top scores";
    Choose(Comp().m_comboRecords, 7);
    ASSERT_EQ(Comp().PlayerList(), PLAYER_LIST_BATTING);
    ASSERT_FALSE(Comp().mv_stats.empty());
    for (size_t i = 1; i < Comp().mv_stats.size(); ++i)
        EXPECT_FALSE(StatsRow::BattingOrder(Comp().mv_stats[i], Comp().mv_stats[i - 1])) << i;
    EXPECT_TRUE(Shows("Ave"));
    Frame("walk_3_batting_averages.png");
    Choose(Comp().m_comboRecords, COMP_SIDE_ITEMS + 1);
    EXPECT_EQ(Comp().PlayerList(), PLAYER_LIST_BOWLING);
    EXPECT_EQ(Comp().TeamFilter(), Comp().mv_recordSides.at(0));
    for (const StatsRow& r : Comp().mv_stats) EXPECT_EQ(r.m_side, Comp().TeamFilter());
    Frame("walk_4_side_bowling.png");

    Tap(Comp().m_tabs[CS::TAB_TEAM_STATS]);
    EXPECT_EQ(Comp().TeamList(), STREAK_WON);
    EXPECT_EQ(Comp().mv_streaks.size(), league->mv_standings.size());
    Choose(Comp().m_comboTeamStats, 5);
    EXPECT_FALSE(Comp().mv_innings.empty()) << "highest team totals";
    Frame("walk_5_team_totals.png");
    Tap(Comp().m_tabs[CS::TAB_HISTORY]);
    EXPECT_TRUE(Shows("Winner"));
    Frame("walk_6_history.png");
    Tap(Comp().m_tabs[CS::TAB_RULES]);
    EXPECT_TRUE(Shows("Points for a win"));
    Frame("walk_7_rules.png");

    // World Cricket: the Test Championship, its series and one overview.
    Menu(SB::s_btnWorldCricket, SB::s_menuWorldCricket, "Test Championship");
    ASSERT_EQ(Comp().CompetitionId(), COMP_TEST_CHAMPIONSHIP);
    EXPECT_EQ(Comp().Page(), COMP_PAGE_STANDINGS);
    EXPECT_TRUE(Shows("Explanation"));
    Frame("walk_8_rankings.png");
    Tap(Comp().m_tabs[CS::TAB_RESULTS]);
    ASSERT_EQ(Comp().Page(), COMP_PAGE_PAST_SERIES);
    Frame("walk_9_series.png");
    if (Comp().mv_series.empty()) {
        ADD_FAILURE() << "no Test series begun by day " << g_cricket.m_date.m_dayOfSeason;
    } else {
        const int seriesId = Comp().mv_series[0];
        Tap(Comp().m_rows[0]);
        ASSERT_EQ(m_game->m_screenId, SCREEN_SERIES);
        EXPECT_EQ(Overview().SeriesId(), seriesId);
        EXPECT_EQ(Overview().m_kind, OVERVIEW_TESTS);
        EXPECT_TRUE(Shows("Series overview"));
        Frame("walk_10_overview.png");
        Tap(Overview().m_tabs[SO::TAB_SCHEDULE]);
        EXPECT_FALSE(Overview().mv_schedule.empty());
        Frame("walk_11_schedule.png");
        Tap(Overview().m_tabs[SO::TAB_STATS]);
        EXPECT_TRUE(Shows("Highest Individual Scores"));
        Frame("walk_12_series_stats.png");
    }

    // A running tour or tournament from the World Cricket menu.
    Tap(SB::s_btnWorldCricket);
    Idle();
    std::string running;
    for (const ListItem& item : SB::s_menuWorldCricket->mv_items)
        if (item.m_value >= WORLD_TOUR_BASE && item.m_value < WORLD_TOURNAMENT_END) running = item.m_text;
    Tap(SB::s_btnWorldCricket);
    if (running.empty()) {
        ADD_FAILURE() << "no tour or tournament runs on day " << g_cricket.m_date.m_dayOfSeason;
    } else {
        Menu(SB::s_btnWorldCricket, SB::s_menuWorldCricket, running);
        EXPECT_TRUE(m_game->m_screenId == SCREEN_SERIES || m_game->m_screenId == SCREEN_COMPETITION)
            << running;
        if (m_game->m_screenId == SCREEN_COMPETITION) {
            EXPECT_TRUE(Comp().m_comboStage->mb_visible) << running;
        }
        Frame("walk_13_running.png");
    }

    // Records: first-class highest totals and partnerships.
    Menu(SB::s_btnWorldCricket, SB::s_menuWorldCricket, "Records");
    ASSERT_TRUE(ChooseMenuItem(SB::s_menuRecords, "First Class Records"));
    ASSERT_TRUE(ChooseMenuItem(SB::s_menuFirstClassRecords, "Highest Innings Total"));
    Idle(2);
    ASSERT_EQ(m_game->m_screenId, SCREEN_RECORDS);
    EXPECT_TRUE(Shows("Highest Innings Total"));
    EXPECT_TRUE(Shows("First Class Records"));
    const auto& totals =
        TheScreen<CRecordsScreen>().ShownTable()->mv_sections[RecordsTable::SectionIndex(REC_HIGHEST_TOTAL)];
    EXPECT_TRUE(Shows(RecordValueText(REC_HIGHEST_TOTAL, totals.at(0))));
    Frame("walk_14_highest_totals.png");
    Menu(SB::s_btnWorldCricket, SB::s_menuWorldCricket, "Records");
    ASSERT_TRUE(ChooseMenuItem(SB::s_menuRecords, "First Class Records"));
    ASSERT_TRUE(ChooseMenuItem(SB::s_menuFirstClassRecords, "Highest Partnerships"));
    Idle(2);
    EXPECT_TRUE(Shows("Partnership Records"));
    EXPECT_NE(FindExact("10th"), nullptr);
    Frame("walk_15_partnerships.png");
}

}  // namespace
}  // namespace ravel
