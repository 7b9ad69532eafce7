// Days of the built world through the day machine: a human side's match
// under auto-simulation and with the user at the controls, and the same
// seed giving the same cricket.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "season/Career.h"
#include "season/Coaches.h"
#include "season/DayMachine.h"
#include "season/GameState.h"
#include "season/News.h"
#include "season/Ratings.h"
#include "season/Selection.h"
#include "season/Squads.h"
#include "world/Database.h"
#include "world/Random.h"
#include "world/SaveGame.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {
namespace {

class SeasonDay : public ::testing::Test {
protected:
    void SetUp() override {
        SetDatabaseFolder("std");
        SetDatabaseRoot(RAVEL_RUNTIME_DIR);
        if (!std::filesystem::exists(DatabaseFilePath(DB_PLAYERS)))
            GTEST_SKIP() << "the world database is not built";
        m_saves = std::filesystem::temp_directory_path() /
                  ("ravel_seasonday_" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(m_saves);
        SetSavesFolder(m_saves.string());
        NewWorld(1);
    }
    void TearDown() override {
        ResetGameState();
        InstallServices(nullptr);
        SetSavesFolder("");
        if (!m_saves.empty()) std::filesystem::remove_all(m_saves);
    }

    static void NewWorld(uint64_t seed) {
        SeedRand(seed);
        InstallServices(nullptr);
        LoadWorld();
        PrepareNewCareer();
        g_cricket.m_autoSimulate = true;
    }

    // Days under auto-simulation until some match has been completed.
    static void RunUntilMatches(size_t matches, int dayLimit) {
        for (int calls = 0; g_completedMatches.size() < matches && calls < 3 * dayLimit; ++calls)
            AdvanceDay();
    }

    // The first one-day club fixture still to come; nullptr when none.
    static const Fixture* NextOneDayClubFixture() {
        const Fixture* best = nullptr;
        for (const Fixture& f : g_world.mv_fixtures) {
            if (f.m_competition >= COMP_TEST_CHAMPIONSHIP || f.m_state != FIXTURE_SCHEDULED) continue;
            if (f.m_date.m_dayOfSeason <= g_cricket.m_date.m_dayOfSeason) continue;
            const Competition* c = CompetitionById(f.m_competition);
            if (!c || c->m_format % 2 != 0) continue;
            if (!best || f.m_date.m_dayOfSeason < best->m_date.m_dayOfSeason) best = &f;
        }
        return best;
    }

    // The fixture's home club gets a human coach who has picked nobody.
    static int MakeHumanClub(const Fixture& f) {
        Team* team = TeamById(f.m_home);
        team->m_human = 1;
        std::fill(std::begin(team->m_xi), std::end(team->m_xi), -1);
        g_userCoaches.assign(1, UserCoach{});
        g_userCoaches[0].m_staff.m_clubJob = team->m_id;
        g_userCoaches[0].m_staff.m_human = 1;
        return team->m_id;
    }

    static bool HumanMatchCompleted(int side) {
        for (const auto& m : g_completedMatches)
            if (m->mi_team1 == side || m->mi_team2 == side) return true;
        return false;
    }

    std::filesystem::path m_saves;
};

TEST_F(SeasonDay, AutoSimulationPlaysTheHumanSidesMatchForHim) {
    const Fixture* f = nullptr;
    for (int day = 0; day < 60 && !(f = NextOneDayClubFixture()); ++day) AdvanceDay();
    ASSERT_NE(f, nullptr);
    const int matchDay = f->m_date.m_dayOfSeason;
    const int side = MakeHumanClub(*f);
    int calls = 0;
    while (g_cricket.m_date.m_dayOfSeason <= matchDay && calls < 200) {
        AdvanceDay();
        ++calls;
    }
    EXPECT_LT(calls, 200) << "the day machine went round in circles";
    EXPECT_TRUE(HumanMatchCompleted(side));
    EXPECT_TRUE(XiComplete(TeamById(side)->m_xi, true)) << "the computer picked his eleven";
}

TEST_F(SeasonDay, UserMustCompleteHisElevenBeforeHisMatch) {
    const Fixture* f = nullptr;
    for (int day = 0; day < 60 && !(f = NextOneDayClubFixture()); ++day) AdvanceDay();
    ASSERT_NE(f, nullptr);
    const int matchDay = f->m_date.m_dayOfSeason;
    const int side = MakeHumanClub(*f);
    while (g_cricket.m_date.m_dayOfSeason < matchDay) AdvanceDay();
    ASSERT_EQ(g_cricket.m_dayPhase, DAY_PHASE_START);
    ClearXI(*TeamById(side));

    g_cricket.m_autoSimulate = false;
    AdvanceDay();  // today's fixtures are shown
    ASSERT_TRUE(DayScreens().Showing(DayPage::TODAYS_FIXTURES));
    AdvanceDay();  // his side plays: to his team page
    EXPECT_EQ(g_cricket.m_dayPhase, DAY_PHASE_CHECK_XI);
    EXPECT_TRUE(DayScreens().Showing(DayPage::SELECTION, side));

    Services().mv_messages.clear();
    AdvanceDay();
    EXPECT_EQ(g_cricket.m_dayPhase, DAY_PHASE_CHECK_XI);
    ASSERT_EQ(Services().mv_messages.size(), 1u);
    EXPECT_EQ(Services().mv_messages[0].m_kind, MSG_OK);
    EXPECT_EQ(Services().mv_messages[0].m_text.rfind("Team incomplete.", 0), 0u);

    Team& team = *TeamById(side);
    StoreSelection(ChooseXI(side, false, true, team.m_ground), team.m_xi);
    AdvanceDay();
    EXPECT_EQ(g_cricket.m_dayPhase, DAY_PHASE_MATCH_PLAYING);
    EXPECT_TRUE(DayScreens().Showing(DayPage::PRE_MATCH));
    // Watching stops: the rest of his day is played for him.
    g_cricket.m_autoSimulate = true;
    for (int calls = 0; g_cricket.m_date.m_dayOfSeason == matchDay && calls < 10; ++calls) AdvanceDay();
    EXPECT_GT(g_cricket.m_date.m_dayOfSeason, matchDay);
    EXPECT_TRUE(HumanMatchCompleted(side));
}

TEST_F(SeasonDay, SameSeedSameCricket) {
    auto run = [](uint64_t seed) {
        NewWorld(seed);
        RunUntilMatches(12, 60);
        std::vector<std::tuple<int, int, int, int, int>> results;
        for (const auto& m : g_completedMatches)
            results.emplace_back(m->mi_team1, m->mi_team2, m->mi_winner, m->mi_resultKind, m->mi_margin);
        return std::make_pair(results, g_cricket.m_date.m_dayOfSeason);
    };
    const auto a = run(7);
    const auto b = run(7);
    ASSERT_GE(a.first.size(), 12u);
    EXPECT_EQ(a, b);
}

}  // namespace
}  // namespace ravel
