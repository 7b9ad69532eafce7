// The end of a ball: extras, runs, dismissals, the eye and the milestones.
#include <gtest/gtest.h>

#include "MatchInvariantsWorld.h"

namespace ravel {
namespace {

class OutcomeTest : public MatchWorldFixture {
protected:
    void SetUp() override {
        MatchWorldFixture::SetUp();
        SeedRand(21);
        m = SetUpMatch(COMPETITION_FOUR_DAY);
        m->Step();
        m->StageDelivery();
    }
    // Ends a ball with the given outcome, runs and extra flags.
    void End(int outcome, int runs, bool noBall = false, bool wide = false) {
        m->StageDelivery();
        m->mi_ballOutcome = outcome;
        m->m_ball.mi_runs = runs;
        m->mb_noBall = noBall;
        m->mb_wide = wide;
        m->EndOfBall();
    }
    Innings& In() { return m->CurrentInnings(); }
    std::unique_ptr<Match> m;
};

TEST_F(OutcomeTest, ExtrasFlaggedByTheDeliveryAreBookedWhateverTheOutcome) {
    End(OUTCOME_RUNS, 4, true);  // four off the bat from a no ball
    EXPECT_EQ(In().mi_noBalls, 1);
    EXPECT_EQ(InningsTotal(In()), 5);
    EXPECT_EQ(In().m_bowlers[m->mi_bowler].mi_runs, 5);
    EXPECT_EQ(In().m_bowlers[m->mi_bowler].mi_noBalls, 1);
    End(OUTCOME_RUNS, 0, false, true);
    EXPECT_EQ(In().mi_wides, 1);
    EXPECT_EQ(InningsTotal(In()), 6);
    End(OUTCOME_NO_BALL, 0);
    EXPECT_EQ(In().mi_noBalls, 2);
    EXPECT_EQ(InningsTotal(In()), 7);
    EXPECT_EQ(In().m_partnerships[0].Runs(), 7);
}

TEST_F(OutcomeTest, ANoBallIsABallFacedAWideIsNot) {
    int striker = m->mi_striker;
    int sessionBalls = m->CurrentSession().mi_balls;
    End(OUTCOME_RUNS, 0, true);  // nothing off the bat
    EXPECT_EQ(In().m_batsmen[striker].Balls(), 1);
    EXPECT_EQ(In().m_batsmen[striker].mi_scored[0], 1);
    EXPECT_EQ(In().m_partnerships[0].Balls(), 1);
    EXPECT_EQ(InningsTotal(In()), 1);
    End(OUTCOME_RUNS, 2, true);  // two off the bat
    EXPECT_EQ(In().m_batsmen[striker].Balls(), 2);
    EXPECT_EQ(InningsTotal(In()), 4);
    End(OUTCOME_WIDE, 0, false, true);
    EXPECT_EQ(In().m_batsmen[striker].Balls(), 2);
    // The session counts legal balls only.
    EXPECT_EQ(m->CurrentSession().mi_balls, sessionBalls);

    // The fielding leaves a no ball with nothing off the bat as outcome 0.
    m->StageDelivery();
    m->mb_noBall = 1;
    m->mb_wide = 0;
    m->mi_ballOutcome = OUTCOME_RUNS;
    m->m_ball.mi_runs = 0;
    m->m_ball.mi_contact = CONTACT_NONE;
    m->Field();
    EXPECT_EQ(m->mi_ballOutcome, OUTCOME_RUNS);
}

TEST(DirectionTest, StrokesFallIntoSixAreasInFieldOrder) {
    struct Case {
        int bearing;
        int index;
    };
    // 0 is straight down the ground, 180 behind the stumps; below 180 the left of the picture.
    const Case cases[] = {{0, 4},   {30, 4},  {59, 4},  {60, 2},  {90, 2},  {120, 2}, {121, 0}, {179, 0},
                          {180, 1}, {200, 1}, {270, 3}, {330, 5}, {359, 5}, {-90, 3}, {450, 2}};
    for (const Case& c : cases) EXPECT_EQ(DirectionIndex(c.bearing), c.index) << c.bearing;
}

TEST_F(OutcomeTest, ScoringStrokesAddToTheirDirection) {
    int striker = m->mi_striker;
    m->StageDelivery();
    m->m_ball.mb_leftHander = 0;
    m->m_ball.mi_bearing = 90;  // square, left of the picture
    m->mi_ballOutcome = OUTCOME_RUNS;
    m->m_ball.mi_runs = 4;
    m->mb_noBall = m->mb_wide = 0;
    m->EndOfBall();
    m->m_ball.mb_leftHander = 1;  // the same stroke of a left-hander goes the other way
    m->EndOfBall();
    m->m_ball.mi_bearing = 0;
    m->m_ball.mi_runs = 0;  // a dot adds nothing
    m->EndOfBall();
    const BatsmanFigures& f = In().m_batsmen[striker];
    EXPECT_EQ(f.mi_directionRuns, (std::array<int32_t, 6>{0, 0, 4, 4, 0, 0}));
}

TEST_F(OutcomeTest, RunsOfTheBallBookAndTurnTheStrike) {
    struct Case {
        int runs;
        int booked;
        bool swaps;
    };
    const Case cases[] = {{0, 0, false}, {1, 1, true},  {2, 2, false}, {3, 3, true},
                          {4, 4, false}, {5, 0, false}, {6, 6, false}};
    for (const Case& c : cases) {
        int total = InningsTotal(In());
        int striker = m->mi_striker;
        int seconds = In().m_batsmen[striker].mi_seconds;
        End(OUTCOME_RUNS, c.runs);
        EXPECT_EQ(InningsTotal(In()) - total, c.booked) << c.runs;
        EXPECT_EQ(m->mi_striker != striker, c.swaps) << c.runs;
        // Five runs off the bat book nothing at all, not even the time.
        EXPECT_EQ(In().m_batsmen[striker].mi_seconds - seconds, c.runs == 5 ? 0 : m->mi_ballSeconds)
            << c.runs;
    }
    // A bye goes to the extras, not the bowler, and the batsmen cross.
    int striker = m->mi_striker;
    int bowlerRuns = In().m_bowlers[m->mi_bowler].mi_runs;
    End(OUTCOME_BYES, 0);
    EXPECT_EQ(In().mi_byes + In().mi_legByes, 1);
    EXPECT_EQ(In().m_bowlers[m->mi_bowler].mi_runs, bowlerRuns);
    EXPECT_NE(m->mi_striker, striker);
}

TEST_F(OutcomeTest, DismissalsCreditTheBowlerAndBringInTheNextMan) {
    struct Case {
        int outcome;
        int howOut;
        bool bowlerCredited;
    };
    const Case cases[] = {{OUTCOME_BOWLED, HOWOUT_BOWLED, true},
                          {OUTCOME_LBW, HOWOUT_LBW, true},
                          {OUTCOME_CAUGHT, HOWOUT_CAUGHT, true},
                          {OUTCOME_STUMPED, HOWOUT_STUMPED, true},
                          {OUTCOME_RUN_OUT_STRIKER, HOWOUT_RUN_OUT, false},
                          {OUTCOME_RUN_OUT_NON_STRIKER, HOWOUT_RUN_OUT, false}};
    int wickets = 0;
    for (const Case& c : cases) {
        int striker = m->mi_striker;
        int nonStriker = striker == m->mi_batsman1 ? m->mi_batsman2 : m->mi_batsman1;
        int out = c.outcome == OUTCOME_RUN_OUT_NON_STRIKER ? nonStriker : striker;
        int credited = In().m_bowlers[m->mi_bowler].mi_wickets;
        End(c.outcome, 0);
        ++wickets;
        EXPECT_EQ(In().Wickets(), wickets);
        EXPECT_EQ(In().m_batsmen[out].mi_howOut, c.howOut);
        EXPECT_EQ(In().m_bowlers[m->mi_bowler].mi_wickets - credited, c.bowlerCredited ? 1 : 0);
        // The new man takes the place of the one out, on strike if the striker went.
        EXPECT_EQ(In().m_batsmen[wickets + 1].mi_howOut, HOWOUT_BATTING);
        EXPECT_EQ(m->mi_striker, out == striker ? wickets + 1 : striker);
        EXPECT_EQ(In().m_partnerships[wickets - 1].mi_state, 2);
        EXPECT_EQ(In().m_partnerships[wickets].mi_state, 1);
    }
}

TEST_F(OutcomeTest, NobodyComesInAfterTheTenthWicket) {
    for (int w = 0; w < 12; ++w) End(OUTCOME_BOWLED, 0);
    EXPECT_EQ(In().Wickets(), 10);
    int batting = 0;
    for (const BatsmanFigures& f : In().m_batsmen) batting += f.mi_howOut == HOWOUT_BATTING;
    EXPECT_EQ(batting, 1);  // the not-out batsman
    EXPECT_EQ(In().m_bowlers[m->mi_bowler].mi_wickets, 10);
}

TEST_F(OutcomeTest, OffANoBallOnlyARunOutCounts) {
    for (int outcome :
         {OUTCOME_BOWLED, OUTCOME_LBW, OUTCOME_CAUGHT, OUTCOME_STUMPED, OUTCOME_RUN_OUT_STRIKER}) {
        m->StageDelivery();
        m->mb_noBall = 1;
        m->mb_wide = 0;
        m->mi_ballOutcome = outcome;
        m->m_ball.mi_contact = CONTACT_NONE;
        m->Field();
        bool runOut = outcome == OUTCOME_RUN_OUT_STRIKER;
        EXPECT_EQ(IsDismissal(m->mi_ballOutcome), runOut) << outcome;
    }
}

TEST_F(OutcomeTest, EyeRisesAndNeverPassesTen) {
    MatchPlayer& striker = m->BattingSide().m_players[In().mi_battingOrder[m->mi_striker]];
    striker.mf_eye.fill(4.95f);
    End(OUTCOME_RUNS, 0);
    EXPECT_NEAR(striker.mf_eye[m->mi_bowler], 4.95f + 0.13f, 1e-5f);
    EXPECT_NEAR(striker.mf_eye[(m->mi_bowler + 1) % SQUAD_SIZE], 5.05f, 1e-5f);
    End(OUTCOME_RUNS, 0);
    EXPECT_NEAR(striker.mf_eye[m->mi_bowler], 4.95f + 0.13f + 0.11f, 1e-5f);
    for (int i = 0; i < 100; ++i) End(OUTCOME_RUNS, 0);
    for (float e : striker.mf_eye) EXPECT_LE(e, 10.0f);
    EXPECT_FLOAT_EQ(striker.mf_eye[m->mi_bowler], 10.0f);
}

TEST_F(OutcomeTest, PartnershipMilestonesComeInOrderAndOnce) {
    auto reported = [this] {
        std::vector<int> steps;
        for (const BallEvent& e : m->mv_events) {
            if (e.mi_kind == MATCH_EVENT_PARTNERSHIP) steps.push_back(e.mi_values[1]);
        }
        return steps;
    };
    for (int i = 0; i < 8; ++i) End(OUTCOME_RUNS, 6);  // 48
    EXPECT_TRUE(reported().empty());
    End(OUTCOME_RUNS, 4);  // 52
    EXPECT_EQ(reported(), std::vector<int>({50}));
    End(OUTCOME_RUNS, 2);
    EXPECT_EQ(reported(), std::vector<int>({50}));
    // A jump past two steps at once reports both, in order.
    In().m_partnerships[0].AddRuns(-1, 100);
    End(OUTCOME_RUNS, 0);
    EXPECT_EQ(reported(), std::vector<int>({50, 100, 150}));
}

TEST_F(OutcomeTest, BatsmanMilestonesEachFiftyOnce) {
    int count = 0;
    for (int i = 0; i < 40; ++i) End(OUTCOME_RUNS, 6);  // 240 to the one striker
    for (const BallEvent& e : m->mv_events) {
        if (e.mi_kind != MATCH_EVENT_BATSMAN_MILESTONE) continue;
        ++count;
        EXPECT_EQ(e.mi_values[1], 50 * count);
        EXPECT_EQ(e.mi_values[4], 0);  // fours
    }
    EXPECT_EQ(count, 4);
}

TEST_F(OutcomeTest, AMilestoneReachedWithASingleIsTheScorersAfterTheEndsChange) {
    const int first = In().m_batsmen[m->mi_striker].mi_player;
    for (int i = 0; i < 8; ++i) End(OUTCOME_RUNS, 6);  // 48
    End(OUTCOME_RUNS, 1);                              // 49, the other man on strike
    End(OUTCOME_RUNS, 1);                              // back to the first
    End(OUTCOME_RUNS, 1);                              // 50 as the ends change
    std::vector<int> players;
    for (const BallEvent& e : m->mv_events) {
        if (e.mi_kind == MATCH_EVENT_BATSMAN_MILESTONE) players.push_back(e.mi_values[0]);
    }
    EXPECT_EQ(players, std::vector<int>({first}));
}

TEST_F(OutcomeTest, NightwatchmanGoesInLateInTheDay) {
    m->mi_oversLeftToday = 3;
    int watchman = In().m_batsmen[8].mi_player;
    End(OUTCOME_BOWLED, 0);
    EXPECT_EQ(In().m_batsmen[2].mi_player, watchman);
    EXPECT_EQ(In().m_batsmen[2].mi_howOut, HOWOUT_BATTING);
    int next = In().m_batsmen[3].mi_player;
    End(OUTCOME_BOWLED, 0);  // once a match only
    EXPECT_EQ(In().m_batsmen[3].mi_player, next);
}

}  // namespace
}  // namespace ravel
