#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "PlatformFixture.h"
#include "shell/platform/Clock.h"
#include "shell/platform/Files.h"

namespace ravel {
namespace {

TEST(CommandLine, OnlyTheExactFirstWordWindowRunsWindowed) {
    struct Case {
        const char* line;
        bool windowed;
    } cases[] = {{"window", true},      {"window extra", true}, {"  window", true},
                 {"Window", false},     {"windowed", false},    {"", false},
                 {"fullscreen", false}, {"win", false}};
    for (const Case& c : cases) EXPECT_EQ(ParseCommandLine(c.line), c.windowed) << c.line;
    EXPECT_FALSE(ParseCommandLine(nullptr));
    const std::string longWord(400, 'w');
    EXPECT_FALSE(ParseCommandLine(longWord.c_str()));
}

// The game's side of the platform, recording what it is asked.
class RecordingHooks : public CPlatformHooks {
public:
    void SetPaused(bool paused) override { m_paused = paused; }
    void ConfirmExit() override { ++m_exitAsked; }
    void ReleaseGraphics() override { m_calls += m_paused ? "release(paused) " : "release "; }
    void CreateGraphics() override { m_calls += "create "; }
    void UnloadScreenTextures() override { m_calls += "unload "; }
    void LoadScreenTextures() override { m_calls += "load "; }
    void RenderFrame() override {
        m_calls += m_paused ? "frame(paused) " : "frame ";
        // The frame asks again: nothing more to do.
        EXPECT_EQ(g_system->HandleLostDevice(), 0);
    }
    bool m_paused = false;
    int m_exitAsked = 0;
    std::string m_calls;
};

class WindowTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        InstallPlatformHooks(&m_hooks);
    }
    void TearDown() override {
        InstallPlatformHooks(nullptr);
        HeadlessTest::TearDown();
    }
    // Serves every queued window message, as the main loop does.
    void Pump() {
        WindowMessage msg;
        while (m_system->PeekMessage(&msg, true)) m_system->DispatchMessage(msg);
    }
    RecordingHooks m_hooks;
    bool& m_paused = m_hooks.m_paused;
    int& s_exitAsked = m_hooks.m_exitAsked;
};

TEST_F(WindowTest, MinimisePausesAndRestoreResumes) {
    m_system->HeadlessInput()->Minimise();
    Pump();
    EXPECT_TRUE(m_paused);
    m_system->HeadlessInput()->Restore();
    Pump();
    EXPECT_FALSE(m_paused);
    m_system->WindowProc(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(m_paused);
    m_system->WindowProc(WM_SIZE, SIZE_MAXIMIZED, 0);
    EXPECT_FALSE(m_paused);
    m_system->WindowProc(WM_SIZE, 3, 0);  // other kinds change nothing
    EXPECT_FALSE(m_paused);
}

TEST_F(WindowTest, CloseBoxAsksTheExitQuestionInsteadOfClosing) {
    m_system->HeadlessInput()->Close();
    Pump();
    EXPECT_EQ(s_exitAsked, 1);
    WindowMessage msg;
    EXPECT_FALSE(m_system->PeekMessage(&msg, false));  // no quit follows
    EXPECT_EQ(m_system->WindowProc(WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(s_exitAsked, 1);
}

TEST_F(WindowTest, StopSignalsCloseWithoutTheExitQuestion) {
    CSystem::CatchStopSignals();
    for (int signal : {SIGTERM, SIGINT}) {
        std::raise(signal);
        WindowMessage msg;
        ASSERT_TRUE(m_system->PeekMessage(&msg, true)) << signal;
        EXPECT_EQ(msg.message, WM_DESTROY) << signal;
        m_system->DispatchMessage(msg);
        ASSERT_TRUE(m_system->PeekMessage(&msg, true)) << signal;
        EXPECT_EQ(msg.message, WM_QUIT) << signal;
        EXPECT_EQ(s_exitAsked, 0) << signal;
    }
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

TEST_F(WindowTest, DestroyPostsQuitAndPeekCanLeaveItQueued) {
    m_system->WindowProc(WM_DESTROY, 0, 0);
    WindowMessage msg;
    ASSERT_TRUE(m_system->PeekMessage(&msg, false));
    EXPECT_EQ(msg.message, WM_QUIT);
    ASSERT_TRUE(m_system->PeekMessage(&msg, true));
    EXPECT_FALSE(m_system->PeekMessage(&msg, true));
}

TEST_F(WindowTest, AnswersOfTheWindowProcedure) {
    struct Case {
        uint32_t message;
        uintptr_t wParam;
        long result;
    } cases[] = {
        {WM_POWERBROADCAST, POWER_QUERY_SUSPEND, long(POWER_QUERY_DENY)},
        {WM_POWERBROADCAST, 4, 0},
        {WM_HOTKEY, HOTKEY_ALT_TAB, 0},
        {WM_HOTKEY, 7, 1},
        {WM_SYSCOMMAND, SC_SCREENSAVE, 0},
        {WM_SYSCOMMAND, SC_MONITORPOWER, 0},
        {WM_PAINT, 0, 0},
        {WM_KEYDOWN, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(m_system->WindowProc(c.message, c.wParam, 0), c.result) << c.message;
    EXPECT_EQ(s_exitAsked, 0);
}

TEST_F(WindowTest, WindowedPointerFollowsMouseMoves) {
    m_system->HeadlessInput()->MoveMouse(300, 700);
    m_system->ReadMouse();
    EXPECT_EQ(m_system->m_mouseX, 300);
    EXPECT_EQ(m_system->m_mouseY, 700);
    m_system->HeadlessInput()->SetButtons(true, false);
    m_system->HeadlessInput()->TurnWheel(-120);
    m_system->ReadMouse();
    EXPECT_EQ(m_system->mb_leftDown, 1);
    EXPECT_EQ(m_system->mb_rightDown, 0);
    EXPECT_EQ(m_system->m_wheel, -120);
    m_system->ReadMouse();  // the wheel reports movement once
    EXPECT_EQ(m_system->m_wheel, 0);
    EXPECT_EQ(m_system->mb_leftDown, 1);  // buttons stay as held
}

TEST(FullScreenMouse, PointerFollowsPositionsAndStopsAtTheScreenEdges) {
    g_system = nullptr;
    CSystem system;
    ASSERT_TRUE(system.SetupHeadless(SCREEN_WIDTH, SCREEN_HEIGHT, false));
    EXPECT_EQ(system.m_mouseX, 512);
    EXPECT_EQ(system.m_mouseY, 384);
    struct Step {
        int inX, inY;
        int x, y;
    } steps[] = {
        {511, 254, 511, 254},    // one jump, as a warped pointer makes, is one move
        {1024, 768, 1024, 768},  // the edge itself is allowed
        {1300, 900, 1024, 768},  // the bars beside a scaled picture
        {-40, -7, 0, 0},
    };
    for (const Step& s : steps) {
        system.HeadlessInput()->MoveMouse(s.inX, s.inY);
        system.ReadMouse();
        EXPECT_EQ(system.m_mouseX, s.x);
        EXPECT_EQ(system.m_mouseY, s.y);
    }
    system.CloseSystem();
}

TEST(FullScreenMouse, AClickAfterAJumpLandsWhereThePointerWent) {
    g_system = nullptr;
    CSystem system;
    ASSERT_TRUE(system.SetupHeadless(SCREEN_WIDTH, SCREEN_HEIGHT, false));
    system.HeadlessInput()->MoveMouse(511, 254);
    system.HeadlessInput()->SetButtons(true, false);
    system.ReadKeyboard();
    system.ReadMouse();
    EXPECT_EQ(system.mb_leftDown, 1);
    EXPECT_EQ(system.m_mouseX, 511);
    EXPECT_EQ(system.m_mouseY, 254);
    system.CloseSystem();
}

TEST_F(WindowTest, KeyboardStateByKeyCode) {
    m_system->HeadlessInput()->PressKey(DIK_SPACE);
    m_system->HeadlessInput()->PressKey(DIK_LSHIFT);
    m_system->ReadKeyboard();
    EXPECT_EQ(m_system->m_keys[DIK_SPACE], KEY_DOWN);
    EXPECT_TRUE(m_system->KeyDown(DIK_LSHIFT));
    EXPECT_FALSE(m_system->KeyDown(DIK_Q));
    m_system->HeadlessInput()->ReleaseAllKeys();
    m_system->ReadKeyboard();
    EXPECT_FALSE(m_system->KeyDown(DIK_SPACE));
}

TEST_F(WindowTest, ManualClockMovesOnlyWhenTold) {
    int64_t frequency = 0, a = 0, b = 0;
    ASSERT_TRUE(QueryPerformanceFrequency(&frequency));
    QueryPerformanceCounter(&a);
    QueryPerformanceCounter(&b);
    EXPECT_EQ(a, b);
    AdvanceClock(10000);
    QueryPerformanceCounter(&b);
    EXPECT_EQ(b - a, frequency / 100);
    const uint32_t ms = TimeGetTime();
    Sleep(50);  // a sleep moves the manual clock instead of waiting
    EXPECT_EQ(TimeGetTime() - ms, 50u);
    EXPECT_EQ(m_system->HandleLostDevice(), 0);
}

TEST_F(WindowTest, RendererResetRebuildsTheGraphicsAndDrawsOneFrame) {
    std::string& calls = m_hooks.m_calls;
    EXPECT_EQ(m_system->HandleLostDevice(), 0);
    EXPECT_EQ(calls, "");
    m_system->HeadlessInput()->LoseDevice();
    EXPECT_EQ(m_system->HandleLostDevice(), 0);
    EXPECT_EQ(calls, "unload release(paused) create load frame ");
    EXPECT_FALSE(m_paused);
    EXPECT_FALSE(m_system->mb_deviceLost);
    calls.clear();
    EXPECT_EQ(m_system->HandleLostDevice(), 0);
    EXPECT_EQ(calls, "");
}

TEST_F(WindowTest, StartsWithNoControlsAndNoBlend) {
    EXPECT_EQ(m_system->mp_controlList, nullptr);
    EXPECT_EQ(m_system->mb_blend, 0);
}

TEST_F(WindowTest, ScreenshotIsAPng) {
    const std::string dir = ScratchFolder("shot");
    m_system->FillRect(0, 0, 10, 10, 0xffff0000u);
    ASSERT_TRUE(m_system->SaveScreenshot(dir + "/shot.png"));
    std::ifstream in(dir + "/shot.png", std::ios::binary);
    char magic[4] = {};
    in.read(magic, 4);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG");
    EXPECT_FALSE(m_system->SaveScreenshot(dir + "/no/such/folder/shot.png"));
}

TEST(WindowedSetUp, RefusesToStartWhereNothingCanBeSeen) {
    // No display and no driver asked for: SDL would pick one that shows nothing.
    struct Saved {
        const char* name;
        std::string value;
        bool set;
    } saved[] = {{"DISPLAY", "", false}, {"WAYLAND_DISPLAY", "", false}, {"SDL_VIDEODRIVER", "", false}};
    for (Saved& v : saved) {
        if (const char* old = std::getenv(v.name)) {
            v.value = old;
            v.set = true;
        }
        unsetenv(v.name);
    }
    CSystem system;
    EXPECT_FALSE(system.Setup_System(1, 1024, 768, true));
    system.CloseSystem();
    for (const Saved& v : saved)
        if (v.set) setenv(v.name, v.value.c_str(), 1);
}

TEST(Folders, ListingByPattern) {
    const std::string dir = ScratchFolder("list");
    std::filesystem::create_directories(dir + "/std");
    std::filesystem::create_directories(dir + "/grass");
    std::ofstream(dir + "/one.sav") << "x";
    std::ofstream(dir + "/two.sav") << "x";
    std::ofstream(dir + "/note.txt") << "x";
    std::vector<FolderEntry> entries;
    ASSERT_TRUE(ListFolder(dir + "\\*.sav", entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "one.sav");
    EXPECT_FALSE(entries[0].folder);
    ASSERT_TRUE(ListFolder(dir + "\\*.*", entries));
    int folders = 0;
    for (const FolderEntry& e : entries) folders += e.folder && e.name[0] != '.';
    EXPECT_EQ(folders, 2);
    EXPECT_FALSE(ListFolder(dir + "\\missing\\*.*", entries));
    EXPECT_TRUE(entries.empty());
}

TEST(Folders, MakeFolderReportsWhatHappened) {
    const std::string dir = ScratchFolder("make");
    EXPECT_EQ(MakeFolder(dir + "/new"), MakeFolderResult::CREATED);
    EXPECT_EQ(MakeFolder(dir + "/new"), MakeFolderResult::EXISTS);
    std::ofstream(dir + "/file") << "x";
    EXPECT_EQ(MakeFolder(dir + "/file"), MakeFolderResult::FAILED);
    EXPECT_EQ(MakeFolder(dir + "/a/b/c"), MakeFolderResult::FAILED);
}

TEST(Folders, HeadlessErrorBoxesAreOnlyRecorded) {
    ClearShownSystemBoxes();
    SystemMessageBox("Error: Unable to create window.", "Failed to start game", BOX_ERROR);
    ASSERT_EQ(ShownSystemBoxes().size(), 1u);
    EXPECT_EQ(ShownSystemBoxes()[0].caption, "Failed to start game");
    ClearShownSystemBoxes();
}

}  // namespace
}  // namespace ravel
