// The ground view: one tick of a ball's events (starts, glides, arcs,
// bounces, frames), the score it shows, and what it draws where.
#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "MatchViewFixture.h"

namespace ravel {
namespace {

class GroundViewTest : public MatchViewTest {
protected:
    void SetUp() override {
        MatchViewTest::SetUp();
        g_groundView.Reset();
        mv_list.assign(1, BallAnimScript{});
    }
    void TearDown() override {
        StartBallAnimation(BallSource{});  // none: the list goes
        MatchViewTest::TearDown();
    }
    BallAnimScript& Script() { return mv_list[0]; }
    // Starts the script as a ball is started (clock -2), with the figures
    // where its snapshot puts them.
    void Start() {
        StartBallAnimation(BallSource{-1, &mv_list, 0});
        g_groundView.PlaceFigures(Script());
    }
    // Steps until the step at tick t has run.
    void StepThrough(int t) {
        while (Script().mi_clock <= t) StepFigures();
    }
    GroundFigure& Figure(int f) { return g_groundView.m_figures[f]; }

    std::vector<BallAnimScript> mv_list;
};

TEST_F(GroundViewTest, GlidesArcsAndTheirEnds) {
    Script().m_figures[3].mf_x = 100.0f;
    Script().m_figures[3].mf_y = 200.0f;
    AnimEvent& move = Script().AddMove(3, 10, 30, 100.0f, 200.0f, 200.0f, 300.0f, 20.0f, 7);
    Start();
    StepThrough(9);
    EXPECT_FALSE(move.mb_active);
    EXPECT_EQ(Figure(3).mf_x, 100.0f);
    StepThrough(10);
    EXPECT_TRUE(move.mb_active);
    EXPECT_EQ(Figure(3).mi_pose, 7);
    StepThrough(15);
    EXPECT_FLOAT_EQ(Figure(3).mf_x, 125.0f);
    EXPECT_FLOAT_EQ(Figure(3).mf_y, 225.0f);
    EXPECT_FLOAT_EQ(Figure(3).mf_height, 20.0f * std::sin(0.25 * M_PI));
    StepThrough(20);
    EXPECT_FLOAT_EQ(Figure(3).mf_height, 20.0f) << "full height at half time";
    StepThrough(29);  // 95 % of the move: still in the air
    EXPECT_FLOAT_EQ(Figure(3).mf_height, static_cast<float>(std::sin(0.95 * M_PI) * 20.0));
    EXPECT_FLOAT_EQ(Figure(3).mf_x, 195.0f);
    StepThrough(30);
    EXPECT_FALSE(move.mb_active) << "ends at its end tick";
    EXPECT_EQ(Figure(3).mi_pose, 0);
    EXPECT_FLOAT_EQ(Figure(3).mf_x, 195.0f) << "the last step before the end";

    // Above 95 % an arc is flat.
    mv_list.assign(1, BallAnimScript{});
    Script().AddMove(3, 0, 100, 0.0f, 0.0f, 100.0f, 0.0f, 10.0f);
    Start();
    StepThrough(96);
    EXPECT_EQ(Figure(3).mf_height, 0.0f);
    EXPECT_FLOAT_EQ(Figure(3).mf_x, 96.0f);
}

// A move from -1.0 starts where the figure stands, in whole pixels, and the
// event keeps that place (a replay starts from it too).
TEST_F(GroundViewTest, MovesFromWhereTheFigureStands) {
    Script().m_figures[FIG_KEEPER].mf_x = 123.7f;
    Script().m_figures[FIG_KEEPER].mf_y = 45.2f;
    AnimEvent& move = Script().AddMove(FIG_KEEPER, 0, 10, -1.0f, -1.0f, -1.0f, 85.0f);
    Start();
    StepThrough(5);
    EXPECT_EQ(move.mf_fromX, 123.0f);
    EXPECT_EQ(move.mf_fromY, 45.0f);
    EXPECT_EQ(move.mf_toX, 123.0f) << "an end of -1.0 too";
    EXPECT_EQ(move.mf_toY, 85.0f);
    EXPECT_FLOAT_EQ(Figure(FIG_KEEPER).mf_x, 123.0f);
    EXPECT_FLOAT_EQ(Figure(FIG_KEEPER).mf_y, 65.0f);
}

// Events start only on their own tick: one due before the script's clock
// began is never started, a disabled one never, and a move with no length
// puts the figure at its target without dividing by nothing.
TEST_F(GroundViewTest, LateDisabledAndZeroLengthEvents) {
    BallAnimScript& s = Script();
    s.AddMove(5, -5, 40, 10.0f, 10.0f, 90.0f, 90.0f);
    s.AddMove(6, 0, 40, 10.0f, 10.0f, 90.0f, 90.0f).mb_disabled = 1;
    s.AddMove(7, 12, 12, 10.0f, 10.0f, 300.0f, 150.0f, 15.0f).mi_end = 12;  // as a file may hold it
    s.AddMove(8, 20, 12, 10.0f, 10.0f, 250.0f, 50.0f).mi_end = 12;
    const AnimEvent& late = s.mv_events[0];
    const AnimEvent& off = s.mv_events[1];
    const AnimEvent& instant = s.mv_events[2];
    Script().m_figures[5].mf_x = 42.0f;
    Script().m_figures[6].mf_x = 43.0f;
    Start();
    StepThrough(11);
    EXPECT_FALSE(late.mb_active);
    EXPECT_FALSE(off.mb_active);
    EXPECT_EQ(Figure(5).mf_x, 42.0f);
    EXPECT_EQ(Figure(6).mf_x, 43.0f);
    StepThrough(12);
    EXPECT_EQ(Figure(7).mf_x, 300.0f);
    EXPECT_EQ(Figure(7).mf_y, 150.0f);
    EXPECT_EQ(Figure(7).mf_height, 0.0f);
    StepThrough(13);
    EXPECT_FALSE(instant.mb_active);
    StepThrough(20);
    EXPECT_EQ(Figure(8).mf_x, 250.0f);
    EXPECT_EQ(Figure(8).mf_y, 50.0f);
    StepThrough(40);
    EXPECT_EQ(Figure(5).mf_x, 42.0f) << "never started";
}

TEST_F(GroundViewTest, BounceAndFrames) {
    AnimEvent& bounce = Script().AddMove(FIG_BALL, 0, 40, 50.0f, 50.0f, 60.0f, 60.0f, 0.0f, 1);
    bounce.mb_moveType = MOVE_BOUNCE;
    bounce.mf_bounceVelocity = 2.0f;
    Start();
    // From height 0: each tick the speed loses 0.3 and the height gains the
    // speed; below the ground the speed turns upwards at 0.3 of itself.
    std::vector<float> heights;
    float h = 0.0f, v = 2.0f;
    for (int t = 0; t < 20; ++t) {
        StepThrough(t);
        heights.push_back(Figure(FIG_BALL).mf_height);
        EXPECT_EQ(Figure(FIG_BALL).mf_x, 0.0f) << "off the picture while it bounces";
    }
    for (int t = 0; t < 20; ++t) {
        if (t > 0) {
            if (h < 0.0f) v = -(v * 0.3f);
            v -= 0.3f;
            h += v;
        }
        EXPECT_FLOAT_EQ(heights[t], h) << t;
    }
    EXPECT_FLOAT_EQ(heights[1], 1.7f);
    EXPECT_FLOAT_EQ(heights[10], 3.5f);
    EXPECT_LT(*std::min_element(heights.begin(), heights.end()), 0.0f) << "it lands within twenty ticks";

    // The frame moves on two ticks in every eight and cycles 0..3.
    mv_list.assign(1, BallAnimScript{});
    Script().AddMove(FIG_STRIKER, 0, 40, 1.0f, 1.0f, 2.0f, 2.0f);
    Figure(FIG_STRIKER).mi_frame = 0;
    Start();
    std::vector<int> frames;
    for (int t = 0; t <= 17; ++t) {
        StepThrough(t);
        frames.push_back(Figure(FIG_STRIKER).mi_frame);
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 2, 2, 2, 2, 2, 2, 3, 0, 0, 0, 0, 0, 0, 0, 1, 2}));
}

// Markers: the score after the ball from event 211, broken stumps, and
// codes that are neither a figure nor a known marker (a file may hold any)
// doing nothing.
TEST_F(GroundViewTest, MarkersAndTheScoreBeforeAndAfterTheBall) {
    BallAnimScript& s = Script();
    s.mi_total = 120;
    s.mi_wickets = 3;
    s.mi_runs = 4;
    s.AddMarker(ANIM_STUMPS_END2, 5);
    s.AddMarker(ANIM_SCORE_AFTER, 8);
    s.AddMarker(50, 3);
    s.AddMarker(-7, 3);
    s.AddMarker(300, 3);
    Start();
    EXPECT_EQ(g_groundView.mi_stumpsEnd2, STUMPS_END2_INTACT);
    StepThrough(7);
    EXPECT_EQ(g_groundView.mi_stumpsEnd2, ANIM_STUMPS_END2);
    EXPECT_EQ(g_groundView.mi_stumpsEnd1, STUMPS_END1_INTACT);
    ShownScore before = GroundViewScore(s);
    EXPECT_EQ(before.runs, 116);
    EXPECT_EQ(before.wickets, 3);
    StepThrough(8);
    ShownScore after = GroundViewScore(s);
    EXPECT_EQ(after.runs, 120);
    EXPECT_EQ(after.wickets, 3);

    // A wicket ball: one wicket fewer until 211; a ball without 211 shows the
    // score before it throughout.
    mv_list.assign(1, BallAnimScript{});
    Script().mi_total = 80;
    Script().mi_wickets = 5;
    Script().mb_wicket = 1;
    Start();
    StepThrough(200);
    before = GroundViewScore(Script());
    EXPECT_EQ(before.runs, 80);
    EXPECT_EQ(before.wickets, 4);
}

// The ball is drawn only strictly inside the picture; figures and names,
// and the caption bars of the captions started so far, stacked upwards.
TEST_F(GroundViewTest, WhatIsDrawnWhere) {
    BallAnimScript& s = Script();
    for (GroundFigure& f : s.m_figures) f.mf_x = f.mf_y = -200.0f;  // all off the picture
    Start();
    auto frame = [this](float ballX, float ballY) {
        Figure(FIG_BALL).mf_x = ballX;
        Figure(FIG_BALL).mf_y = ballY;
        m_system->Screen().Pixels().assign(m_system->Screen().Pixels().size(), 0);
        DrawGroundView(GROUND_VIEW_X, GROUND_VIEW_Y);
        return m_system->Screen().Pixels();
    };
    const auto empty = frame(-50.0f, 100.0f);
    EXPECT_NE(frame(300.0f, 300.0f), empty);
    EXPECT_NE(frame(1.0f, 1.0f), empty);
    for (const auto& [x, y] : {std::pair{0.0f, 100.0f}, {100.0f, 0.0f}, {740.0f, 100.0f}, {100.0f, 556.0f}})
        EXPECT_EQ(frame(x, y), empty) << x << "," << y;

    // Three captions started, one not yet: bars at 633, 598 and 563.
    s.AddCaption(0, 10, CAPTION_FLASH_RED, "BOWLED!");
    s.AddCaption(2, 10, CAPTION_FLASH_RED, "one");
    s.AddCaption(4, 10, CAPTION_FLASH_RED, "two");
    s.AddCaption(50, 60, CAPTION_FLASH_RED, "later");
    s.mi_clock = 6;
    g_system->m_clockSeconds = 0.0f;  // the red half of the flash
    frame(-50.0f, 0.0f);
    const CCanvas& screen = m_system->Screen();
    for (const int y : {634, 599, 564}) EXPECT_EQ(screen.Pixel(352, y), 0xffff0000u) << y;
    EXPECT_NE(screen.Pixel(352, 529), 0xffff0000u) << "no fourth bar";
    g_system->m_clockSeconds = 1.3f;
    frame(-50.0f, 0.0f);
    EXPECT_EQ(screen.Pixel(352, 634), 0xffffffffu) << "the white half";

    // A ball running under the bars stays in sight over them.
    const int barMiddle = 646 - GROUND_VIEW_Y;
    EXPECT_NE(frame(400.0f, static_cast<float>(barMiddle)), frame(-50.0f, 0.0f));
}

}  // namespace
}  // namespace ravel
