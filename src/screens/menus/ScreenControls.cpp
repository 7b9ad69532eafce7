#include "screens/menus/ScreenControls.h"

#include <algorithm>

#include "season/News.h"
#include "shell/Game.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/System.h"
#include "world/GameDate.h"

namespace ravel {

LinkSubjects g_linkSubjects;

const StaffMember* CurrentUserStaff() {
    const int index = g_cricket.m_coachIndex;
    if (index < 0 || static_cast<size_t>(index) >= g_userCoaches.size()) return nullptr;
    return &g_userCoaches[index].m_staff;
}

std::vector<InboxMessage>* CurrentInbox() {
    const int index = g_cricket.m_coachIndex;
    if (index < 0 || static_cast<size_t>(index) >= g_userCoaches.size()) return nullptr;
    return &g_userCoaches[index].mv_inbox;
}

int CurrentCoachSide() {
    const StaffMember* coach = CurrentUserStaff();
    if (!coach) return 0;
    return coach->m_clubJob >= 1 ? coach->m_clubJob : std::max(coach->m_nationalJob, 0);
}

void ScreenControls::Begin() {
    m_list = g_system ? g_system->mp_controlList : nullptr;
}

void ScreenControls::Free() {
    if (m_list) {
        std::erase_if(m_list->mv_controls, [this](CControl* c) {
            return std::any_of(mv_owned.begin(), mv_owned.end(), [c](const auto& o) { return o.get() == c; });
        });
    }
    mv_owned.clear();
    m_list = nullptr;
}

void ShowRow(CControl* row, bool shown) {
    if (!row) return;
    row->mb_visible = shown ? 1 : 0;
    if (shown)
        row->mb_disabled = 0;
    else
        row->Disable();
}

bool TakeClick(CControl* control) {
    if (!control || control->m_state != STATE_CLICKED) return false;
    control->m_state = STATE_NORMAL;
    return true;
}

int FitScrollBar(CScrollBar& bar, int entries, int rows, bool hideWhenShort) {
    const bool longer = entries > rows;
    bar.m_min = 0;
    bar.m_max = longer ? entries - rows : 0;
    bar.m_position = std::clamp(bar.m_position, 0, bar.m_max);
    if (longer) {
        bar.mb_disabled = 0;
        bar.mb_visible = 1;
    } else {
        bar.m_position = 0;
        bar.Disable();
        if (hideWhenShort) bar.mb_visible = 0;
    }
    return bar.m_position;
}

void WheelScroll(CScrollBar& bar) {
    if (bar.mb_disabled || g_system->m_wheel == 0) return;
    const int step = g_system->m_wheel < 0 ? 1 : -1;
    bar.m_position = std::clamp(bar.m_position + step, bar.m_min, bar.m_max);
}

void DrawFrameBars(const char* clockText) {
    CGame& game = *g_game;
    game.m_topBarMatch.Draw(0, 0);
    game.m_sideBar.Draw(0, 103);
    game.m_sideBarBottom.Draw(0, 520);
    game.m_bottomBar.Draw(0, 704);
    if (!game.mb_screenFrame) return;
    g_system->DrawText(10, 10, ALIGN_LEFT, 0xffffffffu, game.m_fontText.get(), "%s",
                       g_cricket.m_date.DateText());
    g_system->DrawText(10, 30, ALIGN_LEFT, 0xffffffffu, game.m_fontText.get(), "%s", clockText);
}

}  // namespace ravel
