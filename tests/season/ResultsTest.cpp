#include "SeasonWorld.h"
#include "match/Match.h"
#include "season/Results.h"
#include "season/Standings.h"

namespace ravel {
namespace {

class Results : public SeasonWorld {
protected:
    static constexpr int HOME = 1001;
    static constexpr int AWAY = 1002;

    void SetUp() override {
        SeasonWorld::SetUp();
        g_cricket.m_date.m_month = 5;
        Competition c;
        c.m_id = 4;
        c.m_status = COMP_RUNNING;
        c.m_points[POINTS_WIN] = 16;
        c.m_points[POINTS_TIE] = 8;
        c.m_points[POINTS_DRAW] = 3;
        c.m_points[POINTS_LOSS] = 1;
        // A third side heads the list so that a misplaced booking shows on it.
        for (int side : {1000, HOME, AWAY}) {
            AddTeam(side).m_coach = side;
            c.mv_teams.push_back(side);
            c.mv_standings.emplace_back(side, 4);
            StaffMember coach;
            coach.m_id = side;
            coach.m_reputation = 50.0f;
            g_world.mv_staff.push_back(coach);
        }
        g_world.mv_competitions.push_back(c);
    }

    static Competition& Comp() { return g_world.mv_competitions.front(); }
    static const StandingsRow& RowOf(int side) {
        return Comp().mv_standings[static_cast<size_t>(StandingsRowIndex(Comp().mv_standings, side))];
    }
    static float Money(int side) { return TeamById(side)->m_money; }
    static const StaffMember& Coach(int side) { return *StaffMemberById(side); }

    static MatchOutcome Outcome(int winner, int kind, int homeRuns = 250, int awayRuns = 200) {
        MatchOutcome o;
        o.m_side1 = HOME;
        o.m_side2 = AWAY;
        o.m_winner = winner;
        o.m_kind = kind;
        o.m_bonus1[0] = 3;
        o.m_bonus1[1] = 1;
        o.m_bonus2[0] = 2;
        o.m_bonus2[1] = 2;
        o.m_runs[0] = homeRuns;
        o.m_balls[0] = 300;
        o.m_runs[1] = awayRuns;
        o.m_balls[1] = 300;
        return o;
    }
};

TEST_F(Results, LeagueRowsByResultKind) {
    struct Case {
        int winner, kind;
        int home[4], away[4];  // won, drawn, tied, lost
        int homePoints, awayPoints;
        int homeRuns[4], awayRuns[4];  // winning, losing, winless, unbeaten
        float homePrize;
    } cases[] = {
        {HOME,
         RESULT_WON_BOWLING_LAST,
         {1, 0, 0, 0},
         {0, 0, 0, 1},
         21,
         4,
         {1, 0, 0, 1},
         {0, 1, 1, 0},
         PRIZE_MINOR},
        {AWAY, RESULT_WON_BATTING_LAST, {0, 0, 0, 1}, {1, 0, 0, 0}, 6, 19, {0, 1, 1, 0}, {1, 0, 0, 1}, 0.0f},
        {AWAY, RESULT_WON_BY_INNINGS, {0, 0, 0, 1}, {1, 0, 0, 0}, 6, 19, {0, 1, 1, 0}, {1, 0, 0, 1}, 0.0f},
        {-1, RESULT_TIE, {0, 0, 1, 0}, {0, 0, 1, 0}, 13, 11, {0, 0, 1, 1}, {0, 0, 1, 1}, 0.0f},
        {-1, RESULT_DRAW, {0, 1, 0, 0}, {0, 1, 0, 0}, 8, 6, {0, 0, 1, 1}, {0, 0, 1, 1}, 0.0f},
        // A draw reported with a winner word of a side still pays nobody.
        {HOME, RESULT_NO_RESULT, {0, 1, 0, 0}, {0, 1, 0, 0}, 8, 6, {0, 0, 1, 1}, {0, 0, 1, 1}, 0.0f},
    };
    for (const Case& c : cases) {
        SetUp();
        RecordResult(Comp(), Outcome(c.winner, c.kind));
        for (auto [side, counts, points, runs] : {std::tuple{HOME, c.home, c.homePoints, c.homeRuns},
                                                  std::tuple{AWAY, c.away, c.awayPoints, c.awayRuns}}) {
            const StandingsRow& r = RowOf(side);
            SCOPED_TRACE(testing::Message() << "kind " << c.kind << " side " << side);
            EXPECT_EQ(r.m_won, counts[0]);
            EXPECT_EQ(r.m_drawn, counts[1]);
            EXPECT_EQ(r.m_tied, counts[2]);
            EXPECT_EQ(r.m_lost, counts[3]);
            EXPECT_EQ(r.m_points, points);
            EXPECT_EQ(r.m_winRun, runs[0]);
            EXPECT_EQ(r.m_loseRun, runs[1]);
            EXPECT_EQ(r.m_winlessRun, runs[2]);
            EXPECT_EQ(r.m_unbeatenRun, runs[3]);
        }
        EXPECT_EQ(RowOf(HOME).m_bonus1, 3);
        EXPECT_EQ(RowOf(AWAY).m_bonus2, 2);
        EXPECT_FLOAT_EQ(Money(HOME), c.homePrize);
        EXPECT_EQ(RowOf(1000).Played(), 0);
        EXPECT_EQ(Money(1000), 0.0f);
        EXPECT_EQ(RowOf(1000).m_points, 0);
    }
}

TEST_F(Results, RunsOfALoseRunEndWithAWin) {
    for (int i = 0; i < 3; ++i) RecordResult(Comp(), Outcome(AWAY, RESULT_WON_BATTING_LAST));
    RecordResult(Comp(), Outcome(-1, RESULT_DRAW));
    EXPECT_EQ(RowOf(HOME).m_loseRun, 0);
    EXPECT_EQ(RowOf(HOME).m_winlessRun, 4);
    EXPECT_EQ(RowOf(AWAY).m_winRun, 0);
    EXPECT_EQ(RowOf(AWAY).m_unbeatenRun, 4);
    RecordResult(Comp(), Outcome(HOME, RESULT_WON_BOWLING_LAST));
    EXPECT_EQ(RowOf(HOME).m_winlessRun, 0);
    EXPECT_EQ(RowOf(HOME).m_winRun, 1);
    EXPECT_EQ(RowOf(AWAY).m_unbeatenRun, 0);
}

TEST_F(Results, RunsAndBallsOnlyInLimitedOvers) {
    for (int format : {FORMAT_FIRST_CLASS, FORMAT_LIST_A}) {
        SetUp();
        Comp().m_format = format;
        RecordResult(Comp(), Outcome(HOME, RESULT_WON_BOWLING_LAST, 250, 200));
        const bool limited = format == FORMAT_LIST_A;
        EXPECT_EQ(RowOf(HOME).m_runsFor, limited ? 250 : 0);
        EXPECT_EQ(RowOf(HOME).m_ballsBowled, limited ? 300 : 0);
        EXPECT_EQ(RowOf(AWAY).m_runsAgainst, limited ? 250 : 0);
        EXPECT_NEAR(RowOf(HOME).m_netRunRate, limited ? 1.0f : 0.0f, 1e-4f);
        // The table is re-sorted and numbered: the winner leads.
        EXPECT_EQ(Comp().mv_standings[0].m_team, HOME);
        EXPECT_EQ(RowOf(HOME).m_position, 1);
        EXPECT_EQ(RowOf(HOME).m_previousPosition, 1);
    }
}

TEST_F(Results, CompetitionNineGivesWinnersNoBonusPoints) {
    Comp().m_id = COMP_NO_WIN_BONUS;
    RecordResult(Comp(), Outcome(HOME, RESULT_WON_BOWLING_LAST));
    EXPECT_EQ(RowOf(HOME).m_points, 16);
    EXPECT_EQ(RowOf(HOME).m_bonus1, 3);
    EXPECT_EQ(RowOf(HOME).m_bonus2, 2);
    EXPECT_EQ(RowOf(AWAY).m_points, 1 + 1 + 2);
    EXPECT_FLOAT_EQ(Money(HOME), PRIZE_OTHER);
}

TEST_F(Results, SideWithoutARowBooksNothing) {
    Comp().mv_standings.erase(Comp().mv_standings.begin() + 2);  // AWAY's row
    RecordResult(Comp(), Outcome(AWAY, RESULT_WON_BATTING_LAST));
    for (const StandingsRow& r : Comp().mv_standings) EXPECT_EQ(r.Played(), 0) << r.m_team;
    EXPECT_FLOAT_EQ(Money(AWAY), PRIZE_MINOR);  // the match was still won
}

TEST_F(Results, CoachesAndRatingsFollowTheResult) {
    struct Case {
        int winner, kind;
        int homeWon, homeLost, homeDrawn, homeTied, awayLost, played;
    } cases[] = {
        {HOME, RESULT_WON_BOWLING_LAST, 1, 0, 0, 0, 1, 1},
        {-1, RESULT_TIE, 0, 0, 0, 1, 0, 1},
        {-1, RESULT_DRAW, 0, 0, 1, 0, 0, 1},
        {-1, RESULT_NO_RESULT, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        RecordResult(Comp(), Outcome(c.winner, c.kind));
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(Coach(HOME).m_won, c.homeWon);
        EXPECT_EQ(Coach(HOME).m_lost, c.homeLost);
        EXPECT_EQ(Coach(HOME).m_drawn, c.homeDrawn);
        EXPECT_EQ(Coach(HOME).m_tied, c.homeTied);
        EXPECT_EQ(Coach(AWAY).m_lost, c.awayLost);
        EXPECT_EQ(Coach(AWAY).m_played, c.played);
        EXPECT_EQ(Coach(1000).m_played, 0);
        if (c.kind == RESULT_WON_BOWLING_LAST) {
            EXPECT_GT(Coach(HOME).m_reputation, 50.0f);
            EXPECT_LT(Coach(AWAY).m_reputation, 50.0f);
            EXPECT_GT(SideResultRating(HOME), START_RESULT_RATING);
            EXPECT_LT(SideResultRating(AWAY), START_RESULT_RATING);
        } else if (c.kind == RESULT_NO_RESULT) {
            EXPECT_EQ(SideResultRating(HOME), START_RESULT_RATING);
        }
    }
}

TEST_F(Results, KnockoutRoundsFillTheirSlotsAndPay) {
    Comp().m_kind = COMP_KNOCKOUT;
    Comp().m_stage = STAGE_QUARTER_FINALS;
    for (int i = 0; i < 4; ++i) Comp().m_knockoutWinners[i] = i == 0 ? 1000 : -1;
    RecordResult(Comp(), Outcome(AWAY, RESULT_WON_BATTING_LAST));
    EXPECT_EQ(Comp().m_knockoutWinners[1], AWAY);
    EXPECT_FLOAT_EQ(Money(AWAY), PRIZE_MINOR + PRIZE_QUARTER_FINAL);
    EXPECT_EQ(RowOf(AWAY).Played(), 0);

    // A tie goes through on the home side; no match prize without a winner.
    RecordResult(Comp(), Outcome(-1, RESULT_TIE));
    EXPECT_EQ(Comp().m_knockoutWinners[2], HOME);
    EXPECT_FLOAT_EQ(Money(HOME), PRIZE_QUARTER_FINAL);

    // A fifth winner finds the round full and earns only the match prize.
    Comp().m_knockoutWinners[3] = 1000;
    RecordResult(Comp(), Outcome(AWAY, RESULT_WON_BATTING_LAST));
    EXPECT_FLOAT_EQ(Money(AWAY), 2 * PRIZE_MINOR + PRIZE_QUARTER_FINAL);
    EXPECT_EQ(Comp().m_knockoutWinners[4], -1);

    Comp().m_stage = STAGE_SEMI_FINALS;
    RecordResult(Comp(), Outcome(HOME, RESULT_WON_BOWLING_LAST));
    EXPECT_EQ(Comp().m_knockoutWinners[4], HOME);
    EXPECT_FLOAT_EQ(Money(HOME), PRIZE_QUARTER_FINAL + PRIZE_MINOR + PRIZE_SEMI_FINAL);

    Comp().m_stage = STAGE_FINAL;
    RecordResult(Comp(), Outcome(AWAY, RESULT_WON_BATTING_LAST));
    RecordResult(Comp(), Outcome(HOME, RESULT_WON_BATTING_LAST));
    EXPECT_EQ(Comp().m_knockoutWinners[6], AWAY);
    EXPECT_EQ(TeamById(HOME)->m_finance[FINANCE_OTHER][5], Money(HOME));
}

TEST_F(Results, OutcomeOfAMatchTakesItsSidesResultAndFigures) {
    Match match;
    match.mi_team1 = HOME;
    match.mi_team2 = AWAY;
    match.mi_winner = AWAY;
    match.mi_resultKind = RESULT_WON_BATTING_LAST;
    match.mi_bonus = {1, 2, 3, 4};
    match.mi_runRateFigures = {180, 300, 181, 270};
    const MatchOutcome o = OutcomeOf(match);
    EXPECT_EQ(o.m_side1, HOME);
    EXPECT_EQ(o.m_side2, AWAY);
    EXPECT_EQ(o.m_winner, AWAY);
    EXPECT_EQ(o.m_kind, RESULT_WON_BATTING_LAST);
    EXPECT_EQ(o.m_bonus1[0], 1);
    EXPECT_EQ(o.m_bonus1[1], 2);
    EXPECT_EQ(o.m_bonus2[0], 3);
    EXPECT_EQ(o.m_bonus2[1], 4);
    EXPECT_EQ(o.m_runs[1], 181);
    EXPECT_EQ(o.m_balls[1], 270);
    EXPECT_EQ(o.m_balls[0], 300);
}

TEST_F(Results, TestChampionshipCountsIntoTheRunningTourSeries) {
    Competition championship;
    championship.m_id = COMP_TEST_CHAMPIONSHIP;
    g_world.mv_competitions.push_back(championship);
    Tour tour;
    tour.m_id = 1;
    tour.m_state = TOUR_RUNNING;
    tour.m_host = 3;
    tour.m_visitor = 4;
    tour.m_series = 601;
    g_world.mv_tours.push_back(tour);
    TourSeries series;
    series.m_id = 601;
    series.m_home = 3;
    series.m_away = 4;
    g_world.mv_tourSeries.push_back(series);

    struct Case {
        int side1, side2, winner, kind;
    } cases[] = {{3, 4, 4, RESULT_WON_BATTING_LAST},
                 {4, 3, 3, RESULT_WON_BY_INNINGS},
                 {3, 4, 3, RESULT_WON_BOWLING_LAST},
                 {3, 4, -1, RESULT_DRAW},
                 {3, 4, -1, RESULT_TIE},
                 {3, 4, -1, RESULT_NO_RESULT}};
    for (const Case& c : cases) {
        MatchOutcome o;
        o.m_side1 = c.side1;
        o.m_side2 = c.side2;
        o.m_winner = c.winner;
        o.m_kind = c.kind;
        RecordResult(g_world.mv_competitions.back(), o);
    }
    const TourSeries& s = g_world.mv_tourSeries[0];
    EXPECT_EQ(s.m_homeWins, 2);
    EXPECT_EQ(s.m_awayWins, 1);
    EXPECT_EQ(s.m_draws, 1);
    EXPECT_EQ(s.m_ties, 1);
    EXPECT_TRUE(g_world.mv_competitions.back().mv_standings.empty());
}

}  // namespace
}  // namespace ravel
