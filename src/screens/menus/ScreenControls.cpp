#include "screens/menus/ScreenControls.h"

#include <algorithm>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "screens/match/ScorecardScreen.h"
#include "screens/menus/FixtureRows.h"
#include "season/News.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "shell/gui/ScrollBar.h"
#include "shell/gui/SideBar.h"
#include "shell/platform/System.h"
#include "world/GameDate.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

LinkSubjects g_linkSubjects;

const StaffMember* CurrentUserStaff() {
    const UserCoach* profile = CurrentProfile();
    return profile ? &profile->m_staff : nullptr;
}

std::vector<InboxMessage>* CurrentInbox() {
    UserCoach* profile = CurrentProfile();
    return profile ? &profile->mv_inbox : nullptr;
}

int CurrentCoachSide() {
    const StaffMember* coach = CurrentUserStaff();
    if (!coach) return 0;
    return coach->m_clubJob >= 1 ? coach->m_clubJob : std::max(coach->m_nationalJob, 0);
}

void ScreenControls::AddButtons(std::span<const ButtonRow> rows, int style) {
    for (const ButtonRow& row : rows) {
        CButton* button =
            Add<CButton>(row.x, row.y, row.width, SCREEN_BUTTON_HEIGHT, row.caption, row.tooltip);
        button->m_style = style;
        *row.button = button;
    }
}

void UpdateSquadButton() {
    using SB = CSideBar;
    if (!SB::s_btnSquad) return;
    // The button opens the side the menus follow: his club before his country.
    const int side = CurrentCoachSide();
    const char* name = nullptr;
    if (side >= FIRST_CLUB_ID) {
        if (const Team* t = TeamById(side)) name = t->m_name;
    } else if (side > 0) {
        if (const Country* c = CountryById(side)) name = c->m_name;
    }
    SB::s_btnSquad->SetCaption(name ? name : "No team");
    if (name)
        SB::s_btnSquad->mb_disabled = 0;
    else
        SB::s_btnSquad->Disable();
}

void ScreenControls::Begin() {
    // What an Enter that no Leave followed left behind goes first.
    Free();
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

void OpenScorecardOfMatch(int matchId) {
    if (!MatchById(matchId)) {
        ShowMessage("The scorecard of this match is no longer available.", MSG_OK);
        return;
    }
    OpenScorecardByMatchId(matchId);
}

void OpenSide(int sideId) {
    OpenScreen(sideId >= FIRST_CLUB_ID ? SCREEN_TEAM : SCREEN_COUNTRY, {sideId});
}

void OpenSeriesOverview(int seriesId, bool betweenCountries) {
    int32_t kind = TOUR_TRIANGULAR;
    if (!betweenCountries) {
        const TourSeries* s = TourSeriesById(seriesId);
        kind = s && s->m_series != 0 ? TOUR_TRIANGULAR : seriesId % 2 ? TOUR_TESTS : TOUR_ONE_DAY;
    }
    OpenScreen(SCREEN_SERIES, {seriesId, kind});
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
                       g_cricket.m_date.DateText().c_str());
    g_system->DrawText(10, 30, ALIGN_LEFT, 0xffffffffu, game.m_fontText.get(), "%s", clockText);
}

}  // namespace ravel
