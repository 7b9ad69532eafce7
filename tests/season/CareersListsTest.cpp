// The list builders: fixture filters and orders, performance and averages
// lists, and team innings.
#include <gtest/gtest.h>

#include <memory>

#include "CareersWorld.h"
#include "match/Match.h"
#include "season/Lists.h"

namespace ravel {

namespace {

class ListsTest : public CareersWorld {
protected:
    static Fixture& AddFixtureRow(int id, int comp, int home, int away, int season, int day, int state) {
        Fixture f;
        f.m_id = id;
        f.m_competition = comp;
        f.m_home = home;
        f.m_away = away;
        f.m_state = state;
        f.m_date = GameDate::FromSeasonDay(day, season);
        g_world.mv_fixtures.push_back(f);
        return g_world.mv_fixtures.back();
    }

    // A completed match of two innings a side (type 3) or one (type 2)
    // between clubs 1300 (players 1..11) and 1301 (12..22).
    static Match& AddMatch(int id, int comp, int type) {
        auto m = std::make_unique<Match>();
        m->mi_id = id;
        m->mi_competition = comp;
        m->mi_matchType = type;
        m->mi_team1 = 1300;
        m->mi_team2 = 1301;
        m->m_startDate = g_cricket.m_date;
        for (int i = 0; i < 4; ++i) {
            Innings& inn = m->m_innings[i];
            inn.mi_battingTeam = i % 2 == 0 ? 1300 : 1301;
            inn.mi_bowlingTeam = i % 2 == 0 ? 1301 : 1300;
            const int bat = i % 2 == 0 ? 1 : 12;
            const int bowl = i % 2 == 0 ? 12 : 1;
            for (int k = 0; k < SQUAD_SIZE; ++k) {
                inn.m_batsmen[k].mi_player = bat + k;
                inn.m_bowlers[k].mi_player = bowl + k;
            }
        }
        g_completedMatches.push_back(std::move(m));
        return *g_completedMatches.back();
    }

    static void Bat(Innings& inn, int slot, int fours, int sixes, int ones, int howOut) {
        BatsmanFigures& b = inn.m_batsmen[slot];
        b.mi_scored = {};
        b.mi_scored[1] = ones;
        b.mi_scored[4] = fours;
        b.mi_scored[6] = sixes;
        b.mi_howOut = howOut;
        inn.Recount();
    }

    static void Bowl(Innings& inn, int slot, int balls, int runs, int wickets) {
        BowlerFigures& b = inn.m_bowlers[slot];
        b.mi_balls = balls;
        b.mi_runs = runs;
        b.mi_wickets = wickets;
    }
};

}  // namespace

TEST_F(ListsTest, FixtureFiltersAndOrders) {
    AddClub(1300, NORTH);
    AddClub(1301, NORTH);
    AddClub(1302, NORTH);
    AddFixtureRow(1, 7, 1300, 1301, 362, 40, FIXTURE_SCHEDULED);
    AddFixtureRow(2, 7, 1302, 1300, 362, 20, FIXTURE_PLAYED);
    AddFixtureRow(3, 8, 1301, 1302, 362, 30, FIXTURE_SCHEDULED);
    AddFixtureRow(4, 7, 1301, 1302, 364, 10, FIXTURE_SCHEDULED);
    struct Case {
        const char* m_name;
        std::vector<int32_t> m_comps, m_teams, m_seasons;
        int m_order;
        std::vector<int32_t> m_fixtureIds;
    } cases[] = {
        {"everything, earliest first", {}, {}, {}, ORDER_DATE, {2, 3, 1, 4}},
        {"everything, latest first", {}, {}, {}, ORDER_DATE_DESC, {4, 1, 3, 2}},
        {"one competition", {7}, {}, {}, ORDER_DATE, {2, 1, 4}},
        {"home or away side", {}, {1300}, {}, ORDER_DATE, {2, 1}},
        {"competition and season", {7}, {}, {364}, ORDER_DATE, {4}},
        {"two competitions, one side", {7, 8}, {1302}, {362}, ORDER_DATE, {2, 3}},
    };
    for (const Case& c : cases) {
        FixtureFilter filter;
        for (int id : c.m_comps) filter.AddCompetition(id);
        for (int id : c.m_teams) filter.AddTeam(id);
        for (int id : c.m_seasons) filter.AddSeason(id);
        std::vector<FixtureListEntry> list;
        BuildFixtureList(filter, list, c.m_order);
        std::vector<int32_t> ids;
        for (const FixtureListEntry& e : list) ids.push_back(g_world.mv_fixtures[e.m_fixture].m_id);
        EXPECT_EQ(ids, c.m_fixtureIds) << c.m_name;
    }
    std::vector<FixtureListEntry> list;
    FixtureFilter played;
    played.AddTeam(1302);
    played.AddSeason(362);
    played.AddCompetition(7);
    BuildFixtureList(played, list, ORDER_DATE);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].m_kind, ROW_PLAYED);
    EXPECT_EQ(list[0].m_match, -1);
    played.Clear();
    EXPECT_TRUE(played.HasCompetition(99) && played.HasTeam(5, 6) && played.HasSeason(1));
}

TEST_F(ListsTest, CompletedMatchIsListedOnceFromItsMatch) {
    AddClub(1300, NORTH);
    AddClub(1301, NORTH);
    AddMatch(77, 7, 3);
    // A finished match marks its fixture played and keeps the match id.
    for (int state : {FIXTURE_IN_PROGRESS, FIXTURE_PLAYED}) {
        g_world.mv_fixtures.clear();
        Fixture& f = AddFixtureRow(1, 7, 1300, 1301, 362, 20, state);
        f.m_match = 77;
        std::vector<FixtureListEntry> list;
        BuildFixtureList(FixtureFilter(), list, ORDER_DATE);
        ASSERT_EQ(list.size(), 1u) << state;
        EXPECT_EQ(list[0].m_kind, ROW_COMPLETED) << state;
        EXPECT_EQ(list[0].m_match, 77) << state;
    }
}

TEST_F(ListsTest, TopScoresKeepTheLimitAndSkipThirdInningsOfOneDayMatches) {
    Match& test = AddMatch(1, 7, 3);
    Bat(test.m_innings[0], 0, 10, 2, 20, 1);   // 72
    Bat(test.m_innings[2], 1, 25, 0, 10, -1);  // 110*, third innings counts here
    Bat(test.m_innings[1], 2, 5, 0, 0, 2);     // 20
    Match& odi = AddMatch(2, 7, 2);
    Bat(odi.m_innings[0], 3, 1, 4, 0, 1);   // 28
    Bat(odi.m_innings[2], 4, 50, 0, 0, 1);  // third innings of a one-day match: ignored
    Match& other = AddMatch(3, 8, 2);
    Bat(other.m_innings[0], 5, 30, 0, 0, 1);  // another competition

    StatsFilter filter;
    filter.AddCompetition(7);
    std::vector<StatsRow> rows;
    BuildPlayerStatsList(filter, rows, STATS_TOP_SCORES, 3);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].m_first, 110);
    EXPECT_EQ(rows[0].m_second, 1) << "not out";
    EXPECT_EQ(rows[0].m_player, 2);
    EXPECT_EQ(rows[1].m_first, 72);
    EXPECT_EQ(rows[2].m_first, 28);

    BuildPlayerStatsList(filter, rows, STATS_TOP_SIXES, 20);
    ASSERT_EQ(rows.size(), 2u) << "no rows for batsmen without a six";
    EXPECT_EQ(rows[0].m_first, 4);
    BuildPlayerStatsList(filter, rows, STATS_TOP_BOUNDARIES, 20);
    EXPECT_EQ(rows[0].m_first, 25);
    EXPECT_EQ(rows[0].m_second, 25);
}

TEST_F(ListsTest, BowlingRowsByWicketsThenRuns) {
    Match& m = AddMatch(1, 7, 3);
    Bowl(m.m_innings[0], 0, 60, 40, 5);
    Bowl(m.m_innings[0], 1, 60, 30, 5);
    Bowl(m.m_innings[1], 2, 30, 10, 2);
    StatsFilter filter;
    std::vector<StatsRow> rows;
    BuildPlayerStatsList(filter, rows, STATS_TOP_BOWLING, 20);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].m_player, 13);
    EXPECT_EQ(rows[1].m_player, 12);
    EXPECT_EQ(rows[2].m_second, 2);
}

TEST_F(ListsTest, AveragesAddUpAcrossMatches) {
    Match& a = AddMatch(1, 7, 3);
    Bat(a.m_innings[0], 0, 10, 0, 15, 1);  // 55
    Bat(a.m_innings[2], 0, 1, 0, 5, -1);   // 9*, not his best
    Bowl(a.m_innings[1], 0, 60, 40, 5);    // 5-40
    Match& b = AddMatch(2, 7, 3);
    Bat(b.m_innings[0], 0, 20, 2, 12, 2);  // 104
    Bowl(b.m_innings[1], 0, 60, 30, 5);    // 5-30 beats 5-40
    StatsFilter filter;
    filter.AddTeam(1300);
    std::vector<StatsRow> rows;
    BuildPlayerStatsList(filter, rows, STATS_BATTING, 20);
    const StatsRow* me = nullptr;
    for (const StatsRow& r : rows)
        if (r.m_player == 1) me = &r;
    ASSERT_NE(me, nullptr);
    EXPECT_EQ(rows.size(), 11u) << "the side's eleven only";
    EXPECT_EQ(me->m_matches, 2);
    EXPECT_EQ(me->m_innings, 3);
    EXPECT_EQ(me->m_notOuts, 1);
    EXPECT_EQ(me->m_runs, 168);
    EXPECT_EQ(me->m_highest, 104);
    EXPECT_EQ(me->m_fifties, 1);
    EXPECT_EQ(me->m_hundreds, 1);
    EXPECT_DOUBLE_EQ(me->BattingAverage(), 84.0);

    BuildPlayerStatsList(filter, rows, STATS_BOWLING, 20);
    for (const StatsRow& r : rows) {
        if (r.m_player != 1) continue;
        EXPECT_EQ(r.m_wickets, 10);
        EXPECT_EQ(r.m_bestWickets, 5);
        EXPECT_EQ(r.m_bestRuns, 30);
        EXPECT_EQ(r.m_haulsA, 2) << "two five-wicket innings";
    }
}

TEST_F(ListsTest, MostRunsAndWicketsComeFirst) {
    Match& m = AddMatch(1, 7, 2);
    Bat(m.m_innings[0], 0, 2, 0, 4, 1);   // 12
    Bat(m.m_innings[0], 1, 10, 1, 0, 1);  // 46
    Bowl(m.m_innings[0], 0, 36, 30, 1);
    Bowl(m.m_innings[0], 1, 36, 50, 3);
    StatsFilter filter;
    std::vector<StatsRow> rows;
    BuildPlayerStatsList(filter, rows, STATS_MOST_RUNS, 20);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0].m_player, 2);
    EXPECT_EQ(rows[0].m_runs, 46);
    EXPECT_EQ(rows[1].m_runs, 12);
    BuildPlayerStatsList(filter, rows, STATS_MOST_WICKETS, 20);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0].m_player, 13);
    EXPECT_EQ(rows[0].m_wickets, 3);
}

TEST_F(ListsTest, AveragesOrderPutsTheUnqualifiedLast) {
    auto row = [](int runs, int innings, int notOuts) {
        StatsRow r;
        r.m_runs = runs;
        r.m_innings = innings;
        r.m_notOuts = notOuts;
        return r;
    };
    const StatsRow neverOut = row(300, 3, 3);
    const StatsRow noRuns = row(0, 2, 0);
    const StatsRow a459 = row(459, 10, 0);
    const StatsRow a451 = row(451, 10, 0);
    EXPECT_TRUE(StatsRow::BattingOrder(a451, neverOut));
    EXPECT_FALSE(StatsRow::BattingOrder(neverOut, a451));
    EXPECT_TRUE(StatsRow::BattingOrder(neverOut, noRuns));
    EXPECT_FALSE(StatsRow::BattingOrder(a459, a451)) << "45.9 and 45.1 are equal";
    EXPECT_FALSE(StatsRow::BattingOrder(a451, a459));

    auto bowler = [](int runs, int wickets, int balls) {
        StatsRow r;
        r.m_runsConceded = runs;
        r.m_wickets = wickets;
        r.m_balls = balls;
        return r;
    };
    EXPECT_TRUE(StatsRow::BowlingOrder(bowler(0, 1, 6), bowler(10, 2, 60)));
    EXPECT_TRUE(StatsRow::BowlingOrder(bowler(50, 2, 60), bowler(0, 0, 60)));
    EXPECT_TRUE(StatsRow::BowlingOrder(bowler(40, 2, 60), bowler(50, 2, 60)));
}

TEST_F(ListsTest, TeamInningsHighestAndLowestAllOut) {
    Match& m = AddMatch(1, 7, 3);
    for (int k = 0; k < 10; ++k) Bat(m.m_innings[1], k, 0, 0, 5, 1);  // 50 all out
    Bat(m.m_innings[0], 0, 20, 0, 40, 1);                             // 120 for 1
    Bat(m.m_innings[2], 0, 0, 0, 30, 1);                              // 30 for 1
    for (Innings& inn : m.m_innings) inn.mb_started = 1;
    StatsFilter filter;
    std::vector<TeamInningsRow> rows;
    BuildTeamInningsList(filter, rows, INNINGS_HIGHEST, 2);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].m_total, 120);
    EXPECT_EQ(rows[1].m_total, 50);
    BuildTeamInningsList(filter, rows, INNINGS_LOWEST, 20);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].m_total, 50);
    EXPECT_EQ(rows[0].m_wickets, 10);
}

TEST_F(ListsTest, AveragesListsComeInTheirOrder) {
    // Player 1 is never out, 2 averages 23.0 and 3 23.5, 4 made no runs.
    Match& m = AddMatch(1, 7, 3);
    Bat(m.m_innings[0], 0, 10, 0, 20, -1);  // 60*
    Bat(m.m_innings[0], 1, 10, 0, 5, 1);    // 45
    Bat(m.m_innings[0], 2, 10, 0, 5, 1);    // 45
    Bat(m.m_innings[0], 3, 0, 0, 0, 1);     // 0
    Bat(m.m_innings[2], 1, 0, 0, 1, 1);     // 46 in two
    Bat(m.m_innings[2], 2, 0, 0, 2, 1);     // 47 in two
    StatsFilter filter;
    filter.AddTeam(1300);
    std::vector<StatsRow> rows;
    BuildPlayerStatsList(filter, rows, STATS_BATTING, 20);
    ASSERT_GE(rows.size(), 4u);
    EXPECT_EQ(rows[0].m_player, 2);
    EXPECT_EQ(rows[1].m_player, 3) << "23.5 ties 23.0; the list keeps the first found first";
    EXPECT_EQ(rows[2].m_player, 1) << "never dismissed after every dismissed batsman";
    for (size_t i = 3; i < rows.size(); ++i) EXPECT_EQ(rows[i].m_runs, 0);

    // Bowlers of side 1301: 0 runs for a wicket heads the list, no wicket ends it.
    Bowl(m.m_innings[0], 0, 36, 40, 2);
    Bowl(m.m_innings[0], 1, 12, 0, 1);
    Bowl(m.m_innings[0], 2, 24, 30, 0);
    Bowl(m.m_innings[0], 3, 30, 20, 2);
    filter.Clear();
    filter.AddTeam(1301);
    BuildPlayerStatsList(filter, rows, STATS_BOWLING, 20);
    ASSERT_GE(rows.size(), 4u);
    EXPECT_EQ(rows[0].m_player, 13);
    EXPECT_EQ(rows[1].m_player, 15);
    EXPECT_EQ(rows[2].m_player, 12);
    EXPECT_EQ(rows.back().m_wickets, 0);
}

TEST_F(ListsTest, StreakListsSortACopyOfTheTable) {
    Competition c;
    c.m_id = 7;
    for (int k = 0; k < 3; ++k) c.mv_standings.emplace_back(1300 + k, 7);
    c.mv_standings[0].m_winRun = 1;
    c.mv_standings[1].m_winRun = 3;
    c.mv_standings[2].m_loseRun = 4;
    c.mv_standings[0].m_unbeatenRun = 2;
    c.mv_standings[1].m_unbeatenRun = 2;
    std::vector<StandingsRow> list;
    struct Case {
        int kind;
        int first, second, third;
    };
    for (const Case& k : {Case{STREAK_WON, 1301, 1300, 1302}, Case{STREAK_LOST, 1302, 1300, 1301},
                          Case{STREAK_UNBEATEN, 1300, 1301, 1302}, Case{STREAK_WINLESS, 1300, 1301, 1302}}) {
        BuildStreakList(c, list, k.kind);
        ASSERT_EQ(list.size(), 3u);
        EXPECT_EQ(list[0].m_team, k.first) << k.kind;
        EXPECT_EQ(list[1].m_team, k.second) << k.kind;
        EXPECT_EQ(list[2].m_team, k.third) << k.kind;
    }
    EXPECT_EQ(c.mv_standings[0].m_team, 1300) << "the competition's own table keeps its order";
    EXPECT_EQ(StreakOf(c.mv_standings[2], 9005), 0);
}

TEST_F(ListsTest, ChampionshipSeriesListsFollowTheTours) {
    // Series 601 (Tests) and 600 (one-day) have begun, 603 and 604 (a
    // triangular tournament's) have not, 602 is triangular and begun.
    auto series = [](int id, int triangular) {
        TourSeries s;
        s.m_id = id;
        s.m_series = triangular;
        g_world.mv_tourSeries.push_back(s);
    };
    auto tour = [](int id, int kind, int seriesId, int season, int state) {
        Tour t;
        t.m_id = id;
        t.m_kind = kind;
        t.m_series = seriesId;
        t.m_season = season;
        t.m_state = state;
        g_world.mv_tours.push_back(t);
    };
    series(600, 0);
    series(601, 0);
    series(602, 602);
    series(603, 0);
    series(604, 0);
    tour(1, TOUR_ONE_DAY, 600, 362, TOUR_OVER);
    tour(2, TOUR_TESTS, 601, 362, TOUR_RUNNING);
    tour(3, TOUR_TRIANGULAR, 602, 363, TOUR_RUNNING);
    tour(4, TOUR_TESTS, 603, 363, TOUR_NOT_STARTED);
    tour(5, TOUR_ONE_DAY, 604, 363, TOUR_NOT_STARTED);
    Series tri;
    tri.m_id = 602;
    g_world.mv_series.push_back(tri);

    std::vector<int32_t> ids;
    BuildChampionshipSeriesList(COMP_TEST_CHAMPIONSHIP, ids);
    EXPECT_EQ(ids, std::vector<int32_t>{601});
    BuildChampionshipSeriesList(COMP_ODI_CHAMPIONSHIP, ids);
    EXPECT_EQ(ids, std::vector<int32_t>{600});
    BuildChampionshipSeriesList(7, ids);
    EXPECT_TRUE(ids.empty());
    BuildFutureTourList(TOUR_TESTS, 363, ids);
    EXPECT_EQ(ids, std::vector<int32_t>{4});
    BuildFutureTourList(TOUR_ONE_DAY, 363, ids);
    EXPECT_EQ(ids, std::vector<int32_t>{5});
    BuildFutureTourList(TOUR_TESTS, 362, ids);
    EXPECT_TRUE(ids.empty());
    // Tours listed by the day their series starts, whatever their table order.
    g_world.mv_tourSeries.back().m_startDayOfSeason = 120;  // 604: tour 5
    for (const auto& [id, start] : {std::pair(605, 30), std::pair(606, 0)}) {
        series(id, 0);
        g_world.mv_tourSeries.back().m_startDayOfSeason = start;
    }
    tour(6, TOUR_ONE_DAY, 605, 363, TOUR_NOT_STARTED);
    tour(7, TOUR_ONE_DAY, 699, 363, TOUR_NOT_STARTED);  // no series record
    tour(8, TOUR_ONE_DAY, 606, 363, TOUR_NOT_STARTED);
    BuildFutureTourList(TOUR_ONE_DAY, 363, ids);
    EXPECT_EQ(ids, (std::vector<int32_t>{8, 6, 5, 7}));
    BuildTriangularList(ids);
    EXPECT_EQ(ids, std::vector<int32_t>{602});
}

}  // namespace ravel
