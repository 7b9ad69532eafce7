#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ShellFixture.h"
#include "shell/Settings.h"
#include "shell/gui/Button.h"
#include "shell/gui/Control.h"

namespace ravel {

namespace {

constexpr uint64_t SECOND = 1000000;  // manual clock units

class MainLoopTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        m_game->BeginPlay();
        ResetLog();
    }
    // Every pass that is due now, in order.
    std::vector<LoopPass> DuePasses() {
        std::vector<LoopPass> passes;
        for (int guard = 0; guard < 100000; ++guard) {
            const LoopPass pass = m_game->PlayPass();
            if (pass == LoopPass::IDLE || pass == LoopPass::ENDED) return passes;
            passes.push_back(pass);
        }
        ADD_FAILURE() << "the loop never went idle";
        return passes;
    }
    // A framed screen that only paints, made current.
    void ShowPainter(int id, ScreenCallback render) {
        ScreenRecord record;
        record.m_id = id;
        record.m_mode = SCREEN_MODE_FRAMED;
        CCallbackScreen& screen = NewTestScreen();
        screen.m_render = render;
        record.mp_screen = &screen;
        m_game->RegisterScreen(record);
        m_game->ChangeScreen(id);
    }
};

TEST_F(MainLoopTest, StartsOnTheIntroWithTheOptionsReset) {
    EXPECT_TRUE(m_game->m_running);
    EXPECT_EQ(m_game->m_screenId, SCREEN_INTRO);
    EXPECT_FALSE(g_cricket.m_autosave);
    EXPECT_TRUE(g_cricket.m_matchViewSounds);
    EXPECT_EQ(m_system->m_clockSeconds, 0.0f);
    // The clock has not moved: a reading equal to the next tick runs nothing.
    EXPECT_EQ(m_game->PlayPass(), LoopPass::IDLE);
    EXPECT_EQ(m_game->m_tickCount, 0u);
}

TEST_F(MainLoopTest, HundredTicksAndSixtyFramesASecond) {
    m_game->ChangeScreen(SCREEN_NEWS);
    for (int ms = 0; ms < 1000; ++ms) {
        m_system->HeadlessInput()->MoveMouse(ms % 500, 300);  // the player is busy: every frame counts
        AdvanceClock(1000);
        DuePasses();
    }
    EXPECT_EQ(m_game->m_tickCount, 100u);
    // The counter's frame period is rounded down, so the 61st frame is due
    // a few microseconds before the second ends.
    EXPECT_NEAR(static_cast<double>(m_game->m_frameCount), 60.0, 1.0);
    EXPECT_EQ(ScreenLog::s_updates, 100);
    EXPECT_EQ(ScreenLog::s_ticks, 100);
    EXPECT_EQ(ScreenLog::s_renders, static_cast<int>(m_game->m_frameCount));
    EXPECT_NEAR(m_system->m_clockSeconds, 1.0f, 1e-3f);
}

TEST_F(MainLoopTest, AStallIsCaughtUpExceptOnTheIntroAndUnderAutoSimulation) {
    struct Case {
        const char* name;
        int screen;
        bool autoSimulate;
        size_t ticks;
    };
    const Case cases[] = {
        {"ordinary screen", SCREEN_NEWS, false, 100},
        {"intro", SCREEN_INTRO, false, 1},
        {"auto-simulation", SCREEN_AUTO_SIM, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_game->ChangeScreen(c.screen);
        g_cricket.m_autoSimulate = c.autoSimulate;
        AdvanceClock(20000);
        DuePasses();  // level with the clock

        AdvanceClock(SECOND);
        std::vector<LoopPass> expected(c.ticks, LoopPass::TICK);
        expected.push_back(LoopPass::FRAME);  // only once the ticks are level
        EXPECT_EQ(DuePasses(), expected);

        // Caught up, the next tick is due at once; restarted, a whole period
        // from the present.
        AdvanceClock(m_game->m_tickPeriod);
        EXPECT_EQ(DuePasses(),
                  c.ticks == 1 ? std::vector<LoopPass>{} : std::vector<LoopPass>{LoopPass::TICK});
    }
}

TEST_F(MainLoopTest, MinimisedTicksGoOnButNothingIsDrawn) {
    m_game->ChangeScreen(SCREEN_NEWS);
    m_system->HeadlessInput()->Minimise();
    AdvanceClock(1000);
    DuePasses();
    ASSERT_TRUE(m_game->m_paused);
    const uint64_t frames = m_game->m_frameCount;
    const uint64_t ticks = m_game->m_tickCount;
    for (int i = 0; i < 50; ++i) {
        AdvanceClock(10000);
        DuePasses();
    }
    EXPECT_EQ(m_game->m_frameCount, frames);
    EXPECT_GE(m_game->m_tickCount, ticks + 50);

    m_system->HeadlessInput()->Restore();
    AdvanceClock(20000);
    DuePasses();
    EXPECT_FALSE(m_game->m_paused);
    EXPECT_GT(m_game->m_frameCount, frames);
}

TEST_F(MainLoopTest, QuitEndsTheLoopLeavesTheScreenAndDeletesTheHistories) {
    const std::filesystem::path saves = std::filesystem::path(testing::TempDir()) / "ravel_shell_saves";
    std::filesystem::create_directories(saves);
    CopyText(s_savesFolder, sizeof s_savesFolder, saves.string().c_str());
    std::ofstream(saves / "playerhistories_data.hist") << "x";
    std::ofstream(saves / "playerhistories_index.hist") << "x";

    m_game->ChangeScreen(SCREEN_TEAM);
    m_system->PostMessage(WM_QUIT, 0, 0);
    EXPECT_EQ(m_game->PlayPass(), LoopPass::ENDED);
    ResetLog();
    m_game->EndPlay();
    EXPECT_EQ(ScreenLog::s_calls, (std::vector<std::string>{"leave 102"}));
    EXPECT_FALSE(std::filesystem::exists(saves / "playerhistories_data.hist"));
    EXPECT_FALSE(std::filesystem::exists(saves / "playerhistories_index.hist"));
    // Missing files are no error.
    m_game->EndPlay();
    s_savesFolder[0] = '\0';
}

TEST_F(MainLoopTest, TheCloseBoxAsksAndTheAnswerDecides) {
    struct Case {
        const char* name;
        int screen;  // the intro has no side bar: the box is served alone there
        bool yes;
    };
    const Case cases[] = {
        {"No on a framed screen", SCREEN_NEWS, false},
        {"No on the intro", SCREEN_INTRO, false},
        {"Yes on a framed screen", SCREEN_TEAM, true},
        {"Yes on the intro", SCREEN_INTRO, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_game->BeginPlay();
        m_game->ChangeScreen(c.screen);
        m_system->HeadlessInput()->Close();
        TickWith(0, 0, false);  // the question is queued, then shown
        ASSERT_TRUE(MessageBoxOpen());
        EXPECT_EQ(CSideBar::s_pendingQuestion, QUESTION_EXIT);
        // Nothing else happens while the box is open.
        const int updates = ScreenLog::s_updates;
        AnswerMessageBox(c.yes ? CMessageBox::YES : CMessageBox::NO);
        EXPECT_EQ(ScreenLog::s_updates, updates + 2);
        TickWith(0, 0, false);  // the answer is read at the next tick
        if (c.yes) {
            EXPECT_FALSE(m_game->m_running);
            EXPECT_EQ(m_game->m_screenId, SCREEN_START_MENU);
            EXPECT_EQ(m_game->PlayPass(), LoopPass::ENDED);
            CMessageBox::s_dialog->Close();  // the box is left as the game ended
            continue;
        }
        EXPECT_FALSE(MessageBoxOpen());
        EXPECT_TRUE(m_game->m_running);
        EXPECT_EQ(CSideBar::s_pendingQuestion, QUESTION_NONE);
        EXPECT_EQ(m_game->m_screenId, c.screen);
    }
}

constexpr uint32_t GREY = 0xff808080u;

void PaintGrey() {
    g_system->FillRect(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1, GREY);
}

TEST_F(MainLoopTest, BusyFramesAreShadedUntilTheNextTick) {
    ShowPainter(143, PaintGrey);

    m_game->RenderFrame();
    EXPECT_EQ(m_system->Screen().Pixel(600, 400), GREY);
    m_game->m_busy = true;
    m_game->RenderFrame();
    EXPECT_LT(m_system->Screen().Pixel(600, 400) & 0xffu, GREY & 0xffu);
    TickWith(600, 400, false);
    EXPECT_FALSE(m_game->m_busy);
}

int s_moverX = 0;
void DrawMover() {
    g_system->FillRect(s_moverX, 400, s_moverX + 10, 410, GREY);
}

TEST_F(MainLoopTest, OnlyFramesThatChangeArePresented) {
    ShowPainter(144, DrawMover);
    struct Counts {
        uint64_t ticks, frames, presents;
    };
    const auto runOneSecond = [&](bool moving) {
        const Counts before{m_game->m_tickCount, m_game->m_frameCount, m_system->m_presentCount};
        for (int ms = 0; ms < 1000; ++ms) {
            if (moving) s_moverX = ms % 500;
            AdvanceClock(1000);
            DuePasses();
        }
        return Counts{m_game->m_tickCount - before.ticks, m_game->m_frameCount - before.frames,
                      m_system->m_presentCount - before.presents};
    };
    runOneSecond(false);
    const Counts still = runOneSecond(false);
    EXPECT_EQ(still.ticks, 100u);
    EXPECT_EQ(still.presents, 0u) << "a still picture is not sent again";
    EXPECT_NEAR(static_cast<double>(still.frames), CGame::STILL_FRAMES_PER_SECOND, 1.0)
        << "and is drawn a few times a second";

    const Counts moving = runOneSecond(true);
    EXPECT_EQ(moving.ticks, 100u);
    // The change shows on the next still frame; from there every frame is drawn.
    EXPECT_GE(static_cast<double>(moving.frames), 60.0 - 60.0 / CGame::STILL_FRAMES_PER_SECOND - 2.0)
        << "a change brings back every frame";
    EXPECT_GE(moving.presents + 1, moving.frames) << "and every changed frame is sent";

    const Counts stillAgain = runOneSecond(false);
    EXPECT_EQ(stillAgain.presents, 0u);

    // Input brings the next frame at once, however still the picture was.
    const uint64_t frames = m_game->m_frameCount;
    m_system->HeadlessInput()->MoveMouse(600, 300);
    AdvanceClock(10000);
    DuePasses();
    AdvanceClock(17000);
    DuePasses();
    EXPECT_EQ(m_game->m_frameCount, frames + 1);
    s_moverX = 0;
}

// A still game sleeps past its ticks, waiting for an event; on waking the
// ticks it slept through all run, and the game clock keeps time.
TEST_F(MainLoopTest, AStillGameSleepsAndCatchesUpItsTicksOnWaking) {
    ShowPainter(145, DrawMover);
    for (int ms = 0; ms < 1000; ++ms) {
        AdvanceClock(1000);
        DuePasses();
    }
    // A change is drawn on the next still frame, and wakes the loop for
    // every tick again.
    const uint32_t moving = [&] {
        s_moverX = 7;
        for (int ms = 0; ms < 1000 / CGame::STILL_FRAMES_PER_SECOND + 20; ++ms) {
            AdvanceClock(1000);
            DuePasses();
        }
        return m_game->IdleMilliseconds();
    }();
    EXPECT_LE(moving, 10u) << "a changing picture wakes for every tick";
    for (int ms = 0; ms < 1000; ++ms) {
        AdvanceClock(1000);
        DuePasses();
    }
    const uint64_t ticks = m_game->m_tickCount;
    const float seconds = m_system->m_clockSeconds;
    uint32_t slept = 0;
    for (int wake = 0; wake < 10; ++wake) {
        const uint32_t ms = m_game->IdleMilliseconds();
        EXPECT_GT(ms, 10u) << "longer than a tick";
        EXPECT_LE(ms, CGame::STILL_WAIT_MS);
        AdvanceClock(uint64_t(ms) * 1000);
        slept += ms;
        DuePasses();
    }
    EXPECT_NEAR(static_cast<double>(m_game->m_tickCount - ticks), slept / 10.0, 1.0);
    EXPECT_NEAR(m_system->m_clockSeconds - seconds, slept / 1000.0f, 0.02f);
    s_moverX = 0;
}

// Two screens with a button at the same place: "Go" on the first leads to the
// second, "Stay" on the first counts its clicks, "Target" on the second its own.
struct TwoScreens {
    static inline CButton* s_go = nullptr;
    static inline CButton* s_stay = nullptr;
    static inline CButton* s_target = nullptr;
    static inline int s_stayClicks = 0;
    static inline int s_targetClicks = 0;
    static bool Take(CButton* button) {
        if (button->m_state != STATE_CLICKED) return false;
        button->m_state = STATE_NORMAL;
        return true;
    }
    static void UpdateFirst() {
        if (Take(s_stay)) ++s_stayClicks;
        if (Take(s_go)) g_game->ChangeScreen(143);
    }
    static void UpdateSecond() {
        if (Take(s_target)) ++s_targetClicks;
    }
};

TEST_F(MainLoopTest, TheRestOfADoubleClickNeverReachesWhatTheFirstClickBrought) {
    CButton go, stay, target;
    go.SetRect(100, 100, 100, 30);
    stay.SetRect(300, 100, 100, 30);
    target.SetRect(100, 100, 100, 30);
    ControlList first, second;
    first.AddControl(&go);
    first.AddControl(&stay);
    second.AddControl(&target);
    TwoScreens::s_go = &go;
    TwoScreens::s_stay = &stay;
    TwoScreens::s_target = &target;
    for (auto [id, list, update] : {std::tuple{142, &first, &TwoScreens::UpdateFirst},
                                    std::tuple{143, &second, &TwoScreens::UpdateSecond}}) {
        ScreenRecord record;
        record.m_id = id;
        record.m_mode = SCREEN_MODE_FRAMED;
        record.mp_controls = list;
        CCallbackScreen& screen = NewTestScreen();
        screen.m_update = update;
        record.mp_screen = &screen;
        m_game->RegisterScreen(record);
    }

    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> presses;  // x and the press's click count
        int screen, stayClicks, targetClicks;
    };
    const Case cases[] = {
        {"a double click that changes the screen clicks nothing there", {{150, 1}, {150, 2}}, 143, 0, 0},
        {"nor does a triple click", {{150, 1}, {150, 2}, {150, 3}}, 143, 0, 0},
        {"two single clicks reach the new screen", {{150, 1}, {150, 1}}, 143, 0, 1},
        {"a single click after the dropped one does", {{150, 1}, {150, 2}, {150, 1}}, 143, 0, 1},
        {"a double click on what stays is two clicks", {{350, 1}, {350, 2}}, 142, 2, 0},
        {"and goes on working after it", {{350, 1}, {350, 2}, {150, 1}, {150, 2}}, 143, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_game->ChangeScreen(142);
        TwoScreens::s_stayClicks = TwoScreens::s_targetClicks = 0;
        for (auto [x, clicks] : c.presses) m_system->HeadlessInput()->Click(x, 110, clicks);
        for (int tick = 0; tick < 20; ++tick) {
            AdvanceClock(10000);
            DuePasses();
        }
        EXPECT_EQ(m_game->m_screenId, c.screen);
        EXPECT_EQ(TwoScreens::s_stayClicks, c.stayClicks);
        EXPECT_EQ(TwoScreens::s_targetClicks, c.targetClicks);
    }
    ClearCurrentScreen();
}

}  // namespace

}  // namespace ravel
