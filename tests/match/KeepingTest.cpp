// The keeper and the fielders behind the bat: who an edge flies to, catches
// by the keeper's place and hands, stumpings with the keeper up, and run outs
// by the fielder's arm and the batsmen's hurry.
#include <gtest/gtest.h>

#include <cmath>

#include "MatchInvariantsWorld.h"

namespace ravel {
namespace {

constexpr int KEEPER = 0;
constexpr int FIRST_SLIP = 2;
constexpr int SECOND_SLIP = 3;
constexpr int SHORT_FINE = 4;

// The keeper back, two slips level with him, one man fine in front of him;
// everyone else far off.
CandidateLanes Cordon(float keeperReach) {
    CandidateLanes l;
    for (int i = 0; i < CandidateLanes::COUNT; ++i) {
        l.mf_x[i] = l.mf_y[i] = 1e18f;
        l.mf_edgeReach[i] = 7.0f;
    }
    auto put = [&l](int i, GroundPoint at) {
        l.mf_x[i] = at.x;
        l.mf_y[i] = at.y;
    };
    put(KEEPER, FromBat(KEEPER_STAND_BACK));
    l.mf_edgeReach[KEEPER] = keeperReach;
    put(FIRST_SLIP, PointAtBearing({0.0f, 0.0f}, 160, 61.0f));
    put(SECOND_SLIP, PointAtBearing({0.0f, 0.0f}, 150, 64.0f));
    put(SHORT_FINE, PointAtBearing({0.0f, 0.0f}, 200, 30.0f));
    return l;
}

TEST(EdgeCatcherTest, TheFirstManInTheEdgesWayWithinHisReachGetsIt) {
    struct Case {
        int bearing;
        float carry;
        float keeperReach;
        int catcher;
    };
    const Case cases[] = {
        {180, 80.0f, 8.0f, KEEPER},      // a thin edge straight back
        {176, 80.0f, 8.0f, KEEPER},      // and a little wide of him
        {170, 80.0f, 8.0f, -1},          // through the gap between keeper and first slip
        {170, 80.0f, 10.0f, KEEPER},     // unless his gloves reach further
        {160, 80.0f, 8.0f, FIRST_SLIP},  // a thicker edge to the slips
        {151, 80.0f, 8.0f, SECOND_SLIP}, {180, 40.0f, 8.0f, -1},  // dies well short of the keeper
        {180, 50.0f, 8.0f, KEEPER},                               // dips in front of him, still taken
        {200, 80.0f, 8.0f, SHORT_FINE},                           // the man in front of the keeper is first
        {120, 80.0f, 8.0f, -1},                                   // past the cordon to third man
    };
    for (const Case& c : cases) {
        const CandidateLanes l = Cordon(c.keeperReach);
        float along = 0.0f, across = 0.0f;
        const int catcher =
            EdgeCatcher(l, PointAtBearing({0.0f, 0.0f}, c.bearing, 1.0f), c.carry, along, across);
        EXPECT_EQ(catcher, c.catcher) << c.bearing << " carrying " << c.carry;
        if (catcher >= 0) {
            EXPECT_LE(across, l.mf_edgeReach[catcher]) << c.bearing;
            const float d = std::hypot(l.mf_x[catcher], l.mf_y[catcher]);
            EXPECT_NEAR(along * along + across * across, d * d, 1.0f) << c.bearing;
        }
    }
}

// Balls of a four-day match forced to a contact and fielded.
class KeepingTest : public MatchWorldFixture {
protected:
    static constexpr int PACE_BOWLER = 9;  // fast
    static constexpr int SPINNER = 6;      // finger spin

    void SetUp() override {
        MatchWorldFixture::SetUp();
        SeedRand(39);
        m = SetUpMatch(COMPETITION_FOUR_DAY);
        m->Step();
    }

    void Bowl(int slot) {
        m->mi_bowler = slot;
        ForgetFielders();
    }
    // Skills changed during the match are read again.
    void ForgetFielders() {
        m->m_ball.mi_slotFieldersInnings = -1;
        m->m_ball.mi_candidatesKey = -1;
    }
    Player& FieldingPlayer(int slot) {
        return g_world.mv_players[m->FieldingSide().m_players[slot].mi_player];
    }
    int KeeperPlayer() const {
        const MatchTeam& side = m->SideOf(m->CurrentInnings().mi_bowlingTeam);
        return side.m_players[side.KeeperSlot(m->mi_currentInnings)].mi_player;
    }

    // One ball with the contact, stroke and intent given; the outcome.
    int Forced(int contact, int stroke, int intent) {
        m->StageDelivery();
        m->CheckExtras();
        m->mb_noBall = 0;
        m->mb_wide = 0;
        BallState& b = m->m_ball;
        m->mi_ballOutcome = OUTCOME_RUNS;
        b.mi_contact = contact;
        b.mi_stroke = stroke;
        b.mi_intent = intent;
        b.mi_strokeFlag = 0;
        b.mf_strokeSkill = 60.0f;
        b.mb_dropped = 0;
        b.mi_fielder = -1;
        m->Field();
        return m->mi_ballOutcome;
    }

    struct EdgeCatches {
        int byKeeper = 0;
        int byOthers = 0;
    };
    EdgeCatches Edges(int balls) {
        EdgeCatches c;
        for (int i = 0; i < balls; ++i) {
            if (Forced(CONTACT_EDGE, STROKE_OFF_DRIVE, INTENT_NORMAL) != OUTCOME_CAUGHT) continue;
            (m->m_ball.mi_fielder == KeeperPlayer() ? c.byKeeper : c.byOthers) += 1;
        }
        return c;
    }

    std::unique_ptr<Match> m;
};

TEST_F(KeepingTest, TheKeeperBackTakesTheThinEdgesAndGoodHandsDropFewer) {
    Bowl(PACE_BOWLER);
    const int keeperSlot = m->FieldingSide().KeeperSlot(m->mi_currentInnings);
    FieldingPlayer(keeperSlot).m_keepSkill[0] = 95;
    ForgetFielders();
    SeedRand(7);
    const EdgeCatches good = Edges(4000);
    // The keeper and the slips share the edges that carry.
    EXPECT_GT(good.byKeeper, good.byOthers / 2);
    EXPECT_GT(good.byOthers, good.byKeeper / 3);

    FieldingPlayer(keeperSlot).m_keepSkill[0] = 15;
    ForgetFielders();
    SeedRand(7);
    const EdgeCatches poor = Edges(4000);
    EXPECT_GT(good.byKeeper, poor.byKeeper * 11 / 10);
}

TEST_F(KeepingTest, StumpingsComeWithTheKeeperUpAndGoToHim) {
    struct Case {
        int bowler;
        int intent;
        bool stumpings;
    };
    const Case cases[] = {
        {SPINNER, INTENT_ATTACK, true},       // down the pitch and beaten in the flight
        {SPINNER, INTENT_CAUTIOUS, false},    // a careful batsman keeps his ground
        {PACE_BOWLER, INTENT_ATTACK, false},  // the keeper stands back
    };
    for (const Case& c : cases) {
        Bowl(c.bowler);
        int stumped = 0;
        for (int i = 0; i < 3000; ++i) {
            if (Forced(CONTACT_NONE, STROKE_COVER_DRIVE, c.intent) != OUTCOME_STUMPED) continue;
            ++stumped;
            EXPECT_TRUE(m->KeeperStandsUp());
        }
        EXPECT_EQ(stumped > 0, c.stumpings) << c.bowler << " " << c.intent << ": " << stumped;
    }
    // A stumping is the keeper's.
    Bowl(SPINNER);
    Forced(CONTACT_NONE, STROKE_COVER_DRIVE, INTENT_ATTACK);
    m->mi_ballOutcome = OUTCOME_STUMPED;
    const int striker = m->mi_striker;
    m->EndOfBall();
    const BatsmanFigures& out = m->CurrentInnings().m_batsmen[striker];
    EXPECT_EQ(out.mi_howOut, HOWOUT_STUMPED);
    EXPECT_EQ(out.mi_fielder, KeeperPlayer());
}

TEST_F(KeepingTest, RunOutsFollowTheFieldersArmAndTheBatsmensHurry) {
    Bowl(PACE_BOWLER);
    // Run outs per thousand runs attempted off drives into the field.
    auto runOutRate = [this](int fieldSkill, int intent) {
        for (int slot = 0; slot < SQUAD_SIZE; ++slot) FieldingPlayer(slot).m_fieldSkill[0] = fieldSkill;
        ForgetFielders();
        SeedRand(5);
        int runs = 0, outs = 0;
        for (int i = 0; i < 20000; ++i) {
            const int outcome = Forced(CONTACT_CLEAN, STROKE_COVER_DRIVE, intent);
            const bool out = outcome == OUTCOME_RUN_OUT_STRIKER || outcome == OUTCOME_RUN_OUT_NON_STRIKER;
            outs += out;
            runs += out ? 1 : m->m_ball.mi_runs < 4 ? m->m_ball.mi_runs : 0;  // boundaries are not run
        }
        return 1000.0 * outs / std::max(runs, 1);
    };
    const double poorArm = runOutRate(15, INTENT_NORMAL);
    const double goodArm = runOutRate(95, INTENT_NORMAL);
    const double hurried = runOutRate(95, INTENT_ATTACK);
    EXPECT_GT(goodArm, poorArm * 1.3);
    EXPECT_GT(hurried, goodArm * 1.3);
    EXPECT_GT(poorArm, 0.0);
}

}  // namespace
}  // namespace ravel
