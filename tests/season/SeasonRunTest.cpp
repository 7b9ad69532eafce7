#include <algorithm>

#include "SeasonWorld.h"
#include "match/Match.h"
#include "season/Results.h"
#include "season/Schedule.h"

namespace ravel {
namespace {

class SeasonRun : public SeasonWorld {
protected:
    struct Summary {
        std::vector<StandingsRow> table;
        std::vector<int32_t> winners;
        std::vector<HistoryEntry> history;
    };

    // Plays every fixture of the competition dated up to `lastDay`, in
    // order, with seeded random results.
    static void PlayUpTo(int competition, int lastDay, size_t& next) {
        for (; next < g_world.mv_fixtures.size(); ++next) {
            const Fixture& f = g_world.mv_fixtures[next];
            if (f.m_date.m_dayOfSeason > lastDay) return;
            g_cricket.m_date.m_dayOfSeason = f.m_date.m_dayOfSeason;
            MatchOutcome o;
            o.m_side1 = f.m_home;
            o.m_side2 = f.m_away;
            const int roll = Rand() % 10;
            o.m_kind = roll < 4   ? RESULT_WON_BOWLING_LAST
                       : roll < 8 ? RESULT_WON_BATTING_LAST
                                  : RESULT_NO_RESULT;
            o.m_winner = roll < 4 ? f.m_home : f.m_away;
            for (int s = 0; s < 2; ++s) {
                o.m_runs[s] = 150 + Rand() % 150;
                o.m_balls[s] = 240 + Rand() % 61;
            }
            RecordResult(*CompetitionById(competition), o);
        }
    }

    static Summary RunSeason(uint64_t seed) {
        ResetGameState();
        g_world.mv_players.resize(1);
        SeedRand(seed);
        AddLeague(3, 9, FORMAT_LIST_A).m_points[POINTS_DRAW] = 8;
        size_t next = 0;
        RunCompetitionEvent(EVENT_START_SEASON, 3);
        PlayUpTo(3, 100, next);
        g_cricket.m_date.m_dayOfSeason = 100;
        RunCompetitionEvent(EVENT_DRAW_QUARTER_FINALS, 3);
        PlayUpTo(3, 140, next);
        g_cricket.m_date.m_dayOfSeason = 140;
        RunCompetitionEvent(EVENT_DRAW_SEMI_FINALS, 3);
        PlayUpTo(3, 150, next);
        g_cricket.m_date.m_dayOfSeason = 150;
        RunCompetitionEvent(EVENT_DRAW_FINAL, 3);
        PlayUpTo(3, 200, next);
        RunCompetitionEvent(EVENT_CLOSE, 3);
        const Competition& c = *CompetitionById(3);
        return {
            c.mv_standings, {std::begin(c.m_knockoutWinners), std::end(c.m_knockoutWinners)}, c.mv_history};
    }
};

TEST_F(SeasonRun, LeagueThenKnockoutsGiveAConsistentChampion) {
    const Summary s = RunSeason(11);
    int won = 0;
    int lost = 0;
    for (const StandingsRow& r : s.table) {
        EXPECT_EQ(r.Played(), 8) << r.m_team;
        won += r.m_won;
        lost += r.m_lost;
        EXPECT_EQ(r.m_points, 16 * r.m_won + 8 * r.m_drawn);
    }
    EXPECT_EQ(won, lost);
    EXPECT_TRUE(
        std::is_sorted(s.table.begin(), s.table.end(),
                       [](const StandingsRow& a, const StandingsRow& b) { return a.m_points > b.m_points; }));
    for (int32_t w : s.winners) EXPECT_GT(w, 0);
    ASSERT_EQ(s.history.size(), 1u);
    EXPECT_EQ(s.history[0].m_winner, s.winners[6]);
    EXPECT_NE(s.history[0].m_runnerUp, s.winners[6]);
    EXPECT_TRUE(s.history[0].m_runnerUp == s.winners[4] || s.history[0].m_runnerUp == s.winners[5]);
}

TEST_F(SeasonRun, SameSeedSameSeason) {
    const Summary a = RunSeason(5);
    const Summary b = RunSeason(5);
    ASSERT_EQ(a.table.size(), b.table.size());
    for (size_t i = 0; i < a.table.size(); ++i) {
        EXPECT_EQ(a.table[i].m_team, b.table[i].m_team);
        EXPECT_EQ(a.table[i].m_points, b.table[i].m_points);
        EXPECT_EQ(a.table[i].m_netRunRate, b.table[i].m_netRunRate);
    }
    EXPECT_EQ(a.winners, b.winners);
}

}  // namespace
}  // namespace ravel
