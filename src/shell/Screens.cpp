#include "shell/Screens.h"

#include "shell/Game.h"
#include "shell/gui/Button.h"
#include "shell/gui/SideBar.h"
#include "shell/platform/System.h"
#include "world/Services.h"

namespace ravel {

namespace {

// The screen of an empty slot: it does nothing.
CScreen s_noScreen;

}  // namespace

CScreen& EmptyScreen() {
    return s_noScreen;
}

bool RecordedInHistory(int screenId) {
    return screenId != SCREEN_CONTRACT && screenId != SCREEN_PRE_MATCH && screenId != SCREEN_SCORECARD;
}

void PushHistory(std::vector<int32_t>& history, int screenId) {
    history.push_back(screenId);
    if (history.size() > static_cast<size_t>(HISTORY_LIMIT)) history.erase(history.begin());
}

void ChangeScreen(int screenId) {
    if (g_game) g_game->ChangeScreen(screenId);
}

int CurrentScreen() {
    return g_game ? g_game->m_screenId : SCREEN_NONE;
}

void OpenScreen(int32_t id, const ScreenSubject& subject) {
    if (g_game) g_game->OpenScreen(id, subject);
}

void OpenRecordsScreen(int kind, int section) {
    OpenScreen(SCREEN_RECORDS, {0, kind, section});
}

void ClearCurrentScreen() {
    if (g_game) g_game->mp_screen = &s_noScreen;
    if (g_system) g_system->mp_controlList = nullptr;
}

void CGame::RegisterScreen(const ScreenRecord& record) {
    ScreenRecord entry = record;
    if (!entry.mp_screen) entry.mp_screen = &s_noScreen;
    if (entry.mp_controls) {
        // An open side-bar menu or dialog takes the mouse before the screen.
        entry.mp_controls->mp_overlay = &m_sideBarList;
        entry.mp_controls->mp_skin = m_skin.Sprites();
    }
    mv_screens.push_back(entry);
}

const ScreenRecord* CGame::FindScreen(int32_t id) const {
    for (const ScreenRecord& record : mv_screens) {
        if (record.m_id == id) return &record;
    }
    return nullptr;
}

void CGame::ChangeScreen(int32_t newId) {
    const ScreenRecord* next = FindScreen(newId);
    // An id with no screen behind it goes nowhere, so it is not remembered.
    if (m_recordOnLeave && newId != m_screenId && next) {
        if (RecordedInHistory(m_screenId) && !m_skipHistory) PushHistory(mv_backHistory, m_screenId);
    }
    m_skipHistory = false;
    ++m_screenChanges;
    mp_screen->Leave();
    if (next) {
        mp_screen = next->mp_screen;
        g_system->mp_controlList = next->mp_controls;
        m_screenMode = next->m_mode;
        m_screenId = newId;
    }
    m_recordOnLeave = true;
    mp_screen->Enter();
    UpdateHistoryButtons();
}

void CGame::OpenScreen(int32_t id, const ScreenSubject& subject) {
    if (const ScreenRecord* record = FindScreen(id)) record->mp_screen->SetSubject(subject);
    ChangeScreen(id);
}

void CGame::UpdateHistoryButtons() {
    // A held side bar stays disabled until it is let go.
    if (SideBarHeld()) return;
    auto set = [](CButton* button, bool empty) {
        if (!button) return;
        button->mb_disabled = empty ? 1 : 0;
        if (empty) button->m_state = STATE_NORMAL;
    };
    set(CSideBar::s_btnBack, mv_backHistory.empty());
    set(CSideBar::s_btnForward, mv_forwardHistory.empty());
}

void CGame::NavigateHistory(int direction) {
    std::vector<int32_t>* from = nullptr;
    std::vector<int32_t>* to = nullptr;
    if (direction == HISTORY_BACK) {
        from = &mv_backHistory;
        to = &mv_forwardHistory;
    } else if (direction == HISTORY_FORWARD) {
        from = &mv_forwardHistory;
        to = &mv_backHistory;
    } else {
        return;
    }
    if (from->empty()) return;
    DebugLog(
        direction == HISTORY_BACK ? "wanting to go back, current %d" : "wanting to go forward, current %d",
        m_screenId);
    const int32_t target = from->back();
    from->pop_back();
    // Back from today's fixtures returns forward to the news page, where the
    // day began.
    const int32_t left =
        direction == HISTORY_BACK && m_screenId == SCREEN_TODAYS_FIXTURES ? SCREEN_NEWS : m_screenId;
    if (RecordedInHistory(m_screenId) && (to->empty() || to->back() != left)) PushHistory(*to, left);
    DebugLog("switching to: %d", target);
    m_recordOnLeave = false;
    ChangeScreen(target);
    for (size_t i = 0; i < mv_forwardHistory.size(); ++i) {
        DebugLog("forward pos: %d  screen %d", static_cast<int>(i), mv_forwardHistory[i]);
    }
    for (size_t i = 0; i < mv_backHistory.size(); ++i) {
        DebugLog("back pos: %d  screen %d", static_cast<int>(i), mv_backHistory[i]);
    }
}

}  // namespace ravel
