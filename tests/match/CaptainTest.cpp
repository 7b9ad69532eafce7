// The computer's captains: the chase of the side batting last, the fielding
// captain's attack, and bowling plans that fit the bowler's kind.
#include <gtest/gtest.h>

#include <cstdio>

#include "MatchInvariantsWorld.h"
#include "match/Tactics.h"

namespace ravel {
namespace {

enum Intent { SAVE, STEADY, WIN };

Intent IntentOf(float aggression) {
    return aggression < 20.0f ? SAVE : aggression < 40.0f ? STEADY : WIN;
}

TEST(ChaseTest, TheSideBattingLastPlaysToWinWithinReachAndBatsOutTimeBeyondIt) {
    struct Case {
        const char* name;
        int runs, overs, wicketsInHand;
        bool test, saving;
        Intent intent;
        bool fieldersAttack;
    };
    const Case cases[] = {
        {"177 from 90 overs, six wickets in hand", 177, 90, 6, true, false, WIN, false},
        {"a small target", 60, 60, 8, true, false, WIN, false},
        {"under 3 an over with the wickets", 250, 90, 7, true, false, WIN, false},
        {"the same with the tail in", 250, 90, 3, true, false, SAVE, true},
        {"over 3 an over in a Test", 300, 85, 8, true, false, SAVE, true},
        {"a county side chases further", 300, 85, 8, false, false, WIN, false},
        {"more than the batting left makes", 300, 110, 3, true, false, SAVE, true},
        {"too long to bat out", 450, 200, 8, true, false, STEADY, false},
        {"the last hour within a one-day rate", 70, 15, 5, true, false, WIN, false},
        {"the last hour beyond it", 200, 15, 5, true, false, SAVE, true},
        {"shut up shop stays shut", 160, 60, 8, true, true, SAVE, true},
        {"unless it has become a stroll", 100, 60, 8, true, true, WIN, false},
        {"a few to get with the last pair", 15, 30, 1, true, false, STEADY, false},
    };
    for (const Case& c : cases) {
        const LastInningsPlan plan = PlanLastInnings(c.runs, c.overs, c.wicketsInHand, c.test, c.saving);
        EXPECT_EQ(IntentOf(plan.mf_aggression), c.intent) << c.name << ": " << plan.mf_aggression;
        EXPECT_EQ(plan.mb_fieldersAttack, c.fieldersAttack) << c.name;
    }
}

// Plans of a small world: two pace plans, one with an attacking field, and
// spin plans of off breaks, of leg breaks with the wrong'un, of both kinds
// (the most attacking field) and of wrong'uns to the left-hander's turn.
class BowlPlanTest : public MatchWorldFixture {
protected:
    void SetUp() override {
        MatchWorldFixture::SetUp();
        for (int value : {1, 5, 10}) {
            FieldPosition position;
            position.m_value = value;
            g_world.mv_fieldPositions.push_back(position);
        }
        // Field ids 0..3, ever more attacking.
        for (int id = 0; id < 4; ++id) {
            FieldSetup field;
            field.m_id = id;
            field.m_total = 20 + 10 * id;
            g_world.mv_fieldSetups.push_back(field);
        }
        AddPlan(g_world.mv_pacePlans, "Keep it tight", 0, {MOVE_STRAIGHT, MOVE_OUT_SWING}, true);
        AddPlan(g_world.mv_pacePlans, "Slips waiting", 2, {MOVE_OUT_SWING, MOVE_IN_SWING}, true);
        AddPlan(g_world.mv_pacePlans, "Empty", 3, {}, true);
        AddPlan(g_world.mv_spinPlans, "Off breaks", 0, {MOVE_OFF_BREAK, MOVE_OFF_BREAK, MOVE_STRAIGHT_ONE},
                false);
        AddPlan(g_world.mv_spinPlans, "Leg breaks", 1, {MOVE_LEG_BREAK, MOVE_LEG_BREAK, MOVE_WRONGUN}, false);
        AddPlan(g_world.mv_spinPlans, "Both ways", 2, {MOVE_LEG_BREAK, MOVE_OFF_BREAK, MOVE_SPECIALITY},
                false);
        AddPlan(g_world.mv_spinPlans, "Chinamen", 3, {MOVE_OFF_BREAK, MOVE_WRONGUN}, false);
    }

    static void AddPlan(std::vector<BowlPlan>& table, const char* name, int field, std::vector<int> movements,
                        bool pace) {
        BowlPlan plan;
        std::snprintf(plan.m_name, sizeof plan.m_name, "%s", name);
        plan.m_id = static_cast<int32_t>(table.size());
        plan.m_pace = pace ? 1 : 0;
        plan.m_spin = pace ? 0 : 1;
        for (int movement : movements) plan.mv_balls.push_back({field, 0, LENGTH_GOOD, movement, 0, 5});
        table.push_back(plan);
    }

    static Player Bowler(int type, int arm) {
        Player p;
        p.m_bowlType = type;
        p.m_bowlArm = arm;
        return p;
    }
};

TEST_F(BowlPlanTest, EachKindOfBowlerAttacksWithAPlanOfHisOwnKind) {
    struct Case {
        const char* kind;
        int type, arm;
        const char* attacking;
    };
    const Case cases[] = {
        {"fast", BOWL_FAST, 0, "Slips waiting"},
        {"left-arm medium", BOWL_MEDIUM, 1, "Slips waiting"},
        {"off spin", BOWL_FINGER_SPIN, 0, "Both ways"},
        {"slow left arm", BOWL_FINGER_SPIN, 1, "Both ways"},
        {"leg spin", BOWL_WRIST_SPIN, 0, "Both ways"},
        {"left-arm wrist spin", BOWL_WRIST_SPIN, 1, "Chinamen"},
    };
    for (const Case& c : cases) {
        const Player bowler = Bowler(c.type, c.arm);
        const std::vector<BowlPlan>& table = BowlPlanTable(IsSpin(c.type));
        const int32_t plan = AttackingPlanFor(bowler);
        ASSERT_GE(plan, 0) << c.kind;
        ASSERT_LT(plan, static_cast<int32_t>(table.size())) << c.kind;
        EXPECT_STREQ(table[plan].m_name, c.attacking) << c.kind;
        EXPECT_TRUE(PlanFitsBowler(table[plan], bowler)) << c.kind;
    }
    // What each spinner may bowl: his stock turn, the wrong'un from the wrist only.
    const bool fits[4][4] = {
        // off breaks, leg breaks, both ways, chinamen
        {true, false, true, false},   // off spin
        {false, false, true, false},  // slow left arm
        {false, true, true, false},   // leg spin
        {true, false, true, true},    // left-arm wrist spin
    };
    const Player spinners[4] = {Bowler(BOWL_FINGER_SPIN, 0), Bowler(BOWL_FINGER_SPIN, 1),
                                Bowler(BOWL_WRIST_SPIN, 0), Bowler(BOWL_WRIST_SPIN, 1)};
    for (int s = 0; s < 4; ++s) {
        for (int p = 0; p < 4; ++p)
            EXPECT_EQ(PlanFitsBowler(g_world.mv_spinPlans[p], spinners[s]), fits[s][p]) << s << " " << p;
        EXPECT_FALSE(PlanFitsBowler(g_world.mv_pacePlans[0], spinners[s])) << s;
    }
    EXPECT_FALSE(PlanFitsBowler(g_world.mv_spinPlans[2], Bowler(BOWL_FAST, 0)));
    // Opening plans by type, as a bowler is registered.
    EXPECT_EQ(OpeningPlanFor(BOWL_FAST), 2);
    EXPECT_EQ(OpeningPlanFor(BOWL_NONE), 2);
    EXPECT_EQ(OpeningPlanFor(BOWL_FINGER_SPIN), 5);
    EXPECT_EQ(OpeningPlanFor(BOWL_WRIST_SPIN), 4);
}

TEST_F(BowlPlanTest, TheFieldingCaptainGivesTheBowlerHisOwnAttackingPlan) {
    auto m = SetUpMatch(COMPETITION_FOUR_DAY);
    for (int slot : {9, 6, 7}) {  // fast, off spin, leg spin
        m->mi_bowler = slot;
        MatchPlayer& bowler = m->FieldingSide().m_players[slot];
        const Player& player = *PlayerById(bowler.mi_player);
        m->GiveBowlerPlans(true);
        const BowlPlan& plan = BowlPlanTable(bowler)[bowler.BowlPlanFor(3)];
        EXPECT_EQ(bowler.mb_spinner != 0, IsSpin(player.m_bowlType)) << slot;
        EXPECT_TRUE(PlanFitsBowler(plan, player)) << slot << " " << plan.m_name;
        EXPECT_EQ(bowler.BowlPlanFor(0), AttackingPlanFor(player)) << slot;
        m->GiveBowlerPlans(false);
        EXPECT_EQ(bowler.BowlPlanFor(3), OpeningPlanFor(player.m_bowlType)) << slot;
    }
}

}  // namespace
}  // namespace ravel
