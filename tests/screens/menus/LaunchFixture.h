// The game with its own screen table over the built pictures and fonts, in a
// game folder of its own with a saves folder of its own, the loop begun (on
// the intro) and an empty world; helpers to build small worlds or load the
// built one, to run ticks and to look at the screen.
#pragma once

#include <filesystem>
#include <string>

#include "screens/menus/ScreenTable.h"
#include "season/GameState.h"
#include "season/News.h"
#include "shell/Settings.h"
#include "shell/ShellFixture.h"
#include "world/Database.h"
#include "world/Random.h"
#include "world/SaveGame.h"
#include "world/World.h"

namespace ravel {

class LaunchTest : public ShellTest {
protected:
    bool BuildsSideBar() const override { return false; }
    void SetUp() override {
        namespace fs = std::filesystem;
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        m_saved = fs::current_path();
        fs::current_path(GameFolderWithTestSkins(name, {}));
        m_saves = fs::path(testing::TempDir()) / ("ravel_launch_saves_" + name);
        fs::remove_all(m_saves);
        fs::create_directories(m_saves);
        CopyText(s_savesFolder, sizeof s_savesFolder, m_saves.c_str());
        SetSavesFolder(m_saves.string());
        SetSavesFolder(m_saves.string());
        ShellTest::SetUp();
        m_game->mv_screens.clear();
        RegisterGameScreens();
        m_game->mp_startup = &m_sideBarStartup;
        ASSERT_TRUE(m_game->CreateGameResources());
        ResetGameState();
        m_game->BeginPlay();
        SeedRand(5);
        ResetLog();
    }
    void TearDown() override {
        if (m_game->m_screenId != 0) m_game->ChangeScreen(SCREEN_COMPETITION);
        m_game->ShutdownGame();
        ResetGameState();
        ShellTest::TearDown();
        SetDatabaseDirectory("");
        SetDatabaseRoot("");
        SetSavesFolder("");
        s_savesFolder[0] = '\0';
        std::filesystem::current_path(m_saved);
        std::filesystem::remove_all(m_saves);
    }

    // The built world database, read where the build put it; false when it
    // has not been built.
    static bool UseBuiltDatabase() {
        SetDatabaseFolder("std");
        SetDatabaseRoot(RAVEL_RUNTIME_DIR);
        return std::filesystem::exists(DatabaseFilePath(DB_PLAYERS));
    }

    static Team& AddClub(int id, int country, const char* name) {
        Team t;
        t.m_id = id;
        t.m_country = country;
        std::snprintf(t.m_name, sizeof t.m_name, "%s", name);
        g_world.mv_teams.push_back(t);
        return g_world.mv_teams.back();
    }
    static Country& AddNation(int id, const char* name) {
        Country c;
        c.m_id = id;
        c.m_nationalSide = 1;
        std::snprintf(c.m_name, sizeof c.m_name, "%s", name);
        g_world.mv_countries.push_back(c);
        return g_world.mv_countries.back();
    }

    // One tick with nothing pressed, the pointer parked in a corner.
    void Idle(int ticks = 1) {
        for (int i = 0; i < ticks; ++i) TickWith(1020, 5, false);
    }
    // A player's click: after the screen has been drawn at least once.
    void Tap(const CControl* control) {
        Idle(2);
        Click(control);
    }
    void PressKey(int key) {
        m_system->HeadlessInput()->PressKey(key);
        Idle();
        m_system->HeadlessInput()->ReleaseKey(key);
        Idle();
    }
    // A fresh frame of the current screen, kept as a PNG in the build folder
    // when asked, to be looked at.
    void Frame(const std::string& png = "") {
        m_game->RenderFrame();
        if (png.empty()) return;
        const std::filesystem::path dir =
            std::filesystem::path(RAVEL_RUNTIME_DIR).parent_path() / "launch_shots";
        std::filesystem::create_directories(dir);
        EXPECT_TRUE(m_system->SaveScreenshot((dir / png).string()));
    }

    // The text the last frame drew at (x, y); "" when none.
    std::string TextAt(int x, int y) const {
        for (const DrawnText& t : m_system->HeadlessInput()->mv_texts)
            if (t.x == x && t.y == y) return t.text;
        return "";
    }

    uint32_t Pixel(int x, int y) const { return m_system->Screen().Pixel(x, y); }
    // Pixels of a colour family in a box: channels within 0x30 of the colour.
    int CountNear(int left, int top, int right, int bottom, uint32_t colour) const {
        auto near = [&](uint32_t a, int shift) {
            const int d = static_cast<int>((a >> shift) & 0xff) - static_cast<int>((colour >> shift) & 0xff);
            return d > -0x30 && d < 0x30;
        };
        int count = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                const uint32_t p = Pixel(x, y);
                count += near(p, 16) && near(p, 8) && near(p, 0);
            }
        }
        return count;
    }

    std::filesystem::path m_saved;
    CSideBarStartup m_sideBarStartup;
    std::filesystem::path m_saves;
};

// The custom games over the built world, from the intro to the start menu.
class CustomGameTest : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        if (!UseBuiltDatabase()) GTEST_SKIP() << "the world database is not built";
        ResetGameState();
        SeedRand(11);
    }
    void ToStartMenu() {
        TickWith(600, 600, true);
        for (int tick = 0; tick < 1000 && m_game->m_screenId == SCREEN_INTRO; ++tick) Idle();
        ASSERT_EQ(m_game->m_screenId, SCREEN_START_MENU);
        Idle(2);
    }
};

}  // namespace ravel
