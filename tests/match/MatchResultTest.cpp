#include <gtest/gtest.h>

#include <cstring>

#include "match/Results.h"
#include "match/StepTestWorld.h"

namespace ravel {
namespace {

using namespace test;

// Gives an innings a total (all in ones to its opener) and a number of wickets.
void SetInnings(Match& match, int index, int runs, int wickets, int balls = 300) {
    Innings& innings = match.m_innings[index];
    if (!innings.mb_started) match.StartInnings(index, false);
    innings.m_batsmen[0].mi_scored = {};
    innings.m_batsmen[0].mi_scored[1] = runs;
    for (int i = 0; i < SQUAD_SIZE; ++i) innings.m_batsmen[i].mi_howOut = i < wickets ? 1 : 0;
    innings.Recount();
    innings.mi_legalBalls = balls;
}

class MatchResult : public ::testing::Test {
protected:
    void SetUp() override { BuildWorld(); }
};

TEST_F(MatchResult, LimitedOversKindsAndMargins) {
    struct Case {
        const char* name;
        bool noDraw;
        int runs0, wickets0, balls0, runs1, wickets1, balls1;
        int32_t kind, margin;
        bool homeWins;  // the home side bats first
        const char* text;
    };
    const Case cases[] = {
        {"chased", false, 250, 10, 290, 251, 4, 280, RESULT_WON_BATTING_LAST, 6, false,
         "Southdown won by 6 wickets"},
        {"chased last man", false, 250, 10, 290, 251, 9, 280, RESULT_WON_BATTING_LAST, 1, false,
         "Southdown won by 1 wicket"},
        {"defended", false, 250, 6, 300, 201, 10, 250, RESULT_WON_BOWLING_LAST, 49, true,
         "Northfield won by 49 runs"},
        {"tie", false, 250, 6, 300, 250, 10, 250, RESULT_TIE, 0, false, "Match tied"},
        {"tie, fewer wickets", true, 250, 6, 300, 250, 10, 250, RESULT_WON_BOWLING_LAST, MARGIN_FEWER_WICKETS,
         true, "Northfield won, having lost fewer wickets"},
        {"tie, quicker", true, 250, 8, 300, 250, 8, 288, RESULT_WON_BATTING_LAST, MARGIN_RUN_RATE, false,
         "Southdown won on run rate"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BuildWorld();
        Match& match = StartComputerMatch(COMP_ONE_DAY);
        match.mb_noDraw = c.noDraw;
        SetInnings(match, 0, c.runs0, c.wickets0, c.balls0);
        SetInnings(match, 1, c.runs1, c.wickets1, c.balls1);
        match.mi_currentInnings = 1;
        match.DecideLimitedOvers();
        EXPECT_EQ(match.mi_playState, PLAY_MATCH_OVER);
        EXPECT_EQ(match.mi_resultKind, c.kind);
        EXPECT_EQ(match.mi_margin, c.margin);
        if (c.kind != RESULT_TIE) {
            EXPECT_EQ(match.mi_winner, c.homeWins ? HOME : AWAY);
            EXPECT_EQ(match.mi_loser, c.homeWins ? AWAY : HOME);
        } else {
            EXPECT_EQ(match.mi_winner, -1);
        }
        EXPECT_EQ(match.ResultText(), c.text);
    }
}

// Innings totals of a match over days, in the order they are played.
struct FirstClassCase {
    const char* name;
    bool followOn;
    int t0, t1, t2, t3;  // by innings slot; -1 not played
    int lastWickets;     // wickets of the innings that ends the match
    int32_t kind, margin;
    bool homeWins;  // home bats first
    const char* text;
};

TEST_F(MatchResult, FirstClassKindsAndMargins) {
    const FirstClassCase cases[] = {
        {"innings win after follow-on", true, 500, 150, -1, 200, 10, RESULT_WON_BY_INNINGS, 150, true,
         "Northfield won by an innings and 150 runs"},
        {"innings win by the side batting second", false, 100, 400, 150, -1, 10, RESULT_WON_BY_INNINGS, 150,
         false, "Southdown won by an innings and 150 runs"},
        {"fourth innings chased", false, 300, 250, 200, 251, 3, RESULT_WON_BATTING_LAST, 7, false,
         "Southdown won by 7 wickets"},
        {"fourth innings defended", false, 300, 250, 200, 150, 10, RESULT_WON_BOWLING_LAST, 100, true,
         "Northfield won by 100 runs"},
        {"tie", false, 300, 250, 200, 250, 10, RESULT_TIE, 0, true, "Match tied"},
        {"follow-on side sets a target and wins", true, 400, 200, 150, 400, 10, RESULT_WON_BOWLING_LAST, 50,
         false, "Southdown won by 50 runs"},
    };
    for (const FirstClassCase& c : cases) {
        SCOPED_TRACE(c.name);
        BuildWorld();
        Match& match = StartComputerMatch(COMP_FC);
        match.mb_dayStarted = 1;
        match.mi_followOnState = c.followOn ? INNINGS_FOLLOW_ON : 0;
        const int order[2][4] = {{0, 1, 2, 3}, {0, 1, 3, 2}};
        const int totals[4] = {c.t0, c.t1, c.t2, c.t3};
        int last = -1;
        for (int k = 0; k < 4; ++k) {
            int slot = order[c.followOn][k];
            if (totals[slot] >= 0) last = slot;
        }
        for (int k = 0; k < 4; ++k) {
            int slot = order[c.followOn][k];
            if (totals[slot] < 0) continue;
            SetInnings(match, slot, totals[slot], slot == last ? c.lastWickets : 10, 600);
        }
        match.mi_currentInnings = last;
        match.CloseInnings(c.lastWickets == 10 ? INNINGS_ALL_OUT : 0);
        EXPECT_EQ(match.mi_playState, PLAY_MATCH_OVER);
        EXPECT_EQ(match.mi_resultKind, c.kind);
        EXPECT_EQ(match.mi_margin, c.margin);
        if (c.kind != RESULT_TIE) {
            EXPECT_EQ(match.mi_winner, c.homeWins ? HOME : AWAY);
        }
        EXPECT_EQ(match.ResultText(), c.text);
    }
}

TEST_F(MatchResult, LastDayEndsInADrawOrOnFirstInnings) {
    struct Case {
        const char* name;
        bool noDraw;
        int32_t type;
        int t0, b0, t1, b1;
        int32_t kind, margin;
        bool homeWins;
    };
    const Case cases[] = {
        {"draw", false, FORMAT_FIRST_CLASS, 300, 600, 400, 600, RESULT_DRAW, 0, false},
        {"a Test is always drawn", true, FORMAT_TEST, 300, 600, 400, 600, RESULT_DRAW, 0, false},
        {"first innings lead", true, FORMAT_FIRST_CLASS, 300, 600, 400, 600, RESULT_WON_BATTING_LAST,
         MARGIN_FIRST_INNINGS_TOTAL, false},
        {"first innings lead, batting first", true, FORMAT_FIRST_CLASS, 401, 600, 400, 600,
         RESULT_WON_BOWLING_LAST, MARGIN_FIRST_INNINGS_TOTAL, true},
        {"level, quicker first innings", true, FORMAT_FIRST_CLASS, 300, 500, 300, 600,
         RESULT_WON_BOWLING_LAST, MARGIN_FIRST_INNINGS_RATE, true},
        {"level and as quick: the side batting second", true, FORMAT_FIRST_CLASS, 300, 600, 300, 600,
         RESULT_WON_BATTING_LAST, MARGIN_FIRST_INNINGS_RATE, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BuildWorld();
        Match& match = StartComputerMatch(COMP_FC);
        match.mi_matchType = c.type;
        match.mb_noDraw = c.noDraw;
        SetInnings(match, 0, c.t0, 10, c.b0);
        SetInnings(match, 1, c.t1, 5, c.b1);
        match.m_innings[0].mb_closed = 1;
        match.mi_currentInnings = 1;
        match.mi_dayIndex = 3;
        match.mb_dayStarted = 1;
        match.mi_session = 2;
        match.mi_oversLeftToday = 0;
        // Rain at the close: the last look of the day ends the match.
        match.m_clock = ClockAt(18, 30);
        match.mi_condition = CONDITION_RAIN;
        match.mf_rainLevel = 100.0f;
        match.SetCheckTime();
        match.PlayPass();
        EXPECT_EQ(match.mi_playState, PLAY_MATCH_OVER);
        EXPECT_EQ(match.mi_resultKind, c.kind);
        EXPECT_EQ(match.mi_margin, c.margin);
        if (c.kind != RESULT_DRAW) {
            EXPECT_EQ(match.mi_winner, c.homeWins ? HOME : AWAY);
        }
    }
}

TEST_F(MatchResult, FollowOnIsEnforcedByTheComputerOrAskedOfTheHuman) {
    Match& match = StartComputerMatch(COMP_FC);
    SetInnings(match, 0, 450, 10, 600);
    SetInnings(match, 1, 300, 10, 500);  // 150 behind: the follow-on is on
    match.mi_currentInnings = 1;
    match.mb_team1Human = 1;  // the home side batted first and decides
    match.CloseInnings(INNINGS_ALL_OUT);
    EXPECT_EQ(match.mi_decision, DECISION_FOLLOW_ON);
    EXPECT_EQ(match.mb_followOnQuestion, 1);
    EXPECT_EQ(match.mi_currentInnings, 1);
    match.AnswerFollowOn(true);
    EXPECT_EQ(match.mi_decision, DECISION_NONE);
    EXPECT_EQ(match.mi_currentInnings, 3);
    EXPECT_EQ(match.m_innings[3].mi_status, INNINGS_FOLLOW_ON);
    EXPECT_EQ(match.m_innings[3].mi_battingTeam, AWAY);
    EXPECT_EQ(match.mi_followOnState, INNINGS_FOLLOW_ON);
    EXPECT_EQ(match.mi_playState, PLAY_INNINGS_BREAK);

    BuildWorld();
    Match& declined = StartComputerMatch(COMP_FC);
    SetInnings(declined, 0, 450, 10, 600);
    SetInnings(declined, 1, 301, 10, 500);  // 149 behind: no follow-on
    declined.mi_currentInnings = 1;
    declined.CloseInnings(INNINGS_ALL_OUT);
    EXPECT_EQ(declined.mi_currentInnings, 2);
    EXPECT_EQ(declined.m_innings[2].mi_battingTeam, HOME);
}

TEST_F(MatchResult, DeclarationsOnlyInMatchesOverDaysAndNotInTheLastInnings) {
    Match& oneDay = StartComputerMatch(COMP_ONE_DAY);
    EXPECT_FALSE(oneDay.Declare());

    BuildWorld();
    Match& match = StartComputerMatch(COMP_FC);
    SetInnings(match, 0, 320, 4, 400);
    EXPECT_TRUE(match.Declare());
    EXPECT_EQ(match.m_innings[0].mi_status, INNINGS_DECLARED);
    EXPECT_EQ(match.mi_currentInnings, 1);
    SetInnings(match, 1, 200, 10, 400);
    match.CloseInnings(INNINGS_ALL_OUT);
    SetInnings(match, 2, 100, 2, 100);
    EXPECT_TRUE(match.Declare());
    EXPECT_EQ(match.mi_currentInnings, 3);
    EXPECT_FALSE(match.Declare());
    EXPECT_EQ(match.ResultText(), "Southdown need 221 more runs to win");
}

// The match view offers a declaration only where it cannot hand the other
// side the match: in the third innings played the batting side needs a lead.
TEST_F(MatchResult, MayDeclareOnlyWithALeadInTheThirdInningsPlayed) {
    struct Case {
        const char* name;
        int innings;
        bool followOn;
        int totals[4];
        bool may;
    };
    const Case cases[] = {
        {"first innings", 0, false, {10, 0, 0, 0}, true},
        {"second innings, far behind", 1, false, {500, 20, 0, 0}, true},
        {"third, ahead", 2, false, {300, 250, 1, 0}, true},
        {"third, level", 2, false, {300, 350, 50, 0}, false},
        {"third, behind", 2, false, {300, 350, 40, 0}, false},
        {"last innings", 3, false, {300, 250, 200, 10}, false},
        {"follow-on innings, ahead", 3, true, {400, 200, 0, 201}, true},
        {"follow-on innings, level", 3, true, {400, 200, 0, 200}, false},
        {"last innings after the follow-on", 2, true, {400, 200, 50, 300}, false},
    };
    for (const Case& c : cases) {
        BuildWorld();
        Match& match = StartComputerMatch(COMP_FC);
        for (int i = 0; i < 4; ++i) {
            match.m_innings[i].m_batsmen[0].mi_scored = {};
            match.m_innings[i].m_batsmen[0].mi_scored[1] = c.totals[i];
            match.m_innings[i].Recount();
        }
        match.mi_currentInnings = c.innings;
        match.mi_followOnState = c.followOn ? INNINGS_FOLLOW_ON : 0;
        EXPECT_EQ(match.MayDeclare(), c.may) << c.name;
    }
    BuildWorld();
    EXPECT_FALSE(StartComputerMatch(COMP_ONE_DAY).MayDeclare()) << "limited overs";
}

TEST_F(MatchResult, RunRateFiguresCountFullOversForASideBowledOut) {
    Match& match = StartComputerMatch(COMP_ONE_DAY);
    SetInnings(match, 0, 180, 10, 200);
    SetInnings(match, 1, 181, 3, 150);
    match.StoreRunRateFigures();
    EXPECT_EQ(match.mi_runRateFigures[0], 180);
    EXPECT_EQ(match.mi_runRateFigures[1], 300);
    EXPECT_EQ(match.mi_runRateFigures[2], 181);
    EXPECT_EQ(match.mi_runRateFigures[3], 150);
}

TEST_F(MatchResult, PlayerRecordsGoIntoTheBlocksOfTheMatchTypeOnce) {
    Match& match = StartComputerMatch(COMP_FC);
    SetInnings(match, 0, 0, 10, 600);
    Innings& first = match.m_innings[0];
    first.m_batsmen[0].mi_scored[4] = 30;  // 120
    first.m_batsmen[1].mi_scored[1] = 55;
    first.m_batsmen[1].mi_howOut = -1;  // 55 not out
    first.m_bowlers[9].mi_balls = 120;
    first.m_bowlers[9].mi_runs = 61;
    first.m_bowlers[9].mi_wickets = 6;
    first.m_bowlers[9].mi_maidens = 4;
    first.m_batsmen[3].mi_howOut = 2;
    first.m_batsmen[3].mi_fielder = 20;
    first.Recount();
    SetInnings(match, 1, 100, 10, 300);
    SetInnings(match, 2, 0, 10, 300);
    match.m_innings[2].m_bowlers[9].mi_balls = 60;
    match.m_innings[2].m_bowlers[9].mi_runs = 20;
    match.m_innings[2].m_bowlers[9].mi_wickets = 5;
    match.m_innings[2].m_bowlers[9].mi_maidens = 3;
    match.SetResult(HOME, AWAY, RESULT_WON_BOWLING_LAST, 20);
    match.UpdatePlayerRecords();
    match.UpdatePlayerRecords();

    const PlayerStats& opener = g_world.mv_players[1].m_stats[STATS_CAREER_FC];
    EXPECT_EQ(opener.m_matches, 1);
    EXPECT_EQ(opener.m_innings, 2);
    EXPECT_EQ(opener.m_runs, 120);
    EXPECT_EQ(opener.m_hundreds, 1);
    EXPECT_EQ(opener.m_highest, 120);
    EXPECT_DOUBLE_EQ(opener.m_battingAverage, 60.0);
    EXPECT_EQ(g_world.mv_players[1].m_stats[STATS_SEASON_FC].m_runs, 120);
    EXPECT_EQ(g_world.mv_players[1].m_stats[STATS_CAREER_LA].m_matches, 0);

    const PlayerStats& second = g_world.mv_players[2].m_stats[STATS_CAREER_FC];
    EXPECT_EQ(second.m_innings, 2);
    EXPECT_EQ(second.m_notOuts, 1);
    EXPECT_EQ(second.m_highestNotOut, 1);
    EXPECT_EQ(second.m_fifties, 1);
    EXPECT_DOUBLE_EQ(second.m_battingAverage, 55.0);
    // The eleventh man never batted.
    EXPECT_EQ(g_world.mv_players[11].m_stats[STATS_CAREER_FC].m_innings, 0);
    EXPECT_EQ(g_world.mv_players[11].m_stats[STATS_CAREER_FC].m_battingAverage, NO_BATTING_AVERAGE);

    // The away side's bowler in slot 9 (player 25): 6 for 61 and 5 for 20.
    const PlayerStats& bowler = g_world.mv_players[25].m_stats[STATS_CAREER_FC];
    EXPECT_EQ(bowler.m_wickets, 11);
    EXPECT_EQ(bowler.m_balls, 180);
    EXPECT_EQ(bowler.m_bestInnsWickets, 6);
    EXPECT_EQ(bowler.m_bestInnsRuns, 61);
    EXPECT_EQ(bowler.m_bestMatchWickets, 11);
    EXPECT_EQ(bowler.m_bestMatchRuns, 81);
    EXPECT_EQ(bowler.m_haulsA, 2);  // five-wicket innings
    EXPECT_EQ(bowler.m_haulsB, 1);  // ten-wicket match
    EXPECT_DOUBLE_EQ(bowler.m_bowlingAverage, 81.0 / 11);
    EXPECT_DOUBLE_EQ(bowler.m_strikeRate, 180.0 / 11);
    EXPECT_DOUBLE_EQ(bowler.m_economy, 81.0 / 180 * 6);
    EXPECT_EQ(bowler.m_maidens, 7);
    EXPECT_EQ(g_world.mv_players[25].m_stats[STATS_SEASON_FC].m_maidens, 7);
    // A batsman who never bowled has no bowling figures to show.
    EXPECT_EQ(opener.m_bowlingAverage, NO_BOWLING_AVERAGE);
    EXPECT_EQ(opener.m_strikeRate, NO_BOWLING_AVERAGE);
    EXPECT_EQ(opener.m_economy, NO_BOWLING_AVERAGE);
    EXPECT_EQ(g_world.mv_players[20].m_stats[STATS_CAREER_FC].m_catches, 1);
}

TEST_F(MatchResult, FinishedMatchWritesItsResultIntoItsFixture) {
    Fixture fixture;
    fixture.m_home = HOME;
    fixture.m_away = AWAY;
    fixture.m_competition = COMP_ONE_DAY;
    fixture.m_id = 1;
    fixture.m_ground = GROUND;
    fixture.m_date = g_cricket.m_date;
    fixture.m_match = 0;
    g_world.mv_fixtures.push_back(fixture);
    Fixture other = fixture;
    other.m_id = 2;
    g_world.mv_fixtures.push_back(other);
    CreateMatchForFixture(1);
    Match& match = *g_currentMatches[0];
    FinishMatch(0);
    EXPECT_EQ(g_world.mv_fixtures[0].m_state, FIXTURE_SCHEDULED);  // not over yet
    match.SetResult(AWAY, HOME, RESULT_WON_BATTING_LAST, 3);
    FinishMatch(0);
    EXPECT_EQ(g_world.mv_fixtures[0].m_state, FIXTURE_PLAYED);
    EXPECT_EQ(g_world.mv_fixtures[0].m_result[0], RESULT_WON_BATTING_LAST);
    EXPECT_EQ(g_world.mv_fixtures[0].m_result[1], 3);
    EXPECT_EQ(g_world.mv_fixtures[0].m_result[2], AWAY);
    EXPECT_EQ(g_world.mv_fixtures[1].m_state, FIXTURE_SCHEDULED);
}

TEST_F(MatchResult, FirstClassBonusPointsFromTheFirstInnings) {
    g_world.mv_competitions[0].m_bonusRule = BONUS_FIRST_CLASS;
    Match& match = StartComputerMatch(COMP_FC);
    SetInnings(match, 0, 330, 7, 600);  // 3 batting points; 2 bowling points to the away side
    SetInnings(match, 1, 199, 10, 500);
    match.SetResult(-1, -1, RESULT_DRAW, 0);
    match.ComputeBonusPoints();
    EXPECT_EQ(match.mi_bonus[0], 3);
    EXPECT_EQ(match.mi_bonus[1], 0);
    EXPECT_EQ(match.mi_bonus[2], 3);  // home bowled the away side out
    EXPECT_EQ(match.mi_bonus[3], 2);
}

}  // namespace
}  // namespace ravel
