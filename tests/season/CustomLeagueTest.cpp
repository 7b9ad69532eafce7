// The custom league: the sides chosen, its round robin, and its matches
// played one at a time in the built world, booked in its own table only.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "SeasonWorld.h"
#include "match/Match.h"
#include "match/MatchLists.h"
#include "season/Career.h"
#include "season/CustomLeague.h"
#include "season/GameState.h"
#include "world/Database.h"
#include "world/Random.h"
#include "world/Services.h"

namespace ravel {
namespace {

using CustomLeagueSetup = SeasonWorld;

TEST_F(CustomLeagueSetup, AChoiceTakesEachClubOnceUpToThirtyTwo) {
    for (int i = 0; i < 34; ++i) AddTeam(1300 + i);
    AddCountry(2, "Northland");
    CustomLeagueChoice choice;
    const struct {
        int side;
        bool added;
    } cases[] = {{1300, true}, {1300, false}, {2, false}, {1299, false}, {1301, true}};
    for (const auto& c : cases) EXPECT_EQ(choice.Add(c.side), c.added) << c.side;
    EXPECT_EQ(choice.mv_sides, (std::vector<int32_t>{1300, 1301}));
    for (int i = 2; i < 32; ++i) EXPECT_TRUE(choice.Add(1300 + i));
    EXPECT_FALSE(choice.Add(1332)) << "a 33rd side";
    EXPECT_TRUE(choice.Remove(1300));
    EXPECT_FALSE(choice.Remove(1300));
    EXPECT_TRUE(choice.Add(1332)) << "a place again";
}

TEST_F(CustomLeagueSetup, EveryPairMeetsOnceUnderAnIdNoWorldCompetitionHas) {
    for (int i = 0; i < 4; ++i) AddTeam(1300 + i);
    Competition taken;
    taken.m_id = COMP_TEST_CHAMPIONSHIP - 1;
    g_world.mv_competitions.push_back(taken);
    const struct {
        std::vector<int32_t> sides;
        int fixtures;
        int rounds;  // days with matches
    } cases[] = {{{1300, 1301, 1302}, 3, 3}, {{1300, 1301, 1302, 1303}, 6, 3}};
    for (const auto& c : cases) {
        const int32_t id = CreateCustomLeague(c.sides);
        EXPECT_EQ(id, COMP_TEST_CHAMPIONSHIP - 2);
        ASSERT_NE(CustomLeague(), nullptr);
        EXPECT_EQ(CustomLeague()->m_length, CUSTOM_LEAGUE_OVERS);
        EXPECT_EQ(CustomLeague()->mv_standings.size(), c.sides.size());
        std::set<std::pair<int, int>> pairs;
        std::set<int> days;
        for (const Fixture& f : g_world.mv_fixtures) {
            if (f.m_competition != id || f.m_state != FIXTURE_SCHEDULED) continue;
            pairs.insert({std::min(f.m_home, f.m_away), std::max(f.m_home, f.m_away)});
            days.insert(f.m_date.m_dayOfSeason);
        }
        EXPECT_EQ(static_cast<int>(pairs.size()), c.fixtures) << c.sides.size() << " sides";
        EXPECT_EQ(static_cast<int>(days.size()), c.rounds) << c.sides.size() << " sides";
    }
}

// Four clubs of the built world play their league through.
class CustomLeaguePlay : public ::testing::Test {
protected:
    void SetUp() override {
        SetDatabaseFolder("std");
        SetDatabaseRoot(RAVEL_RUNTIME_DIR);
        if (!std::filesystem::exists(DatabaseFilePath(DB_PLAYERS)))
            GTEST_SKIP() << "the world database is not built";
        SeedRand(5);
        InstallServices(nullptr);
        LoadWorld();
    }
    void TearDown() override {
        ResetGameState();
        InstallServices(nullptr);
    }
};

TEST_F(CustomLeaguePlay, SixMatchesForFourSidesEachBookedInTheTableThenNothingMore) {
    const std::vector<int32_t> sides = {1300, 1301, 1302, 1303};
    // A fixture of the world's own, earlier in the table, is not the league's to play.
    const size_t worldFixtures = g_world.mv_fixtures.size();
    const int32_t id = CreateCustomLeague(sides);
    const Competition& league = *CustomLeague();
    for (int n = 0; n < 6; ++n) {
        ASSERT_EQ(PlayNextCustomLeagueMatch(), CustomMatchResult::PLAYED) << n;
        ASSERT_FALSE(g_completedMatches.empty());
        const Match& m = *g_completedMatches.back();
        EXPECT_EQ(m.mi_competition, id);
        EXPECT_EQ(m.mi_matchType, FORMAT_TWENTY);
        EXPECT_EQ(m.mi_length, CUSTOM_LEAGUE_OVERS);
        EXPECT_EQ(m.mi_playState, PLAY_MATCH_OVER);
    }
    EXPECT_TRUE(g_currentMatches.empty());
    // Points as the results give them: two a win, one a tie or no result.
    std::map<int, int> points;
    for (const auto& m : g_completedMatches) {
        if (m->mi_winner == m->mi_team1 || m->mi_winner == m->mi_team2) {
            points[m->mi_winner] += 2;
        } else {
            ++points[m->mi_team1];
            ++points[m->mi_team2];
        }
    }
    for (const StandingsRow& row : league.mv_standings) {
        EXPECT_EQ(row.Played(), 3) << row.m_team;
        EXPECT_EQ(row.m_points, points[row.m_team]) << row.m_team;
    }
    for (size_t i = 0; i < worldFixtures; ++i)
        EXPECT_NE(g_world.mv_fixtures[i].m_state, FIXTURE_PLAYED) << "world fixture " << i;

    const std::vector<StandingsRow> before = league.mv_standings;
    EXPECT_EQ(PlayNextCustomLeagueMatch(), CustomMatchResult::NONE_LEFT);
    EXPECT_EQ(g_completedMatches.size(), 6u);
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(league.mv_standings[i].m_points, before[i].m_points);
}

}  // namespace
}  // namespace ravel
