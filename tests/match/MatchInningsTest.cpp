#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "match/StepTestWorld.h"

namespace ravel {
namespace {

using namespace test;

class MatchInnings : public ::testing::Test {
protected:
    void SetUp() override { BuildWorld(); }

    // Plays balls through the stand-in until the legal balls of the current
    // innings reach a count.
    static void PlayBalls(Match& match, int legalBalls) {
        while (match.CurrentInnings().mi_legalBalls < legalBalls && match.mi_playState == PLAY_IN_PLAY &&
               match.mi_decision == DECISION_NONE) {
            PlayStandInBall(match);
            match.UpdateSituation();
            match.EndOfInningsChecks();
        }
    }
};

TEST_F(MatchInnings, OversCloseWithMaidensEndsAndStrike) {
    Match& match = StartComputerMatch(COMP_FC);
    UseStandIn(match, {0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0});
    int32_t firstBowler = match.mi_bowler;
    PlayBalls(match, 6);
    const Innings& innings = match.CurrentInnings();
    ASSERT_EQ(innings.mv_overs.size(), 1u);
    EXPECT_EQ(innings.m_bowlers[firstBowler].mi_maidens, 1);
    EXPECT_EQ(match.mb_endOne, 0);
    EXPECT_EQ(match.mi_lastBowler, firstBowler);
    EXPECT_NE(match.mi_bowler, firstBowler);
    EXPECT_EQ(match.mi_striker, 1);  // the ends changed
    EXPECT_EQ(match.mi_ballCount, 1);
    EXPECT_EQ(match.mi_oversLeftToday, 95);

    int32_t secondBowler = match.mi_bowler;
    PlayBalls(match, 12);
    EXPECT_EQ(innings.m_bowlers[secondBowler].mi_maidens, 0);
    EXPECT_EQ(innings.mv_overs[1].mi_runs, 1);
    EXPECT_EQ(innings.mv_overs[1].mi_total, 1);
    // The order of bowling keeps both openers.
    EXPECT_EQ(innings.mi_bowlingOrder[0], firstBowler);
    EXPECT_EQ(innings.mi_bowlingOrder[1], secondBowler);
}

TEST_F(MatchInnings, ComputerCaptainRestsTiredAndExpensiveBowlers) {
    Match& match = StartComputerMatch(COMP_FC);
    UseStandIn(match, {0});
    PlayBalls(match, 6 * 60);
    const Innings& innings = match.CurrentInnings();
    int bowlers = 0;
    for (const BowlerFigures& bowler : innings.m_bowlers) bowlers += bowler.mi_balls > 0;
    EXPECT_GE(bowlers, 4);
    // Spells: an over from the same bowler as two overs before continues his spell.
    std::vector<int> spell(innings.mv_overs.size(), 1);
    const MatchTeam& side = match.SideOf(innings.mi_bowlingTeam);
    for (size_t i = 1; i < innings.mv_overs.size(); ++i) {
        int32_t slot = innings.mv_overs[i].mi_bowler;
        EXPECT_NE(slot, innings.mv_overs[i - 1].mi_bowler);
        EXPECT_NE(slot, 5);  // the keeper
        if (i >= 2 && innings.mv_overs[i - 2].mi_bowler == slot) spell[i] = spell[i - 2] + 1;
        bool spinner = PlayerById(side.m_players[slot].mi_player)->m_bowlType >= 5;
        EXPECT_LE(spell[i], spinner ? 15 : 7);
    }
    // The order of bowling holds every bowler once, in the order of his first over,
    // however often he came back.
    std::vector<int32_t> firstOvers;
    for (const OverRecord& over : innings.mv_overs) {
        if (std::find(firstOvers.begin(), firstOvers.end(), over.mi_bowler) == firstOvers.end())
            firstOvers.push_back(over.mi_bowler);
    }
    firstOvers.resize(SQUAD_SIZE, -1);
    EXPECT_TRUE(std::equal(firstOvers.begin(), firstOvers.end(), innings.mi_bowlingOrder.begin()));
    const MatchTeam& fielding = match.SideOf(innings.mi_bowlingTeam);
    for (const MatchPlayer& player : fielding.m_players) {
        EXPECT_GE(player.mf_energy, 0.0f);
        EXPECT_LE(player.mf_energy, 100.0f);
    }
}

TEST_F(MatchInnings, HumanBowlerWhoIsWornOutMustBeReplaced) {
    Match& match = StartComputerMatch(COMP_FC);
    UseStandIn(match, {0});
    match.mb_dayStarted = 1;
    Innings& innings = match.CurrentInnings();
    MakeFieldingSideHuman(match);
    match.FieldingSide().m_players[match.mi_bowler2].mf_energy = 20.0f;
    match.mb_completeOver = 1;  // an Over press
    match.Step();
    // The first over is bowled, then the worn-out bowler at end 2 is due.
    EXPECT_EQ(innings.mi_legalBalls, 6);
    EXPECT_EQ(match.mi_decision, DECISION_BOWLER2_TIRED);
    EXPECT_TRUE(match.SetBowler(8));
    match.Step();
    EXPECT_GT(innings.m_bowlers[8].mi_balls, 0);
}

TEST_F(MatchInnings, HumanSideIsAskedWhenASpellIsOverAndMayKeepItsBowlerOn) {
    struct Case {
        const char* name;
        int competition;
        int bowlType;  // 5 and above spin
        int spellOvers, spellRuns;
        float energy;
        int asked;   // BowlerMustChange: 0 bowls on, 2 rest him
        int keptOn;  // the same after the user keeps him on
    };
    const Case cases[] = {
        {"a seamer after six overs bowls on", COMP_FC, 1, 6, 12, 90.0f, 0, 0},
        {"a seamer after seven overs is rested", COMP_FC, 1, 7, 14, 90.0f, 2, 0},
        {"a spinner after seven overs bowls on", COMP_FC, 5, 7, 14, 90.0f, 0, 0},
        {"a spinner after fifteen overs is rested", COMP_FC, 5, 15, 30, 90.0f, 2, 0},
        {"three overs at seven an over bowl on", COMP_FC, 1, 3, 21, 90.0f, 0, 0},
        {"three overs at more than seven are cut short", COMP_FC, 1, 3, 22, 90.0f, 2, 0},
        {"a one-day seamer after four overs bowls on", COMP_ONE_DAY, 1, 4, 16, 90.0f, 0, 0},
        {"a one-day seamer after five overs is rested", COMP_ONE_DAY, 1, 5, 16, 90.0f, 2, 0},
        {"a worn-out bowler cannot be kept on", COMP_FC, 1, 1, 2, 30.0f, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BuildWorld();
        Match& match = StartComputerMatch(c.competition);
        Innings& innings = match.CurrentInnings();
        innings.mi_legalBalls = 60;
        match.mi_extrasThisOver = 0;
        const int32_t slot = match.mi_bowler;
        MatchPlayer& bowler = match.FieldingSide().m_players[slot];
        PlayerById(bowler.mi_player)->m_bowlType = c.bowlType;
        bowler.mf_energy = c.energy;
        BowlerFigures& figures = innings.m_bowlers[slot];
        figures.mi_balls = figures.mi_spellBalls = c.spellOvers * 6;
        figures.mi_spellRuns = c.spellRuns;
        EXPECT_EQ(match.BowlerMustChange(), c.asked);
        EXPECT_TRUE(match.SetBowler(slot));
        EXPECT_EQ(match.BowlerMustChange(), c.keptOn);
    }
}

TEST_F(MatchInnings, HumanSideThatNeverChangesItsBowlerIsAskedToRestHim) {
    Match& match = StartComputerMatch(COMP_FC);
    UseStandIn(match, {0});
    match.mb_dayStarted = 1;
    Innings& innings = match.CurrentInnings();
    MakeFieldingSideHuman(match);
    // Over presses, each question answered by keeping the bowler on while he
    // is fit enough: no spell runs past its length without the question.
    int questions = 0;
    for (int step = 0; step < 400 && innings.mi_legalBalls < 40 * 6; ++step) {
        match.mb_completeOver = 1;
        match.Step();
        if (match.mi_playState == PLAY_CLOSE) break;
        if (match.mi_decision == DECISION_INFOBOX) match.mi_decision = DECISION_NONE;
        const bool asked =
            match.mi_decision == DECISION_BOWLER1_TIRED || match.mi_decision == DECISION_BOWLER2_TIRED;
        if (!asked) continue;
        ++questions;
        EXPECT_TRUE(match.SetBowler(match.mi_bowler));
        if (match.BowlerMustChange() != 0) match.ChooseNextBowler();
    }
    EXPECT_GE(innings.mi_legalBalls, 40 * 6);
    EXPECT_GT(questions, 0);
    const MatchTeam& side = match.SideOf(innings.mi_bowlingTeam);
    for (int slot = 0; slot < SQUAD_SIZE; ++slot) {
        const bool spinner = PlayerById(side.m_players[slot].mi_player)->m_bowlType >= 5;
        EXPECT_LE(innings.m_bowlers[slot].mi_spellBalls, (spinner ? 15 : 7) * 6) << slot;
    }
}

TEST_F(MatchInnings, NewBallAfterItsOversTakenByTheComputerOfferedToTheHuman) {
    Match& match = StartComputerMatch(COMP_FC);
    UseStandIn(match, {0});
    PlayBalls(match, 80 * 6);
    EXPECT_EQ(match.mb_newBallTaken, 1);
    EXPECT_EQ(match.mi_ballCount, 0);
    EXPECT_EQ(match.mf_ballValue, 100.0f);
    // And again each time the ball it took is as old: no innings is bowled out with one ball.
    match.mb_newBallTaken = 0;
    PlayBalls(match, 80 * 6 + 40 * 6);
    EXPECT_EQ(match.mb_newBallTaken, 0);
    EXPECT_EQ(match.mi_ballCount, 40);
    PlayBalls(match, 160 * 6);
    EXPECT_EQ(match.mb_newBallTaken, 1);
    EXPECT_EQ(match.mi_ballCount, 0);
    EXPECT_EQ(match.mb_newBallOffered, 0);

    BuildWorld();
    Match& human = StartComputerMatch(COMP_FC);
    UseStandIn(human, {0});
    (human.CurrentInnings().mi_bowlingTeam == HOME ? human.mb_team1Human : human.mb_team2Human) = 1;
    human.mi_ballCount = 79;
    human.CurrentInnings().mi_legalBalls = 0;
    PlayBalls(human, 6);
    EXPECT_EQ(human.mb_newBallAvailable, 1);
    EXPECT_EQ(human.mb_newBallTaken, 0);
    human.AnswerNewBall(false);
    EXPECT_EQ(human.mb_newBallAvailable, 0);
    EXPECT_EQ(human.mi_ballCount, 80);
    // The offer stands; when the computer takes the side over it takes the ball.
    EXPECT_EQ(human.mb_newBallOffered, 1);
    (human.CurrentInnings().mi_bowlingTeam == HOME ? human.mb_team1Human : human.mb_team2Human) = 0;
    human.AnswerForComputer();
    EXPECT_EQ(human.mb_newBallTaken, 1);
    EXPECT_EQ(human.mi_ballCount, 0);
    EXPECT_EQ(human.mb_newBallOffered, 0);
}

TEST_F(MatchInnings, ComputerDeclaresWithABigTotalOrAWinningLead) {
    struct Case {
        const char* name;
        int innings;
        int ownRuns, otherRuns;  // before this innings
        int total;
        int dayIndex, oversLeft;
        bool testMatch;
        bool declares;
    };
    const Case cases[] = {
        {"600 on the first day", 0, 0, 0, 600, 0, 40, false, true},
        {"350 on the first day", 0, 0, 0, 350, 0, 10, false, false},
        {"lead of 300 with 70 overs left", 2, 300, 300, 300, 3, 70, false, true},
        {"lead of 200 with 70 overs left", 2, 300, 300, 200, 3, 70, false, false},
        {"lead of 500 with a day and more left", 2, 400, 300, 400, 2, 30, false, true},
        {"no time to bowl them out", 2, 300, 300, 300, 3, 30, false, false},
        {"Test: lead of 300 with 70 overs left", 2, 300, 300, 300, 3, 70, true, false},
        {"Test: lead of 360 with 70 overs left", 2, 300, 300, 360, 3, 70, true, true},
        {"Test: lead of 500 with a day and more left", 2, 400, 300, 400, 2, 30, true, false},
        {"Test: lead of 560 with a day and more left", 2, 400, 300, 460, 2, 30, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BuildWorld();
        Match& match = StartComputerMatch(COMP_FC);
        if (c.testMatch) match.mi_matchType = FORMAT_TEST;
        if (c.innings == 2) {
            match.m_innings[0].m_batsmen[0].mi_scored[1] = c.ownRuns;
            match.m_innings[0].Recount();
            match.StartInnings(1, false);
            match.m_innings[1].m_batsmen[0].mi_scored[1] = c.otherRuns;
            match.m_innings[1].Recount();
            match.StartInnings(2, false);
        }
        match.CurrentInnings().m_batsmen[0].mi_scored[1] = c.total;
        match.CurrentInnings().Recount();
        match.CurrentInnings().mi_legalBalls = 600;
        match.mi_dayIndex = c.dayIndex;
        match.mi_oversLeftToday = c.oversLeft;
        match.EndOfInningsChecks();
        EXPECT_EQ(match.m_innings[c.innings].mi_status == INNINGS_DECLARED, c.declares);
        EXPECT_EQ(match.mb_declared == 1, c.declares);
    }
}

TEST_F(MatchInnings, ComputerBattingChasesOrBatsOutTimeLateInTheMatch) {
    // Four days of 96 overs. Totals of the innings in playing order; the
    // current innings is the last one given.
    struct Case {
        const char* name;
        bool followOn;
        std::vector<int> totals;
        int wickets;
        int dayIndex, oversLeft;
        float aggression;
        bool test = false;  // a Test rather than a county match
    };
    const std::vector<Case> cases = {
        {"201 to win in 90 overs: play to win", false, {300, 300, 200, 0}, 0, 3, 90, 48.0f},
        {"331 to win in 90 overs: a county side goes for it", false, {300, 300, 330, 0}, 0, 3, 90, 54.0f},
        {"331 to win in 90 overs: a Test side bats it out", false, {300, 300, 330, 0}, 0, 3, 90, 5.0f, true},
        {"271 to win in 90 overs: go for it", false, {300, 300, 270, 0}, 0, 3, 90, 54.0f},
        {"351 to win in 90 overs: out of reach", false, {300, 300, 350, 0}, 0, 3, 90, 5.0f},
        {"200 more with five down", false, {300, 300, 250, 51}, 5, 3, 90, 5.0f},
        {"200 more with two down", false, {300, 300, 250, 51}, 2, 3, 90, 48.0f},
        {"451 to win in a day and a half and more", false, {300, 300, 450, 0}, 0, 2, 90, 34.0f},
        {"101 to win in the last 20 overs after enforcing the follow-on",
         true,
         {400, 150, 350, 0},
         0,
         3,
         20,
         60.3f},
        {"following on in the last hour", true, {400, 150, 200}, 3, 3, 40, 5.0f},
        {"following on with two days left", true, {400, 150, 200}, 3, 2, 40, 34.0f},
        {"lead of 200 on the third day", false, {300, 300, 200}, 2, 2, 90, 60.0f},
        {"lead of 100 in the last 50 overs", false, {300, 300, 100}, 4, 3, 50, 5.0f},
        {"lead of 250 in the last 50 overs", false, {300, 300, 250}, 4, 3, 50, 60.0f},
        {"lead of 50 on the second day", false, {300, 300, 50}, 1, 1, 40, 34.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BuildWorld();
        Match& match = StartComputerMatch(COMP_FC);
        if (c.followOn) match.mi_followOnState = INNINGS_FOLLOW_ON;
        if (c.test) match.mi_matchType = FORMAT_TEST;
        const int order[2][4] = {{0, 1, 2, 3}, {0, 1, 3, 2}};
        for (size_t i = 0; i < c.totals.size(); ++i) {
            const int slot = order[c.followOn][i];
            if (i > 0) match.StartInnings(slot, false);
            match.m_innings[slot].m_batsmen[0].mi_scored[1] = c.totals[i];
            match.m_innings[slot].Recount();
        }
        Innings& in = match.CurrentInnings();
        for (int w = 0; w < c.wickets; ++w) in.m_batsmen[w].mi_howOut = HOWOUT_BOWLED;
        in.Recount();
        match.mi_batsman1 = c.wickets;
        match.mi_batsman2 = c.wickets + 1;
        match.mi_dayIndex = c.dayIndex;
        match.mi_oversLeftToday = c.oversLeft;
        match.ChooseTactics();
        const MatchTeam& batting = match.BattingSide();
        EXPECT_FLOAT_EQ(batting.m_players[c.wickets].mf_aggression[match.mi_bowler], c.aggression);
    }
}

TEST_F(MatchInnings, RequiredRateAndTopPerformers) {
    Match& match = StartComputerMatch(COMP_ONE_DAY);
    match.m_innings[0].m_batsmen[0].mi_scored[1] = 200;
    match.m_innings[0].m_batsmen[3].mi_scored[4] = 10;
    match.m_innings[0].m_batsmen[3].mi_howOut = 2;
    match.m_innings[0].Recount();
    match.m_innings[0].mi_legalBalls = 300;
    match.StartInnings(1, false);
    match.m_innings[1].m_batsmen[0].mi_scored[1] = 120;
    match.m_innings[1].Recount();
    match.m_innings[1].mi_legalBalls = 180;
    EXPECT_DOUBLE_EQ(match.RequiredRunRate(), (240.0 + 1 - 120) / 120 * 6);
    // Middle of the chase, a little over six an over needed, none out.
    EXPECT_EQ(match.Situation(), (std::array<int32_t, 3>{1, 2, 0}));
    match.m_innings[1].mi_legalBalls = 270;
    EXPECT_EQ(match.Situation(), (std::array<int32_t, 3>{2, 3, 0}));
    match.m_innings[1].mi_legalBalls = 300;
    EXPECT_EQ(match.RequiredRunRate(), 0.0);
    EXPECT_EQ(match.Situation(), (std::array<int32_t, 3>{2, 0, 0}));
    Match& fc = StartComputerMatch(COMP_FC);
    EXPECT_EQ(fc.RequiredRunRate(), 0.0);

    Innings& first = match.m_innings[0];
    first.m_bowlers[9].mi_balls = 60;
    first.m_bowlers[9].mi_wickets = 2;
    first.m_bowlers[9].mi_runs = 40;
    first.m_bowlers[10].mi_balls = 60;
    first.m_bowlers[10].mi_wickets = 2;
    first.m_bowlers[10].mi_runs = 30;
    first.FindTopPerformers();
    EXPECT_EQ(first.mi_topBatsmen[0], 0);
    EXPECT_EQ(first.mi_topBatsmen[1], 3);
    EXPECT_EQ(first.mi_topBatsmen[2], 1);
    EXPECT_EQ(first.mi_topBowlers[0], 10);
    EXPECT_EQ(first.mi_topBowlers[1], 9);
    EXPECT_EQ(first.mi_topBowlers[2], -1);
}

TEST(BatsmanFigures, StrikeRateIsRunsPerHundredBalls) {
    struct Case {
        std::array<int32_t, 7> scored;  // balls that scored 0 .. 6
        double rate;
    };
    const Case cases[] = {
        {{}, 0.0},                       // no balls
        {{10, 0, 0, 0, 0, 0, 0}, 0.0},   // balls, no runs
        {{6, 4, 0, 0, 0, 0, 0}, 40.0},   // 4 runs from 10 balls
        {{3, 2, 1, 0, 2, 0, 2}, 240.0},  // 24 runs from 10 balls
    };
    for (const Case& c : cases) {
        BatsmanFigures b;
        b.mi_scored = c.scored;
        EXPECT_DOUBLE_EQ(b.StrikeRate(), c.rate);
    }
}

TEST_F(MatchInnings, TitleAndNames) {
    Match& match = StartComputerMatch(COMP_ONE_DAY);
    EXPECT_EQ(MatchTitle(match), "Northfield vs Southdown");
    EXPECT_STREQ(match.TeamShortName(AWAY), "SOU");
    EXPECT_EQ(match.ResultText(), "Match not started");
}

}  // namespace
}  // namespace ravel
