#include <filesystem>

#include "LaunchFixture.h"
#include "screens/menus/IntroScreen.h"
#include "season/Squads.h"
#include "shell/platform/Keys.h"
#include "shell/platform/Sprite.h"
#include "world/GameDate.h"
#include "world/World.h"

namespace ravel {

namespace {

using IS = CIntroScreen;

constexpr uint32_t BAR_GREY = 0xff6f6f6fu;

// The smallest world the checks let through, written into the database
// folder: the competitions that Tests,
// one-day internationals and tour matches take their rules from, and the
// roll-over of every season.
void WriteSmallestWorld() {
    ResetWorld();
    struct Fixed {
        int32_t id, format, length;
    };
    for (Fixed f : {Fixed{500, FORMAT_TEST, 5}, Fixed{501, FORMAT_ODI, 50}, Fixed{502, FORMAT_FIRST_CLASS, 3},
                    Fixed{503, FORMAT_LIST_A, 50}, Fixed{504, FORMAT_FIRST_CLASS, 4}}) {
        Competition c;
        c.m_id = f.id;
        std::snprintf(c.m_name, sizeof c.m_name, "Competition %d", f.id);
        c.m_format = f.format;
        c.m_length = f.length;
        g_world.mv_competitions.push_back(c);
    }
    for (int season : {EVERY_EVEN_SEASON, EVERY_ODD_SEASON}) {
        CompetitionEvent e;
        e.m_season = season;
        e.m_type = EVENT_NEW_SEASON;
        e.m_dayOfSeason = SeasonLength(season == EVERY_EVEN_SEASON ? FIRST_SEASON : FIRST_SEASON + 1) - 1;
        g_world.mv_events.push_back(e);
    }
    ASSERT_TRUE(WriteDatabaseFile(DB_COMPETITIONS, DatabaseFilePath(DB_COMPETITIONS)));
    ASSERT_TRUE(WriteDatabaseFile(DB_EVENTS, DatabaseFilePath(DB_EVENTS)));
    ResetWorld();
}

// The intro over a database folder that holds the smallest world: every step
// runs and finds next to nothing, so the step machine is all there is to see.
class IntroTest : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        m_empty = std::filesystem::path(testing::TempDir()) / "ravel_launch_empty_db";
        std::filesystem::remove_all(m_empty);
        std::filesystem::create_directories(m_empty);
        SetDatabaseDirectory(m_empty.string());
        WriteSmallestWorld();
        ASSERT_EQ(m_game->m_screenId, SCREEN_INTRO);
    }
    static uint32_t Segment(int i) { return 0xff000000u | static_cast<uint32_t>(i + 30) << 8; }

    std::filesystem::path m_empty;
};

TEST_F(IntroTest, LoadingStartsOnTheClickOrOnTheHundredAndFiftyFirstTick) {
    struct Case {
        int clickTick;  // 0: no click
        int startTick;  // the tick whose end sees step 1
    } const cases[] = {{0, 151}, {1, 1}, {40, 40}, {150, 150}};
    for (const Case& c : cases) {
        m_game->ChangeScreen(SCREEN_INTRO);
        for (int tick = 1; tick < c.startTick; ++tick) {
            TickWith(600, 600, tick == c.clickTick);
            ASSERT_EQ(IS::s_step, INTRO_LOGO) << "click " << c.clickTick << ", tick " << tick;
        }
        TickWith(600, 600, c.startTick == c.clickTick);
        EXPECT_EQ(IS::s_step, 1) << "click " << c.clickTick;
        EXPECT_EQ(IS::s_percent, 10);
    }
}

TEST_F(IntroTest, ClickWhileLoadingChangesNothingAndTheMenuOpensThirtyTicksOn) {
    TickWith(600, 600, true);  // loading starts: step 0 runs in this tick
    for (int tick = 2; tick <= 29; ++tick) {
        TickWith(600, 600, tick % 2 == 0);
        ASSERT_EQ(IS::s_step, tick) << "a click does not restart or skip";
        ASSERT_EQ(m_game->m_screenId, SCREEN_INTRO);
    }
    TickWith(600, 600, false);
    EXPECT_EQ(m_game->m_screenId, SCREEN_START_MENU);
    EXPECT_TRUE(m_game->mv_backHistory.empty()) << "nothing goes back to the intro";
}

TEST_F(IntroTest, BarHoldsOneSegmentPerPercent) {
    Frame("intro_logo.png");
    EXPECT_NE(Pixel(500, 465), BAR_GREY) << "no bar before loading";

    TickWith(600, 600, true);
    Frame("intro_first_step.png");
    EXPECT_EQ(Pixel(449, 459), 0xffffffffu);
    EXPECT_EQ(Pixel(850, 470), 0xffffffffu);
    EXPECT_EQ(Pixel(450 + 4 * 9 + 2, 465), Segment(9));
    EXPECT_EQ(Pixel(450 + 4 * 10 + 2, 465), BAR_GREY);
    EXPECT_EQ(Pixel(849, 469), BAR_GREY);

    while (IS::s_step <= 14) Idle();
    Frame("intro_full_bar.png");
    EXPECT_EQ(IS::s_percent, 100);
    EXPECT_EQ(Pixel(452, 465), Segment(0));
    EXPECT_EQ(Pixel(849, 469), Segment(99));
}

TEST_F(IntroTest, MessageNamesTheTableThatLoadsNext) {
    EXPECT_STREQ(IS::s_message, "Loading... players database");
    TickWith(600, 600, true);
    EXPECT_STREQ(IS::s_message, "Loading... teams database");
    while (IS::s_step <= INTRO_COMPLETE_WORLD) Idle();
    EXPECT_STREQ(IS::s_message, "Loading... initialising game data");
}

TEST_F(IntroTest, PicturesComeBackAfterALostDevice) {
    Frame();
    const uint32_t ball = Pixel(512, 345);
    ASSERT_GT((ball >> 16) & 0xff, 0x80u) << "the waiting picture's red ball";
    m_system->HeadlessInput()->LoseDevice();
    Idle(3);
    ASSERT_NE(IS::s_waiting, nullptr);
    EXPECT_TRUE(IS::s_waiting->Loaded());
    Frame();
    EXPECT_EQ(Pixel(512, 345), ball);
}

// A world that fails its checks stops the loading where they ran, says which
// file and record failed, and the game goes no further: a click (or Escape)
// closes it.
TEST_F(IntroTest, BrokenWorldIsRefusedOnTheLoadingScreen) {
    std::filesystem::remove(DatabaseFilePath(DB_EVENTS));
    TickWith(600, 600, true);
    for (int tick = 0; tick < 60; ++tick) Idle();
    EXPECT_EQ(m_game->m_screenId, SCREEN_INTRO) << "no start menu";
    EXPECT_EQ(IS::s_step, INTRO_CHECK_WORLD);
    ASSERT_TRUE(IS::s_fault.has_value());
    EXPECT_EQ(IS::s_fault->m_file, "db010170.dbj");
    EXPECT_EQ(IS::s_fault->m_problem, "season 362 has no roll-over event");
    Frame("intro_refused.png");
    EXPECT_GT(CountNear(300, 490, 724, 560, 0xffff6060u), 100) << "the refusal is written under the bar";

    EXPECT_TRUE(m_game->m_running);
    TickWith(600, 600, true);
    EXPECT_FALSE(m_game->m_running);
}

TEST_F(IntroTest, EscapeAlsoClosesARefusedWorld) {
    std::filesystem::remove(DatabaseFilePath(DB_COMPETITIONS));
    TickWith(600, 600, true);
    while (IS::s_step < INTRO_CHECK_WORLD) Idle();
    Idle(2);
    ASSERT_TRUE(IS::s_fault.has_value());
    EXPECT_EQ(IS::s_fault->Where(), "db090358.dbj");
    EXPECT_TRUE(m_game->m_running) << "the click that started the loading is long released";
    PressKey(DIK_ESCAPE);
    EXPECT_FALSE(m_game->m_running);
}

// The whole load from the built database, the world completed for play.
class IntroBuiltWorldTest : public LaunchTest {};

TEST_F(IntroBuiltWorldTest, LoadsAndCompletesTheWorld) {
    if (!UseBuiltDatabase()) GTEST_SKIP() << "the world database is not built";
    TickWith(600, 600, true);
    while (m_game->m_screenId == SCREEN_INTRO) Idle();
    EXPECT_EQ(m_game->m_screenId, SCREEN_START_MENU);

    ASSERT_FALSE(g_world.mv_teams.empty());
    ASSERT_FALSE(g_world.mv_countries.empty());
    ASSERT_EQ(g_world.mv_records.size(), 4u);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(g_world.mv_records[static_cast<size_t>(k)].m_kind, k + 1);
    EXPECT_FALSE(g_world.mv_fieldSetups.empty());
    for (const Team& team : g_world.mv_teams) {
        if (team.m_id >= 3000) continue;
        EXPECT_GE(SquadCount(team), MIN_CONTRACTED) << team.m_name;
        EXPECT_GT(team.m_coach, 0) << team.m_name;
        EXPECT_EQ(team.m_salaryBudget, static_cast<int32_t>(team.m_money / 2)) << team.m_name;
    }
    for (const Country& country : g_world.mv_countries) {
        if (country.m_nationalSide != 1) continue;
        EXPECT_GT(country.m_coach, 0) << country.m_name;
        EXPECT_FALSE(country.mv_testSquad.empty()) << country.m_name;
    }
}

}  // namespace

}  // namespace ravel
