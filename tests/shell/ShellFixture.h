// A headless platform and a game object with the side bar, the message box,
// the shell's services and a table of stand-in screens that record which of
// their callbacks ran.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
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

template <int ID>
void StandInEnter() {
    ScreenLog::s_calls.push_back("enter " + std::to_string(ID));
    if (ClearsRecordOnEnter(ID)) g_game->m_recordOnLeave = false;
}
template <int ID>
void StandInLeave() {
    ScreenLog::s_calls.push_back("leave " + std::to_string(ID));
}
inline void StandInUpdate() {
    ++ScreenLog::s_updates;
}
inline void StandInTick() {
    ++ScreenLog::s_ticks;
}
inline void StandInRender() {
    ++ScreenLog::s_renders;
}

template <int ID>
ScreenRecord StandIn(int mode) {
    ScreenRecord record;
    record.m_id = ID;
    record.m_mode = mode;
    record.mp_render = StandInRender;
    record.mp_update = StandInUpdate;
    record.mp_tick = StandInTick;
    record.mp_enter = StandInEnter<ID>;
    record.mp_leave = StandInLeave<ID>;
    return record;
}

inline void RegisterStandInScreens() {
    constexpr int F = SCREEN_MODE_FULL, S = SCREEN_MODE_FRAMED;
    for (const ScreenRecord& record :
         {StandIn<101>(S), StandIn<102>(S), StandIn<103>(S), StandIn<100>(F), StandIn<104>(S),
          StandIn<105>(S), StandIn<106>(S), StandIn<108>(S), StandIn<109>(S), StandIn<110>(S),
          StandIn<113>(S), StandIn<114>(S), StandIn<116>(S), StandIn<131>(S), StandIn<117>(S),
          StandIn<115>(S), StandIn<122>(S), StandIn<123>(S), StandIn<126>(S), StandIn<127>(S),
          StandIn<128>(S), StandIn<120>(F), StandIn<118>(F), StandIn<119>(F), StandIn<121>(F),
          StandIn<130>(F), StandIn<140>(S)}) {
        g_game->RegisterScreen(record);
    }
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
        g_screenSubjects = ScreenSubjects();
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
        ResetGameState();
    }
    virtual bool BuildsSideBar() const { return true; }

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
