// Whole matches between two small sides, played through from toss to result
// over many seeds: the books must balance on every one of them.
#include <gtest/gtest.h>

#include <cstdio>

#include "MatchInvariantsWorld.h"
#include "match/Match.h"

namespace ravel {
namespace {

// Checks one finished match; returns a description of the first fault.
std::string CheckMatch(const Match& m) {
    char why[200];
    for (int i = 0; i < 4; ++i) {
        const Innings& in = m.m_innings[i];
        if (!in.mb_started) continue;
        int batsmen = 0, extras = in.mi_byes + in.mi_legByes + in.mi_wides + in.mi_noBalls;
        int bowlerRuns = 0, bowlerBalls = 0, bowlerWickets = 0, credited = 0, dismissed = 0;
        for (const BatsmanFigures& f : in.m_batsmen) batsmen += BatsmanRuns(f);
        for (const BowlerFigures& b : in.m_bowlers) {
            bowlerRuns += b.mi_runs;
            bowlerBalls += b.mi_balls;
            bowlerWickets += b.mi_wickets;
        }
        for (const BatsmanFigures& f : in.m_batsmen) {
            if (f.mi_howOut >= HOWOUT_BOWLED && f.mi_howOut <= HOWOUT_STUMPED) ++credited;
            if (f.mi_howOut > 0) ++dismissed;
        }
        int total = InningsTotal(in);
        if (total != batsmen + extras) {
            std::snprintf(why, sizeof why, "innings %d: total %d != batsmen %d + extras %d", i, total,
                          batsmen, extras);
            return why;
        }
        if (bowlerRuns != total - in.mi_byes - in.mi_legByes) {
            std::snprintf(why, sizeof why, "innings %d: bowlers conceded %d of %d", i, bowlerRuns, total);
            return why;
        }
        if (bowlerBalls != in.mi_legalBalls) {
            std::snprintf(why, sizeof why, "innings %d: bowlers %d balls, innings %d", i, bowlerBalls,
                          in.mi_legalBalls);
            return why;
        }
        if (bowlerWickets != credited) return "bowlers' wickets differ from the batsmen's dismissals";
        if (in.Wickets() != dismissed) return "the wickets kept differ from the batsmen dismissed";
        if (in.Wickets() > 10) return "more than ten wickets";
        if (in.mv_overs.size() != static_cast<size_t>(in.Overs())) {
            std::snprintf(why, sizeof why, "innings %d: %zu over records for %d overs", i, in.mv_overs.size(),
                          in.Overs());
            return why;
        }
        for (size_t o = 1; o < in.mv_overs.size(); ++o) {
            if (in.mv_overs[o].mi_bowler == in.mv_overs[o - 1].mi_bowler)
                return "a bowler bowled two overs running";
        }
        if (!m.IsFirstClass() && in.mi_legalBalls > m.mi_length * 6)
            return "a limited-overs innings ran long";
        int atCrease = 0;
        for (const BatsmanFigures& f : in.m_batsmen) atCrease += f.mi_howOut == HOWOUT_BATTING;
        if (atCrease > 2) return "more than two batsmen in";
    }
    if (m.mi_playState != PLAY_MATCH_OVER || m.mi_resultKind == RESULT_NONE) return "no result";
    return "";
}

class MatchInvariantsTest : public MatchWorldFixture {
public:
    using MatchWorldFixture::PlayMatch;
};

void CheckSeededMatches(MatchInvariantsTest& fixture, int competition, int matches) {
    for (int seed = 1; seed <= matches; ++seed) {
        SeedRand(static_cast<uint64_t>(seed) * 7919u + competition);
        auto m = fixture.PlayMatch(competition);
        std::string fault = CheckMatch(*m);
        ASSERT_EQ(fault, "") << "competition " << competition << " seed " << seed;
    }
}

// Many one-day matches, fewer long ones: a four-day match is thousands of balls.
TEST_F(MatchInvariantsTest, BooksBalanceOverManySeededOneDayMatches) {
    CheckSeededMatches(*this, COMPETITION_ONE_DAY, 1500);
}

TEST_F(MatchInvariantsTest, BooksBalanceOverManySeededFourDayMatches) {
    CheckSeededMatches(*this, COMPETITION_FOUR_DAY, 120);
}

int g_checkedBalls = 0;

// Plays the ball as the engine would, then checks what the delivery left.
void PlayCheckedBall(Match& match) {
    match.PlayBall();
    const BallState& b = match.m_ball;
    ++g_checkedBalls;
    ASSERT_GE(b.mf_quality, 2.0f);
    ASSERT_LE(b.mf_quality, 100.0f);
    ASSERT_GE(b.mi_spread, 2);
    ASSERT_LE(b.mi_spread, 100);
    ASSERT_FALSE(match.mb_noBall && match.mb_wide);
    ASSERT_LE(match.mi_extrasThisOver, 4);
    for (float r : b.mf_risk) ASSERT_GE(r, 0.0f);
}

TEST_F(MatchInvariantsTest, DeliveryFiguresStayInRange) {
    SeedRand(5);
    auto m = SetUpMatch(COMPETITION_ONE_DAY);
    m->m_ballHook = PlayCheckedBall;
    g_checkedBalls = 0;
    PlayThrough(*m);
    EXPECT_GT(g_checkedBalls, 300);
    EXPECT_EQ(CheckMatch(*m), "");
}

}  // namespace
}  // namespace ravel
