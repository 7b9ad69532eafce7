// The career start and the one reset of the game state.
#include <filesystem>
#include <memory>

#include "SeasonWorld.h"
#include "match/Match.h"
#include "season/Career.h"
#include "season/CustomLeague.h"
#include "world/PlayerHistory.h"
#include "world/SaveGame.h"

namespace ravel {
namespace {

class Career : public SeasonWorld {
protected:
    void SetUp() override {
        SeasonWorld::SetUp();
        m_saves = std::filesystem::path(testing::TempDir()) / "ravel_career_saves";
        std::filesystem::create_directories(m_saves);
        SetSavesFolder(m_saves.string());
        AddCountry(1, "Southland").m_nationalSide = 1;
        AddTeam(1301);
        AddTeam(1501);
    }
    void TearDown() override {
        ResetGameState();
        SetSavesFolder("");
        std::filesystem::remove_all(m_saves);
    }

    // Something in every part of the game state but the world tables.
    static void DirtyCareerState() {
        g_cricket.m_dayPhase = 7;
        g_cricket.m_team = 1301;
        g_cricket.m_autoSimulate = true;
        g_cricket.m_matchViewSounds = true;
        g_cricket.m_autosave = true;
        auto match = std::make_unique<Match>();
        match->mi_id = NextMatchId();
        g_currentMatches.push_back(std::move(match));
        g_completedMatches.push_back(std::make_unique<Match>());
        g_sliceBudget = 9;
        g_lostMinutes = 9;
        g_lostOvers = 9;
        g_steppedMatch = 9;
        g_ballState.mi_spread = 9;
        g_showScorecard = false;
        g_todaysFixtures.push_back(Fixture{});
        g_humanSidesToday.push_back(1301);
        g_recordEvents.push_back(RecordEvent{});
        g_dayScreenState.m_autoStopRule = AUTO_CAREER_OVER;
        g_dayScreenState.m_scoreboardDate.m_day = 9;
        g_contractOffers.push_back(ContractOffer{});
        g_overseasCount = 3;
        g_squadRebuilds = 2;
        g_almanackTitle = "Almanack";
        g_lastTurnover.m_retired = 4;
        SideResultRatingUpdate(1301, 10.0f, SIDE_WON);
    }

    static void ExpectCareerStateFresh() {
        EXPECT_EQ(g_cricket.m_dayPhase, 0);
        EXPECT_EQ(g_cricket.m_team, 0);
        EXPECT_FALSE(g_cricket.m_autoSimulate);
        EXPECT_TRUE(g_currentMatches.empty());
        EXPECT_TRUE(g_completedMatches.empty());
        EXPECT_EQ(NextMatchId(), 1) << "match ids start again";
        EXPECT_EQ(g_sliceBudget, 0);
        EXPECT_EQ(g_lostMinutes, 0);
        EXPECT_EQ(g_lostOvers, 0);
        EXPECT_EQ(g_steppedMatch, 0);
        EXPECT_EQ(g_ballState.mi_spread, 0);
        EXPECT_TRUE(g_showScorecard);
        EXPECT_TRUE(g_todaysFixtures.empty());
        EXPECT_TRUE(g_humanSidesToday.empty());
        EXPECT_TRUE(g_recordEvents.empty());
        EXPECT_EQ(g_dayScreenState.m_autoStopRule, 0);
        EXPECT_TRUE(g_dayScreenState.m_scoreboardDate.SameDay(GameDate{}));
        EXPECT_TRUE(g_contractOffers.empty());
        EXPECT_EQ(g_overseasCount, -1);
        EXPECT_EQ(g_squadRebuilds, 0);
        EXPECT_TRUE(g_almanackTitle.empty());
        EXPECT_EQ(g_lastTurnover.m_retired, 0);
        EXPECT_FLOAT_EQ(SideResultRating(1301), START_RESULT_RATING);
    }

    std::filesystem::path m_saves;
};

TEST_F(Career, ResetGameStateEmptiesEveryPart) {
    DirtyCareerState();
    g_userCoaches.assign(1, UserCoach{});
    for (int32_t id : {1301, 1302}) {
        Team club;
        club.m_id = id;
        g_world.mv_teams.push_back(club);
    }
    ASSERT_GT(CreateCustomLeague({1301, 1302}), 0);
    ResetGameState();
    EXPECT_EQ(CustomLeague(), nullptr);
    ExpectCareerStateFresh();
    EXPECT_TRUE(g_world.mv_teams.empty());
    EXPECT_TRUE(g_userCoaches.empty());
    EXPECT_FALSE(g_cricket.m_matchViewSounds) << "a fresh game state has the default options";
}

TEST_F(Career, NewCareerKeepsTheWorldAndTheOptionsOnly) {
    DirtyCareerState();
    PrepareNewCareer();
    ExpectCareerStateFresh();
    EXPECT_EQ(g_world.mv_teams.size(), 2u);
    EXPECT_TRUE(g_cricket.m_matchViewSounds);
    EXPECT_TRUE(g_cricket.m_autosave);
    EXPECT_EQ(g_cricket.m_gameMode, MODE_CAREER);
    EXPECT_EQ(g_cricket.m_date.m_season, FIRST_SEASON);
    EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, 0);
    EXPECT_EQ(g_cricket.m_date.m_hour, 8);
}

TEST_F(Career, BeginCareerAppointsTheCoachOrRefusesChangingNothing) {
    PrepareNewCareer();
    NewCoachRequest unknown;
    unknown.m_sideId = 1999;
    EXPECT_FALSE(BeginCareer(unknown));
    NewCoachRequest clubAsCountry;
    clubAsCountry.m_sideId = 1301;
    clubAsCountry.m_national = true;
    EXPECT_FALSE(BeginCareer(clubAsCountry));
    EXPECT_TRUE(g_userCoaches.empty());
    EXPECT_TRUE(g_world.mv_staff.empty());

    NewCoachRequest club;
    club.m_sideId = 1301;
    ASSERT_TRUE(BeginCareer(club));
    ASSERT_EQ(g_userCoaches.size(), 1u);
    EXPECT_STREQ(g_userCoaches[0].m_staff.m_firstName, "Mr");
    EXPECT_STREQ(g_userCoaches[0].m_staff.m_surname, "Player 1");
    EXPECT_EQ(g_cricket.m_team, 1301);
    EXPECT_EQ(TeamById(1301)->m_human, 1);
    EXPECT_TRUE(std::filesystem::exists(m_saves / PLAYER_HISTORY_INDEX));
    // A second coach may not take the side the first holds.
    EXPECT_FALSE(BeginCareer(club));
    EXPECT_EQ(g_userCoaches.size(), 1u);

    // The next new career hands the side back to the computer.
    PrepareNewCareer();
    EXPECT_TRUE(g_userCoaches.empty());
    EXPECT_EQ(TeamById(1301)->m_human, 0);
    EXPECT_EQ(StaffMemberById(g_world.mv_staff[0].m_id)->m_human, 0);
}

TEST_F(Career, OnlyClubsOutsideEnglandOpenWithTheAutoSimulation) {
    const struct {
        int32_t side;
        bool autoSim;
    } cases[] = {{1, false},    {999, false},  {1000, true}, {1299, true},
                 {1300, false}, {1399, false}, {1400, true}, {2500, true}};
    for (const auto& c : cases) EXPECT_EQ(CareerOpensWithAutoSimulation(c.side), c.autoSim) << c.side;
}

TEST_F(Career, LoadStepsOutsideTheTableDoNothing) {
    for (int step : {-1, WORLD_LOAD_STEPS}) {
        const WorldLoadProgress progress = RunWorldLoadStep(step);
        EXPECT_EQ(progress.m_percent, 0);
        EXPECT_EQ(progress.m_next, nullptr);
    }
    EXPECT_EQ(g_world.mv_teams.size(), 2u);
}

}  // namespace
}  // namespace ravel
