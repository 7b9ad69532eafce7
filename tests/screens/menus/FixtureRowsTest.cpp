// The cell texts of fixture, result and records rows on a small world of two
// clubs, two countries, a ground and a few completed matches.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "screens/menus/FixtureRows.h"
#include "season/GameState.h"
#include "world/World.h"

namespace ravel {
namespace {

constexpr int HOME = 1301;
constexpr int AWAY = 1302;

class FixtureRowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        AddTeam(HOME, "Northfield", "NOR");
        AddTeam(AWAY, "Saltmarsh", "SAL");
        AddCountry(3, "Averland", "AVE");
        AddCountry(4, "Brenmoor", "BRE");
        Ground g;
        g.m_id = 7;
        std::snprintf(g.m_name, sizeof g.m_name, "Mill Lane");
        std::snprintf(g.m_town, sizeof g.m_town, "Northfield");
        g_world.mv_grounds.push_back(g);
        Competition c;
        c.m_id = 4;
        std::snprintf(c.m_name, sizeof c.m_name, "County League");
        std::snprintf(c.m_shortName, sizeof c.m_shortName, "CL");
        c.m_format = FORMAT_LIST_A;
        g_world.mv_competitions.push_back(c);
    }
    void TearDown() override { ResetGameState(); }

    static void AddTeam(int id, const char* name, const char* shortName) {
        Team t;
        t.m_id = id;
        std::snprintf(t.m_name, sizeof t.m_name, "%s", name);
        std::snprintf(t.m_shortName, sizeof t.m_shortName, "%s", shortName);
        g_world.mv_teams.push_back(t);
    }
    static void AddCountry(int id, const char* name, const char* shortName) {
        Country c;
        c.m_id = id;
        std::snprintf(c.m_name, sizeof c.m_name, "%s", name);
        std::snprintf(c.m_shortName, sizeof c.m_shortName, "%s", shortName);
        g_world.mv_countries.push_back(c);
    }
    // A completed match of the two clubs with the result given.
    static void AddMatch(int id, int type, int winner, int loser, int kind, int margin) {
        auto m = std::make_unique<Match>();
        m->mi_id = id;
        m->mi_competition = 4;
        m->mi_team1 = HOME;
        m->mi_team2 = AWAY;
        m->mi_matchType = type;
        m->mi_winner = winner;
        m->mi_loser = loser;
        m->mi_resultKind = kind;
        m->mi_margin = margin;
        m->m_startDate.m_day = 12;
        m->m_startDate.m_month = 4;
        m->m_startDate.m_year = 2006;
        g_completedMatches.push_back(std::move(m));
    }
    static FixtureListEntry Row(int kind, int match) {
        FixtureListEntry e;
        e.m_kind = kind;
        e.m_match = match;
        e.m_home = HOME;
        e.m_away = AWAY;
        e.m_competition = 4;
        e.m_ground = 7;
        return e;
    }
    // A fixture played earlier whose result the fixture keeps.
    static FixtureListEntry PlayedRow(int kind, int margin, int winner) {
        Fixture f;
        f.m_home = HOME;
        f.m_away = AWAY;
        f.m_competition = 4;
        f.m_result[0] = kind;
        f.m_result[1] = margin;
        f.m_result[2] = winner;
        g_world.mv_fixtures.push_back(f);
        FixtureListEntry e = Row(ROW_PLAYED, -1);
        e.m_fixture = static_cast<int>(g_world.mv_fixtures.size()) - 1;
        return e;
    }
};

TEST_F(FixtureRowsTest, CompletedMatchReadsTheSameResultThreeWays) {
    struct Case {
        int type, winner, loser, kind, margin;
        const char* verb;
        const char* description;
        const char* homeView;
        const char* awayView;
        const char* headline;
    };
    const Case cases[] = {
        {FORMAT_LIST_A, HOME, AWAY, RESULT_WON_BATTING_LAST, 5, "beat",
         "Northfield beat Saltmarsh by 5 wickets", "Won by 5 wickets", "Lost by 5 wickets",
         "Northfield won by 5 wkts"},
        {FORMAT_LIST_A, AWAY, HOME, RESULT_WON_BOWLING_LAST, 23, "lost to",
         "Saltmarsh beat Northfield by 23 runs", "Lost by 23 runs", "Won by 23 runs",
         "Saltmarsh won by 23 runs"},
        {FORMAT_LIST_A, -1, -1, RESULT_TIE, 0, "drew with", "Northfield tied with Saltmarsh", "Match tied",
         "Match tied", "Match Tied"},
        {FORMAT_LIST_A, -1, -1, RESULT_NO_RESULT, 0, "drew with", "Match Abandoned", "No result", "No result",
         "No result"},
        {FORMAT_LIST_A, HOME, AWAY, RESULT_WON_BOWLING_LAST, MARGIN_RUN_RATE, "beat",
         "Northfield beat Saltmarsh by better run rate", "Won on better run rate", "Lost on worse run rate",
         "Northfield won on better run rate"},
        {FORMAT_FIRST_CLASS, -1, -1, RESULT_TIE, 0, "drew with", "Match Tied", "Match Tied", "Match Tied",
         "Match Tied"},
        {FORMAT_FIRST_CLASS, -1, -1, RESULT_DRAW, 0, "drew with", "Match Drawn", "Match Drawn", "Match Drawn",
         "Match Drawn"},
        {FORMAT_FIRST_CLASS, AWAY, HOME, RESULT_WON_BY_INNINGS, 41, "lost to",
         "Saltmarsh beat Northfield by an innings and 41 runs", "Lost by an inns and 41 runs",
         "Won by an inns and 41 runs", "Saltmarsh won by an inns and 41 runs"},
        {FORMAT_FIRST_CLASS, HOME, AWAY, RESULT_WON_BOWLING_LAST, MARGIN_FIRST_INNINGS_TOTAL, "beat",
         "Northfield beat Saltmarsh on first innings total", "Won on first innings total",
         "Lost on first innings total", "Northfield won first innings total"},
    };
    int id = 10;
    for (const Case& c : cases) {
        AddMatch(id, c.type, c.winner, c.loser, c.kind, c.margin);
        const FixtureListEntry row = Row(ROW_COMPLETED, id);
        EXPECT_EQ(ResultVerb(row), c.verb) << c.description;
        EXPECT_EQ(ResultDescription(row), c.description);
        EXPECT_EQ(ResultForTeam(row, HOME), c.homeView) << c.description;
        EXPECT_EQ(ResultForTeam(row, AWAY), c.awayView) << c.description;
        EXPECT_EQ(ResultRuleText(row), c.headline) << c.description;
        ++id;
    }
}

TEST_F(FixtureRowsTest, PlayedFixtureReadsItsOwnResult) {
    struct Case {
        int kind, margin, winner;
        const char* verb;
        const char* awayView;
        const char* headline;
    };
    const Case cases[] = {
        {RESULT_WON_BATTING_LAST, 3, HOME, "beat", "Lost by 3 wickets", "Northfield won by 3 wkts"},
        {RESULT_WON_BY_INNINGS, 12, AWAY, "lost to", "Won by an inns and 12 runs",
         "Saltmarsh won by an innings and 12 runs"},
        {RESULT_WON_BOWLING_LAST, MARGIN_FEWER_WICKETS, HOME, "beat", "Lost on number of wickets down",
         "Northfield won by less wickets down"},
        {RESULT_DRAW, 0, -1, "drew with", "Match Drawn", "Match Drawn"},
        {RESULT_TIE, 0, -1, "drew with", "Match Tied", "Match Tied"},
    };
    for (const Case& c : cases) {
        const FixtureListEntry row = PlayedRow(c.kind, c.margin, c.winner);
        EXPECT_EQ(ResultVerb(row), c.verb) << c.headline;
        EXPECT_EQ(ResultForTeam(row, AWAY), c.awayView) << c.headline;
        EXPECT_EQ(ResultRuleText(row), c.headline);
        EXPECT_EQ(ResultDescription(row), "-") << c.headline;
    }
}

TEST_F(FixtureRowsTest, ScheduledAndLiveRows) {
    const FixtureListEntry scheduled = Row(ROW_SCHEDULED, -1);
    EXPECT_EQ(ResultVerb(scheduled), "vs");
    EXPECT_EQ(ResultDescription(scheduled), "-");
    EXPECT_EQ(ResultForTeam(scheduled, HOME), "-");
    EXPECT_EQ(ResultRuleText(scheduled), "-");
    const FixtureListEntry live = Row(ROW_IN_PROGRESS, 3);
    EXPECT_EQ(ResultVerb(live), "vs");
    EXPECT_EQ(ResultDescription(live), "In progress");
    EXPECT_EQ(ResultForTeam(live, HOME), "In progress");
    EXPECT_EQ(ResultRuleText(live), "In progress");
    EXPECT_EQ(ResultVerb(Row(ROW_IN_PROGRESS, -1)), "are playing");
}

TEST_F(FixtureRowsTest, MatchNoLongerHeldReadsNoOtherMatch) {
    AddMatch(5, FORMAT_LIST_A, HOME, AWAY, RESULT_WON_BATTING_LAST, 4);
    // Match 9 was cleared at the season's turn; match 5, first in the
    // list, must not stand in.
    const FixtureListEntry gone = Row(ROW_COMPLETED, 9);
    EXPECT_EQ(ResultDescription(gone), "-");
    EXPECT_EQ(ResultForTeam(gone, HOME), "-");
    EXPECT_EQ(ResultRuleText(gone), "-");
    EXPECT_EQ(FindCompletedMatchIndex(9), -1);
    EXPECT_EQ(FindCompletedMatchIndex(5), 0);
    TeamInningsRow innings;
    innings.m_match = 9;
    EXPECT_EQ(InningsMatchTitle(innings), "-");
}

TEST_F(FixtureRowsTest, AGroundNamesItsTownOnce) {
    const struct {
        const char* m_name;
        const char* m_town;
        const char* m_text;
    } cases[] = {{"County Ground, Derby", "Derby", "County Ground, Derby"},
                 {"Old Trafford", "Manchester", "Old Trafford, Manchester"},
                 {"Derby Road", "Derby", "Derby Road, Derby"},
                 {"Park, Northderby", "Derby", "Park, Northderby, Derby"}};
    Ground& g = g_world.mv_grounds[0];
    const FixtureListEntry row = Row(ROW_SCHEDULED, -1);
    for (const auto& c : cases) {
        std::snprintf(g.m_name, sizeof g.m_name, "%s", c.m_name);
        std::snprintf(g.m_town, sizeof g.m_town, "%s", c.m_town);
        EXPECT_EQ(GroundText(row), c.m_text);
    }
}

TEST_F(FixtureRowsTest, NamesGroundDatesAndLabels) {
    FixtureListEntry row = Row(ROW_SCHEDULED, -1);
    EXPECT_EQ(MatchTitle(row), "Northfield v Saltmarsh");
    EXPECT_EQ(HomeTeamName(row), "Northfield");
    EXPECT_EQ(AwayTeamName(row), "Saltmarsh");
    EXPECT_EQ(GroundText(row), "Mill Lane, Northfield");
    EXPECT_EQ(GroundPlace(row), "Northfield");
    row.m_home = 3;
    row.m_away = 4;
    row.m_competition = 601;
    EXPECT_EQ(MatchTitle(row), "Averland v Brenmoor");
    // A championship table's row has no title, not the one asked for before.
    row.m_competition = COMP_TEST_CHAMPIONSHIP;
    EXPECT_EQ(MatchTitle(row), "");
    row.m_competition = 601;

    struct DateCase {
        int startDay, startMonth, endDay, endMonth;
        const char* text;
    };
    for (const DateCase& d : {DateCase{30, 4, 4, 5, "30 Apr - 4 May"}, DateCase{12, 4, 15, 4, "12 - 15 Apr"},
                              DateCase{12, 4, 12, 4, "12 Apr 2006"}}) {
        row.m_start.m_day = d.startDay;
        row.m_start.m_month = d.startMonth;
        row.m_start.m_year = 2006;
        row.m_end = row.m_start;
        row.m_end.m_day = d.endDay;
        row.m_end.m_month = d.endMonth;
        EXPECT_EQ(DateText(row), d.text);
    }

    // 500 is the Test table and 501 the one-day table.
    const std::pair<int, const char*> labels[] = {{503, "Tour"}, {551, "Test"}, {552, "ODI"},
                                                  {500, "Test"}, {501, "ODI"},  {4, "CL"}};
    for (const auto& [competition, label] : labels) {
        row.m_competition = competition;
        EXPECT_EQ(CompetitionLabel(row), label) << competition;
    }
}

TEST_F(FixtureRowsTest, RecordsRows) {
    AddMatch(8, FORMAT_LIST_A, HOME, AWAY, RESULT_WON_BATTING_LAST, 2);
    g_world.mv_players.resize(2);
    g_world.mv_players[1].m_id = 1;
    std::snprintf(g_world.mv_players[1].m_surname, sizeof g_world.mv_players[1].m_surname, "Ashdown");
    std::snprintf(g_world.mv_players[1].m_initials, sizeof g_world.mv_players[1].m_initials, "RJ");

    PerformanceRow perf;
    perf.m_player = 1;
    perf.m_match = 8;
    perf.m_side = AWAY;
    perf.m_first = 104;
    perf.m_second = 1;
    EXPECT_EQ(PerformancePlayerName(perf), "Ashdown, RJ");
    EXPECT_EQ(PerformanceTeamShortName(perf), "SAL");
    EXPECT_EQ(PerformanceMatchTitle(perf), "Northfield v Saltmarsh");
    EXPECT_EQ(PerformanceMatchDate(perf), "12 Apr 2006");
    EXPECT_EQ(PerformanceScoreText(perf), "104*");
    perf.m_second = 0;
    EXPECT_EQ(PerformanceScoreText(perf), "104");
    perf.m_first = 43;
    perf.m_second = 5;
    EXPECT_EQ(PerformanceBowlingText(perf), "5/43");
    perf.m_first = -1;
    perf.m_side = -1;
    perf.m_player = -1;
    EXPECT_EQ(PerformanceScoreText(perf), "-");
    EXPECT_EQ(PerformanceTeamShortName(perf), "-");
    EXPECT_EQ(PerformancePlayerName(perf), "-");

    TeamInningsRow innings;
    innings.m_match = 8;
    innings.m_side = HOME;
    innings.m_total = 245;
    innings.m_wickets = 10;
    EXPECT_EQ(InningsTotalText(innings), "245");
    innings.m_wickets = 7;
    EXPECT_EQ(InningsTotalText(innings), "245/7");
    EXPECT_EQ(InningsTeamName(innings), "Northfield");
    EXPECT_EQ(InningsMatchDate(innings), "12 Apr 2006");
    innings.m_match = -1;
    EXPECT_EQ(InningsTotalText(innings), "-");
    EXPECT_EQ(InningsTeamName(innings), "-");
}

TEST(FixtureFilterTest, EmptyListsPassEverythingAndFullOnesOnlyTheirIds) {
    FixtureFilter filter;
    EXPECT_TRUE(filter.HasCompetition(7) && filter.HasTeam(1300, 1301) && filter.HasSeason(362));
    filter.AddCompetition(4);
    filter.AddTeam(1301);
    filter.AddSeason(363);
    EXPECT_TRUE(filter.HasCompetition(4));
    EXPECT_FALSE(filter.HasCompetition(7));
    EXPECT_TRUE(filter.HasTeam(1301, 1400)) << "home side listed";
    EXPECT_TRUE(filter.HasTeam(1400, 1301)) << "away side listed";
    EXPECT_FALSE(filter.HasTeam(1300, 1400));
    EXPECT_TRUE(filter.HasSeason(363));
    EXPECT_FALSE(filter.HasSeason(362));
}

}  // namespace
}  // namespace ravel
