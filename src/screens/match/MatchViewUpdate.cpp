// The match view's Update: for now the way back to the main screen; the play
// controls and the dialogs' answers join it with the stepping of the day.
#include "screens/match/MatchViewScreen.h"
#include "screens/menus/ScreenControls.h"
#include "season/DayMachine.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/gui/Button.h"
#include "world/Records.h"
#include "world/Services.h"

namespace ravel {

namespace {

// In a career the user's own page, fresh histories; a custom tour or league
// ends here. The match stays in the list for later.
void LeaveToMainScreen() {
    if (g_cricket.m_gameMode != MODE_CAREER) {
        g_game->m_running = false;
        return;
    }
    g_game->mv_backHistory.clear();
    g_game->mv_forwardHistory.clear();
    const int32_t side = g_cricket.m_team;
    if (side >= FIRST_CLUB_ID) {
        g_screenSubjects.m_teamId = side;
        g_dayScreenState.m_teamView = TEAM_VIEW_SELECT;
        ChangeScreen(SCREEN_TEAM);
    } else {
        g_screenSubjects.m_countryId = side;
        g_dayScreenState.m_countryView = COUNTRY_VIEW_SELECT;
        ChangeScreen(SCREEN_COUNTRY);
    }
}

}  // namespace

void CMatchViewScreen::Update() {
    if (TakeClick(s_ui.mainScreen)) LeaveToMainScreen();
}

}  // namespace ravel
