// One ball: the dispatcher, the delivery's quality and spread, no balls and
// wides, plan lookups, and the warnings after a bowler's third extra.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "MatchInvariantsWorld.h"
#include "match/Commentary.h"
#include "match/MatchLists.h"
#include "match/Scorecard.h"

namespace ravel {
namespace {

class BallTest : public MatchWorldFixture {
protected:
    void SetUp() override {
        MatchWorldFixture::SetUp();
        SeedRand(11);
        m = SetUpMatch(COMPETITION_ONE_DAY);
        m->Step();  // prepares the day
    }
    Player& Bowler() { return g_world.mv_players[m->BowlerPlayer()]; }
    std::unique_ptr<Match> m;
};

TEST_F(BallTest, NoBallIsPlayedOutsideThePlayState) {
    for (int32_t state : {PLAY_SLICE_USED, PLAY_LUNCH, PLAY_MATCH_OVER, PLAY_CLOSE}) {
        m->mi_playState = state;
        m->PlayBall();
        EXPECT_EQ(m->CurrentInnings().mi_legalBalls, 0) << state;
        EXPECT_EQ(InningsTotal(m->CurrentInnings()), 0) << state;
    }
    m->mi_playState = PLAY_IN_PLAY;
    m->PlayBall();
    EXPECT_EQ(m->CurrentInnings().mi_legalBalls + m->m_ball.mb_illegal, 1);
}

TEST_F(BallTest, QualityAndSpreadStayInRangeWhateverTheSkills) {
    struct Case {
        int skill, second, effort;
        float energy;
    };
    const Case cases[] = {{-50, -100, 0, 100.0f}, {0, 0, 5, 0.0f},      {100, 100, 10, 100.0f},
                          {250, 300, 10, 250.0f}, {60, -40, 10, 50.0f}, {95, 200, 0, 100.0f}};
    BowlPlan plan;
    plan.mv_balls.push_back({0, 0, LENGTH_GOOD, MOVE_STRAIGHT, 0, 5});
    g_world.mv_pacePlans.assign(3, plan);
    for (const Case& c : cases) {
        Bowler().m_bowlSkill[0] = c.skill;
        Bowler().m_bowlSkill[1] = c.second;
        for (PlanBall& pb : g_world.mv_pacePlans[2].mv_balls) pb.m_effort = c.effort;
        m->FieldingSide().m_players[m->mi_bowler].mf_energy = c.energy;
        for (int i = 0; i < 50; ++i) {
            m->StageDelivery();
            m->CheckExtras();
            const BallState& b = m->m_ball;
            ASSERT_GE(b.mf_quality, 2.0f) << c.skill;
            ASSERT_LE(b.mf_quality, 100.0f) << c.skill;
            ASSERT_GE(b.mi_spread, 2) << c.second;
            ASSERT_LE(b.mi_spread, 100) << c.second;
            ASSERT_GE(b.mf_skill, 0.0f);
            ASSERT_LE(b.mf_skill, 100.0f);
        }
    }
}

TEST_F(BallTest, PlanStepsAdvanceAndWrapAndBadPlansFallBack) {
    BowlPlan plan;
    plan.mv_balls = {{0, 0, LENGTH_YORKER, MOVE_IN_SWING, 0, 7},
                     {0, 0, LENGTH_BOUNCER, MOVE_OUT_SWING, 0, 3}};
    g_world.mv_pacePlans.assign(3, plan);
    MatchPlayer& bowler = m->FieldingSide().m_players[m->mi_bowler];
    bowler.mi_bowlPlan[m->mi_striker] = 2;
    const int expected[4][2] = {{LENGTH_YORKER, MOVE_IN_SWING},
                                {LENGTH_BOUNCER, MOVE_OUT_SWING},
                                {LENGTH_YORKER, MOVE_IN_SWING},
                                {LENGTH_BOUNCER, MOVE_OUT_SWING}};
    for (const auto& e : expected) {
        m->CheckExtras();
        EXPECT_EQ(m->m_ball.mi_length, e[0]);
        EXPECT_EQ(m->m_ball.mi_movement, e[1]);
    }
    // An index past the table, a step past the plan and an empty table all stay in bounds.
    bowler.mi_bowlPlan[m->mi_striker] = 99;
    bowler.mi_planStep[m->mi_striker] = 57;
    m->CheckExtras();
    EXPECT_EQ(m->m_ball.mi_length, LENGTH_YORKER);
    g_world.mv_pacePlans[0].mv_balls.clear();
    m->CheckExtras();
    EXPECT_EQ(m->m_ball.mi_length, LENGTH_GOOD);
    EXPECT_EQ(m->m_ball.mi_movement, MOVE_STRAIGHT);
    g_world.mv_pacePlans.clear();
    m->CheckExtras();
    EXPECT_EQ(m->m_ball.mi_effort, 5);
}

TEST_F(BallTest, TheStagedPlanBallIsBowledOnceWhetherStagedOrNot) {
    BowlPlan plan;
    plan.mv_balls = {{0, 0, LENGTH_YORKER, MOVE_IN_SWING, 0, 7},
                     {0, 0, LENGTH_BOUNCER, MOVE_OUT_SWING, 0, 3},
                     {0, 0, LENGTH_SHORT_OFF, MOVE_STRAIGHT, 0, 5}};
    g_world.mv_pacePlans.assign(3, plan);
    MatchPlayer& bowler = m->FieldingSide().m_players[m->mi_bowler];
    bowler.mi_bowlPlan[m->mi_striker] = 2;
    bowler.mi_planStep[m->mi_striker] = 0;
    struct Step {
        int stagings;  // StageDelivery calls before the ball
        int length;
    };
    // Staging alone moves the plan on no step; every ball moves it one.
    const Step steps[] = {{1, LENGTH_YORKER}, {0, LENGTH_BOUNCER}, {3, LENGTH_SHORT_OFF},
                          {0, LENGTH_YORKER}, {2, LENGTH_BOUNCER}, {1, LENGTH_SHORT_OFF}};
    for (const Step& step : steps) {
        for (int i = 0; i < step.stagings; ++i) m->StageDelivery();
        m->CheckExtras();
        EXPECT_EQ(m->m_ball.mi_length, step.length) << step.stagings;
    }
    EXPECT_EQ(bowler.mi_planStep[m->mi_striker], 0);
}

TEST_F(BallTest, FieldersStandWhereTheFieldEditorPutsThem) {
    // Places on the editor's large ground picture, made as the database
    // builder makes them: striker at (393, 304), 4.5 pixels a yard across
    // and 3.41 down, the bowler straight up the page.
    struct Place {
        int bearing, yards;
        float pixels;  // from the striker on the ground view, rope 250 out
    };
    const Place places[FIELDERS] = {{160, 17, 60.7f},  {125, 20, 71.4f},  {85, 5, 17.9f},
                                    {12, 28, 100.0f},  {348, 28, 100.0f}, {270, 26, 92.9f},
                                    {205, 62, 221.4f}, {300, 68, 242.0f}, {340, 75, 242.0f}};
    g_world.mv_fieldPositions.clear();
    FieldSetup setup;
    setup.m_id = 40;
    for (int i = 0; i < FIELDERS; ++i) {
        FieldPosition fp;
        fp.m_number = i + 1;
        double angle = places[i].bearing * 3.14159265358979 / 180.0;
        fp.m_x = static_cast<int32_t>(std::lround(393 + std::sin(angle) * places[i].yards * 4.5));
        fp.m_y = static_cast<int32_t>(std::lround(304 - std::cos(angle) * places[i].yards * 3.41));
        g_world.mv_fieldPositions.push_back(fp);
        setup.m_positions[i] = i;
    }
    g_world.mv_fieldSetups.assign(1, setup);
    BowlPlan plan;
    plan.mv_balls.push_back({40, 0, LENGTH_GOOD, MOVE_STRAIGHT, 0, 5});
    g_world.mv_pacePlans.assign(6, plan);
    g_world.mv_spinPlans.assign(6, plan);
    m->StageDelivery();
    for (int i = 0; i < FIELDERS; ++i) {
        SCOPED_TRACE(places[i].bearing);
        GroundPoint at = m->m_ball.m_fielders[i];
        EXPECT_EQ(m->m_ball.mi_fielderPosition[i], i);
        EXPECT_NEAR(BearingTo(STRIKER_CREASE, at), places[i].bearing, 2);
        EXPECT_NEAR(GroundDistance(STRIKER_CREASE, at), places[i].pixels, 2.0f);
    }
}

TEST_F(BallTest, AfterFourExtrasEveryBallOfTheOverIsLegal) {
    // The worst bowler there is, straining every sinew: extras on most balls.
    Bowler().m_bowlType = 0;
    Bowler().m_bowlSkill[0] = 0;
    m->CurrentInnings().m_bowlers[m->mi_bowler].mi_noBalls = 9;
    m->CurrentInnings().m_bowlers[m->mi_bowler].mi_wides = 9;
    m->m_ball.mi_bowlType = 0;
    m->m_ball.mf_skill = 0.0f;
    m->m_ball.mi_effort = 10;
    int extras = 0;
    for (int i = 0; i < 2000; ++i) {
        m->mi_extrasThisOver = 0;
        m->DecideExtras();
        extras += m->mb_noBall || m->mb_wide;
        EXPECT_FALSE(m->mb_noBall && m->mb_wide);
        m->mi_extrasThisOver = 4;
        m->DecideExtras();
        ASSERT_FALSE(m->mb_noBall || m->mb_wide);
    }
    EXPECT_GT(extras, 100);
}

TEST_F(BallTest, NoBallChanceFollowsTypeSkillAndEffort) {
    struct Case {
        int type;
        float skill;
        int effort;
        float chance;
    };
    const Case cases[] = {
        {0, 50, 5, 0.03f},
        {1, 50, 5, 0.023f},
        {1, 95, 5, 0.012f},
        {1, 75, 5, 0.02f},
        {1, 50, 9, 0.0322f},
        {2, 85, 1, 0.0157f * 0.4f},
        {4, 50, 8, 0.02295f},
        {5, 40, 5, 0.018f},
        {6, 95, 2, 0.001f * 0.8f},
        {5, 70, 5, 0.003f},
        {9, 50, 9, 0.0106f},
        // An effort outside 0..10 counts as a plain one; a bowler met again keeps his odds.
        {1, 50, 12, 0.023f},
        {1, 50, 9, 0.0322f},
        {1, 50, 5, 0.023f},
    };
    for (const Case& c : cases) {
        m->m_ball.mi_bowlType = c.type;
        m->m_ball.mf_skill = c.skill;
        m->m_ball.mi_effort = c.effort;
        m->DecideExtras();
        EXPECT_NEAR(m->m_ball.mf_noBallChance, c.chance, 1e-5f)
            << c.type << " " << c.skill << " " << c.effort;
    }
}

TEST_F(BallTest, TravelTicksByBowlingTypeShortWithTheKeeperUp) {
    const int ticks[7] = {62, 48, 50, 52, 56, 71, 72};
    const int keeperUp[7] = {14, 15, 15, 16, 18, 19, 20};
    FieldSetup up;
    up.m_keeperUp = 1;
    up.m_id = static_cast<int32_t>(g_world.mv_fieldSetups.size());
    g_world.mv_fieldSetups.push_back(up);
    for (int type = 0; type < 7; ++type) {
        m->m_ball.mi_bowlType = type;
        m->m_ball.mi_fieldSetup = -1;  // a built-in field
        EXPECT_EQ(m->BallTravelTicks(), ticks[type]);
        EXPECT_EQ(m->KeeperStandsUp(), IsSpin(type));
        m->m_ball.mi_fieldSetup = up.m_id;
        EXPECT_EQ(m->BallTravelTicks(), keeperUp[type]);
        EXPECT_TRUE(m->KeeperStandsUp());
    }
}

TEST(ExtrasWarningTest, WarningsRunFromTheThirdToTheFourteenth) {
    EXPECT_EQ(ExtrasWarning(2, false), "");
    EXPECT_EQ(ExtrasWarning(3, false), "That's his 3rd of the innings, captain won't be happy");
    EXPECT_EQ(ExtrasWarning(4, true), "That's his 4th wide of the innings, he's got a problem there");
    EXPECT_EQ(ExtrasWarning(5, false), "That's his 5th so far this innings, not good at all");
    EXPECT_EQ(ExtrasWarning(14, true), "That's his 14th wide so far this innings, not good at all");
    EXPECT_EQ(ExtrasWarning(15, true), "");
}

}  // namespace
}  // namespace ravel

namespace ravel {
namespace {

class WatchedBallTest : public MatchWorldFixture {};

// A match with a human side records each ball: its record, its script with
// the figures' starting places, moves that stay on the ground, captions.
TEST_F(WatchedBallTest, EveryBallOfAWatchedMatchIsRecorded) {
    SeedRand(17);
    auto m = SetUpMatch(COMPETITION_ONE_DAY);
    m->mb_humanMatch = 1;
    PlayThrough(*m);
    size_t balls = 0;
    for (const Innings& in : m->m_innings) balls += in.mv_balls.size();
    ASSERT_GT(balls, 200u);
    ASSERT_EQ(m->mv_animScripts.size(), balls);
    int wickets = 0, boundaries = 0;
    for (size_t i = 0; i < m->mv_animScripts.size(); ++i) {
        const BallAnimScript& s = m->mv_animScripts[i];
        ASSERT_EQ(s.mi_kind, SCRIPT_KIND_COMPLETE);
        ASSERT_EQ(s.mb_played, i + 1 < m->mv_animScripts.size() ? 1 : 0);
        ASSERT_EQ(s.mi_clock, -1);
        int last = 0;
        bool caption = false;
        for (const AnimEvent& e : s.mv_events) {
            ASSERT_TRUE((e.mi_target >= 0 && e.mi_target < GROUND_FIGURES) ||
                        (e.mi_target >= ANIM_SOUND_FIRST && e.mi_target <= ANIM_SOUND_LAST) ||
                        e.mi_target == ANIM_CAPTION || e.mi_target == ANIM_SCORE_AFTER ||
                        e.mi_target == ANIM_STUMPS_END1 || e.mi_target == ANIM_STUMPS_END2);
            ASSERT_GE(e.mi_end, e.mi_start);
            if (e.mi_target < GROUND_FIGURES) {
                ASSERT_GT(e.mi_end, e.mi_start);  // no move divides by zero
                for (float v : {e.mf_toX, e.mf_toY}) ASSERT_TRUE(v == -1.0f || (v > -300.0f && v < 1000.0f));
            }
            if (e.mi_target == ANIM_CAPTION) caption = caption || e.Caption()[0] != '\0';
            last = std::max(last, e.mi_end);
        }
        ASSERT_TRUE(caption) << i;
        int extra = (s.mb_wicket || s.mb_celebration || s.mi_runs >= 4) ? 300 : 0;
        ASSERT_EQ(s.mi_length, last + 150 + extra);
        for (int f = 0; f < GROUND_FIGURES; ++f) ASSERT_EQ(s.m_figures[f].mi_id, f);
        ASSERT_EQ(s.m_figures[FIG_KEEPER].mi_kind, FIGKIND_KEEPER);
        wickets += s.mb_wicket;
        boundaries += s.mi_runs >= 4;
    }
    EXPECT_GT(wickets, 0);
    EXPECT_GT(boundaries, 0);
    // The per-ball records point at their scripts and agree with the books.
    const Innings& first = m->m_innings[0];
    int runs = 0;
    for (const BallRecord& r : first.mv_balls) {
        ASSERT_GE(r.mi_script, 0);
        ASSERT_LT(r.mi_script, static_cast<int>(m->mv_animScripts.size()));
        if (r.mi_outcome == OUTCOME_RUNS || r.mi_outcome == OUTCOME_NO_BALL)
            runs += r.mi_runs == 5 ? 0 : r.mi_runs;
    }
    int batsmen = 0;
    for (const BatsmanFigures& f : first.m_batsmen) batsmen += BatsmanRuns(f);
    EXPECT_EQ(runs, batsmen);
    // BallAt reads the list; outside it an empty record.
    ASSERT_FALSE(first.mv_balls.empty());
    const int last = static_cast<int>(first.mv_balls.size()) - 1;
    EXPECT_EQ(&first.BallAt(0), &first.mv_balls.front());
    EXPECT_EQ(&first.BallAt(last), &first.mv_balls.back());
    for (int outside : {-1, last + 1}) {
        EXPECT_EQ(first.BallAt(outside).mi_batsman, -1);
        EXPECT_EQ(first.BallAt(outside).mi_script, -1);
    }
}

// A finished match handed to the completed list lets its balls go and keeps
// its scorecard; a match still being played keeps its balls.
TEST_F(WatchedBallTest, ARetiredMatchKeepsItsScorecardButNotItsBalls) {
    SeedRand(23);
    auto finished = SetUpMatch(COMPETITION_ONE_DAY);
    finished->mb_humanMatch = 1;
    PlayThrough(*finished);
    ASSERT_FALSE(finished->mv_animScripts.empty());
    auto playing = SetUpMatch(COMPETITION_ONE_DAY);
    playing->mb_humanMatch = 1;
    for (int i = 0; i < 200; ++i) playing->Step();
    const size_t playingScripts = playing->mv_animScripts.size();
    ASSERT_GT(playingScripts, 0u);

    const std::string card = ScorecardHtml(*finished);
    const std::string result = finished->ResultText();
    const size_t events = finished->mv_events.size();
    Match* kept = finished.get();
    kept->mi_id = NextMatchId();
    playing->mi_id = NextMatchId();
    g_currentMatches.push_back(std::move(playing));
    g_currentMatches.push_back(std::move(finished));
    RetireMatch(1);

    ASSERT_EQ(MatchById(kept->mi_id), kept);
    EXPECT_EQ(ScorecardHtml(*kept), card);
    EXPECT_EQ(kept->ResultText(), result);
    EXPECT_EQ(kept->mv_events.size(), events);
    EXPECT_EQ(kept->mv_animScripts.capacity(), 0u);
    for (const Innings& in : kept->m_innings) EXPECT_EQ(in.mv_balls.capacity(), 0u);
    EXPECT_EQ(g_currentMatches[0]->mv_animScripts.size(), playingScripts);
    ResetMatchLists();
}

}  // namespace
}  // namespace ravel

namespace ravel {
namespace {

TEST(GroundGeometryTest, TablesAreReadyBeforeAnyMatchAndBearingsPointTheRightWay) {
    // Nothing has called FillTrigTables: the tables were filled at load time.
    EXPECT_DOUBLE_EQ(g_sinDegrees[90], 1.0);
    EXPECT_DOUBLE_EQ(g_cosDegrees[0], 1.0);
    EXPECT_NEAR(g_cosDegrees[180], -1.0, 1e-12);
    EXPECT_NEAR(g_sinDegrees[270], -1.0, 1e-12);
    struct Case {
        double bearing;
        float dx, dy;  // from the striker, 100 pixels out
    };
    // Straight down the pitch, the off side of a right-hander, behind, the leg side.
    const Case cases[] = {{0, 0, 100},   {90, -100, 0}, {180, 0, -100},
                          {270, 100, 0}, {-90, 100, 0}, {450, -100, 0}};
    for (const Case& c : cases) {
        GroundPoint p = PointAtBearing(STRIKER_CREASE, c.bearing, 100.0f);
        EXPECT_NEAR(p.x - STRIKER_CREASE.x, c.dx, 1e-3f) << c.bearing;
        EXPECT_NEAR(p.y - STRIKER_CREASE.y, c.dy, 1e-3f) << c.bearing;
    }
    for (int bearing : {0, 37, 90, 181, 359}) {
        EXPECT_EQ(BearingTo(STRIKER_CREASE, PointAtBearing(STRIKER_CREASE, bearing, 150.0f)), bearing);
    }
}

TEST(BallAnimScriptTest, LengthCountsTheLastLiveEventAndThePause) {
    BallAnimScript s;
    s.AddMove(FIG_BALL, 10, 60, 0, 0, 5, 5);
    s.AddCaption(40, 120, CAPTION_WHITE, "x").mb_disabled = 1;
    s.SetLength();
    EXPECT_EQ(s.mi_length, 60 + 150);
    EXPECT_EQ(s.mi_clock, -1);
    for (AnimEvent& e : s.mv_events) e.mb_disabled = 1;
    s.SetLength();
    EXPECT_EQ(s.mi_length, 150);
    s.mb_wicket = 1;
    s.SetLength();
    EXPECT_EQ(s.mi_length, 450);
    s.mb_wicket = 0;
    s.mi_runs = 4;
    s.SetLength();
    EXPECT_EQ(s.mi_length, 450);
    // A move never ends on the tick it starts, and a long caption is cut.
    AnimEvent& flat = s.AddMove(FIG_STRIKER, 30, 30, -1, -1, 1, 1);
    EXPECT_EQ(flat.mi_end, 31);
    std::string longText(400, 'a');
    EXPECT_EQ(std::string(s.AddCaption(0, 1, CAPTION_WHITE, longText.c_str()).Caption()).size(),
              static_cast<size_t>(ANIM_CAPTION_LENGTH));
}

}  // namespace
}  // namespace ravel
