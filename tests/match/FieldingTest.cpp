// The searches along a ball's line take the candidates four at a time; they
// must pick what a search one candidate at a time picks, ties and near ties
// included.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>

#include "match/Ball.h"

namespace ravel {
namespace {

constexpr int CANDIDATES = FIELD_FIGURES + 2;

class FieldingSearch : public ::testing::Test {
protected:
    float Uniform(float from, float to) { return std::uniform_real_distribution<float>(from, to)(m_gen); }
    int Below(int n) { return static_cast<int>(m_gen() % static_cast<unsigned>(n)); }

    // Random places round the bat; some stand exactly where an earlier one
    // does, or a hair from it, so that equal and nearly equal distances come up.
    CandidateLanes RandomField() {
        CandidateLanes l;
        for (int i = 0; i < CANDIDATES; ++i) {
            l.mf_x[i] = Uniform(-260.0f, 260.0f);
            l.mf_y[i] = Uniform(-260.0f, 260.0f);
            if (i > 0 && Below(4) == 0) {
                const int j = Below(i);
                l.mf_x[i] = l.mf_x[j];
                l.mf_y[i] = Below(2) ? l.mf_y[j] : std::nextafter(l.mf_y[j], 1e9f);
            }
            l.mf_stopSkill[i] = static_cast<float>(Below(101)) * 0.05f;
            l.mf_catchReach[i] = 8.0f + 0.12f * std::hypot(l.mf_x[i], l.mf_y[i]);
        }
        l.mf_x[CANDIDATES] = l.mf_y[CANDIDATES] = 1e18f;
        return l;
    }
    GroundPoint Direction() { return PointAtBearing({0.0f, 0.0f}, Below(360), 1.0f); }

    std::mt19937 m_gen{20240611};
};

int StopOneAtATime(const CandidateLanes& l, GroundPoint dir, float furthest, float pace, float& along) {
    int best = -1;
    along = 1e9f;
    for (int i = 0; i < CANDIDATES; ++i) {
        const GroundPoint rel = l.At(i);
        const float a = rel.x * dir.x + rel.y * dir.y;
        if (a <= 0.0f || a > furthest || a >= along) continue;
        const float across = std::fabs(rel.x * dir.y - rel.y * dir.x);
        if (across <= (10.0f + a * 0.25f + l.mf_stopSkill[i]) * pace) {
            along = a;
            best = i;
        }
    }
    return best;
}

// The nearest of the candidates in mask to stop, the first of equals, as
// the ball's fielding measures it.
int NearestOf(const CandidateLanes& l, uint32_t mask, GroundPoint stop, float& gap) {
    int nearest = -1;
    gap = 1e9f;
    for (int i = 0; i < CANDIDATES; ++i) {
        if ((mask >> i & 1u) == 0) continue;
        const float g = GroundDistance(l.At(i), stop);
        if (g < gap) {
            gap = g;
            nearest = i;
        }
    }
    return nearest;
}

TEST_F(FieldingSearch, AStopPicksTheFirstFielderOneAtATimeWould) {
    int stopped = 0;
    for (int n = 0; n < 20000; ++n) {
        const CandidateLanes l = RandomField();
        const GroundPoint dir = Direction();
        const float furthest = Uniform(0.0f, 600.0f);
        const float pace = Uniform(0.3f, 1.1f);
        float along = 0.0f, expectedAlong = 0.0f;
        const int best = StopOnLine(l, dir, furthest, pace, along);
        ASSERT_EQ(best, StopOneAtATime(l, dir, furthest, pace, expectedAlong)) << n;
        if (best >= 0) {
            EXPECT_EQ(along, expectedAlong) << n;
        }
        stopped += best >= 0;
    }
    EXPECT_GT(stopped, 1000);  // the cases cover stops as well as balls through
}

TEST_F(FieldingSearch, NobodyWithinCatchingReachIsLeftOut) {
    int chances = 0;
    for (int n = 0; n < 20000; ++n) {
        CandidateLanes l = RandomField();
        const GroundPoint land = PointAtBearing({0.0f, 0.0f}, Below(360), Uniform(0.0f, 300.0f));
        const float hang = Uniform(0.0f, 20.0f);
        // One stands right at the edge of his reach, a rounding either side.
        const int edge = Below(CANDIDATES);
        const float reach = l.mf_catchReach[edge] + hang;
        const GroundPoint off =
            PointAtBearing({0.0f, 0.0f}, Below(360), reach * Uniform(0.999999f, 1.000001f));
        l.mf_x[edge] = land.x + off.x;
        l.mf_y[edge] = land.y + off.y;
        const uint32_t near = UnderCatch(l, land, hang);
        EXPECT_EQ(near & ~EVERY_CANDIDATE, 0u);
        for (int i = 0; i < CANDIDATES; ++i) {
            if (GroundDistance(l.At(i), land) >= l.mf_catchReach[i] + hang) continue;
            ++chances;
            EXPECT_TRUE(near >> i & 1u) << n << " candidate " << i;
        }
    }
    EXPECT_GT(chances, 1000);
}

TEST_F(FieldingSearch, TheNearestToAStoppedBallIsAmongThoseKept) {
    for (int n = 0; n < 20000; ++n) {
        CandidateLanes l = RandomField();
        const GroundPoint stop = PointAtBearing({0.0f, 0.0f}, Below(360), Uniform(0.0f, 300.0f));
        // Two stand as near as each other, or all but: mirrored across the stop.
        const int a = Below(CANDIDATES), b = Below(CANDIDATES);
        l.mf_x[b] = 2.0f * stop.x - l.mf_x[a];
        l.mf_y[b] = Below(2) ? 2.0f * stop.y - l.mf_y[a] : l.mf_y[a];
        const uint32_t kept = NearestTo(l, stop);
        EXPECT_EQ(kept & ~EVERY_CANDIDATE, 0u);
        float gap = 0.0f, expectedGap = 0.0f;
        ASSERT_EQ(NearestOf(l, kept, stop, gap), NearestOf(l, EVERY_CANDIDATE, stop, expectedGap)) << n;
        EXPECT_EQ(gap, expectedGap) << n;
    }
}

}  // namespace
}  // namespace ravel
