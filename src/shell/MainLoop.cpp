#include "shell/MainLoop.h"

#include <algorithm>
#include <cstdio>

#include "shell/Game.h"
#include "shell/Settings.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/SideBar.h"
#include "shell/platform/Clock.h"
#include "shell/platform/System.h"
#include "world/GameDate.h"
#include "world/Paths.h"
#include "world/Random.h"
#include "world/Services.h"

namespace ravel {

namespace {

constexpr uint32_t FRAME_CLEAR = 0xff000000u;
constexpr const char* HISTORY_FILES[] = {"playerhistories_data.hist", "playerhistories_index.hist"};

int64_t ReadClock(bool counter) {
    if (!counter) return TimeGetTime();
    int64_t now = 0;
    QueryPerformanceCounter(&now);
    return now;
}

void DeleteHistoryFiles() {
    for (const char* file : HISTORY_FILES) {
        std::remove(NativePath(JoinPath(s_savesFolder, file)).c_str());  // a missing file is no error
    }
}

}  // namespace

void CGame::Play() {
    BeginPlay();
    for (;;) {
        const LoopPass pass = PlayPass();
        if (pass == LoopPass::ENDED) break;
        // Nothing was due: give the processor back until something is, or
        // until the window has an event.
        if (pass == LoopPass::IDLE && !m_paused) g_system->WaitForEvent(IdleMilliseconds());
    }
    EndPlay();
}

void CGame::BeginPlay() {
    DebugLog("Into CGame::Play()");
    m_running = true;
    m_paused = false;
    m_busy = false;
    mb_quitSeen = false;
    mb_altEnterArmed = false;
    m_stillFrames = 0;
    m_nextStillFrame = 0;
    ChangeScreen(SCREEN_INTRO);
    g_system->m_clockSeconds = 0.0f;
    SeedRandFromClock();
    g_cricket.m_autosave = false;
    g_cricket.m_matchViewSounds = true;

    int64_t frequency = 0;
    mb_counterClock = QueryPerformanceFrequency(&frequency) && frequency > 0;
    if (mb_counterClock) {
        m_tickPeriod = frequency / TICKS_PER_SECOND;
        m_framePeriod = frequency / FRAMES_PER_SECOND;
    } else {
        m_tickPeriod = 10;
        m_framePeriod = 16;
    }
    g_system->m_nextTick = ReadClock(mb_counterClock);
    m_nextFrame = g_system->m_nextTick;

    WindowMessage message;
    if (g_system->PeekMessage(&message, false) && message.message == WM_QUIT) {
        mb_quitSeen = true;
        m_running = false;
    }
}

LoopPass CGame::PlayPass() {
    if (!m_running) return LoopPass::ENDED;
    WindowMessage message;
    if (g_system->PeekMessage(&message, true)) {
        g_system->DispatchMessage(message);
        if (message.message != WM_QUIT) return LoopPass::MESSAGE;
        mb_quitSeen = true;
        return LoopPass::ENDED;
    }
    const int64_t present = ReadClock(mb_counterClock);
    g_system->m_presentTime = present;
    if (present > g_system->m_nextTick) {
        g_system->m_clockSeconds += 0.01f;
        GameTick();
        PumpMessageBox();
        mp_screen->Tick();
        ++m_tickCount;
        g_system->m_nextTick += m_tickPeriod;
        // A tick of auto-simulation can be a whole day and one of the intro a
        // whole table: there the clock starts again instead of catching up.
        const bool restart = g_cricket.m_autoSimulate || m_screenId == SCREEN_INTRO;
        if (restart && g_system->m_nextTick < present) g_system->m_nextTick = present + m_tickPeriod;
        return LoopPass::TICK;
    }
    if (m_paused) {
        Sleep(1);
        return LoopPass::IDLE;
    }
    if (present > m_nextFrame) {
        m_nextFrame += m_framePeriod;
        if (FrameWanted()) RenderFrame();
        // Late frames are dropped, never drawn twice to catch up.
        if (m_nextFrame < present) m_nextFrame = present + m_framePeriod;
        return LoopPass::FRAME;
    }
    return LoopPass::IDLE;
}

uint32_t CGame::IdleMilliseconds() const {
    const int64_t present = g_system->m_presentTime;
    // A still picture: nothing is due but the ticks, which are caught up on
    // waking (at once when the window has an event),
    const bool still = Still();
    // and the frame slot of the next still frame.
    const int64_t due =
        still ? std::max(m_nextStillFrame, m_nextFrame) : std::min(g_system->m_nextTick, m_nextFrame);
    const uint32_t most = still ? STILL_WAIT_MS : 10;
    // The tick period is ten milliseconds on either clock. Rounded up: waking
    // a little early would only cost a second pass and a second sleep.
    const int64_t ms = m_tickPeriod > 0 ? ((due - present) * 10 + m_tickPeriod - 1) / m_tickPeriod : 1;
    return static_cast<uint32_t>(std::clamp<int64_t>(ms, 1, most));
}

void CGame::EndPlay() {
    DebugLog("Exiting game...");
    if (mb_quitSeen) DebugLog("exit wm_quit");
    DeleteHistoryFiles();
    mp_screen->Leave();
}

CGame::Scene CGame::CurrentScene() const {
    const ControlList* list = g_system->mp_controlList;
    return {m_screenChanges, list ? list->OpenControl() : nullptr, m_sideBarList.OpenControl(),
            MessageBoxOpen()};
}

void CGame::GameTick() {
    CSystem& sys = *g_system;
    // Whatever changed the scene since the last tick (a click, a day's step),
    // the input still queued was aimed at the old one.
    if (const Scene scene = CurrentScene(); scene != m_scene) {
        m_scene = scene;
        sys.SceneChanged();
    }
    sys.ReadKeyboard();
    sys.ReadMouse();
    if (sys.mp_controlList) {
        sys.mp_controlList->DispatchMouse(sys.m_mouseX, sys.m_mouseY, sys.mb_leftDown, sys.mb_rightDown);
    }
    if (m_screenMode == SCREEN_MODE_FRAMED) {
        m_sideBarList.DispatchMouse(sys.m_mouseX, sys.m_mouseY, sys.mb_leftDown, sys.mb_rightDown);
    } else {
        // Full-screen screens have no side bar, but a question must still be
        // answerable there.
        DispatchMessageBoxAlone(sys.m_mouseX, sys.m_mouseY, sys.mb_leftDown, sys.mb_rightDown);
    }
    mp_screen->Update();

    if (CSideBar::s_pendingQuestion == QUESTION_EXIT) {
        if (CMessageBox::s_messageAnswer == ANSWER_YES) {
            m_running = false;
            // The box's Yes may already have gone there.
            if (m_screenId != SCREEN_START_MENU) ChangeScreen(SCREEN_START_MENU);
            return;
        }
        if (CMessageBox::s_messageAnswer == ANSWER_NO) CSideBar::s_pendingQuestion = QUESTION_NONE;
    }
    if (MessageBoxOpen()) {
        HandleMessageBoxButtons();
        return;
    }
    if (mp_highlightKeys) mp_highlightKeys();

    const bool altEnter = sys.KeyDown(DIK_LMENU) && sys.KeyDown(DIK_RETURN);
    if (altEnter && mb_altEnterArmed) {
        // The window keeps its mode: there is nothing to switch.
        mb_altEnterArmed = false;
        DebugLog("Succesfully toggled fullscreen");
    } else if (!sys.KeyDown(DIK_LMENU) && !sys.KeyDown(DIK_RETURN)) {
        mb_altEnterArmed = true;
    }

    HandleSideBar();
}

void CGame::RenderFrame() {
    CSystem& sys = *g_system;
    if (m_paused) return;
    if (sys.HandleLostDevice() != 0) return;  // it has already waited
    sys.Clear(FRAME_CLEAR);
    if (!sys.BeginScene()) return;
    mp_screen->Render();
    if (m_screenMode == SCREEN_MODE_FRAMED) {
        m_sideBarList.Draw();
    } else {
        DrawMessageBoxAlone();
    }
    if (!sys.mb_windowed && sys.mb_drawPointer) {
        const CSprite& pointer = m_busy ? sys.m_pointerBusy : sys.m_pointer;
        pointer.Draw(sys.m_mouseX, sys.m_mouseY);
    }
    if (m_busy) sys.ShadeRect(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);
    sys.EndScene();
    const uint64_t shown = sys.m_presentCount;
    sys.Present();
    ++m_frameCount;
    m_stillFrames = sys.m_presentCount == shown ? m_stillFrames + 1 : 0;
}

bool CGame::FrameWanted() {
    // Input may change what is drawn: the next frame comes at once.
    if (g_system->m_inputCount != m_inputAtFrame) {
        m_inputAtFrame = g_system->m_inputCount;
        m_stillFrames = 0;
    }
    if (m_stillFrames < STILL_FRAMES) return true;
    const int64_t present = g_system->m_presentTime;
    if (present < m_nextStillFrame) return false;
    m_nextStillFrame = present + m_tickPeriod * (TICKS_PER_SECOND / STILL_FRAMES_PER_SECOND);
    return true;
}

bool CGame::Still() const {
    return m_stillFrames >= STILL_FRAMES && g_system->m_inputCount == m_inputAtFrame;
}

bool ParseHeadlessScript(const std::vector<std::string>& words, HeadlessScript& script, std::string& error) {
    for (const std::string& word : words) {
        ScriptStep step;
        unsigned long long tick = 0, ticks = 0;
        int x = 0, y = 0, used = 0;
        const char* w = word.c_str();
        if (std::sscanf(w, "ticks=%llu%n", &ticks, &used) == 1 && w[used] == '\0') {
            script.m_ticks = ticks;
            continue;
        }
        if (std::sscanf(w, "click=%llu:%d,%d%n", &tick, &x, &y, &used) == 3 && w[used] == '\0') {
            step.m_kind = ScriptStep::CLICK;
            step.m_x = x;
            step.m_y = y;
        } else if (std::sscanf(w, "key=%llu:%d%n", &tick, &x, &used) == 2 && w[used] == '\0') {
            step.m_kind = ScriptStep::KEY;
            step.m_x = x;
        } else if (std::sscanf(w, "text=%llu:%n", &tick, &used) == 1 && used > 0 && w[used] != '\0') {
            step.m_kind = ScriptStep::TEXT;
            step.m_text = w + used;
        } else if (std::sscanf(w, "close=%llu%n", &tick, &used) == 1 && w[used] == '\0') {
            step.m_kind = ScriptStep::CLOSE;
        } else if (std::sscanf(w, "shot=%llu:%n", &tick, &used) == 1 && used > 0 && w[used] != '\0') {
            step.m_kind = ScriptStep::SHOT;
            step.m_file = w + used;
        } else {
            error = word;
            return false;
        }
        step.m_tick = tick;
        script.mv_steps.push_back(step);
    }
    return true;
}

bool RunHeadless(CGame& game, const HeadlessScript& script) {
    CHeadless* input = g_system->HeadlessInput();
    bool written = true;
    game.BeginPlay();
    for (uint64_t tick = 1; tick <= script.m_ticks && game.m_running; ++tick) {
        if (input) {
            input->SetButtons(false, false);
            input->ReleaseAllKeys();
            for (const ScriptStep& step : script.mv_steps) {
                if (step.m_tick != tick) continue;
                if (step.m_kind == ScriptStep::CLICK) {
                    input->MoveMouse(step.m_x, step.m_y);
                    input->SetButtons(true, false);
                } else if (step.m_kind == ScriptStep::KEY) {
                    input->PressKey(step.m_x);
                } else if (step.m_kind == ScriptStep::TEXT) {
                    input->TypeText(step.m_text.c_str());
                } else if (step.m_kind == ScriptStep::CLOSE) {
                    input->Close();
                }
            }
        }
        AdvanceClock(1000000 / TICKS_PER_SECOND);
        // Everything now due: the window's events, the tick and a frame.
        LoopPass pass;
        do {
            pass = game.PlayPass();
        } while (pass != LoopPass::ENDED && pass != LoopPass::IDLE);
        for (const ScriptStep& step : script.mv_steps) {
            if (step.m_kind != ScriptStep::SHOT || step.m_tick != tick) continue;
            game.RenderFrame();
            if (!g_system->SaveScreenshot(step.m_file)) written = false;
        }
        if (pass == LoopPass::ENDED) break;
    }
    game.EndPlay();
    return written;
}

}  // namespace ravel
