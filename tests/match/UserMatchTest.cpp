// What the engine does for a match the user plays: a step ends after each
// ball (or the over, or a wicket of his batting side), the next batsman is
// his to choose, the follow-on waits for his answer, and the assistant or
// the computer can take his side over.
#include <gtest/gtest.h>

#include "match/MatchDay.h"
#include "match/StepTestWorld.h"

namespace ravel {
namespace {

using namespace test;

class UserMatch : public ::testing::Test {
protected:
    void SetUp() override { BuildWorld(); }
    // The home side, batting first, is the user's.
    Match& Start(int competition, bool userBats, std::vector<int> script) {
        TeamById(userBats ? HOME : AWAY)->m_human = 1;
        Match& match = StartComputerMatch(competition, true);
        match.ReadHumanSides();
        UseStandIn(match, std::move(script));
        match.Step();  // the day is prepared
        return match;
    }
};

TEST_F(UserMatch, AStepEndsAfterTheBallTheOverOrTheUsersWicket) {
    struct Case {
        const char* name;
        bool userBats;
        bool completeOver;
        int ballsBefore;  // into the over
        std::vector<int> script;
        int ballsPlayed;
    };
    const Case cases[] = {
        {"a ball", true, false, 0, {1}, 1},
        {"a ball while bowling", false, false, 3, {0}, 1},
        {"an over", true, true, 0, {0}, 6},
        {"the rest of an over", false, true, 4, {2}, 2},
        {"an over ended by his batsman's wicket", true, true, 0, {0, WICKET}, 2},
        {"the computer's wicket ends nothing", false, true, 0, {0, WICKET}, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BuildWorld();
        Match& match = Start(COMP_FC, c.userBats, {0});
        for (int i = 0; i < c.ballsBefore; ++i) {
            match.Step();
            match.mi_decision = DECISION_NONE;
        }
        g_standIn.mv_script = c.script;
        g_standIn.m_next = 0;
        const int before = g_standIn.m_balls;
        match.mb_completeOver = c.completeOver;
        match.Step();
        EXPECT_EQ(g_standIn.m_balls - before, c.ballsPlayed);
        EXPECT_EQ(match.mi_decision, DECISION_INFOBOX);
        EXPECT_EQ(match.mi_playState, PLAY_IN_PLAY);
    }
}

TEST_F(UserMatch, ComputerMatchesPlayOnWithoutPausing) {
    Match& match = StartComputerMatch(COMP_FC);
    UseStandIn(match, {0});
    match.Step();
    match.Step();
    EXPECT_EQ(match.mi_decision, DECISION_NONE);
    EXPECT_GT(g_standIn.m_balls, 6) << "played through to the first break";
}

// Who comes in and who faces after a wicket: the eight cases of the
// striker or the non-striker (run out) going, in the over or on its last
// ball, with batsman 1 or batsman 2 on strike.
TEST_F(UserMatch, NextBatsmanTakesTheEndAndStrikeOfTheWicket) {
    struct Case {
        bool overEnds;
        bool nonStrikerRunOut;
        bool strikerWasBatsman1;
        bool newIsBatsman1;
        bool strikerIsBatsman1;
    };
    const Case cases[] = {
        {false, false, true, true, true},  {false, false, false, false, false},
        {false, true, true, false, true},  {false, true, false, true, false},
        {true, false, false, false, true}, {true, false, true, true, false},
        {true, true, false, true, true},   {true, true, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "over ends " << c.overEnds << ", run out " << c.nonStrikerRunOut
                                        << ", batsman 1 on strike " << c.strikerWasBatsman1);
        BuildWorld();
        Match& match = Start(COMP_FC, true, {0});
        Innings& innings = match.CurrentInnings();
        match.mi_striker = c.strikerWasBatsman1 ? match.mi_batsman1 : match.mi_batsman2;
        innings.mi_legalBalls = c.overEnds ? 6 : 4;
        match.Dismiss(c.nonStrikerRunOut ? OUTCOME_RUN_OUT_NON_STRIKER : OUTCOME_CAUGHT);
        match.UpdateSituation();  // closes the over when it has ended
        const int next = 2;
        EXPECT_EQ(c.newIsBatsman1 ? match.mi_batsman1 : match.mi_batsman2, next);
        EXPECT_EQ(match.mi_striker, c.strikerIsBatsman1 ? match.mi_batsman1 : match.mi_batsman2);
    }
}

TEST_F(UserMatch, TheUsersChoiceTakesThePlaceOfTheManSentIn) {
    Match& match = Start(COMP_FC, true, {0, 0, WICKET});
    Innings& innings = match.CurrentInnings();
    for (int ball = 0; ball < 3; ++ball) {
        match.Step();
        match.mi_decision = DECISION_NONE;
    }
    ASSERT_EQ(innings.Wickets(), 1);
    ASSERT_EQ(match.WaitingBatsman(), 2);
    EXPECT_TRUE(match.NextBatsmanToChoose());
    const int32_t sentIn = innings.m_batsmen[2].mi_player;
    const int32_t chosen = innings.m_batsmen[6].mi_player;
    const MatchTeam side = match.m_team1;

    EXPECT_FALSE(match.SwapNextBatsman(0)) << "he has batted";
    EXPECT_TRUE(match.SwapNextBatsman(2)) << "the man due in anyway";
    EXPECT_EQ(innings.m_batsmen[2].mi_player, sentIn);
    EXPECT_TRUE(match.SwapNextBatsman(6));
    EXPECT_EQ(innings.m_batsmen[2].mi_player, chosen);
    EXPECT_EQ(innings.m_batsmen[2].mi_howOut, HOWOUT_BATTING);
    EXPECT_EQ(innings.m_batsmen[6].mi_player, sentIn);
    EXPECT_EQ(innings.m_batsmen[6].mi_howOut, HOWOUT_DID_NOT_BAT);
    EXPECT_EQ(innings.mi_battingOrder[2], 6);
    EXPECT_EQ(innings.mi_battingOrder[6], 2);
    const auto& pair = innings.m_partnerships[1].mi_player;
    EXPECT_TRUE(pair[0] == chosen || pair[1] == chosen) << "the partnership names him";
    EXPECT_EQ(match.m_team1.mi_keeperSlot, side.mi_keeperSlot) << "side slots stay as they were";
    EXPECT_EQ(match.m_team1.mi_orderSlotA, side.mi_orderSlotA);

    // The choice stands once he has faced.
    match.Step();
    EXPECT_EQ(match.WaitingBatsman(), -1);
    EXPECT_FALSE(match.SwapNextBatsman(7));
}

TEST_F(UserMatch, TheLastManInLeavesNothingToChoose) {
    Match& match = Start(COMP_FC, true, {0});
    Innings& innings = match.CurrentInnings();
    for (int w = 0; w < 9; ++w) match.Dismiss(OUTCOME_BOWLED);
    EXPECT_EQ(match.WaitingBatsman(), 10);
    EXPECT_FALSE(match.NextBatsmanToChoose());
    EXPECT_EQ(innings.Wickets(), 9);
}

TEST_F(UserMatch, FollowOnWaitsForTheAnswerWhateverTheDecisionStateBecomes) {
    Match& match = Start(COMP_FC, true, {0});
    Innings& first = match.m_innings[0];
    first.m_batsmen[0].mi_scored[4] = 100;  // 400
    for (int i = 0; i < SQUAD_SIZE; ++i) first.m_batsmen[i].mi_howOut = i < 10 ? HOWOUT_BOWLED : 0;
    first.Recount();
    match.StartInnings(1, false);
    match.CurrentInnings().mi_legalBalls = 300;
    match.CloseInnings(INNINGS_ALL_OUT);
    ASSERT_EQ(match.mb_followOnOpen, 1);
    // The match view's pop-ups pause and release the match meanwhile.
    match.mi_decision = DECISION_INFOBOX;
    match.mi_decision = DECISION_NONE;
    const int balls = g_standIn.m_balls;
    match.Step();
    EXPECT_EQ(g_standIn.m_balls, balls) << "nothing is played on a closed innings";
    match.AnswerFollowOn(true);
    EXPECT_EQ(match.mb_followOnOpen, 0);
    EXPECT_EQ(match.mi_currentInnings, 3);
    EXPECT_EQ(match.mb_followOnEnforced, 1);
}

TEST_F(UserMatch, DismissalShortTexts) {
    const std::pair<int32_t, const char*> texts[] = {
        {-1, "Not Out"},
        {0, " "},
        {1, "b"},
        {2, "c"},
        {3, "lbw"},
        {4, "st"},
        {5, "run out"},
        {6, "handled ball"},
        {7, "hit wicket"},
        {8, "hit ball twice"},
        {9, "obst field"},
        {10, "timed out"},
        {11, "retired out"},
        {12, " "},
        {-2, " "},
    };
    for (const auto& [code, text] : texts) EXPECT_STREQ(DismissalShortText(code), text) << code;
}

// Autoplay: the computer answers for the user's side and plays to close of
// play; the side is his again, and nothing that happened is announced later.
TEST_F(UserMatch, AutoplayPlaysToCloseOfPlayAndForgetsWhatItPassed) {
    Match& match = Start(COMP_FC, false, {4});
    match.mi_decision = DECISION_BOWLER1_TIRED;
    match.mi_playState = PLAY_INNINGS_BREAK;  // even from the break between innings
    match.mi_breakCounter = 600;
    g_sliceBudget = 0;
    AutoplayMatch(match);
    EXPECT_EQ(match.mi_playState, PLAY_CLOSE);
    EXPECT_GT(g_standIn.m_balls, 100) << "a day's play";
    EXPECT_EQ(match.mb_team2Human, 1);
    EXPECT_EQ(match.mb_team1Human, 0);
    EXPECT_EQ(match.mb_sliced, 1);
    EXPECT_EQ(match.mb_closeMessage, 0);
    EXPECT_EQ(match.mb_lunchMessage, 0);
    const Innings& innings = match.CurrentInnings();
    for (const BatsmanFigures& b : innings.m_batsmen) {
        if (BatsmanRuns(b) < 50) continue;
        EXPECT_GT(b.mi_viewMilestone, std::min(BatsmanRuns(b), 500)) << "passed milestones are not announced";
    }
    const Partnership& p = innings.m_partnerships[innings.Wickets()];
    for (int step = 0; step < PARTNERSHIP_STEPS; ++step) {
        if (p.mb_reached[step]) {
            EXPECT_GE(p.mi_viewMilestone, 50 * (step + 1));
        }
    }
}

// The assistant plays by the computer captains' logic; what the user chose
// for his side is his again afterwards.
TEST_F(UserMatch, AutoplayLeavesTheUsersOwnAggressionAndPlans) {
    Match& match = Start(COMP_FC, true, {1});
    match.m_ballHook = [](Match& m) {
        m.ChooseTactics();
        PlayStandInBall(m);
    };
    MatchTeam& user = match.m_team1;
    for (MatchPlayer& player : user.m_players) {
        player.mf_aggression.fill(77.0f);
        player.mi_bowlPlan.fill(1);
    }
    // Without autoplay the computer's captain leaves the user's batsmen alone.
    match.ChooseTactics();
    EXPECT_EQ(user.m_players[match.mi_striker].mf_aggression[match.mi_bowler], 77.0f);
    g_sliceBudget = 0;
    AutoplayMatch(match);
    EXPECT_EQ(match.mi_playState, PLAY_CLOSE);
    for (const MatchPlayer& player : user.m_players) {
        for (float a : player.mf_aggression) EXPECT_EQ(a, 77.0f);
        for (int32_t plan : player.mi_bowlPlan) EXPECT_EQ(plan, 1);
    }
}

TEST_F(UserMatch, ComputerAnswersForTheUsersFieldingSide) {
    Match& match = Start(COMP_ONE_DAY, false, {0});
    match.mb_wait = 1;
    match.mi_decision = DECISION_BOWLER1_LIMIT;
    match.mb_team2Human = 0;
    match.AnswerForComputer();
    EXPECT_EQ(match.mb_wait, 0);
    EXPECT_EQ(match.mi_decision, DECISION_NONE);
    EXPECT_TRUE(PlayToCloseOfPlay(match, 0));
    EXPECT_EQ(match.mi_playState, PLAY_MATCH_OVER);
}

TEST_F(UserMatch, AStuckMatchIsGivenUpNotLoopedForEver) {
    Match& match = Start(COMP_FC, true, {0});
    match.mi_decision = DECISION_INFOBOX;  // nobody will close the pop-up
    EXPECT_FALSE(PlayToCloseOfPlay(match, 0));
    EXPECT_EQ(match.mi_playState, PLAY_IN_PLAY);
}

TEST_F(UserMatch, DeclaredAtCloseOfPlayTheNextInningsBeginsInTheMorning) {
    Match& match = Start(COMP_FC, true, {0});
    match.CurrentInnings().mi_legalBalls = 300;
    match.mi_playState = PLAY_CLOSE;
    ASSERT_TRUE(match.Declare());
    EXPECT_EQ(match.mi_currentInnings, 1);
    EXPECT_EQ(match.mi_playState, PLAY_CLOSE);
}

}  // namespace
}  // namespace ravel
