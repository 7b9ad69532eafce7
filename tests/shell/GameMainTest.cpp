#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "ShellFixture.h"
#include "season/GameState.h"
#include "shell/HomeFolder.h"
#include "shell/MainLoop.h"
#include "shell/platform/Files.h"

namespace ravel {

namespace {

namespace fs = std::filesystem;

// Stands in for the intro: once the database would have loaded, the start
// menu's place is taken by the news page, a framed screen.
void IntroDone() {
    g_game->ChangeScreen(SCREEN_NEWS);
}

void RegisterForRun();

// The screens of a run: the stand-ins, and a count of the one-time work.
struct RunScreens : CSideBarStartup {
    void InitOnce() override { ++m_inits; }
    void RegisterScreens() override { RegisterForRun(); }
    int m_inits = 0;
};

void RegisterForRun() {
    ScreenRecord intro = StandIn(SCREEN_INTRO, SCREEN_MODE_FULL);
    static_cast<CCallbackScreen*>(intro.mp_screen)->m_update = IntroDone;
    g_game->RegisterScreen(intro);  // found before the stand-in of the same id
    RegisterStandInScreens();
}

// The whole program headless, from a game folder and a home of its own.
class GameMainTest : public testing::Test {
protected:
    void SetUp() override {
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        m_saved = fs::current_path();
        m_home = fs::path(testing::TempDir()) / ("ravel_shell_home_" + name);
        m_homeFolder.emplace(m_home);
        fs::current_path(GameFolderWithTestSkins(name, {}));
        ScreenLog::s_calls.clear();
    }
    void TearDown() override {
        fs::current_path(m_saved);
        m_homeFolder.reset();
        CMessageBox::s_messageQueue.clear();
        CMessageBox::s_messageAnswer = 0;
        ResetGameState();
    }
    std::string ConfigFirstLine() const {
        std::ifstream in(m_home / "Documents" / "Ravelstone" / "Options" / "config.ini");
        std::string line;
        std::getline(in, line);
        return line;
    }

    fs::path m_saved, m_home;
    std::optional<test::HomeFolder> m_homeFolder;
    RunScreens m_screens;
};

TEST_F(GameMainTest, ChosenSkinIsWrittenToConfigOnExit) {
    const fs::path shot = m_home / "options.png";
    // Options; the skin drop-down; its second line, "willow"; Done.
    const std::vector<std::string> words = {"headless",        "ticks=30",        "click=3:92,595",
                                            "click=6:342,404", "click=9:342,449", "shot=11:" + shot.string(),
                                            "click=12:512,464"};
    EXPECT_EQ(GameMain(words, m_screens), 0);
    EXPECT_EQ(ConfigFirstLine(), "willow");
    EXPECT_TRUE(fs::exists(shot));
    EXPECT_EQ(g_game, nullptr);
    EXPECT_EQ(g_system, nullptr);
    // The run began on the intro and ended by leaving the news page.
    ASSERT_FALSE(ScreenLog::s_calls.empty());
    EXPECT_EQ(ScreenLog::s_calls.front(), "enter 100");
    EXPECT_EQ(ScreenLog::s_calls.back(), "leave 105");
}

TEST_F(GameMainTest, CloseBoxAndYesEndTheRun) {
    // The close box at tick 3, Yes at tick 6; the run would go on to 500.
    EXPECT_EQ(GameMain({"headless", "ticks=500", "close=3", "click=6:407,444"}, m_screens), 0);
    EXPECT_EQ(ScreenLog::s_calls.back(), "leave 103");
    EXPECT_EQ(ConfigFirstLine(), "std");
}

TEST_F(GameMainTest, MissingTileStopsTheStartButKeepsTheSettings) {
    const fs::path options = m_home / "Documents" / "Ravelstone" / "Options";
    fs::create_directories(options);
    std::ofstream(options / "config.ini") << "willow\n1\n1\n1\n1\n1\n1\n1\n1\n1\n";
    fs::remove("gfx/tiles");
    ClearShownSystemBoxes();
    EXPECT_EQ(GameMain({"headless", "ticks=10"}, m_screens), 0);
    ASSERT_FALSE(ShownSystemBoxes().empty());
    EXPECT_NE(ShownSystemBoxes().back().text.find("Failed to load"), std::string::npos);
    EXPECT_TRUE(ScreenLog::s_calls.empty());  // the loop never ran
    EXPECT_EQ(ConfigFirstLine(), "willow");
}

TEST_F(GameMainTest, LogWordTracesToStandardErrorAfterTheOneTimeWork) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(GameMain({"headless", "ticks=10", "log"}, m_screens), 0);
    const std::string trace = testing::internal::GetCapturedStderr();
    OpenDebugLog(nullptr);
    EXPECT_NE(trace.find("Bootup: Dealt with command line arguments.......\n"), std::string::npos);
    EXPECT_NE(trace.find("Succesfully reached end of program\n"), std::string::npos);
    EXPECT_EQ(m_screens.m_inits, 1);
}

TEST_F(GameMainTest, UnknownHeadlessStepIsRefused) {
    EXPECT_EQ(GameMain({"headless", "ticks=5", "jump=3"}, m_screens), 1);
    EXPECT_EQ(g_system, nullptr);
}

TEST(HeadlessScriptTest, Words) {
    HeadlessScript script;
    std::string bad;
    ASSERT_TRUE(ParseHeadlessScript(
        {"ticks=90", "click=4:10,20", "key=5:28", "close=6", "shot=7:a b.png", "text=8:Zo\xc3\xab"}, script,
        bad));
    EXPECT_EQ(script.m_ticks, 90u);
    ASSERT_EQ(script.mv_steps.size(), 5u);
    EXPECT_EQ(script.mv_steps[0].m_kind, ScriptStep::CLICK);
    EXPECT_EQ(script.mv_steps[0].m_y, 20);
    EXPECT_EQ(script.mv_steps[1].m_x, 28);
    EXPECT_EQ(script.mv_steps[2].m_kind, ScriptStep::CLOSE);
    EXPECT_EQ(script.mv_steps[3].m_file, "a b.png");
    EXPECT_EQ(script.mv_steps[4].m_kind, ScriptStep::TEXT);
    EXPECT_EQ(script.mv_steps[4].m_tick, 8u);
    EXPECT_EQ(script.mv_steps[4].m_text, "Zo\xc3\xab");
    for (const char* word : {"ticks=", "click=4:10", "key=5", "shot=7:", "close=6x", "text=3:", "window"}) {
        HeadlessScript other;
        EXPECT_FALSE(ParseHeadlessScript({word}, other, bad)) << word;
        EXPECT_EQ(bad, word);
    }
}

}  // namespace

}  // namespace ravel
