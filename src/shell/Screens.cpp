#include "shell/Screens.h"

#include "shell/Game.h"
#include "shell/gui/Button.h"
#include "shell/gui/SideBar.h"
#include "world/Services.h"

namespace ravel {

ScreenSubjects g_screenSubjects;

void EmptyScreenCallback() {}

void OpenRecordsScreen(int kind, int section) {
    g_screenSubjects.m_recordsKind = kind;
    g_screenSubjects.m_recordsSection = section;
    if (g_game) g_game->ChangeScreen(SCREEN_RECORDS);
}

void ClearCurrentScreen() {
    if (!g_system) return;
    for (ScreenCallback* slot :
         {&g_system->mp_render, &g_system->mp_update, &g_system->mp_tick, &g_system->mp_enter,
          &g_system->mp_leave, &g_system->mp_unloadTextures, &g_system->mp_loadTextures}) {
        *slot = EmptyScreenCallback;
    }
    g_system->mp_controlList = nullptr;
}

void CGame::RegisterScreen(const ScreenRecord& record) {
    ScreenRecord entry = record;
    for (ScreenCallback* slot : {&entry.mp_render, &entry.mp_update, &entry.mp_tick, &entry.mp_enter,
                                 &entry.mp_leave, &entry.mp_unloadTextures, &entry.mp_loadTextures}) {
        if (!*slot) *slot = EmptyScreenCallback;
    }
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
    g_system->mp_leave();
    if (next) {
        g_system->mp_render = next->mp_render;
        g_system->mp_update = next->mp_update;
        g_system->mp_tick = next->mp_tick;
        g_system->mp_enter = next->mp_enter;
        g_system->mp_leave = next->mp_leave;
        g_system->mp_unloadTextures = next->mp_unloadTextures;
        g_system->mp_loadTextures = next->mp_loadTextures;
        g_system->mp_controlList = next->mp_controls;
        m_screenMode = next->m_mode;
        m_screenId = newId;
    }
    m_recordOnLeave = true;
    g_system->mp_enter();
    UpdateHistoryButtons();
}

void CGame::UpdateHistoryButtons() {
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
