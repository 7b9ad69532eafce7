// The shot: the leave, the stroke choice, stroke skill and risk figures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>

#include "MatchInvariantsWorld.h"

namespace ravel {
namespace {

class ShotTest : public MatchWorldFixture {
protected:
    void Prepare(int competition) {
        SeedRand(3);
        m = SetUpMatch(competition);
        m->Step();
        m->StageDelivery();
        m->CheckExtras();
    }
    // How often each stroke comes from ChooseStroke in n tries.
    std::map<int, int> Strokes(int intent, bool movementFlag, int n) {
        std::map<int, int> counts;
        for (int i = 0; i < n; ++i) {
            m->m_ball.mi_intent = intent;
            m->m_ball.mb_movementFlag = movementFlag;
            ++counts[m->ChooseStroke()];
        }
        return counts;
    }
    std::unique_ptr<Match> m;
};

TEST_F(ShotTest, AWideIsAlwaysLeftAndCannotGetHimOut) {
    Prepare(COMPETITION_ONE_DAY);
    for (int i = 0; i < 300; ++i) {
        m->mb_wide = 1;
        m->mb_noBall = 0;
        m->PlayShot();
        ASSERT_EQ(m->m_ball.mi_stroke, STROKE_LEAVE);
        ASSERT_EQ(m->m_ball.mf_risk[0], 0.0f);
        ASSERT_EQ(m->m_ball.mf_risk[1], 0.0f);
        ASSERT_EQ(m->mi_ballOutcome, OUTCOME_WIDE);
    }
}

TEST_F(ShotTest, TheBallKeepsTheIntentDistributionItsDrawChoseFrom) {
    Prepare(COMPETITION_ONE_DAY);
    for (int i = 0; i < 300; ++i) {
        m->mb_wide = 0;
        m->mb_noBall = 0;
        m->PlayShot();
        const BallState& b = m->m_ball;
        float sum = 0.0f;
        for (int k = 0; k < INTENTS; ++k) {
            sum += b.mf_intentWeight[k];
            ASSERT_EQ(b.mf_intentSum[k], sum) << k;
        }
        const int total = std::max(1, static_cast<int>(b.mf_intentSum[INTENTS - 1]));
        ASSERT_GE(b.mi_intentDraw, 0);
        ASSERT_LT(b.mi_intentDraw, total);
        int expected = INTENTS - 1;
        for (int k = INTENTS - 1; k >= 0; --k)
            if (static_cast<float>(b.mi_intentDraw) < b.mf_intentSum[k]) expected = k;
        ASSERT_EQ(b.mi_intent, INTENT_BLOCK + expected) << "draw " << b.mi_intentDraw;
    }
}

TEST_F(ShotTest, AttackingIntentsNeverLeave) {
    struct Case {
        int competition;
        int intent;
        bool mayLeave;
    };
    const Case cases[] = {
        {COMPETITION_ONE_DAY, INTENT_ATTACK, false}, {COMPETITION_FOUR_DAY, INTENT_ATTACK, false},
        {COMPETITION_ONE_DAY, INTENT_SLOG, false},   {COMPETITION_FOUR_DAY, INTENT_SLOG, true},
        {COMPETITION_FOUR_DAY, INTENT_BLOCK, true},
    };
    for (const Case& c : cases) {
        Prepare(c.competition);
        m->mb_wide = 0;
        auto counts = Strokes(c.intent, true, 2000);
        EXPECT_EQ(counts[STROKE_LEAVE] > 0, c.mayLeave) << c.competition << " " << c.intent;
    }
}

TEST_F(ShotTest, TheSeventhSkillRaisesThePlayChanceWithinItsBounds) {
    Prepare(COMPETITION_FOUR_DAY);
    m->mb_wide = 0;
    struct Case {
        int skill7;
        int intent;
        double leaveShare;  // 1 - play chance
    };
    // Blocking over days plays 30 in 100; a skill of 100 adds 12 and 6. Over
    // days intent 19004 starts at 0 and is raised to the floor of 4.
    const Case cases[] = {{50, INTENT_BLOCK, 0.70},
                          {100, INTENT_BLOCK, 0.52},
                          {50, INTENT_SLOG, 0.96},
                          {100, INTENT_NORMAL, 0.18}};
    for (const Case& c : cases) {
        m->m_ball.mi_skill7 = c.skill7;
        auto counts = Strokes(c.intent, true, 20000);
        EXPECT_NEAR(counts[STROKE_LEAVE] / 20000.0, c.leaveShare, 0.015) << c.skill7 << " " << c.intent;
    }
}

TEST_F(ShotTest, NoSweepAgainstPaceAndNoHookAgainstWristSpin) {
    Prepare(COMPETITION_ONE_DAY);
    for (int type : {1, 4, 6}) {
        m->m_ball.mi_bowlType = type;
        for (int i = 0; i < 3000; ++i) {
            int stroke = m->PickStroke(LENGTH_GOOD, MOVE_OFF_BREAK, INTENT_NORMAL, 2);
            if (type < 5) {
                ASSERT_NE(stroke, STROKE_SWEEP);
            }
            if (type == 6) {
                ASSERT_NE(stroke, STROKE_HOOK);
            }
        }
    }
}

TEST_F(ShotTest, ABouncerIsRarelyPlayedOffTheFrontFoot) {
    Prepare(COMPETITION_FOUR_DAY);
    m->m_ball.mi_bowlType = 1;
    auto share = [this](int length, int stroke) {
        int hits = 0;
        for (int i = 0; i < 40000; ++i)
            hits += m->PickStroke(length, MOVE_STRAIGHT, INTENT_BLOCK, 1) == stroke;
        return hits / 40000.0;
    };
    double forwardGood = share(LENGTH_GOOD, STROKE_FORWARD_DEFENCE);
    double forwardBouncer = share(LENGTH_BOUNCER, STROKE_FORWARD_DEFENCE);
    double pullGood = share(LENGTH_GOOD, STROKE_PULL);
    double pullBouncer = share(LENGTH_BOUNCER, STROKE_PULL);
    // Weights: forward defence 90 of 368 on a good length, 9 of 257 to a bouncer.
    EXPECT_NEAR(forwardGood, 90.0 / 368.0, 0.01);
    EXPECT_NEAR(forwardBouncer, 9.0 / 257.0, 0.005);
    EXPECT_GT(pullBouncer, pullGood * 1.5);
}

TEST(StrokeSkillTest, EachStrokeWeighsTheFourCoreSkills) {
    Player p;
    const int32_t skills[7] = {10, 20, 40, 80, 99, 99, 99};  // the last three never count
    std::copy(std::begin(skills), std::end(skills), p.m_batSkill);
    const struct {
        int stroke;
        float skill;
    } cases[] = {
        {STROKE_FORWARD_DEFENCE, 35.0f},
        {STROKE_BACK_DEFENCE, 40.0f},
        {STROKE_STRAIGHT_DRIVE, 35.0f},
        {STROKE_COVER_DRIVE, 29.0f},
        {STROKE_OFF_DRIVE, 29.0f},
        {STROKE_ON_DRIVE, 41.0f},
        {STROKE_LEG_GLANCE, 48.0f},
        {STROKE_CUT, 30.0f},
        {STROKE_PULL, 50.0f},
        {STROKE_HOOK, 50.0f},
        {STROKE_SWEEP, 45.0f},
        {STROKE_LEAVE, 41.0f},
        {STROKE_LEAVE + 10, 41.0f},
        {0, 41.0f},
        {-5, 41.0f},
    };
    for (const auto& c : cases) EXPECT_FLOAT_EQ(StrokeSkill(p, c.stroke), c.skill) << c.stroke;
}

TEST(StrokeRiskTest, RisksStayFiniteAndNonNegativeForAnySkill) {
    for (float skill : {-40.0f, 0.0f, 0.5f, 1.0f, 50.0f, 100.0f}) {
        for (float quality : {2.0f, 60.0f, 100.0f}) {
            for (float bounce : {0.0f, 2.5f, 5.0f, 7.5f, 9.9f}) {
                std::array<float, 3> risk{};
                StrokeRisks(skill, quality, bounce, 10.0f, risk);
                for (float r : risk) {
                    ASSERT_TRUE(std::isfinite(r)) << skill;
                    ASSERT_GE(r, 0.0f) << skill;
                }
            }
        }
    }
}

TEST(StrokeRiskTest, QualityFactorKeepsItsShapeAtSixty) {
    std::array<float, 3> below{}, at{}, above{};
    StrokeRisks(50.0f, 59.99f, 2.5f, 0.0f, below);
    StrokeRisks(50.0f, 60.0f, 2.5f, 0.0f, at);
    StrokeRisks(50.0f, 60.01f, 2.5f, 0.0f, above);
    EXPECT_NEAR(above[0], at[0], at[0] * 0.001f);
    EXPECT_NEAR(below[0], at[0], at[0] * 0.001f);
    // 0.18 / 50 at a quality of 60 and a bounce of 2.5; risk 3 takes no factors.
    EXPECT_NEAR(at[0], 0.18f / 50.0f, 1e-6f);
    EXPECT_NEAR(at[2], 0.5f / 50.0f, 1e-6f);
    std::array<float, 3> sharp{};
    StrokeRisks(50.0f, 90.0f, 2.5f, 0.0f, sharp);
    EXPECT_NEAR(sharp[0], at[0] * 1.5f, 1e-6f);
}

TEST(StrokeRiskTest, EyeCutsTheRiskFromThreeOn) {
    std::array<float, 3> fresh{}, settled{}, capped{};
    StrokeRisks(50.0f, 60.0f, 2.5f, 2.9f, fresh);
    StrokeRisks(50.0f, 60.0f, 2.5f, 5.5f, settled);
    StrokeRisks(50.0f, 60.0f, 2.5f, 40.0f, capped);
    EXPECT_FLOAT_EQ(fresh[0], 0.18f / 50.0f);
    EXPECT_NEAR(settled[0], fresh[0] * 0.95f, 1e-7f);
    EXPECT_NEAR(capped[1], fresh[1] * (1.0f - 10.0f / 110.0f), 1e-7f);
}

}  // namespace
}  // namespace ravel
