// The built world's cups fed by league tables: the first knockout round of
// each is drawn from the top of its feeding tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "season/Career.h"
#include "season/Schedule.h"
#include "season/Standings.h"
#include "world/Database.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {
namespace {

class CupDrawWorld : public ::testing::Test {
protected:
    void SetUp() override {
        SetDatabaseFolder("std");
        SetDatabaseRoot(RAVEL_RUNTIME_DIR);
        if (!std::filesystem::exists(DatabaseFilePath(DB_PLAYERS)))
            GTEST_SKIP() << "the world database is not built";
        SeedRand(3);
        LoadWorld();
    }
};

TEST_F(CupDrawWorld, FirstRoundComesFromTheTopOfTheFeedingTables) {
    int cups = 0;
    for (size_t i = 0; i < g_world.mv_competitions.size(); ++i) {
        if (g_world.mv_competitions[i].mv_feeders.empty()) continue;
        ++cups;
        const int cupId = g_world.mv_competitions[i].m_id;
        // Each feeding table finishes in the order of its rows; a side's group
        // and place are kept for the checks.
        std::map<int32_t, std::pair<int, int>> placeOf;
        const std::vector<int32_t> feeders = g_world.mv_competitions[i].mv_feeders;
        for (size_t g = 0; g < feeders.size(); ++g) {
            Competition* table = CompetitionById(feeders[g]);
            ASSERT_NE(table, nullptr) << cupId;
            StartLeagueSeason(*table);
            for (size_t p = 0; p < table->mv_standings.size(); ++p) {
                table->mv_standings[p].m_won = 20 - static_cast<int>(p);
                table->mv_standings[p].m_points = 4 * table->mv_standings[p].m_won;
                placeOf[table->mv_standings[p].m_team] = {static_cast<int>(g), static_cast<int>(p)};
            }
        }
        Competition& cup = *CompetitionById(cupId);
        StartLeagueSeason(cup);
        int stage = STAGE_FINAL;
        for (const RoundDate& r : cup.mv_rounds) stage = std::min(stage, static_cast<int>(r.m_round));
        ASSERT_GE(stage, STAGE_QUARTER_FINALS) << cupId;
        DrawKnockoutStage(cup, stage);

        const int ties = stage == STAGE_FINAL ? 1 : stage == STAGE_SEMI_FINALS ? 2 : 4;
        const int first = stage == STAGE_FINAL ? 6 : stage == STAGE_SEMI_FINALS ? 4 : 0;
        std::vector<int> perGroup(feeders.size(), 0);
        for (int t = first; t < first + ties; ++t) {
            const int home = cup.m_knockout[2 * t];
            const int away = cup.m_knockout[2 * t + 1];
            ASSERT_TRUE(placeOf.count(home) && placeOf.count(away)) << cupId << " tie " << t;
            EXPECT_LE(placeOf[home].second, placeOf[away].second) << cupId << ": the better placed at home";
            if (feeders.size() > 1) {
                EXPECT_NE(placeOf[home].first, placeOf[away].first) << cupId << ": group rivals meet";
            }
            ++perGroup[static_cast<size_t>(placeOf[home].first)];
            ++perGroup[static_cast<size_t>(placeOf[away].first)];
        }
        // Every table sends its winner, and no table more than its fair share
        // and one.
        const int share = 2 * ties / static_cast<int>(feeders.size());
        for (int sent : perGroup) {
            EXPECT_GE(sent, std::max(share, 1)) << cupId;
            EXPECT_LE(sent, share + 1) << cupId;
        }
    }
    EXPECT_GT(cups, 0);
}

}  // namespace
}  // namespace ravel
