#include <algorithm>

#include "SeasonWorld.h"
#include "season/Standings.h"

namespace ravel {
namespace {

using Standings = SeasonWorld;

StandingsRow Row(int side, int points, int won = 0, int lost = 0) {
    StandingsRow r(side, 1);
    r.m_points = points;
    r.m_won = won;
    r.m_lost = lost;
    return r;
}

std::vector<int> Order(const std::vector<StandingsRow>& rows) {
    std::vector<int> ids;
    for (const StandingsRow& r : rows) ids.push_back(r.m_team);
    return ids;
}

TEST_F(Standings, NetRunRate) {
    struct Case {
        int runsFor, ballsFaced, runsAgainst, ballsBowled;
        float rate;
    } cases[] = {
        {300, 300, 250, 300, 1.0f},  // 6.0 - 5.0
        {120, 0, 120, 120, -6.0f},   // runs with no balls faced count nothing
        {120, 0, 0, 0, 0.0f},       {0, 60, 0, 60, 0.0f}, {150, 120, 0, -6, 7.5f},
    };
    for (const Case& c : cases) {
        StandingsRow r(1, 1);
        r.m_runsFor = c.runsFor;
        r.m_ballsFaced = c.ballsFaced;
        r.m_runsAgainst = c.runsAgainst;
        r.m_ballsBowled = c.ballsBowled;
        EXPECT_NEAR(NetRunRate(r), c.rate, 1e-4f);
        EXPECT_EQ(r.m_netRunRate, NetRunRate(r));
    }
}

TEST_F(Standings, DomesticOrderingRulesWithTies) {
    // Runs for/against set so that sides 1 and 2 share a net run rate.
    auto limited = [](int side, int points, int won, int lost, int runsFor) {
        StandingsRow r = Row(side, points, won, lost);
        r.m_runsFor = runsFor;
        r.m_ballsFaced = 600;
        r.m_runsAgainst = 500;
        r.m_ballsBowled = 600;
        return r;
    };
    auto bonus = [](StandingsRow r, int b1, int b2) {
        r.m_bonus1 = b1;
        r.m_bonus2 = b2;
        return r;
    };
    struct Case {
        int format;
        std::vector<StandingsRow> rows;
        std::vector<int> order;
    } cases[] = {
        // Limited overs: points, then net run rate, then wins, then fewer losses.
        {FORMAT_LIST_A,
         {limited(1, 8, 4, 2, 500), limited(2, 10, 5, 1, 400), limited(3, 10, 5, 1, 600)},
         {3, 2, 1}},
        {FORMAT_TWENTY,
         {limited(1, 10, 4, 2, 500), limited(2, 10, 5, 2, 500), limited(3, 10, 5, 1, 500)},
         {3, 2, 1}},
        // Longer formats: points, wins, fewer losses, bonus points; run rate plays no part.
        {FORMAT_FIRST_CLASS, {limited(1, 50, 2, 1, 900), Row(2, 50, 3, 3), Row(3, 60, 1, 5)}, {3, 2, 1}},
        {FORMAT_FIRST_CLASS, {Row(1, 50, 3, 3), Row(2, 50, 3, 2)}, {2, 1}},
        {FORMAT_FIRST_CLASS, {bonus(Row(1, 50, 3, 2), 5, 6), bonus(Row(2, 50, 3, 2), 9, 3)}, {2, 1}},
    };
    for (const Case& c : cases) {
        Competition comp;
        comp.m_id = 4;
        comp.m_status = COMP_RUNNING;
        comp.m_format = c.format;
        comp.mv_standings = c.rows;
        SortStandings(comp);
        EXPECT_EQ(Order(comp.mv_standings), c.order) << c.format;
    }
}

TEST_F(Standings, RowsOfDifferentTablesRankByPointsPerMatch) {
    auto rated = [](int side, int points, int won, int lost, float netRunRate) {
        StandingsRow r = Row(side, points, won, lost);
        r.m_netRunRate = netRunRate;
        return r;
    };
    struct Case {
        int format;
        StandingsRow better, worse;
    } cases[] = {
        // Fewer points from fewer matches is the better record.
        {FORMAT_TWENTY, rated(1, 8, 4, 0, -1.0f), rated(2, 10, 5, 3, 1.0f)},
        {FORMAT_TWENTY, rated(1, 8, 4, 1, 0.5f), rated(2, 8, 4, 1, 0.4f)},
        {FORMAT_FIRST_CLASS, rated(1, 32, 2, 0, -1.0f), rated(2, 32, 1, 1, 1.0f)},
        // No match played yet counts as no points per match.
        {FORMAT_LIST_A, rated(1, 2, 1, 3, -2.0f), rated(2, 0, 0, 0, 0.0f)},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(BeforeAcrossTables(c.better, c.worse, c.format)) << c.format;
        EXPECT_FALSE(BeforeAcrossTables(c.worse, c.better, c.format)) << c.format;
        EXPECT_FALSE(BeforeAcrossTables(c.better, c.better, c.format)) << c.format;
    }
}

TEST_F(Standings, ChampionshipTablesRankByRatingThenLowerId) {
    auto rated = [](int side, int points, int count) {
        StandingsRow r(side, 500);
        r.m_testPoints = r.m_odiPoints = points;
        r.m_testCount = r.m_odiCount = count;
        return r;
    };
    for (int id : {COMP_TEST_CHAMPIONSHIP, COMP_ODI_CHAMPIONSHIP}) {
        Competition comp;
        comp.m_id = id;
        comp.m_status = COMP_RUNNING;
        // Ratings: 7 -> 0 (no matches), 5 -> 110, 3 -> 110 (331 / 3), 9 -> 120.
        comp.mv_standings = {rated(7, 500, 0), rated(5, 220, 2), rated(3, 331, 3), rated(9, 240, 2)};
        SortStandings(comp);
        EXPECT_EQ(Order(comp.mv_standings), (std::vector<int>{9, 3, 5, 7})) << id;
    }
}

TEST_F(Standings, OnlyARunningDomesticTableIsSorted) {
    for (auto [id, status] : {std::pair{4, int{COMP_NOT_RUNNING}}, std::pair{550, int{COMP_RUNNING}}}) {
        Competition comp;
        comp.m_id = id;
        comp.m_status = status;
        comp.mv_standings = {Row(1, 0), Row(2, 4)};
        SortStandings(comp);
        EXPECT_EQ(Order(comp.mv_standings), (std::vector<int>{1, 2})) << id;
    }
}

TEST_F(Standings, PositionsKeepThePreviousPlace) {
    Competition comp;
    comp.m_status = COMP_RUNNING;
    comp.mv_standings = {Row(1, 0), Row(2, 4), Row(3, 2)};
    UpdatePositions(comp);
    for (const StandingsRow& r : comp.mv_standings) EXPECT_EQ(r.m_previousPosition, r.m_position);
    SortStandings(comp);
    UpdatePositions(comp);
    EXPECT_EQ(Order(comp.mv_standings), (std::vector<int>{2, 3, 1}));
    const int previous[] = {2, 3, 1};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(comp.mv_standings[i].m_position, static_cast<int>(i) + 1);
        EXPECT_EQ(comp.mv_standings[i].m_previousPosition, previous[i]);
    }
}

TEST_F(Standings, FindRows) {
    Competition comp;
    EXPECT_EQ(FindStandingsRow(comp, 5), 0);
    comp.mv_standings = {Row(4, 0), Row(5, 0), Row(5, 1)};
    EXPECT_EQ(FindStandingsRow(comp, 5), 1);
    EXPECT_EQ(FindStandingsRow(comp, 6), 0);
    EXPECT_EQ(StandingsRowIndex(comp.mv_standings, 6), -1);

    InternationalTournament cup;
    cup.mv_superEight = {Row(8, 0), Row(2, 0)};
    EXPECT_EQ(FindSuperEightRow(cup, 2), 1);
    EXPECT_EQ(FindSuperEightRow(cup, 3), 0);
}

TEST_F(Standings, ShuffleKeepsTheSides) {
    Competition empty;
    ShuffleTeams(empty);
    EXPECT_TRUE(empty.mv_teams.empty());

    Competition comp;
    comp.mv_teams = {11, 12, 13, 14, 15, 16};
    ShuffleTeams(comp);
    std::vector<int32_t> sorted = comp.mv_teams;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<int32_t>{11, 12, 13, 14, 15, 16}));

    // The same seed gives the same order.
    const std::vector<int32_t> first = comp.mv_teams;
    Competition again;
    again.mv_teams = {11, 12, 13, 14, 15, 16};
    SeedRand(1);
    ShuffleTeams(again);
    EXPECT_EQ(again.mv_teams, first);
}

TEST_F(Standings, TournamentAndSeriesTables) {
    InternationalTournament cup;
    auto rr = [](int side, int points, int runsFor) {
        StandingsRow r = Row(side, points);
        r.m_runsFor = runsFor;
        r.m_ballsFaced = 300;
        return r;
    };
    cup.mv_groups = {{rr(1, 4, 200), rr(2, 4, 250), rr(3, 6, 100)}, {rr(4, 0, 0), rr(5, 2, 0)}};
    cup.mv_superEight = {rr(6, 2, 300), rr(7, 2, 310)};
    SortGroupStandings(cup);
    EXPECT_EQ(Order(cup.mv_groups[0]), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(Order(cup.mv_groups[1]), (std::vector<int>{5, 4}));
    EXPECT_EQ(Order(cup.mv_superEight), (std::vector<int>{7, 6}));
    EXPECT_NEAR(cup.mv_superEight[0].m_netRunRate, 6.2f, 1e-4f);

    Series series;
    series.mv_standings = {Row(1, 2), Row(2, 6), Row(3, 4)};
    SortSeriesStandings(series);
    EXPECT_EQ(Order(series.mv_standings), (std::vector<int>{2, 3, 1}));
}

TEST_F(Standings, ChampionshipRatingsWeighRecentSeries) {
    g_cricket.m_date.m_year = 2010;
    auto series = [](int id, int year, int home, int away, int homeCount, int homePoints, int awayCount,
                     int awayPoints) {
        TourSeries s;
        s.m_id = id;
        s.m_competition = COMP_ODI_CHAMPIONSHIP;
        s.m_startYear = year;
        s.m_home = home;
        s.m_away = away;
        s.m_homeCount = homeCount;
        s.m_homePoints = homePoints;
        s.m_awayCount = awayCount;
        s.m_awayPoints = awayPoints;
        return s;
    };
    g_world.mv_tourSeries = {
        series(601, 2010, 3, 4, 4, 400, 4, 300),  // this year: weight 1
        series(603, 2007, 4, 3, 2, 200, 2, 100),  // three years back: half
        series(605, 2006, 3, 4, 9, 900, 9, 900),  // too old: retired
        series(602, 2008, 3, 4, 3, 300, 3, 150),  // one-day, two years back
        series(604, 2007, 4, 3, 3, 300, 3, 150),  // one-day, three years back
    };
    Competition test;
    test.m_id = COMP_TEST_CHAMPIONSHIP;
    test.mv_standings = {StandingsRow(3, 500), StandingsRow(4, 500)};
    Competition odi = test;
    odi.m_id = COMP_ODI_CHAMPIONSHIP;
    g_world.mv_competitions = {test, odi};

    UpdateChampionshipTables(false);
    const StandingsRow& t3 = g_world.mv_competitions[0].mv_standings[0];
    const StandingsRow& t4 = g_world.mv_competitions[0].mv_standings[1];
    EXPECT_EQ(t3.m_testCount, 5);  // 4 + 0.5 x 2
    EXPECT_EQ(t3.m_testPoints, 450);
    EXPECT_EQ(t4.m_testCount, 5);
    EXPECT_EQ(t4.m_testPoints, 400);
    EXPECT_EQ(g_world.mv_tourSeries[2].m_competition, 502);
    EXPECT_EQ(g_world.mv_tourSeries[1].m_competition, COMP_ODI_CHAMPIONSHIP);

    UpdateChampionshipTables(true);
    const StandingsRow& o3 = g_world.mv_competitions[1].mv_standings[0];
    EXPECT_EQ(o3.m_odiCount, 2);     // 0.66 x 3 + 0.33 x 3 = 2.97
    EXPECT_EQ(o3.m_odiPoints, 247);  // 0.66 x 300 + 0.33 x 150
    EXPECT_EQ(o3.m_testCount, 0);
}

}  // namespace
}  // namespace ravel
