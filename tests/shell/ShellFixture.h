// A headless platform and a game object with the side bar, the message box,
// the shell's services and a table of stand-in screens that record which of
// their callbacks ran.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gui/GuiFixture.h"
#include "season/GameState.h"
#include "shell/Game.h"
#include "shell/ShellServices.h"
#include "shell/gui/Button.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/SideBar.h"
#include "shell/platform/Clock.h"
#include "shell/platform/System.h"
#include "world/GameDate.h"
#include "world/Services.h"

namespace ravel {

struct ScreenLog {
    static inline std::vector<std::string> s_calls;  // "enter 105", "leave 102"
    static inline int s_updates = 0;
    static inline int s_ticks = 0;
    static inline int s_renders = 0;
};

// Screens that keep themselves out of the histories do so in their Enter.
inline bool ClearsRecordOnEnter(int id) {
    return id == SCREEN_INTRO || id == SCREEN_START_MENU || id == SCREEN_SCORECARD ||
           id == SCREEN_PRE_MATCH || id == SCREEN_CONTRACT;
}

// A screen of the tests that runs what it is given (each callback left empty
// does nothing) and keeps the subject it is handed.
class CCallbackScreen : public CScreen {
public:
    void SetSubject(const ScreenSubject& subject) override { m_subject = subject; }
    ScreenSubject Subject() const override { return m_subject; }
    void Render() override { Run(m_render); }
    void Update() override { Run(m_update); }
    void Tick() override { Run(m_tick); }
    void Enter() override { Run(m_enter); }
    void Leave() override { Run(m_leave); }
    void UnloadTextures() override { Run(m_unloadTextures); }
    void LoadTextures() override { Run(m_loadTextures); }
    std::function<void()> m_render, m_update, m_tick, m_enter, m_leave, m_unloadTextures, m_loadTextures;
    ScreenSubject m_subject;

private:
    static void Run(const std::function<void()>& call) {
        if (call) call();
    }
};

// The screens a test registers; they outlive the game objects of the test.
inline std::vector<std::unique_ptr<CCallbackScreen>>& TestScreens() {
    static std::vector<std::unique_ptr<CCallbackScreen>> screens;
    return screens;
}
inline CCallbackScreen& NewTestScreen() {
    TestScreens().push_back(std::make_unique<CCallbackScreen>());
    return *TestScreens().back();
}

// A stand-in that logs its Enter and Leave and counts the rest.
inline ScreenRecord StandIn(int id, int mode) {
    CCallbackScreen& screen = NewTestScreen();
    screen.m_render = [] { ++ScreenLog::s_renders; };
    screen.m_update = [] { ++ScreenLog::s_updates; };
    screen.m_tick = [] { ++ScreenLog::s_ticks; };
    screen.m_enter = [id] {
        ScreenLog::s_calls.push_back("enter " + std::to_string(id));
        if (ClearsRecordOnEnter(id)) g_game->m_recordOnLeave = false;
    };
    screen.m_leave = [id] { ScreenLog::s_calls.push_back("leave " + std::to_string(id)); };
    ScreenRecord record;
    record.m_id = id;
    record.m_mode = mode;
    record.mp_screen = &screen;
    return record;
}

inline void RegisterStandInScreens() {
    constexpr int F = SCREEN_MODE_FULL, S = SCREEN_MODE_FRAMED;
    const std::pair<int, int> screens[] = {
        {101, S}, {102, S}, {103, S}, {100, F}, {104, S}, {105, S}, {106, S}, {108, S}, {109, S},
        {110, S}, {113, S}, {114, S}, {116, S}, {131, S}, {117, S}, {115, S}, {122, S}, {123, S},
        {126, S}, {127, S}, {128, S}, {120, F}, {118, F}, {119, F}, {121, F}, {130, F}, {140, S}};
    for (auto [id, mode] : screens) g_game->RegisterScreen(StandIn(id, mode));
}

// A folder laid out as the game's own: the built pictures and sounds, with
// test skins beside the built ones: "broken" (no bitmaps) and "nobars" (the
// standard controls without the side bar picture).
inline std::string GameFolderWithTestSkins(const std::string& name, const std::vector<std::string>& extras) {
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / ("ravel_shell_" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "gfx" / "gui");
    const std::filesystem::path runtime = RAVEL_RUNTIME_DIR;
    std::filesystem::create_directory_symlink(runtime / "sound", dir / "sound");
    for (const auto& entry : std::filesystem::directory_iterator(runtime / "gfx")) {
        if (entry.path().filename() == "gui") continue;
        std::filesystem::create_symlink(entry.path(), dir / "gfx" / entry.path().filename());
    }
    for (const auto& entry : std::filesystem::directory_iterator(runtime / "gfx" / "gui")) {
        std::filesystem::create_directory_symlink(entry.path(),
                                                  dir / "gfx" / "gui" / entry.path().filename());
    }
    for (const std::string& extra : extras) {
        std::filesystem::create_directories(dir / "gfx" / "gui" / extra);
        if (extra != "nobars") continue;
        for (const auto& entry : std::filesystem::directory_iterator(runtime / "gfx" / "gui" / "std")) {
            if (entry.path().filename() == "sidebar.bmp") continue;
            std::filesystem::create_symlink(entry.path(),
                                            dir / "gfx" / "gui" / extra / entry.path().filename());
        }
    }
    return dir.string();
}

class ShellTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ClearCurrentScreen();
        m_game->m_sideBarList.mb_isOverlay = 1;
        InstallGamePlatformHooks(true);
        InstallGameServices(true);
        ResetLog();
        ResetGameState();
        if (BuildsSideBar()) {
            BuildSideBar();
            CreateMessageBox();
            AddSideBarControls();
        }
        RegisterStandInScreens();
    }
    void TearDown() override {
        ReleaseSideBar();
        ReleaseMessageBox();
        CMessageBox::s_messageQueue.clear();
        CMessageBox::s_messageAnswer = 0;
        InstallGameServices(false);
        InstallGamePlatformHooks(false);
        GuiTest::TearDown();
        TestScreens().clear();
        ResetGameState();
    }
    virtual bool BuildsSideBar() const { return true; }

    // The subject the screen of that id was last handed.
    ScreenSubject SubjectOf(int id) const {
        const ScreenRecord* record = m_game->FindScreen(id);
        return record ? record->mp_screen->Subject() : ScreenSubject{};
    }

    static void ResetLog() {
        ScreenLog::s_calls.clear();
        ScreenLog::s_updates = ScreenLog::s_ticks = ScreenLog::s_renders = 0;
    }

    // Runs every pass that is due, as the loop does between two readings of
    // a moving clock.
    void RunDuePasses() {
        for (int guard = 0; guard < 100000; ++guard) {
            const LoopPass pass = m_game->PlayPass();
            if (pass == LoopPass::IDLE || pass == LoopPass::ENDED) return;
        }
        FAIL() << "the loop never went idle";
    }
    // One tick with the pointer at (x, y) and the left button as given.
    void TickWith(int x, int y, bool left) {
        CHeadless* input = m_system->HeadlessInput();
        input->MoveMouse(x, y);
        input->SetButtons(left, false);
        AdvanceClock(10000);
        RunDuePasses();
    }
    void ClickAt(int x, int y) {
        TickWith(x, y, true);
        TickWith(x, y, false);
    }
    void RightClickAt(int x, int y) {
        CHeadless* input = m_system->HeadlessInput();
        input->MoveMouse(x, y);
        input->SetButtons(false, true);
        AdvanceClock(10000);
        RunDuePasses();
        input->SetButtons(false, false);
        AdvanceClock(10000);
        RunDuePasses();
    }
    void Click(const CControl* control) {
        ClickAt(control->m_x + control->m_width / 2, control->m_y + control->m_height / 2);
    }
    // A child of a dialog: placed below the dialog's title.
    void ClickIn(const CDialog* dialog, const CControl* child) {
        ClickAt(dialog->m_x + child->m_x + child->m_width / 2,
                dialog->m_y + TITLE_HEIGHT + child->m_y + child->m_height / 2);
    }
    void AnswerMessageBox(int button) { ClickIn(CMessageBox::s_dialog, CMessageBox::s_buttons[button]); }
};

}  // namespace ravel
