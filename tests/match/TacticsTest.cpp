// The plan and field editors' logic on a small world of tactics, with one
// pace and one spin bowler.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "MatchInvariantsWorld.h"
#include "TacticsWorld.h"
#include "match/Match.h"
#include "match/Tactics.h"
#include "season/GameState.h"
#include "world/World.h"

namespace ravel {
namespace {

class TacticsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        test::AddTacticsTables();
        m_pace.mi_bowlPlan.fill(1);
        m_spin.mb_spinner = 1;
        m_spin.mi_bowlPlan.fill(0);
    }
    void TearDown() override { ResetGameState(); }

    std::vector<int32_t> Lengths() const {
        std::vector<int32_t> out;
        for (const PlanBall& b : m_editor.m_plan.mv_balls) out.push_back(b.m_length);
        return out;
    }

    MatchPlayer m_pace, m_spin;
    TacticsEditor m_editor;
};

TEST_F(TacticsTest, OpeningCopiesTheBowlersPlanFromHisOwnTable) {
    m_editor.Open(m_pace, 4);
    EXPECT_STREQ(m_editor.m_plan.m_name, "Short stuff");
    EXPECT_EQ(m_editor.mi_ball, 0);
    EXPECT_EQ(m_editor.m_working.m_movement, MOVE_OUT_SWING);
    EXPECT_EQ(m_editor.m_working.m_effort, 3);

    m_editor.Open(m_spin, 4);
    EXPECT_STREQ(m_editor.m_plan.m_name, "Flight");
    EXPECT_TRUE(m_editor.mb_spinTable);
}

// A plan without balls and an index outside the table both open on the
// defaults of a new plan; nothing reads a ball that is not there.
TEST_F(TacticsTest, AnEmptyPlanOrAMissingOneOpensOnNewPlanDefaults) {
    struct Case {
        const char* name;
        bool spinner;
        int32_t index;
        bool emptySpinTable;
        const char* plan;
        int32_t movement;
    } cases[] = {
        {"empty pace plan", false, 2, false, "Empty", MOVE_STRAIGHT},
        {"index past the table", false, 7, false, "New Plan", MOVE_STRAIGHT},
        {"no plan (-1)", false, -1, false, "New Plan", MOVE_STRAIGHT},
        {"empty spin table", true, -1, true, "New Plan", MOVE_STRAIGHT_ONE},
    };
    for (const Case& c : cases) {
        SetUp();
        if (c.emptySpinTable) g_world.mv_spinPlans.clear();
        MatchPlayer bowler;
        bowler.mb_spinner = c.spinner ? 1 : 0;
        bowler.mi_bowlPlan.fill(c.index);
        m_editor.Open(bowler, 3);
        EXPECT_STREQ(m_editor.m_plan.m_name, c.plan) << c.name;
        EXPECT_EQ(m_editor.BallCount(), 0) << c.name;
        EXPECT_EQ(m_editor.m_working.m_length, LENGTH_GOOD) << c.name;
        EXPECT_EQ(m_editor.m_working.m_movement, c.movement) << c.name;
        EXPECT_EQ(m_editor.m_working.m_effort, 5) << c.name;
        // Up, Down and Remove leave it alone; Done saves the working ball.
        m_editor.Up();
        m_editor.Down();
        m_editor.Remove();
        EXPECT_EQ(m_editor.BallCount(), 0) << c.name;
        const size_t before = BowlPlanTable(c.spinner).size();
        m_editor.Done("Mine", bowler, 3);
        ASSERT_EQ(BowlPlanTable(c.spinner).size(), before + 1) << c.name;
        const BowlPlan& saved = BowlPlanTable(c.spinner).back();
        EXPECT_EQ(saved.mv_balls.size(), 1u) << c.name;
        EXPECT_EQ(bowler.mi_bowlPlan[3], static_cast<int32_t>(before)) << c.name;
        EXPECT_EQ(saved.m_id, static_cast<int32_t>(before)) << c.name;
        EXPECT_FLOAT_EQ(saved.m_effortTotal, 5.0f) << c.name;
    }
}

TEST_F(TacticsTest, AddAppendsToAnEmptyPlanOnce) {
    m_pace.mi_bowlPlan.fill(2);
    m_editor.Open(m_pace, 0);
    m_editor.Add();
    EXPECT_EQ(m_editor.BallCount(), 1);
    EXPECT_EQ(m_editor.mi_ball, 0);
    m_editor.Add();
    EXPECT_EQ(m_editor.BallCount(), 2);
    EXPECT_EQ(m_editor.mi_ball, 1);
}

TEST_F(TacticsTest, WorkingFieldsWrapAndClamp) {
    struct Case {
        const char* name;
        bool spinner;
        PlanField field;
        int32_t start;
        int direction;
        int32_t end;
    } cases[] = {
        {"length below good", false, PLAN_LENGTH, LENGTH_GOOD, -1, LENGTH_BOUNCER},
        {"length past bouncer", false, PLAN_LENGTH, LENGTH_BOUNCER, 1, LENGTH_GOOD},
        {"pace movement below straight", false, PLAN_MOVEMENT, MOVE_STRAIGHT, -1, MOVE_SLOWER},
        {"pace movement past slower", false, PLAN_MOVEMENT, MOVE_SLOWER, 1, MOVE_STRAIGHT},
        {"spin movement below leg break", true, PLAN_MOVEMENT, MOVE_LEG_BREAK, -1, MOVE_SPECIALITY},
        {"spin movement past speciality", true, PLAN_MOVEMENT, MOVE_SPECIALITY, 1, MOVE_LEG_BREAK},
        {"field below the first", false, PLAN_FIELD, 0, -1, 1},
        {"field past the last", false, PLAN_FIELD, 1, 1, 0},
        {"effort below 0", false, PLAN_EFFORT, 0, -1, 0},
        {"effort above 10", false, PLAN_EFFORT, 10, 1, 10},
        {"effort within", false, PLAN_EFFORT, 4, 1, 5},
        {"side over to round", false, PLAN_SIDE, 0, -1, 1},
        {"side round to over", false, PLAN_SIDE, 1, 1, 0},
    };
    auto member = [](PlanBall& b, PlanField f) -> int32_t& {
        switch (f) {
            case PLAN_SIDE:
                return b.m_side;
            case PLAN_LENGTH:
                return b.m_length;
            case PLAN_MOVEMENT:
                return b.m_movement;
            case PLAN_FIELD:
                return b.m_field;
            default:
                return b.m_effort;
        }
    };
    for (const Case& c : cases) {
        m_editor.Open(c.spinner ? m_spin : m_pace, 0);
        member(m_editor.m_working, c.field) = c.start;
        m_editor.Step(c.field, c.direction);
        EXPECT_EQ(member(m_editor.m_working, c.field), c.end) << c.name;
    }
    // With no field settings at all the field stays at 0.
    g_world.mv_fieldSetups.clear();
    m_editor.Open(m_pace, 0);
    for (int direction : {-1, 1}) {
        m_editor.Step(PLAN_FIELD, direction);
        EXPECT_EQ(m_editor.m_working.m_field, 0);
    }
}

TEST_F(TacticsTest, BallOrderUpDownAndRemove) {
    struct Case {
        const char* name;
        int select;
        void (TacticsEditor::*action)();
        std::vector<int32_t> lengths;
        int selected;
    } cases[] = {
        {"up on the first", 0, &TacticsEditor::Up, {LENGTH_GOOD, LENGTH_BOUNCER, LENGTH_YORKER}, 0},
        {"up on the second", 1, &TacticsEditor::Up, {LENGTH_BOUNCER, LENGTH_GOOD, LENGTH_YORKER}, 0},
        {"down on the last", 2, &TacticsEditor::Down, {LENGTH_GOOD, LENGTH_BOUNCER, LENGTH_YORKER}, 2},
        {"down on the first", 0, &TacticsEditor::Down, {LENGTH_BOUNCER, LENGTH_GOOD, LENGTH_YORKER}, 1},
        {"remove the second", 1, &TacticsEditor::Remove, {LENGTH_GOOD, LENGTH_YORKER}, 0},
    };
    for (const Case& c : cases) {
        m_editor.Open(m_pace, 0);
        ASSERT_TRUE(m_editor.SelectBall(c.select)) << c.name;
        (m_editor.*c.action)();
        EXPECT_EQ(Lengths(), c.lengths) << c.name;
        EXPECT_EQ(m_editor.mi_ball, c.selected) << c.name;
    }
    // Remove never empties a plan.
    m_editor.Open(m_pace, 0);
    for (int i = 0; i < 5; ++i) m_editor.Remove();
    EXPECT_EQ(m_editor.BallCount(), 1);
    EXPECT_FALSE(m_editor.SelectBall(1));
    EXPECT_FALSE(m_editor.SelectBall(-1));
}

// Moving to another ball keeps what was changed on the one left.
TEST_F(TacticsTest, SelectingABallKeepsTheEditsOfTheLast) {
    m_editor.Open(m_pace, 0);
    m_editor.Step(PLAN_EFFORT, 1);
    ASSERT_TRUE(m_editor.SelectBall(2));
    EXPECT_EQ(m_editor.m_working.m_length, LENGTH_YORKER);
    EXPECT_EQ(m_editor.m_plan.mv_balls[0].m_effort, 4);
    m_editor.Step(PLAN_LENGTH, 1);
    m_editor.Add();
    EXPECT_EQ(Lengths(), (std::vector<int32_t>{LENGTH_GOOD, LENGTH_BOUNCER, LENGTH_BOUNCER, LENGTH_BOUNCER}));
    EXPECT_EQ(m_editor.mi_ball, 3);
}

// A database plan is never overwritten: the bowler gets an edited copy,
// which later saves write over in place.
TEST_F(TacticsTest, DoneSavesADatabasePlanAsNewAndAUserPlanInPlace) {
    const BowlPlan original = g_world.mv_pacePlans[1];
    m_editor.Open(m_pace, 4);
    m_editor.Step(PLAN_EFFORT, 1);
    m_editor.Done("My short stuff", m_pace, 4);
    auto& table = g_world.mv_pacePlans;
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[1].mv_balls[0].m_effort, original.mv_balls[0].m_effort);
    EXPECT_STREQ(table[1].m_name, original.m_name);
    EXPECT_STREQ(table[3].m_name, "My short stuff");
    EXPECT_STREQ(table[3].m_description, "User created");
    EXPECT_EQ(table[3].m_userCreated, 1);
    EXPECT_EQ(table[3].m_id, 3);
    EXPECT_FLOAT_EQ(table[3].m_effortTotal, 4.0f + 9.0f + 7.0f);
    EXPECT_EQ(table[3].m_manyInField, 0);
    EXPECT_EQ(m_pace.mi_bowlPlan[4], 3);
    EXPECT_EQ(m_pace.mi_bowlPlan[5], 1) << "only that batsman's plan";

    m_editor.Open(m_pace, 4);
    m_editor.Step(PLAN_FIELD, -1);  // field 0: seven close fielders
    m_editor.Done("Renamed", m_pace, 4);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_STREQ(table[3].m_name, "Renamed");
    EXPECT_EQ(table[3].m_manyInField, 1);
    EXPECT_EQ(m_pace.mi_bowlPlan[4], 3);
}

TEST_F(TacticsTest, CreateNewIsInTheTableAtOnceButNotTheBowlers) {
    auto& table = g_world.mv_pacePlans;
    m_editor.Open(m_pace, 4);
    m_editor.CreateNew();
    ASSERT_EQ(table.size(), 4u);
    EXPECT_STREQ(table[3].m_name, "New Plan");
    EXPECT_EQ(m_editor.BallCount(), 1);
    EXPECT_EQ(m_editor.m_working.m_length, LENGTH_GOOD);
    EXPECT_EQ(m_editor.m_working.m_movement, MOVE_STRAIGHT);
    // Cancel is writing nothing: the new plan stays, the bowler keeps his.
    EXPECT_EQ(m_pace.mi_bowlPlan[4], 1);

    m_editor.Open(m_pace, 4);
    m_editor.CreateNew();
    m_editor.Step(PLAN_LENGTH, 1);
    m_editor.Done("Second", m_pace, 4);
    ASSERT_EQ(table.size(), 5u);
    EXPECT_STREQ(table[4].m_name, "Second");
    EXPECT_EQ(table[4].mv_balls[0].m_length, LENGTH_SHORT_OFF);
    EXPECT_EQ(m_pace.mi_bowlPlan[4], 1);

    m_editor.Open(m_spin, 0);
    m_editor.CreateNew();
    EXPECT_EQ(m_editor.m_working.m_movement, MOVE_STRAIGHT_ONE);
    EXPECT_EQ(g_world.mv_spinPlans.size(), 2u);
}

TEST_F(TacticsTest, FielderSwapsNeverLeaveTwoOnOnePosition) {
    m_editor.Open(m_pace, 4);
    m_editor.OpenField();
    EXPECT_STREQ(m_editor.m_field.m_name, "Defensive");
    struct Case {
        int fielder;
        int32_t position;
    } moves[] = {{0, 12}, {3, 0}, {4, 9}, {8, 13}, {2, 2}, {5, 7}};
    for (const Case& c : moves) {
        const FieldSetup before = m_editor.m_field;
        m_editor.MoveFielder(c.fielder, c.position);
        const int32_t* p = m_editor.m_field.m_positions;
        EXPECT_EQ(p[c.fielder], c.position);
        std::vector<int32_t> sorted(p, p + FIELDERS);
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end())
            << "fielder " << c.fielder << " to " << c.position;
        for (int k = 0; k < FIELDERS; ++k) {
            if (k != c.fielder && before.m_positions[k] == c.position) {
                EXPECT_EQ(p[k], before.m_positions[c.fielder]);
            }
        }
    }
    const FieldSetup before = m_editor.m_field;
    m_editor.MoveFielder(9, 1);
    m_editor.MoveFielder(0, test::TACTICS_POSITIONS);
    EXPECT_TRUE(std::equal(before.m_positions, before.m_positions + FIELDERS, m_editor.m_field.m_positions));
}

TEST_F(TacticsTest, AThirdBoundaryFielderIsRefusedAndNothingIsWritten) {
    m_editor.Open(m_pace, 4);
    m_editor.OpenField();
    m_editor.MoveFielder(0, 12);
    ASSERT_EQ(m_editor.BoundaryFielders(), 3);
    const auto fields = g_world.mv_fieldSetups;
    EXPECT_FALSE(m_editor.FieldDone("Too many"));
    EXPECT_EQ(g_world.mv_fieldSetups.size(), fields.size());
    EXPECT_STREQ(g_world.mv_fieldSetups[1].m_name, "Defensive");
    EXPECT_EQ(m_editor.m_working.m_field, 1);

    m_editor.MoveFielder(0, 5);
    ASSERT_TRUE(m_editor.FieldDone("Two back"));
    ASSERT_EQ(g_world.mv_fieldSetups.size(), 3u);
    EXPECT_STREQ(g_world.mv_fieldSetups[1].m_name, "Defensive") << "a database field is not overwritten";
    EXPECT_STREQ(g_world.mv_fieldSetups[2].m_name, "Two back");
    EXPECT_EQ(m_editor.m_working.m_field, 2);
    // Its id is its position in the table, and saving again writes in place.
    EXPECT_EQ(g_world.mv_fieldSetups[2].m_id, 2);
    m_editor.OpenField();
    m_editor.MoveFielder(1, 6);
    ASSERT_TRUE(m_editor.FieldDone("Two back again"));
    EXPECT_EQ(g_world.mv_fieldSetups.size(), 3u);
    EXPECT_EQ(g_world.mv_fieldSetups[2].m_positions[1], 6);
}

TEST_F(TacticsTest, NewFieldIsAddedAtOnceAndBecomesTheBallsField) {
    m_editor.Open(m_pace, 4);
    m_editor.OpenField();
    m_editor.FieldNew();
    ASSERT_EQ(g_world.mv_fieldSetups.size(), 3u);
    EXPECT_STREQ(g_world.mv_fieldSetups[2].m_name, "New field");
    EXPECT_EQ(g_world.mv_fieldSetups[2].m_id, 2);
    EXPECT_EQ(m_editor.m_working.m_field, 2);
    EXPECT_EQ(g_world.mv_fieldSetups[2].m_positions[4], 10) << "the fielders stay where they were";
}

TEST_F(TacticsTest, AFielderIsPickedWithinReachOfHisPoint) {
    const FieldSetup& field = g_world.mv_fieldSetups[0];
    const ScreenPoint third = FielderPoint(field.m_positions[3]);
    EXPECT_EQ(FielderAt(field, third.x + FIELDER_REACH, third.y - FIELDER_REACH), 3);
    EXPECT_EQ(FielderAt(field, third.x + FIELDER_REACH + 1, third.y), -1);
    EXPECT_EQ(FielderAt(field, 0, 0), -1);
}

// A field saved over its own record keeps its id and table position; the
// match forgets where it placed that field, and the next ball stands the
// fielders where the field now says.
class TacticsMatchTest : public MatchWorldFixture {};

TEST_F(TacticsMatchTest, AFieldChangedInPlaceIsPlacedAfreshForTheNextBall) {
    test::AddTacticsTables();
    auto match = SetUpMatch(COMPETITION_FOUR_DAY);
    match->Step();
    for (MatchTeam* side : {&match->m_team1, &match->m_team2}) {
        for (MatchPlayer& p : side->m_players) p.mi_bowlPlan.fill(p.mb_spinner ? 0 : 1);
    }
    for (BowlPlan* plan : {&g_world.mv_pacePlans[1], &g_world.mv_spinPlans[0]}) {
        for (PlanBall& ball : plan->mv_balls) ball.m_field = 1;
    }
    auto placed = [&match] {
        std::vector<int32_t> positions(match->m_ball.mi_fielderPosition.begin(),
                                       match->m_ball.mi_fielderPosition.end());
        std::sort(positions.begin(), positions.end());
        return positions;
    };
    match->StageDelivery();
    EXPECT_EQ(placed(), (std::vector<int32_t>{0, 1, 2, 3, 4, 8, 9, 10, 11}));
    g_world.mv_fieldSetups[1].m_positions[4] = 5;
    match->m_ball.ForgetField();
    match->StageDelivery();
    EXPECT_EQ(placed(), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 8, 9, 11}));
}

}  // namespace
}  // namespace ravel
