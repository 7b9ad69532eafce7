// A seeded season of the built world plays the same wherever the game is
// started and whatever the disk holds of the name lists: the rules read
// nothing from the disk once the world is loaded.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "season/Career.h"
#include "season/DayMachine.h"
#include "season/GameState.h"
#include "world/Database.h"
#include "world/Random.h"
#include "world/SaveGame.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {
namespace {

class SeededDisk : public ::testing::Test {
protected:
    void SetUp() override {
        m_saved = std::filesystem::current_path();
        SetDatabaseFolder("std");
        SetDatabaseRoot(RAVEL_RUNTIME_DIR);
        if (!std::filesystem::exists(DatabaseFilePath(DB_PLAYERS)))
            GTEST_SKIP() << "the world database is not built";
        m_saves = std::filesystem::path(testing::TempDir()) / "ravel_seeded_disk";
        std::filesystem::create_directories(m_saves);
        SetSavesFolder(m_saves.string());
        InstallServices(nullptr);
    }
    void TearDown() override {
        std::filesystem::current_path(m_saved);
        ResetGameState();
        SetSavesFolder("");
        if (!m_saves.empty()) std::filesystem::remove_all(m_saves);
    }

    struct Season {
        std::string results;   // every table, row by row
        std::string newNames;  // the names of the players made during the season
    };

    // A world with nobody coaching plays from the first morning to the next
    // season, where the retired are replaced.
    static Season Play(bool withNameLists) {
        SeedRand(4);
        EXPECT_FALSE(LoadWorld().has_value());
        if (!withNameLists) g_world.mv_nameLists.clear();
        PrepareNewCareer();
        g_cricket.m_autoSimulate = true;
        const size_t players = g_world.mv_players.size();
        std::vector<std::string> before;
        for (const Player& p : g_world.mv_players)
            before.push_back(std::string(p.m_firstName) + " " + p.m_surname);
        const int season = g_cricket.m_date.m_season;
        for (int day = 0; g_cricket.m_date.m_season == season && day < 4 * SEASON_DAYS; ++day) AdvanceDay();
        Season out;
        for (const Competition& c : g_world.mv_competitions) {
            out.results += std::to_string(c.m_id) + ":";
            for (const StandingsRow& r : c.mv_standings)
                out.results += " " + std::to_string(r.m_team) + "/" + std::to_string(r.m_points) + "/" +
                               std::to_string(r.m_won) + "/" + std::to_string(r.m_runsFor);
            out.results += "\n";
        }
        // The retired are replaced in their records; new players come after.
        for (size_t i = 0; i < g_world.mv_players.size(); ++i) {
            const Player& p = g_world.mv_players[i];
            const std::string name = std::string(p.m_firstName) + " " + p.m_surname;
            if (i >= before.size() || name != before[i]) out.newNames += name + ",";
        }
        out.results += "players " + std::to_string(g_world.mv_players.size() - players);
        ResetGameState();
        return out;
    }

    std::filesystem::path m_saved, m_saves;
};

TEST_F(SeededDisk, ASeasonPlaysTheSameWhereverStartedAndWithoutTheNameLists) {
    const Season here = Play(true);
    const std::filesystem::path elsewhere = std::filesystem::path(testing::TempDir()) / "ravel_elsewhere";
    std::filesystem::create_directories(elsewhere);
    std::filesystem::current_path(elsewhere);
    const Season there = Play(true);
    const Season nameless = Play(false);
    EXPECT_EQ(here.results, there.results);
    EXPECT_EQ(here.newNames, there.newNames);
    EXPECT_EQ(here.results, nameless.results) << "names never change the numbers drawn";
    ASSERT_FALSE(here.newNames.empty()) << "the season made new players";
    EXPECT_NE(here.newNames, nameless.newNames);
    EXPECT_EQ(nameless.newNames.find_first_not_of("- ,"), std::string::npos) << nameless.newNames;
}

}  // namespace
}  // namespace ravel
